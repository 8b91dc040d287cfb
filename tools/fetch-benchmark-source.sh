#!/usr/bin/env bash
# Unpacks Debian's Google Benchmark source package into DEST/benchmark (once),
# for the Windows build of the VST3 Windows benchmark (Debian packages the
# library for Linux only).
set -euo pipefail
exec "$(dirname "$0")/fetch-debian-source.sh" benchmark benchmark "${1:?destination folder}" \
  "Google Benchmark"
