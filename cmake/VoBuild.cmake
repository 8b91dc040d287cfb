# Shared build helpers: warning flags, sanitizers, test registration.

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(VO_WINDOWS ON)
  set(VO_NATIVE OFF)
else()
  set(VO_WINDOWS OFF)
  set(VO_NATIVE ON)
endif()

if(VO_WINDOWS AND VO_MACOS_FORM)
  message(FATAL_ERROR "The macOS form is never part of the Windows build.")
endif()

if(VO_WINDOWS)
  # Nothing of the MinGW runtime has to be found next to a test or a plug-in.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

if(VO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VO_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

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

# vo_add_test(NAME n SOURCES ... [LIBS ...] [LABELS ...])
# One GoogleTest program, one ctest entry (a Wine start per entry costs time).
function(vo_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  vo_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
  if(T_LABELS)
    set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}")
    if("tsan" IN_LIST T_LABELS)
      set_property(GLOBAL APPEND PROPERTY VO_TSAN_TESTS ${T_NAME})
    endif()
    if("macform" IN_LIST T_LABELS)
      set_property(GLOBAL APPEND PROPERTY VO_MACFORM_TESTS ${T_NAME})
    endif()
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 300)
endfunction()

# Called once at the end of the top-level list: a target that builds just the
# programs of the ThreadSanitizer run.
function(vo_finish_tsan_target)
  get_property(tsan_tests GLOBAL PROPERTY VO_TSAN_TESTS)
  add_custom_target(vo_tsan_tests)
  if(tsan_tests)
    add_dependencies(vo_tsan_tests ${tsan_tests})
  endif()
endfunction()

# Called once at the end of the top-level list: a target that builds just the
# programs of the macOS-form run (tests labelled macform).
function(vo_finish_macform_target)
  get_property(macform_tests GLOBAL PROPERTY VO_MACFORM_TESTS)
  add_custom_target(vo_macform_tests)
  if(macform_tests)
    add_dependencies(vo_macform_tests ${macform_tests})
  endif()
endfunction()
