# Shared build helpers: warning flags, sanitizers, test registration.

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(VO_WINDOWS ON)
  set(VO_NATIVE OFF)
else()
  set(VO_WINDOWS OFF)
  set(VO_NATIVE ON)
endif()

# The processor the built code runs on. On macOS that is the one architecture
# asked for, not the build machine's: an Apple-silicon Mac builds the x86_64
# deliverable. Code for several architectures at once gets no
# processor-specific sources.
set(VO_TARGET_PROCESSOR ${CMAKE_SYSTEM_PROCESSOR})
if(APPLE AND CMAKE_OSX_ARCHITECTURES)
  list(LENGTH CMAKE_OSX_ARCHITECTURES vo_architecture_count)
  if(vo_architecture_count EQUAL 1)
    set(VO_TARGET_PROCESSOR ${CMAKE_OSX_ARCHITECTURES})
  else()
    set(VO_TARGET_PROCESSOR universal)
  endif()
endif()

if(VO_WINDOWS AND VO_MACOS_FORM)
  message(FATAL_ERROR "The macOS form is never part of the Windows build.")
endif()

if(VO_WINDOWS)
  # Nothing of the MinGW runtime has to be found next to a test or a plug-in.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

# A module shows its host the entry points and nothing else: every target
# is compiled with hidden symbols and hidden inline functions, and each entry
# point is marked exported where it is declared (AAX_EXPORT,
# SMTG_EXPORT_SYMBOL). On macOS this keeps the loader from binding one
# plug-in's classes (weak type information, inline functions) to another's of
# the same name. The few shared libraries that other images link against
# turn it back to default for themselves.
set(CMAKE_C_VISIBILITY_PRESET hidden)
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_OBJCXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

if(VO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VO_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# The fuzzing build (clang): every library, libpng's own sources included, is
# instrumented for libFuzzer's coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer; vo_add_fuzzer adds libFuzzer's main.
if(VO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# A shared library that other images link against (the stand-in frameworks
# of the macOS form): its symbols keep default visibility.
function(vo_exported_library target)
  set_target_properties(${target} PROPERTIES C_VISIBILITY_PRESET default CXX_VISIBILITY_PRESET default
                        OBJCXX_VISIBILITY_PRESET default VISIBILITY_INLINES_HIDDEN OFF)
endfunction()

function(vo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# Adds every direct subfolder of DIR that has a CMakeLists.txt.
function(vo_add_subfolders dir)
  file(GLOB children RELATIVE ${CMAKE_SOURCE_DIR}/${dir} ${CMAKE_SOURCE_DIR}/${dir}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    set(path ${dir}/${child})
    if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/${path} AND EXISTS ${CMAKE_SOURCE_DIR}/${path}/CMakeLists.txt
       AND NOT path STREQUAL "tests/support")
      add_subdirectory(${CMAKE_SOURCE_DIR}/${path} ${CMAKE_BINARY_DIR}/${path})
    endif()
  endforeach()
endfunction()

# The tests a configuration registers. The ThreadSanitizer build is for the
# concurrency tests (label tsan); the macOS form on Linux for the tests of
# what it builds differently from the native build: the raster library in
# the macOS pixel order, the macOS platform layer, the editor on the Cocoa
# view, the plug-in and its AAX module in the Apple bundle (label macform);
# the fuzzing build for its fuzzers (label fuzz). The other builds register
# every test they make. A test program outside its configuration's set is
# still built, only not registered.
set(VO_REQUIRED_TEST_LABELS)
if(VO_TSAN)
  list(APPEND VO_REQUIRED_TEST_LABELS tsan)
endif()
if(VO_MACOS_FORM AND NOT APPLE)
  list(APPEND VO_REQUIRED_TEST_LABELS macform)
endif()
if(VO_FUZZ)
  list(APPEND VO_REQUIRED_TEST_LABELS fuzz)
endif()

# vo_register_test(NAME n COMMAND command... [LABELS ...] [WORKING_DIRECTORY d]
#                  [TIMEOUT s] [RUN_SERIAL] [WILL_FAIL] [ENVIRONMENT var=value...]
#                  [FIXTURES_SETUP f...] [FIXTURES_REQUIRED f...] [FIXTURES_CLEANUP f...])
# One ctest entry, when its labels make it one of this configuration's tests
# (see above); nothing otherwise. The timeout is 300 seconds unless given.
# In the GNUstep build every test gets GNUstep's leak suppressions: there
# the plug-in's editor is the Cocoa view, so any program that makes the
# plug-in, or loads its module, runs GNUstep.
function(vo_register_test)
  cmake_parse_arguments(PARSE_ARGV 0 T "RUN_SERIAL;WILL_FAIL" "NAME;WORKING_DIRECTORY;TIMEOUT"
                        "COMMAND;LABELS;ENVIRONMENT;FIXTURES_SETUP;FIXTURES_REQUIRED;FIXTURES_CLEANUP")
  foreach(label IN LISTS VO_REQUIRED_TEST_LABELS)
    if(NOT label IN_LIST T_LABELS)
      return()
    endif()
  endforeach()
  if(T_WORKING_DIRECTORY)
    add_test(NAME ${T_NAME} COMMAND ${T_COMMAND} WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(VO_GNUSTEP_LSAN_OPTIONS)
    list(APPEND T_ENVIRONMENT "LSAN_OPTIONS=${VO_GNUSTEP_LSAN_OPTIONS}")
  endif()
  foreach(property LABELS ENVIRONMENT FIXTURES_SETUP FIXTURES_REQUIRED FIXTURES_CLEANUP)
    if(T_${property})
      set_tests_properties(${T_NAME} PROPERTIES ${property} "${T_${property}}")
    endif()
  endforeach()
  foreach(flag RUN_SERIAL WILL_FAIL)
    if(T_${flag})
      set_tests_properties(${T_NAME} PROPERTIES ${flag} TRUE)
    endif()
  endforeach()
endfunction()

# vo_add_test(NAME n SOURCES ... [LIBS ...] [LABELS ...] [RUN_SERIAL] [WORKING_DIRECTORY d])
# One GoogleTest program, one ctest entry (a Wine start per entry costs time).
function(vo_add_test)
  cmake_parse_arguments(T "RUN_SERIAL" "NAME;WORKING_DIRECTORY" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  vo_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  set(options)
  if(T_RUN_SERIAL)
    list(APPEND options RUN_SERIAL)
  endif()
  if(T_WORKING_DIRECTORY)
    list(APPEND options WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  endif()
  vo_register_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1 LABELS ${T_LABELS} ${options})
  if("tsan" IN_LIST T_LABELS)
    set_property(GLOBAL APPEND PROPERTY VO_TSAN_TESTS ${T_NAME})
  endif()
  if("macform" IN_LIST T_LABELS)
    set_property(GLOBAL APPEND PROPERTY VO_MACFORM_TESTS ${T_NAME})
  endif()
endfunction()

# A target TARGET that builds just the test programs listed in the global
# property PROPERTY.
function(vo_add_listed_tests_target target property)
  get_property(tests GLOBAL PROPERTY ${property})
  add_custom_target(${target})
  if(tests)
    add_dependencies(${target} ${tests})
  endif()
endfunction()

# Called once at the end of the top-level list: a target that builds just the
# programs of the ThreadSanitizer run.
function(vo_finish_tsan_target)
  vo_add_listed_tests_target(vo_tsan_tests VO_TSAN_TESTS)
endfunction()

# vo_add_fuzzer(NAME n SOURCES ... [LIBS ...] [SEEDS dir] [MAX_LEN bytes] [SECONDS s]
#               [ARGS extra libFuzzer arguments])
# A libFuzzer target and its bounded ctest run (label fuzz): it starts from the
# seed corpus committed in SEEDS (read only) and keeps what it finds in the
# build folder's corpus.
function(vo_add_fuzzer)
  cmake_parse_arguments(F "" "NAME;SEEDS;MAX_LEN;SECONDS" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  vo_warnings(${F_NAME})
  if(NOT VO_BUILD_TESTS)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 30)
  endif()
  if(NOT F_MAX_LEN)
    set(F_MAX_LEN 4096)
  endif()
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${F_NAME}_corpus)
  file(MAKE_DIRECTORY ${corpus})
  vo_register_test(NAME ${F_NAME}
    COMMAND ${F_NAME} -max_total_time=${F_SECONDS} -max_len=${F_MAX_LEN} -print_final_stats=1
            ${F_ARGS} ${corpus} ${F_SEEDS}
    LABELS fuzz)
endfunction()

# Called once at the end of the top-level list: a target that builds just the
# programs of the macOS-form run (tests labelled macform).
function(vo_finish_macform_target)
  vo_add_listed_tests_target(vo_macform_tests VO_MACFORM_TESTS)
endfunction()
