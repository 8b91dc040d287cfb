# Sourced by scripts that run Windows programs: a quiet Wine with a prefix,
# a server kept alive (so each start is fast) and a virtual display.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "${WINEPREFIX:-$HOME/.wine}" ]; then
  wineboot -i >/dev/null 2>&1 || true
fi
wineserver -p >/dev/null 2>&1 || true
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 99); do
    if [ ! -e "/tmp/.X${n}-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 >/dev/null 2>&1 &
      export DISPLAY=":$n"
      sleep 1
      break
    fi
  done
fi
