#!/usr/bin/env bash
# Unpacks Debian's Google Benchmark source package into DEST/benchmark (once),
# for the Windows build of the VST3 Windows benchmark (Debian packages the
# library for Linux only).
set -euo pipefail
dest=${1:?destination folder}
[ -f "$dest/benchmark/CMakeLists.txt" ] && exit 0
mkdir -p "$dest"
if ! ls /etc/apt/sources.list.d/*-src.sources >/dev/null 2>&1; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    > /etc/apt/sources.list.d/debian-src.sources
  apt-get update -qq
fi
work=$(mktemp -d)
cd "$work"
for v in $(apt-cache showsrc benchmark | awk '/^Version:/ {print $2}' | sort -rV | uniq); do
  if apt-get source -qq "benchmark=$v" >/dev/null 2>&1; then break; fi
done
src=$(find "$work" -maxdepth 1 -type d -name 'benchmark-*' | head -n 1)
[ -n "$src" ] || { echo "could not fetch Google Benchmark sources" >&2; exit 1; }
rm -rf "$dest/benchmark"
mv "$src" "$dest/benchmark"
rm -rf "$work"
