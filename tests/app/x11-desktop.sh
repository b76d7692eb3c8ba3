#!/usr/bin/env bash
# The two windows as an X11 desktop sees them, read back with xprop from a
# running Quillora on an X server of its own (tests/support/with-xvfb), bare
# or with openbox managing it.
#
# usage: x11-desktop.sh <quillora> <desktop entry> [openbox]
# When a tool it needs is missing or the X server does not start, the test
# cannot run (tests/support/cannot-run).
# Its waits end when what they wait for happens or the program has ended;
# CTest's timeout bounds them.
set -uo pipefail
source "$(dirname "$0")/../support/cannot-run"

program=$1 entry=$2 wm=${3:-}
for tool in xprop xdotool xwininfo; do
    command -v "$tool" >/dev/null || cannot_run "$tool is not installed"
done
if [ -z "${QUILLORA_X11_INNER:-}" ]; then
    QUILLORA_X11_INNER=1 exec "$(dirname "$0")/../support/with-xvfb" ${wm:+--wm "$wm"} \
        bash "$0" "$@"
fi

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# wait_for WHAT COMMAND...: polls until the command succeeds. Fails at once
# when the program has ended, as nothing it waits for can happen then; what
# it waits for is printed first, so that a test stopped by CTest's timeout
# says what never happened.
wait_for() {
    echo "waiting for $1"
    shift
    until "$@" >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || { wait "$app"; echo "FAIL: the program ended with status $?" >&2; exit 1; }
        sleep 0.05
    done
}
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_window() { [ -n "$(window_named "$1")" ]; }

"$program" &
app=$!
trap 'kill "$app" 2>/dev/null; wait 2>/dev/null' EXIT
wait_for 'the main window' has_window '^Quillora$'
main=$(window_named '^Quillora$')
if [ "$wm" = openbox ]; then xdotool windowactivate --sync "$main"; else xdotool windowfocus --sync "$main"; fi
xdotool key alt+a
wait_for 'the about dialog' has_window 'propos de'
about=$(window_named 'propos de')

# window, property, what its value must (check) or must not (check_not)
# match with grep -E, what a mismatch means
check() {
    local value
    value=$(xprop -id "$1" "$2" 2>&1)
    grep -Eq -- "$3" <<<"$value" || fail "$4: $value"
}
check_not() {
    local value
    value=$(xprop -id "$1" "$2" 2>&1)
    ! grep -Eq -- "$3" <<<"$value" || fail "$4: $value"
}

class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$class" ] || fail "the desktop entry has no StartupWMClass"

for w in "$main" "$about"; do
    check "$w" WM_CLASS "= \"$(basename "$program")\", \"$class\"\$" "WM_CLASS is not the program's name and the entry's class"
    for size in 16 32 48; do
        check "$w" _NET_WM_ICON "Icon \($size x $size\)" "no ${size}x$size window icon"
    done
done
check "$about" WM_TRANSIENT_FOR 'not found' "the about dialog is tied to a window"
check "$about" _NET_WM_WINDOW_TYPE '= _NET_WM_WINDOW_TYPE_NORMAL$' "the about dialog is not a normal window"
check "$about" WM_NORMAL_HINTS 'minimum size: 382 by 237' "the about dialog's size is not fixed"
check "$about" WM_NORMAL_HINTS 'maximum size: 382 by 237' "the about dialog's size is not fixed"
check "$about" WM_NORMAL_HINTS 'location: 156, 129' "the about dialog does not ask for its place"
# _MOTIF_WM_HINTS: flags, functions, decorations. Neither a minimise nor a
# maximise function (0x08, 0x10) nor their buttons (0x20, 0x40).
read -r _ functions decorations _ < <(xprop -id "$about" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
(( (functions & 0x19) == 0 && (decorations & 0x61) == 0 )) \
    || fail "the about dialog offers minimise or maximise: functions $functions, decorations $decorations"

if [ "$wm" = openbox ]; then
    read -r x y < <(xwininfo -id "$about" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
    [ "$x $y" = "156 129" ] || fail "openbox put the about dialog's client area at $x, $y"
    check_not "$about" _NET_WM_ALLOWED_ACTIONS 'MAXIMIZE|RESIZE' "openbox lets the about dialog be resized"
    check_not "$about" _NET_WM_STATE 'MODAL|ABOVE' "openbox keeps the about dialog above"
    # A click on the form's blank top right, which the dialog never covers,
    # brings the main window above the dialog.
    xdotool mousemove --window "$main" --sync 620 30 click 1
    wait_for "the main window above the about dialog (stacking now: $(xprop -root _NET_CLIENT_LIST_STACKING))" \
        sh -c "[ \"\$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //')\" = $(printf '0x%x' "$main") ]"
fi

[ "$failures" -eq 0 ] || exit 1
echo "ok: WM_CLASS, icon and about dialog as the desktop sees them${wm:+, under $wm}"
