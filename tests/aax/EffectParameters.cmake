# Typed host parameters, their tapers and displays, the parameter table,
# packet queue and owner mutex, the effect-parameters base and the GUI base
# (included from CMakeLists.txt).
vo_add_test(NAME aax_parameters_tests
  SOURCES
    EffectGUITest.cpp
    EffectParametersTest.cpp
    ParameterTableAndPacketQueueTest.cpp
    TapersAndDisplaysTest.cpp
    TypedParameterTest.cpp
  LIBS aax_library aax_fake_host GTest::gmock
  LABELS aax tsan)
target_include_directories(aax_parameters_tests PRIVATE
  ${CMAKE_SOURCE_DIR}/tools/aax_test_host/modules)
# The owner mutex's contract is the same for both forms; the POSIX form is
# tested with the macOS platform layer (tests/mac), the Windows form here.
if(VO_WINDOWS)
  target_sources(aax_parameters_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/mac/OwnerMutexTest.cpp)
endif()
