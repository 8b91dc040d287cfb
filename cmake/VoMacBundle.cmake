# The macOS plug-in bundle, laid out as macOS loads it:
#   <BUNDLE>/Contents/Info.plist                 the bundle description (XML)
#   <BUNDLE>/Contents/MacOS/<executable>         the module, no suffix
#   <BUNDLE>/Contents/Resources/<image>.png      the editor's images
# The executable is named after the bundle folder less its last extension
# (Vimbra.Ondelino.aaxplugin holds Vimbra.Ondelino), as Xcode names it and as
# tools/check-mac-bundle.py expects.

# vo_mac_bundle_executable(BUNDLE VAR): the executable's name for the bundle
# folder BUNDLE, into VAR.
function(vo_mac_bundle_executable bundle var)
  get_filename_component(name ${bundle} NAME_WLE)
  set(${var} ${name} PARENT_SCOPE)
endfunction()

# vo_add_mac_bundle(TARGET t BUNDLE dir IDENTIFIER id IMAGES png...)
#
# The same function lays out the bundle on a Mac and in the macOS form on
# Linux, so the layout the tests check is the one a Mac gets. GNUstep's
# NSBundle (1.28) reads neither Contents/Info.plist nor Contents/Resources/:
# in the macOS form two additions sit beside the Apple files, a GNUstep
# bundle description (Info-gnustep.plist, pointing at the same executable)
# and a link Resources -> Contents/Resources.
function(vo_add_mac_bundle)
  cmake_parse_arguments(B "" "TARGET;BUNDLE;IDENTIFIER" "IMAGES" ${ARGN})
  vo_mac_bundle_executable(${B_BUNDLE} executable)
  set(contents ${B_BUNDLE}/Contents)

  # A generator expression, so that multi-configuration generators (Xcode,
  # Ninja Multi-Config) add no per-configuration folder under MacOS/.
  set_target_properties(${B_TARGET} PROPERTIES
    OUTPUT_NAME ${executable} PREFIX "" SUFFIX ""
    LIBRARY_OUTPUT_DIRECTORY $<1:${contents}/MacOS>)

  set(VO_BUNDLE_IDENTIFIER ${B_IDENTIFIER})
  set(VO_BUNDLE_EXECUTABLE ${executable})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/MacBundleInfo.plist.in ${contents}/Info.plist @ONLY)

  # Copied at build time, so that an edited image reaches the bundle.
  set(copies)
  foreach(image IN LISTS B_IMAGES)
    get_filename_component(name ${image} NAME)
    add_custom_command(OUTPUT ${contents}/Resources/${name}
      COMMAND ${CMAKE_COMMAND} -E copy ${image} ${contents}/Resources/${name}
      DEPENDS ${image} VERBATIM)
    list(APPEND copies ${contents}/Resources/${name})
  endforeach()
  add_custom_target(${B_TARGET}_bundle_resources DEPENDS ${copies})
  add_dependencies(${B_TARGET} ${B_TARGET}_bundle_resources)

  if(NOT APPLE)
    file(WRITE ${B_BUNDLE}/Info-gnustep.plist
      "{\n  CFBundleIdentifier = \"${B_IDENTIFIER}\";\n  CFBundleName = \"${executable}\";\n"
      "  CFBundleExecutable = \"Contents/MacOS/${executable}\";\n}\n")
    file(MAKE_DIRECTORY ${contents}/Resources)
    # A build folder from before this layout has a real Resources folder.
    if(IS_DIRECTORY ${B_BUNDLE}/Resources AND NOT IS_SYMLINK ${B_BUNDLE}/Resources)
      file(REMOVE_RECURSE ${B_BUNDLE}/Resources)
    endif()
    file(CREATE_LINK Contents/Resources ${B_BUNDLE}/Resources SYMBOLIC)
  endif()
endfunction()
