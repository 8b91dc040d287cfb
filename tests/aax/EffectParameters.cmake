# Typed host parameters, their tapers and displays, the parameter table,
# packet queue and owner mutex, the effect-parameters base and the GUI base
# (included from CMakeLists.txt).
vo_add_test(NAME aax_parameters_tests
  SOURCES
    EffectGUITest.cpp
    EffectParametersTest.cpp
    OwnerMutexTest.cpp
    ParameterTableAndPacketQueueTest.cpp
    TapersAndDisplaysTest.cpp
    TypedParameterTest.cpp
  LIBS aax_library aax_fake_host GTest::gmock
  LABELS aax tsan)
target_include_directories(aax_parameters_tests PRIVATE
  ${CMAKE_SOURCE_DIR}/tools/aax_test_host/modules)
