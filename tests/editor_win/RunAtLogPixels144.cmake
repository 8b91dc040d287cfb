# Runs the display-scale tests of the editor view in a Wine prefix whose
# screen reports 144 logical pixels per inch (scale 1.5), then puts the
# prefix back to 96 whatever the outcome. The setting belongs to the prefix,
# so the ctest entry running this script runs alone.
#   cmake -DPROGRAM=<editor_win_tests.exe> -P RunAtLogPixels144.cmake
set(key "HKCU\\Control Panel\\Desktop")
function(set_log_pixels value)
  execute_process(COMMAND wine reg add ${key} /v LogPixels /t REG_DWORD /d ${value} /f
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not set LogPixels to ${value}")
  endif()
endfunction()

set_log_pixels(144)
set(ENV{VO_EXPECTED_DISPLAY_SCALE} 1.5)
execute_process(COMMAND wine ${PROGRAM} --gtest_brief=1 --gtest_filter=RealDisplayScale.*
                RESULT_VARIABLE result)
set_log_pixels(96)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "display-scale tests at 144 DPI failed (${result})")
endif()
