#!/usr/bin/env bash
# The launcher's Windows backend under Wine, one CTest test per call:
#   wine-test.sh prefix     creates a fresh Wine prefix with the test folders
#                           and starts its wineserver
#   wine-test.sh stop       ends the prefix's wineserver
#   wine-test.sh CASE       puts values into the registry with reg, runs the
#                           driver, which checks the outcome
# Exit 77 (skipped) when Wine cannot run here; the reason is printed.
# From CTest: QUILLORA_WINE (wine64), WINEPREFIX, QUILLORA_WINE_DRIVER,
# QUILLORA_WINE_MARKER, QUILLORA_WINE_WORKDIR.
set -uo pipefail
readonly SKIP=77

# Every call ends only once each process it started has ended, the Windows
# programs included: a marker that outlived its case would still hold the
# named events that the next case's driver creates, and that driver would
# find them already set. Wine starts a program apart from its parent, so
# neither wait nor a process group reaches it, but it stays in its parent's
# session: the call runs in a session of its own and waits until that
# session is empty. (The wineserver and Wine's own services start sessions
# of their own, and outlive the call.)
session_of() { # PID: sets "session" to the session of that running process
    local line fields
    session=
    read -r line 2>/dev/null <"/proc/$1/stat" || return 1
    fields=(${line##*) }) # after "PID (COMMAND) ": state ppid pgrp session
    # An ended process that its new parent has not reaped yet no longer
    # holds anything.
    [[ ${fields[0]} != [ZX] ]] || return 1
    session=${fields[3]}
}
in_session() { # SESSION: whether a process of that session still runs
    local stat pid session
    for stat in /proc/[0-9]*/stat; do
        pid=${stat#/proc/}
        session_of "${pid%/stat}" && [ "$session" = "$1" ] && return 0
    done
    return 1
}
if [ -z "${QUILLORA_WINE_SESSION:-}" ]; then
    QUILLORA_WINE_SESSION=1 setsid "$0" "$@" &
    leader=$!
    wait "$leader"
    status=$?
    while in_session "$leader"; do sleep 0.05; done
    exit "$status"
fi
# setsid forks when it leads a process group; then the outer call above
# would wait for the wrong session.
session_of $$ && [ "$session" = $$ ] || { echo "FAIL: not the leader of a session of its own"; exit 1; }

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wineserver=$(dirname "$QUILLORA_WINE")/wineserver
ready="$WINEPREFIX/.quillora-ready"
root="$WINEPREFIX/drive_c/Quillora Test"

PathKey='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
FolderKey='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
Tool='C:\Quillora Test\Tools\marker.exe'
Folder='C:\Quillora Test\MSInfo'

# wine's reg looks for reg.exe in the current folder first: run from an
# empty one.
mkdir -p "$QUILLORA_WINE_WORKDIR" && cd "$QUILLORA_WINE_WORKDIR" || exit 1

wine() { "$QUILLORA_WINE" "$@"; }
skip() { echo "SKIP: $*"; exit $SKIP; }
failed=0
run() { "$@" || { echo "FAILED: $*"; failed=1; }; }
driver() { echo "\$ sysinfo_driver $*"; wine "$QUILLORA_WINE_DRIVER" "$@"; }
get() { driver get "${PathKey#HKLM\\}" PATH "$@"; }
# reg prints its errors to its output: shown only when it fails.
reg_quiet() {
    local output
    output=$(wine reg "$@" 2>&1) || { echo "FAILED: reg $*"; printf '%s\n' "$output"; exit 1; }
}
set_path() { reg_quiet add "$PathKey" /v PATH /t "$1" /d "$2" /f; }
set_folder() { reg_quiet add "$FolderKey" /v MSINFO /t REG_SZ /d "$1" /f; }
clear_keys() {
    wine reg delete "$PathKey" /f >/dev/null 2>&1
    wine reg delete "$FolderKey" /f >/dev/null 2>&1
    return 0
}
# A REG_SZ value of the given UTF-16 data, which reg add cannot write.
import_path_data() {
    local hex
    hex=$(printf '%s' "$1" | iconv -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /,/g')
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n"PATH"=hex(1):%s%s\r\n\r\n' \
        "${PathKey/HKLM/HKEY_LOCAL_MACHINE}" "$hex" "$2" | iconv -f UTF-8 -t UTF-16 > value.reg
    reg_quiet import value.reg
}
repeat() { head -c "$2" /dev/zero | tr '\0' "$1"; }

create_prefix() {
    rm -f "$ready"
    [ -x "$QUILLORA_WINE" ] || skip "wine64 not found ($QUILLORA_WINE); install wine64"
    [ -f "$QUILLORA_WINE_DRIVER" ] || skip "the MinGW build is missing ($QUILLORA_WINE_DRIVER); install g++-mingw-w64-x86-64-posix"
    "$wineserver" -k >/dev/null 2>&1
    # Debian's Wine keeps the server's socket in a folder of its own under
    # /tmp, which the prefix's file "wineserver" names: it goes with the
    # prefix, or each new prefix would leave one behind.
    local serverdir
    serverdir=$(cat "$WINEPREFIX/wineserver" 2>/dev/null)
    [[ $serverdir =~ ^wine-[A-Za-z0-9]+$ ]] && rm -rf "${TMPDIR:-/tmp}/$serverdir"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX" || exit 1
    # Where Wine finds a prefix's server by the folder's device and inode, a
    # server left running for a removed prefix may own the new one's.
    "$wineserver" -k >/dev/null 2>&1
    # One server for all the cases, persistent without a time limit and
    # ended by "stop". With a limit (-pN), N seconds after the last program
    # ends the server stops accepting clients, tells Wine's services to quit
    # and exits once they have: a program starting just then is dropped, or
    # waits a few seconds at most for the next server, which a loaded
    # machine can exceed. A server that a program starts itself has no
    # persistence at all (Debian's wineserver script passes -p0), so goes
    # through this after every program. Wine's services, started here by
    # wineboot, keep running with the server; they write to wineboot.log.
    # The server must not hold on to CTest's output, or the test lasts as
    # long.
    "$wineserver" -p </dev/null >/dev/null 2>&1 || { rm -rf "$WINEPREFIX"; skip "the wineserver cannot start"; }
    if ! wine wineboot -i > wineboot.log 2>&1; then
        cat wineboot.log
        rm -rf "$WINEPREFIX"
        skip "Wine cannot start here"
    fi
    mkdir -p "$root/Tools" "$root/MSInfo" "$root/Hidden" "$root/System" "$root/Empty" || exit 1
    cp "$QUILLORA_WINE_MARKER" "$root/Tools/marker.exe" || exit 1
    local folder
    for folder in MSInfo Hidden System; do cp "$QUILLORA_WINE_MARKER" "$root/$folder/MSINFO32.EXE" || exit 1; done
    echo "not a program" > "$root/Tools/readme.txt"
    # Where an unquoted command line "C:\Quillora Test\..." would lead.
    cp "$QUILLORA_WINE_MARKER" "$WINEPREFIX/drive_c/Quillora.exe" || exit 1
    wine attrib +h 'C:\Quillora Test\Hidden\MSINFO32.EXE' || exit 1
    wine attrib +s 'C:\Quillora Test\System\MSINFO32.EXE' || exit 1
    wine attrib 'C:\Quillora Test\Hidden\MSINFO32.EXE' 'C:\Quillora Test\System\MSINFO32.EXE'
    touch "$ready"
    echo "Wine prefix ready: $WINEPREFIX"
}

case_name=${1:?usage: wine-test.sh prefix|stop|CASE}
case $case_name in
prefix) create_prefix; exit 0 ;;
stop)
    # -k returns once the server has ended its programs and exited, having
    # saved the registry.
    "$wineserver" -k >/dev/null 2>&1
    "$wineserver" -w
    exit 0
    ;;
esac

[ -f "$ready" ] || skip "no Wine prefix: Wine could not start here (see the test wine.prefix)"
[ "$case_name" = prefix_key ] || clear_keys

case $case_name in
prefix_key)
    # A new prefix has the key, spelt MSInfo; Wine 8 puts no PATH in it and
    # has no folder key. The reader must open it whatever the case and read
    # what reg reads.
    reg_quiet query "$PathKey"
    expected=$(wine reg query "$PathKey" /v PATH 2>/dev/null | sed -n 's/^ *PATH *REG_SZ *//p' | tr -d '\r')
    if [ -n "$expected" ]; then
        echo "reg reads PATH: $expected"
        run get result=true "text=$expected"
    else
        echo "reg reads no PATH"
        run get result=false text=
        wine reg query "$FolderKey" >/dev/null 2>&1 || run driver start message noattempt
    fi
    ;;
reg_sz)
    set_path REG_SZ "$Tool"
    set_folder "$Folder"
    run get result=true "text=$Tool"
    run driver start "started=$Tool" nofiletest
    ;;
no_terminator)
    import_path_data "$Tool" ""
    run get result=true "text=$Tool"
    ;;
two_terminators)
    import_path_data "$Tool" ",00,00,00,00"
    run get result=true "text=$Tool"
    run driver start "started=$Tool"
    ;;
reg_expand_sz)
    set_path REG_EXPAND_SZ '%SystemDrive%\Quillora Test\Tools\marker.exe'
    set_folder "$Folder"
    run get result=true text=
    run driver start message attempt= nofiletest
    ;;
reg_dword)
    set_path REG_DWORD 261
    run get result=true text=261
    run driver start message attempt=261
    ;;
size_1024)
    long="C:\\$(repeat x 1014)\\a.exe" # 1023 characters and the terminating zero
    set_path REG_SZ "$long"
    run get result=true length=1023 "text=$long"
    ;;
size_1025)
    set_path REG_SZ "C:\\$(repeat x 1015)\\a.exe" # 1024 characters
    set_folder "$Folder"
    run get result=false text=
    run driver start "started=$Folder\\MSINFO32.EXE"
    ;;
missing_key)
    run get result=false text=
    run driver start message noattempt
    ;;
second_source)
    set_folder "$Folder"
    run driver start "started=$Folder\\MSINFO32.EXE" "filetest=$Folder\\MSINFO32.EXE"
    ;;
second_trailing_backslash)
    set_folder "$Folder\\"
    run driver start "started=$Folder\\\\MSINFO32.EXE" "filetest=$Folder\\\\MSINFO32.EXE"
    ;;
second_missing_file | second_hidden | second_system)
    folder='C:\Quillora Test\Empty'
    [ "$case_name" = second_hidden ] && folder='C:\Quillora Test\Hidden'
    [ "$case_name" = second_system ] && folder='C:\Quillora Test\System'
    set_folder "$folder"
    run driver start message noattempt "filetest=$folder\\MSINFO32.EXE"
    ;;
starts_nothing)
    set_path REG_SZ 'C:\Quillora Test\Tools\readme.txt'
    run driver start message 'attempt=C:\Quillora Test\Tools\readme.txt'
    ;;
read_only)
    set_path REG_SZ "$Tool"
    run driver start readonly "started=$Tool"
    ;;
*)
    echo "unknown case $case_name"
    exit 2
    ;;
esac
exit $failed
