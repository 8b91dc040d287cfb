#!/usr/bin/env bash
# Installs every package the builds and tests need and fetches libpng's
# sources for the Windows cross build. Safe to run again: it skips what is there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev libc++-14-dev libc++abi-14-dev llvm-14
  libgtest-dev googletest libbenchmark-dev libpng-dev zlib1g-dev libsndfile1-dev
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  wine wine64 xvfb xauth
  juce-modules-source-data
  dpkg-dev
  libgnustep-gui-dev gobjc++ gnustep-back0.29
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# libpng for the Windows build comes from Debian's source package.
"$here/tools/fetch-libpng-source.sh" "$here/build/third_party"

# Google Benchmark for the Windows build of the VST3 Windows benchmark, from
# Debian's source package as well.
"$here/tools/fetch-benchmark-source.sh" "$here/build/third_party"
