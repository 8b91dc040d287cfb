# Sourced by scripts that run Windows programs: a quiet Wine with a prefix,
# a virtual display, and a server kept alive (so each start is fast).
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# The display comes first, so that the prefix boots with it: the first
# process that opens a window then finds Wine's desktop already set up.
if [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  # Xvfb picks a free display itself and writes its number to the file.
  Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$display_file" >/dev/null 2>&1 &
  wine_env_xvfb=$!
  for _ in $(seq 1 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  if [ -s "$display_file" ]; then
    export DISPLAY=":$(head -n1 "$display_file" | tr -d '[:space:]')"
  else
    echo "wine-env: Xvfb did not start" >&2
  fi
  rm -f "$display_file"
fi

if [ ! -d "${WINEPREFIX:-$HOME/.wine}" ]; then
  wineboot -i >/dev/null 2>&1 || true
  # Let the boot's own processes finish and the server go down before the
  # persistent one starts; a test started in a half-booted prefix can hang.
  timeout 120 wineserver -w >/dev/null 2>&1 || true
fi
wineserver -p >/dev/null 2>&1 || true
# The first program in a fresh server starts Wine's background services, which
# keep the standard handles they inherit for as long as the server lives. Start
# them here with no output attached; started by a test instead, they would hold
# the test runner's pipe open and the test would never seem to end.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

# Called by the sourcing script when it is done with Wine.
wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${wine_env_xvfb:-}" ]; then kill "$wine_env_xvfb" 2>/dev/null || true; fi
}
