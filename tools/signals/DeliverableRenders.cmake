# The renders that check the plug-in at the host rates other than 44.1 kHz
# and on input holding NaN and infinities, shared by the render tool's and
# the test hosts' lists. tools/signals makes the inputs and the render
# tool's references (fixtures signals_*) in its build folder; each host
# renders the same inputs through its deliverable and compares.
set(VO_SIGNALS_OUT ${CMAKE_BINARY_DIR}/tools/signals)
set(VO_SIGNAL_RATES 22050 48000 96000)
set(VO_SWEEP_RATES 44100 48000 96000)
# Long enough for a sweep up and one down at "Mode I Rate" 0.5 Hz (turns
# at 1 s and 2 s) and short enough for quick runs under Wine.
set(VO_SIGNAL_SECONDS 2.5)
# Hiss off everywhere: it is random. "Oversample" is not among them: a host
# that sets it after the rate is known reconfigures the engine at that rate,
# which would hide an engine left at another.
set(VO_RATE_SETTINGS --set "Analog Hiss=0" --set "Mode II=1" --set "Dry/Wet=70")
# Wet only, linear, "Mode I" at its default 0.5 Hz: each click comes back as
# one echo at the delay of the moment.
set(VO_SWEEP_SETTINGS --set "Dry/Wet=100" --set "Analog Emu.=0" --set "Analog Hiss=0")

# vo_register_rate_renders(NAME n COMMAND render-command... TOLERANCE t
#                          [STATE_OPTION option] [LABELS ...])
# The chords at each rate in VO_SIGNAL_RATES, "Oversample" untouched and on,
# each compared with the render tool's within t. STATE_OPTION is the
# command's option that makes "Oversample" arrive before the rate.
function(vo_register_rate_renders)
  cmake_parse_arguments(PARSE_ARGV 0 R "" "NAME;TOLERANCE;STATE_OPTION" "COMMAND;LABELS")
  foreach(rate IN LISTS VO_SIGNAL_RATES)
    foreach(os 0 1)
      set(oversample)
      if(os)
        set(oversample --set "Oversample=1" ${R_STATE_OPTION})
      endif()
      vo_register_test(NAME ${R_NAME}_rate_${rate}_os${os}
        COMMAND ${R_COMMAND} --in ${VO_SIGNALS_OUT}/chords-${rate}.wav
                --out ${VO_SIGNALS_OUT}/${R_NAME}-${rate}-os${os}.wav ${VO_RATE_SETTINGS} ${oversample}
                --compare ${VO_SIGNALS_OUT}/reference-${rate}-os${os}.wav --tolerance ${R_TOLERANCE}
        LABELS ${R_LABELS}
        FIXTURES_REQUIRED signals_chords_${rate} signals_reference_${rate}_os${os})
    endforeach()
  endforeach()
endfunction()

# vo_register_nonfinite_renders(NAME n COMMAND render-command... TOLERANCE t [LABELS ...])
# The chords holding NaN, +inf and -inf, "Analog Emu." and "Oversample" off
# and on: within t of the render tool's render of the same chords with
# silence in their place (a NaN in the output fails any comparison).
function(vo_register_nonfinite_renders)
  cmake_parse_arguments(PARSE_ARGV 0 R "" "NAME;TOLERANCE" "COMMAND;LABELS")
  foreach(emu 0 1)
    foreach(os 0 1)
      vo_register_test(NAME ${R_NAME}_nonfinite_emu${emu}_os${os}
        COMMAND ${R_COMMAND} --in ${VO_SIGNALS_OUT}/nonfinite.wav
                --out ${VO_SIGNALS_OUT}/${R_NAME}-nonfinite-emu${emu}-os${os}.wav
                --set "Analog Hiss=0" --set "Analog Emu.=${emu}" --set "Oversample=${os}"
                --compare ${VO_SIGNALS_OUT}/silenced-emu${emu}-os${os}.wav --tolerance ${R_TOLERANCE}
        LABELS ${R_LABELS}
        FIXTURES_REQUIRED signals_nonfinite signals_silenced_emu${emu}_os${os})
    endforeach()
  endforeach()
endfunction()

# vo_register_sweep(NAME n COMMAND render-command... [LABELS ...])
# The click train at each rate in VO_SWEEP_RATES, wet only; then the test n
# requires the sweep to turn at the same times in seconds at every rate.
function(vo_register_sweep)
  cmake_parse_arguments(PARSE_ARGV 0 R "" "NAME" "COMMAND;LABELS")
  set(renders)
  foreach(rate IN LISTS VO_SWEEP_RATES)
    set(render ${VO_SIGNALS_OUT}/${R_NAME}-${rate}.wav)
    vo_register_test(NAME ${R_NAME}_${rate}
      COMMAND ${R_COMMAND} --in ${VO_SIGNALS_OUT}/clicks-${rate}.wav --out ${render} ${VO_SWEEP_SETTINGS}
      LABELS ${R_LABELS} FIXTURES_REQUIRED signals_clicks_${rate} FIXTURES_SETUP ${R_NAME})
    list(APPEND renders ${render})
  endforeach()
  vo_register_test(NAME ${R_NAME} COMMAND vo_signal turns ${renders}
    LABELS ${R_LABELS} FIXTURES_REQUIRED ${R_NAME})
endfunction()
