# Configures the macOS build on Linux, to check what the Apple branch of the
# build generates (tools/check-mac-build-commands.py). Configure only: there
# is no macOS SDK here, so its build does not run.
# tools/check-mac-bundle-compile.py takes its compile commands and compiles
# the bundle's sources that need no Apple header for x86_64-apple-macos,
# against libc++ with C headers of its own choosing.
#
#   cmake -S . -B build/darwin -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/darwin-configure-only.cmake \
#     -DVO_LIBPNG_SOURCE_DIR=$PWD/build/third_party/libpng
#
# It stands for an Apple-silicon Mac with the command-line tools: clang
# targets arm64 unless the build asks for an architecture, and the SDK root
# is an empty folder where every find_* looks, so that nothing of this
# machine (its GoogleTest package, GNUstep, libpng) is found.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR arm64)
# Darwin 22 is macOS 13.
set(CMAKE_SYSTEM_VERSION 22.0)

find_program(VO_DARWIN_CLANG NAMES clang clang-14 REQUIRED)
find_program(VO_DARWIN_CLANGXX NAMES clang++ clang++-14 REQUIRED)
set(CMAKE_C_COMPILER ${VO_DARWIN_CLANG})
set(CMAKE_CXX_COMPILER ${VO_DARWIN_CLANGXX})
set(CMAKE_OBJCXX_COMPILER ${VO_DARWIN_CLANGXX})
foreach(lang C CXX OBJCXX ASM)
  set(CMAKE_${lang}_COMPILER_TARGET arm64-apple-macos)
endforeach()
# CMake asks for the Mac's install_name_tool; LLVM's stands in for it.
find_program(CMAKE_INSTALL_NAME_TOOL NAMES install_name_tool llvm-install-name-tool
             llvm-install-name-tool-14 REQUIRED)

# Without an SDK nothing links: CMake's own checks only compile.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

if(NOT CMAKE_OSX_SYSROOT)
  set(CMAKE_OSX_SYSROOT ${CMAKE_BINARY_DIR}/empty-macos-sdk)
endif()
file(MAKE_DIRECTORY ${CMAKE_OSX_SYSROOT})
set(CMAKE_FIND_ROOT_PATH ${CMAKE_OSX_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# What the SDK's headers answer to the checks that need them: POSIX threads
# are in the system library.
set(CMAKE_HAVE_PTHREAD_H 1 CACHE INTERNAL "pthread.h is in the macOS SDK")
set(CMAKE_HAVE_LIBC_PTHREAD 1 CACHE INTERNAL "the macOS system library has POSIX threads")
