#!/bin/sh
# Runs a test program on the Wayland platform under a headless Weston of its
# own, in a runtime directory of its own, and stops Weston afterwards.
# Exits 77 (CTest's "skipped") only when Weston cannot be started.
#   run_under_weston.sh test-program [arguments]
set -u
command -v weston >/dev/null 2>&1 || { echo "skipped: weston is not installed"; exit 77; }

runtime=$(mktemp -d "${TMPDIR:-/tmp}/rods-weston.XXXXXX") || exit 1
chmod 700 "$runtime"
socket=rods-test
weston_pid=
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT INT TERM

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --idle-time=0 \
  --width=1280 --height=800 >"$runtime/weston.log" 2>&1 </dev/null &
weston_pid=$!

# Weston is ready when its socket is there.
tries=0
while [ ! -S "$runtime/$socket" ]; do
  if ! kill -0 "$weston_pid" 2>/dev/null || [ $tries -ge 100 ]; then
    echo "skipped: weston could not be started:"
    tail -n 5 "$runtime/weston.log"
    weston_pid=
    exit 77
  fi
  tries=$((tries + 1))
  sleep 0.1
done

# A headless Weston has no seat, and Qt 6.4's Wayland text input then fails
# on the key events a test makes up; the compose input context needs no seat.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose "$@"
