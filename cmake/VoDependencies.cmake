# Third-party dependencies: GoogleTest, libpng and zlib.
#   GoogleTest  built from its sources (Debian's /usr/src/googletest by
#               default), else a GoogleTest package; without either the
#               tests are off
#   libpng      the system's package on Linux; built from its sources and
#               linked statically for Windows, macOS and the fuzzing build
#   zlib        the system's (MinGW's static one for Windows)

if(VO_BUILD_TESTS AND NOT TARGET GTest::gtest_main)
  # Sources come first: built here they get this build's compiler and
  # sanitizer flags, which a package's libraries lack.
  set(vo_googletest_default "")
  if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(vo_googletest_default /usr/src/googletest)
  endif()
  set(VO_GOOGLETEST_SOURCE_DIR "${vo_googletest_default}" CACHE PATH
      "GoogleTest's sources to build the tests with (empty: a GoogleTest package)")
  if(VO_GOOGLETEST_SOURCE_DIR)
    if(NOT EXISTS ${VO_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
      message(FATAL_ERROR "VO_GOOGLETEST_SOURCE_DIR (${VO_GOOGLETEST_SOURCE_DIR}) holds no GoogleTest sources")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${VO_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main gmock)
      if(TARGET ${t})
        target_compile_options(${t} PRIVATE -w)
      endif()
    endforeach()
  else()
    find_package(GTest QUIET)
    if(NOT (TARGET GTest::gtest_main AND TARGET GTest::gmock))
      # The deliverables build without the tests (a fresh Mac has no GoogleTest).
      message(STATUS "Tests are off: no GoogleTest (give its sources with -DVO_GOOGLETEST_SOURCE_DIR=<folder>)")
      set(VO_BUILD_TESTS OFF)
    endif()
  endif()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/VoLibpng.cmake)
