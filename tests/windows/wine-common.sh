# Sourced by the scripts that run Windows programs under Wine in tests.
# Each run has a Wine prefix of its own: a copy of the template prefix made
# once by wine-prefix.sh, with hard links for the files Wine only reads and
# real copies of the registry, so that nothing a run does reaches another.

export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# cannot_run WHY: a skip, or a failure under CI=true.
source "$(dirname "${BASH_SOURCE[0]}")/../support/cannot-run"

# own_prefix TEMPLATE DIR: makes DIR/prefix from TEMPLATE and exports
# WINEPREFIX; ends its wineserver and removes it on exit.
own_prefix() {
    [ -f "$1/.quillora-ready" ] || cannot_run "no Wine prefix in $1: Wine could not start here (see windows.prefix)"
    cp -al "$1" "$2/prefix" && cp --remove-destination "$1"/*.reg "$2/prefix/" \
        || { echo "FAIL: could not copy the Wine prefix $1"; exit 1; }
    rm -f "$2/prefix/.quillora-ready"
    export WINEPREFIX=$2/prefix
}

# Polls until the command succeeds, for at most twenty seconds.
wait_until() {
    local _
    for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }

# The folders as Wine names them, ';'-separated, from a ':'-separated list.
windows_path_list() {
    local dir out=""
    local IFS=:
    for dir in $1; do out+="${out:+;}Z:${dir//\//\\}"; done
    printf '%s' "$out"
}

# What the installer and the archive ship: the program, what it loads, no
# more.
shipped_files=(
    quillora.exe
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
    platforms/qwindows.dll styles/qwindowsvistastyle.dll
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
)
