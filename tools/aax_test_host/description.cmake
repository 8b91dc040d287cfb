# The effect description in the simulated host: its host objects, the
# module the description scenarios load, and their ctest entry.

target_sources(aax_fake_host PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DescriptionHostObjects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DescriptionSlotTables.cpp)
target_sources(aax_test_host PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DescriptionScenarios.cpp)

if(NOT TARGET iplug_aax_describe)
  return()
endif()

add_library(aax_description_test SHARED ${CMAKE_CURRENT_LIST_DIR}/modules/DescriptionTestModule.cpp)
target_link_libraries(aax_description_test PRIVATE
  aax_entry_points iplug_aax_describe iplug_aax_procedure_standins aax_library)
set_target_properties(aax_description_test PROPERTIES PREFIX "")
vo_warnings(aax_description_test)
add_dependencies(aax_test_host aax_description_test)

if(VO_WINDOWS)
  set(description_module $<TARGET_FILE_NAME:aax_description_test>)
else()
  set(description_module $<TARGET_FILE:aax_description_test>)
endif()
vo_register_test(NAME aax_test_host_description
  COMMAND aax_test_host --module=${description_module} --gtest_filter=Description* --gtest_brief=1
  LABELS aax)
