# The effect description and its host proxies against the simulated host.
if(TARGET iplug_aax_describe)
  vo_add_test(NAME aax_description_tests
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/DescribeEffectTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/DescriptionProxiesTest.cpp
    LIBS iplug_aax_describe iplug_aax_procedure_standins aax_library aax_fake_host GTest::gmock
    LABELS aax)
endif()
