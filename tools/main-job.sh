#!/usr/bin/env bash
# The main job: build the plug-in and render the built-in test signal
# through it as a host would, once per chorus mode, into build/render/*.wav.
# Prints the real-time factor of each render.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVO_BENCHMARKS=ON -DVO_BUILD_TESTS=OFF >/dev/null
ninja -C build/release vo_render >/dev/null
mkdir -p build/render

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
