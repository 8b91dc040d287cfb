#!/usr/bin/env bash
# The main job: build the deliverables and render the built-in test signal
# through the plug-in as a host would, into build/render/*.wav:
#   - natively, through the plug-in on a host-less wrapper, once per mode;
#   - through the Windows VST3 deliverable, loaded from its bundle folder
#     build/windows/VimbraOndelino.vst3 by the VST3 test host under Wine,
#     with parameters sent through the host's parameter queues, in 32-bit
#     and 64-bit processing, each compared with the native render;
#   - through the Windows AAX deliverable, loaded from its bundle folder
#     build/windows/VimbraOndelino.aaxplugin by the AAX test host under
#     Wine, with parameters set through the host's parameter interface,
#     compared with the native render;
#   - the same comparisons again with the test signal at 48 kHz, a host
#     rate other than the plug-in's 44.1 kHz of construction.
# Then each Windows deliverable's editor is opened by its test host after a
# second of the test signal and written to build/render/editor.png (VST3)
# and build/render/editor-aax.png (AAX), and the editor's full repaint is
# timed under Wine.
# Prints the real-time factor of each render.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVO_BENCHMARKS=ON -DVO_BUILD_TESTS=OFF >/dev/null
ninja -C build/release vo_render vo_signal >/dev/null
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
ninja -C build/windows VimbraOndelino_vst3 vst3_test_host VimbraOndelino_aax aax_plugin_host plugin_editor_bench >/dev/null
mkdir -p build/render

echo "== native renders"
render() {
  local name=$1; shift
  # The framework reports each attached input channel on standard output;
  # keep the tool's own summary (standard error) only.
  build/release/tools/render/vo_render --out "build/render/$name.wav" "$@" >/dev/null
}
render mode1 --set "Mode I=1" --set "Mode II=0"
render mode2 --set "Mode I=0" --set "Mode II=1"
render mode12 --set "Mode I=1" --set "Mode II=1"
render mode1-oversampled --set "Mode I=1" --set "Mode II=0" --set "Oversample=1"

echo "== through VimbraOndelino.vst3 under Wine"
source tools/wine-env.sh
trap wine_env_stop EXIT
# Runs a Windows host; its summary is kept, the framework's per-channel
# attach messages are not. The host's own exit status decides.
run_host() {
  local log=build/render/host.log status=0
  wine "$@" >"$log" 2>&1 || status=$?
  grep -v 'attach' "$log" || true
  return "$status"
}
settings=(--set "Mode I=0" --set "Mode II=1" --set "Dry/Wet=70" --set "Analog Hiss=0")
render reference-mode2 "${settings[@]}"
build/release/tools/signals/vo_signal chords 48000 4 build/render/signal-48k.wav
render reference-mode2-48k --in build/render/signal-48k.wav "${settings[@]}"
at48k=(--in build/render/signal-48k.wav "${settings[@]}" --compare build/render/reference-mode2-48k.wav)
host=build/windows/tools/vst3_test_host/vst3_test_host.exe
module=build/windows/VimbraOndelino.vst3
run_host "$host" render "$module" --out build/render/vst3-mode2-32bit.wav "${settings[@]}" \
  --compare build/render/reference-mode2.wav
run_host "$host" render "$module" --out build/render/vst3-mode2-64bit.wav "${settings[@]}" --double \
  --compare build/render/reference-mode2.wav
run_host "$host" render "$module" --out build/render/vst3-mode2-48k-32bit.wav "${at48k[@]}"
run_host "$host" render "$module" --out build/render/vst3-mode2-48k-64bit.wav "${at48k[@]}" --double

echo "== through VimbraOndelino.aaxplugin under Wine"
run_host build/windows/tools/aax_test_host/aax_plugin_host.exe render \
  build/windows/VimbraOndelino.aaxplugin --out build/render/aax-mode2.wav "${settings[@]}" \
  --compare build/render/reference-mode2.wav
run_host build/windows/tools/aax_test_host/aax_plugin_host.exe render \
  build/windows/VimbraOndelino.aaxplugin --out build/render/aax-mode2-48k.wav "${at48k[@]}"

echo "== the editor in both deliverables under Wine"
# Each host opens the editor as a host does, runs a second of the test
# signal through the plug-in and writes the editor's window as a PNG file.
run_host "$host" editor "$module" --out build/render/editor.png \
  --background plugin/resources/img/bkg.png
run_host build/windows/tools/aax_test_host/aax_plugin_host.exe editor \
  build/windows/VimbraOndelino.aaxplugin --out build/render/editor-aax.png
run_host build/windows/tools/plugin_editor_bench/plugin_editor_bench.exe
rm -f build/render/host.log
echo "renders and editor screenshots written to build/render/"
