# Typed host parameters and the effect-parameters base through the host's
# slot tables (included from CMakeLists.txt): the module the scenarios load,
# the scenarios in the test host, and their run.

add_library(aax_parameters_test SHARED modules/ParametersTestModule.cpp)
target_link_libraries(aax_parameters_test PRIVATE aax_entry_points aax_library)
target_include_directories(aax_parameters_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/modules)
set_target_properties(aax_parameters_test PROPERTIES PREFIX "")
vo_warnings(aax_parameters_test)

target_sources(aax_test_host PRIVATE EffectParametersScenarios.cpp)
add_dependencies(aax_test_host aax_parameters_test)

if(VO_WINDOWS)
  set(parameters_module $<TARGET_FILE_NAME:aax_parameters_test>)
else()
  set(parameters_module $<TARGET_FILE:aax_parameters_test>)
endif()
vo_register_test(NAME aax_test_host_parameters
  COMMAND aax_test_host --module=${parameters_module} --gtest_brief=1 --gtest_filter=EffectParametersHost*
  LABELS aax)
