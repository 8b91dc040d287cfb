# libpng for the raster library, as the target vo::png.
# - Windows: no libpng package exists; built from Debian's sources
#   (tools/fetch-libpng-source.sh), with MinGW's static zlib.
# - Fuzzing: built from the same sources, so that libpng's own code is
#   instrumented too.
# - macOS: built from VO_LIBPNG_SOURCE_DIR when given, otherwise from a
#   pinned release fetched and checked by its hash, with the SDK's zlib. A
#   package manager's libpng would be a shared library that other Macs lack:
#   the bundle links only the system's libraries and frameworks.
# - Linux otherwise: the system's package.

add_library(vo_png INTERFACE)
add_library(vo::png ALIAS vo_png)

if(NOT (VO_WINDOWS OR VO_FUZZ OR APPLE))
  find_package(PNG REQUIRED)
  target_link_libraries(vo_png INTERFACE PNG::PNG)
  return()
endif()

if(APPLE)
  set(VO_LIBPNG_SOURCE_DIR "" CACHE PATH "libpng's sources (empty: fetch libpng 1.6.39)")
else()
  set(VO_LIBPNG_SOURCE_DIR ${CMAKE_SOURCE_DIR}/build/third_party/libpng CACHE PATH
      "libpng sources unpacked from Debian's source package (tools/fetch-libpng-source.sh)")
endif()

if(VO_LIBPNG_SOURCE_DIR)
  set(vo_libpng_dir ${VO_LIBPNG_SOURCE_DIR})
  if(NOT EXISTS ${vo_libpng_dir}/CMakeLists.txt)
    if(APPLE)
      message(FATAL_ERROR "VO_LIBPNG_SOURCE_DIR (${vo_libpng_dir}) holds no libpng sources")
    else()
      message(FATAL_ERROR "libpng sources missing: run tools/fetch-libpng-source.sh ${CMAKE_SOURCE_DIR}/build/third_party")
    endif()
  endif()
else()
  # libpng 1.6.39 as libpng's own repository serves it for its release tag
  # (the repository has moved to pnggroup/libpng; this address forwards
  # there); the download is refused unless its SHA-256 matches.
  # Only unpacked (SOURCE_SUBDIR names no CMake project): it joins the build
  # below as a named folder does.
  include(FetchContent)
  FetchContent_Declare(vo_libpng
    URL https://github.com/glennrp/libpng/archive/refs/tags/v1.6.39.tar.gz
    URL_HASH SHA256=a00e9d2f2f664186e4202db9299397f851aea71b36a35e74910b8820e380d441
    DOWNLOAD_EXTRACT_TIMESTAMP TRUE
    SOURCE_SUBDIR unpacked-only)
  FetchContent_MakeAvailable(vo_libpng)
  set(vo_libpng_dir ${vo_libpng_SOURCE_DIR})
endif()

if(VO_WINDOWS)
  set(ZLIB_LIBRARY /usr/x86_64-w64-mingw32/lib/libz.a CACHE FILEPATH "" FORCE)
  set(ZLIB_INCLUDE_DIR /usr/x86_64-w64-mingw32/include CACHE PATH "" FORCE)
  set(vo_zlib ${ZLIB_LIBRARY})
elseif(APPLE)
  # The SDK's zlib, linked by name (-lz) so that the linker takes the SDK's
  # own; libpng's find_package(ZLIB) is told so.
  set(ZLIB_LIBRARY z CACHE STRING "zlib to link libpng with")
  set(ZLIB_INCLUDE_DIR ${CMAKE_OSX_SYSROOT}/usr/include CACHE PATH "zlib's header folder")
  set(vo_zlib ${ZLIB_LIBRARY})
else()
  find_package(ZLIB REQUIRED)
  set(vo_zlib ZLIB::ZLIB)
endif()

set(PNG_SHARED OFF CACHE BOOL "" FORCE)
set(PNG_STATIC ON CACHE BOOL "" FORCE)
set(PNG_TESTS OFF CACHE BOOL "" FORCE)
set(PNG_EXECUTABLES OFF CACHE BOOL "" FORCE)
set(SKIP_INSTALL_ALL ON CACHE BOOL "" FORCE)
# libpng 1.6.39 asks for the policies of CMake 3.1, which CMake 4 refuses:
# its configure gets those of 3.5, the oldest CMake 4 still accepts (the
# remedy CMake documents; earlier versions ignore the variable). Either way
# its static library honours the hidden visibility of this build (CMP0063,
# newer than 3.1).
block()
  set(CMAKE_POLICY_VERSION_MINIMUM 3.5)
  set(CMAKE_POLICY_DEFAULT_CMP0063 NEW)
  add_subdirectory(${vo_libpng_dir} ${CMAKE_BINARY_DIR}/libpng EXCLUDE_FROM_ALL)
endblock()
target_compile_options(png_static PRIVATE -w)
target_include_directories(vo_png INTERFACE ${vo_libpng_dir} ${CMAKE_BINARY_DIR}/libpng)
target_link_libraries(vo_png INTERFACE png_static ${vo_zlib})
