#!/usr/bin/env bash
# Unpacks the Debian source package PACKAGE into DEST/NAME (once).
# Usage: fetch-debian-source.sh PACKAGE NAME DEST [LABEL]
# LABEL names the sources in the error message (default: PACKAGE).
set -euo pipefail
package=${1:?source package}
name=${2:?folder name}
dest=${3:?destination folder}
label=${4:-$package}
[ -f "$dest/$name/CMakeLists.txt" ] && exit 0
mkdir -p "$dest"
# The work below happens in a scratch folder: a relative DEST is taken from
# where the script was started.
dest=$(CDPATH= cd -- "$dest" && pwd)
if ! ls /etc/apt/sources.list.d/*-src.sources >/dev/null 2>&1; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    > /etc/apt/sources.list.d/debian-src.sources
  apt-get update -qq
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The newest security release's files are sometimes missing from the archive:
# try each listed version until one downloads.
for v in $(apt-cache showsrc "$package" | awk '/^Version:/ {print $2}' | sort -rV | uniq); do
  if apt-get source -qq "$package=$v" >/dev/null 2>&1; then break; fi
done
src=$(find "$work" -maxdepth 1 -type d -name "$package-*" | head -n 1)
[ -n "$src" ] || { echo "could not fetch $label sources" >&2; exit 1; }
rm -rf "${dest:?}/$name"
mv "$src" "$dest/$name"
