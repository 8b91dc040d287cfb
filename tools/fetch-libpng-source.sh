#!/usr/bin/env bash
# Unpacks Debian's libpng1.6 source package into DEST/libpng (once).
set -euo pipefail
exec "$(dirname "$0")/fetch-debian-source.sh" libpng1.6 libpng "${1:?destination folder}"
