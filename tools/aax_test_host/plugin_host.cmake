# The simulated host with the plug-in module itself (included from
# CMakeLists.txt): aax_plugin_host runs the host scenarios against the
# module ("check") and renders signals through it ("render"), loading it
# from its bundle folder VimbraOndelino.aaxplugin. On Windows the module is
# the deliverable, loaded under Wine; natively it is the same module as a
# shared library, so the scenarios also run under the sanitizers.

if(TARGET VimbraOndelino_aax)
  add_executable(aax_plugin_host
    ${CMAKE_CURRENT_LIST_DIR}/PluginHostMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginRender.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginScenarios.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginSession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HostedGUI.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginEditorScenarios.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginEditorInputScenarios.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginEditorEditScenarios.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PluginEditorShot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EntryPoints.cpp
    ${CMAKE_CURRENT_LIST_DIR}/${module_loader})
  target_link_libraries(aax_plugin_host PRIVATE
    aax_fake_host vo_tool_common vo_host_windowing GTest::gmock GTest::gtest ${CMAKE_DL_LIBS})
  vo_warnings(aax_plugin_host)
  add_dependencies(aax_plugin_host VimbraOndelino_aax)
  # The macOS bundle holds the module at Contents/MacOS/.
  if(VO_MACOS_FORM OR APPLE)
    target_compile_definitions(aax_plugin_host PRIVATE VO_MAC_BUNDLE)
  endif()

  set(plugin_module ${VO_AAX_BUNDLE})
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  # The module's scenarios. In the macOS form the host's window is a GNUstep
  # window's view, as a macOS host hands one; the scenarios of the Apple
  # bundle and its editor in a window run on their own (below), with the
  # bundle made known first.
  set(check_filter)
  if(VO_MACOS_FORM AND NOT APPLE)
    set(check_filter --gtest_filter=-MacFormEditorHost.*)
  endif()
  set(check_options)
  if(VO_WINDOWS)
    # Its text entry types into the box that has the keyboard focus: alone, so
    # that no other Wine test's window takes the focus meanwhile.
    set(check_options RUN_SERIAL)
  endif()
  vo_register_test(NAME aax_plugin_host_check
    COMMAND aax_plugin_host check ${plugin_module} --gtest_brief=1 ${check_filter}
    LABELS aax macform ${check_options})
  if(VO_WINDOWS)
    # The editor as an AAX host opens it, after a second of the test signal;
    # the screenshot lands in this folder.
    vo_register_test(NAME aax_plugin_editor_screenshot
      COMMAND aax_plugin_host editor ${plugin_module} --out ${out}/editor-aax.png
      LABELS aax)
    # The scenarios at a display scale of 1.5 (alone: the setting is the
    # prefix's; the VST3 host's restore step puts 96 back).
    vo_register_test(NAME aax_plugin_host_check_scaled
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:aax_plugin_host>
              "-DARGS=check;${plugin_module};--gtest_brief=1;--gtest_filter=PluginEditorHost.*"
              -P ${CMAKE_SOURCE_DIR}/tools/common/RunAtLogPixels144.cmake
      LABELS aax RUN_SERIAL TIMEOUT 120 FIXTURES_REQUIRED aax_host_scale)
    vo_register_test(NAME aax_plugin_host_scale_restore
      COMMAND wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d 96 /f
      RUN_SERIAL FIXTURES_CLEANUP aax_host_scale)
  endif()
  # The macOS form on GNUstep: the editor opens in a window's view (under a
  # virtual display, in the macOS-form run).
  if(VO_MACOS_FORM AND NOT APPLE)
    target_sources(aax_plugin_host PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PluginEditorMacScenarios.mm)
    target_link_libraries(aax_plugin_host PRIVATE mac_platform_seams vo::png)
    target_compile_definitions(aax_plugin_host PRIVATE VO_PLUGIN_BUNDLE_ID="${VO_PLUGIN_BUNDLE_ID}")
    vo_register_test(NAME aax_plugin_host_macform
      COMMAND aax_plugin_host check ${plugin_module} --gtest_brief=1 --gtest_filter=MacFormEditorHost.*
      LABELS aax macform ENVIRONMENT VO_AAX_BUNDLE=${plugin_module})
    # The tools join after the macOS-form target is made.
    if(TARGET vo_macform_tests)
      add_dependencies(vo_macform_tests aax_plugin_host)
      if(TARGET vo_render)
        add_dependencies(vo_macform_tests vo_render)
      endif()
    endif()
  endif()
  # Like a host, the simulated host refuses the bare module file.
  vo_register_test(NAME aax_plugin_host_refuses_bare_module
    COMMAND aax_plugin_host render $<TARGET_FILE:VimbraOndelino_aax>
    LABELS aax macform WILL_FAIL)

  # The built-in signal, and a WAV file, rendered through the module with
  # hiss off, each compared with the render tool's output for the same
  # settings.
  if(EXISTS ${CMAKE_SOURCE_DIR}/tools/render/CMakeLists.txt)
    set(settings --set "Analog Hiss=0" --set "Mode II=1" --set "Dry/Wet=70" --set "Oversample=1")
    vo_register_test(NAME aax_plugin_reference
      COMMAND vo_render --out ${out}/aax_reference.wav ${settings}
      LABELS aax macform FIXTURES_SETUP aax_reference)
    vo_register_test(NAME aax_plugin_reference_wav
      COMMAND vo_render --in ${out}/aax_reference.wav --out ${out}/aax_reference_wav.wav --set "Analog Hiss=0"
      LABELS aax macform FIXTURES_SETUP aax_reference_wav FIXTURES_REQUIRED aax_reference)
    vo_register_test(NAME aax_plugin_render
      COMMAND aax_plugin_host render ${plugin_module} --out ${out}/aax_render.wav ${settings}
              --compare ${out}/aax_reference.wav --tolerance 1e-6
      LABELS aax macform FIXTURES_REQUIRED aax_reference)
    vo_register_test(NAME aax_plugin_render_wav
      COMMAND aax_plugin_host render ${plugin_module} --in ${out}/aax_reference.wav
              --out ${out}/aax_render_wav.wav --set "Analog Hiss=0"
              --compare ${out}/aax_reference_wav.wav --tolerance 1e-6
      LABELS aax macform FIXTURES_REQUIRED aax_reference aax_reference_wav)
    # Inputs at other host rates and holding NaN and infinities, compared with
    # the render tool's renders (tools/signals makes the inputs).
    include(${CMAKE_SOURCE_DIR}/tools/signals/DeliverableRenders.cmake)
    set(host aax_plugin_host render ${plugin_module})
    vo_register_rate_renders(NAME aax_plugin LABELS aax COMMAND ${host} TOLERANCE 1e-6)
    vo_register_nonfinite_renders(NAME aax_plugin LABELS aax COMMAND ${host} TOLERANCE 1e-6)
  endif()
endif()
