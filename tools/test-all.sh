#!/usr/bin/env bash
# Builds every configuration and runs every test. Installs what it needs first.
# Each configuration's default target is built, as a developer builds it, and
# each build folder's whole registered set of tests runs, as a plain ctest
# there runs it (a configuration registers only the tests it is for).
#   native     Linux g++, AddressSanitizer + UndefinedBehaviorSanitizer
#   tsan       Linux g++, ThreadSanitizer, the concurrency tests
#   macform    Linux g++, ASan + UBSan, the macOS form (pixel order, system
#              bitmap and drawing emulation on the stand-in frameworks; the
#              editor's Cocoa view on GNUstep, under a virtual display)
#   darwin     the macOS build for a Mac, configured only (no macOS SDK here;
#              darwin-multi with a multi-configuration generator): the
#              commands that would make its bundle are checked, and the
#              bundle's sources are compiled for Apple against libc++ and
#              their objects checked
#   release    Linux g++ optimised: benchmarks (a short run) and the render tool
#   windows    MinGW-w64 cross build, tests under Wine (with a virtual display)
#   fuzz       clang libFuzzer targets (ASan + UBSan, libpng instrumented too),
#              each run for a bounded time
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash tools/setup.sh

step() { echo; echo "=== $* ==="; }

step "native build (ASan + UBSan)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVO_SANITIZE=ON >/dev/null
ninja -C build/native
step "native tests"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/native -j "$jobs" --output-on-failure

step "ThreadSanitizer build and tests"
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVO_TSAN=ON >/dev/null
ninja -C build/tsan
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build/tsan -j "$jobs" --output-on-failure

step "macOS form on Linux (ASan + UBSan)"
cmake -S . -B build/macform -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVO_SANITIZE=ON -DVO_MACOS_FORM=ON >/dev/null
ninja -C build/macform
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  xvfb-run -a ctest --test-dir build/macform -j "$jobs" --output-on-failure

step "macOS build configured for a Mac, its bundle commands checked, its sources compiled for Apple"
# No macOS SDK exists here, so nothing links: the Apple branch of the build
# is configured as a fresh Mac would configure it (no GoogleTest, so the
# tests are off; libpng from the sources setup fetched), in a single- and a
# multi-configuration folder, and the commands that would make the bundle
# are checked.
check_mac_configure() {  # generator folder
  rm -rf "build/$2"
  cmake -S . -B "build/$2" -G "$1" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/darwin-configure-only.cmake" \
    -DVO_LIBPNG_SOURCE_DIR="$root/build/third_party/libpng" -DVO_GOOGLETEST_SOURCE_DIR= >/dev/null
  python3 tools/check-mac-build-commands.py "build/$2"
}
check_mac_configure Ninja darwin
check_mac_configure "Ninja Multi-Config" darwin-multi
# What needs no macOS SDK is compiled: every C and C++ source of the bundle
# without an Apple header, for x86_64-apple-macos against libc++; the objects
# must need nothing Apple's toolchain lacks and export only the entry points.
python3 tools/check-mac-bundle-compile.py build/darwin --jobs "$jobs"

step "release build (benchmarks, tools)"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVO_BENCHMARKS=ON -DVO_BUILD_TESTS=OFF >/dev/null
ninja -C build/release
# A short run of each benchmark, to keep them working; the figures come from
# longer runs by hand.
for b in $(find build/release/tools -name '*_bench' -type f -executable | sort); do
  "$b" --benchmark_min_time=0.01 >/dev/null && echo "ran $(basename "$b")"
done

step "Windows build"
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
ninja -C build/windows
step "Windows tests under Wine"
source tools/wine-env.sh
ctest --test-dir build/windows -j 4 --output-on-failure
# A short run of the Windows benchmark of the VST3 deliverable, to keep it
# working (the plug-in's console output goes nowhere).
ninja -C build/windows vst3_win_bench
wine build/windows/tools/vst3_win_bench/vst3_win_bench.exe --benchmark_min_time=0.01 >/dev/null
echo "ran vst3_win_bench"
wine_env_stop

step "fuzzing (libFuzzer, bounded time)"
# Every target runs from its committed seed corpus for 20 to 40 seconds, two
# at a time: about two minutes.
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVO_FUZZ=ON >/dev/null
ninja -C build/fuzz
ctest --test-dir build/fuzz -j 2 --output-on-failure

echo
echo "all configurations built and tested"
