#!/usr/bin/env bash
# Unpacks Debian's libpng1.6 source package into DEST/libpng (once).
set -euo pipefail
dest=${1:?destination folder}
[ -f "$dest/libpng/CMakeLists.txt" ] && exit 0
mkdir -p "$dest"
if ! ls /etc/apt/sources.list.d/*-src.sources >/dev/null 2>&1; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    > /etc/apt/sources.list.d/debian-src.sources
  apt-get update -qq
fi
work=$(mktemp -d)
cd "$work"
# The newest security release's files are sometimes missing from the archive:
# try each listed version until one downloads.
for v in $(apt-cache showsrc libpng1.6 | awk '/^Version:/ {print $2}' | sort -rV | uniq); do
  if apt-get source -qq "libpng1.6=$v" >/dev/null 2>&1; then break; fi
done
src=$(find "$work" -maxdepth 1 -type d -name 'libpng1.6-*' | head -n 1)
[ -n "$src" ] || { echo "could not fetch libpng1.6 sources" >&2; exit 1; }
rm -rf "$dest/libpng"
mv "$src" "$dest/libpng"
rm -rf "$work"
