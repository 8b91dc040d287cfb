# The description-side host proxies: collection operations, effect and
# component descriptors, property maps, description host and feature info.
set(aax_description_source ${CMAKE_CURRENT_SOURCE_DIR}/Libs/AAXLibrary/source)
target_sources(aax_library PRIVATE
  ${aax_description_source}/AAX_VComponentDescriptor.cpp
  ${aax_description_source}/AAX_VEffectDescriptor.cpp
  ${aax_description_source}/AAX_VFeatureInfo.cpp
  ${aax_description_source}/AAX_VPropertyMap.cpp)
