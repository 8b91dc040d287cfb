# Typed host parameters with their tapers and displays, and the
# effect-parameters base with its parameter table, packet queue and owner
# mutex (included from CMakeLists.txt).

target_sources(aax_library PRIVATE
  ${aax_source}/AAX_CEffectParameters.cpp
  ${aax_source}/AAX_CEffectParametersChunks.cpp
  ${aax_source}/AAX_CEffectParametersParameters.cpp
  ${aax_source}/AAX_CPacketQueue.cpp
  ${aax_source}/AAX_CParameter.cpp
  ${aax_source}/AAX_CParameterTable.cpp)

if(VO_WINDOWS)
  target_sources(aax_library PRIVATE ${aax_source}/AAX_COwnerMutex_win.cpp)
else()
  find_package(Threads REQUIRED)
  # The POSIX form belongs to the macOS platform layer; it serves every
  # non-Windows build.
  target_sources(aax_library PRIVATE ${CMAKE_SOURCE_DIR}/WDL/IPlug/mac/AAX_COwnerMutex_posix.cpp)
  target_link_libraries(aax_library PUBLIC Threads::Threads)
endif()
