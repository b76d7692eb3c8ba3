#!/usr/bin/env bash
# Runs a test program under Weston's headless backend, in a runtime folder
# of its own, with Qt's Wayland platform. When Weston is missing or cannot
# start, the test cannot run (tests/support/cannot-run).
#
# usage: wayland.sh <test program> [its arguments]
set -uo pipefail
source "$(dirname "$0")/../support/cannot-run"

command -v weston >/dev/null || cannot_run "weston is not installed"
runtime=$(mktemp -d) || exit 1
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=quillora-test
# In a process group of its own, so that the helper clients Weston starts
# (its shell and keyboard) end with it.
setsid weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill -- -"$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT

# Waits at most ten seconds for the compositor's socket.
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    cat "$runtime/weston.log"
    cannot_run "weston did not start (its log is above)"
fi

unset DISPLAY
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
