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
    # Hard links where the run's folder is on the template's file system;
    # a whole copy where it is not, as with a /tmp in memory (Debian 13's).
    { cp -al "$1" "$2/prefix" 2>/dev/null || { rm -rf "$2/prefix" && cp -a "$1" "$2/prefix"; }; } \
        && cp --remove-destination "$1"/*.reg "$2/prefix/" \
        || { echo "FAIL: could not copy the Wine prefix $1"; exit 1; }
    rm -f "$2/prefix/.quillora-ready"
    export WINEPREFIX=$2/prefix
}

# Polls until the command succeeds, for at most the seconds given.
wait_for() {
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# Polls until the command succeeds, for at most twenty seconds.
wait_until() { wait_for 20 "$@"; }
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

# What the installer and the archive ship: the program, what it loads, its
# licence and the notice of the software of others in it, no more. The
# style plugin is qwindowsvistastyle.dll up to Qt 6.6, qmodernwindowsstyle.dll
# from Qt 6.7 on: ship_lists DIR takes the one DIR holds.
#
# What the notice must give for a file, found from its entry through the
# parts it points to and the licence texts they name: Quillora's licence,
# Qt's LGPL, the GPL and the GCC runtime's exception to it, winpthreads'
# notice. A row for each file whose licence asks for its text.
ship_lists() {
    local style=styles/qwindowsvistastyle.dll
    [ -e "$1/styles/qmodernwindowsstyle.dll" ] && style=styles/qmodernwindowsstyle.dll
    shipped_files=(
        quillora.exe
        Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
        platforms/qwindows.dll "$style"
        libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
        LICENSE.txt THIRD-PARTY-NOTICES.txt
    )
    notice_rows=(
        "quillora.exe|Permission is hereby granted, free of charge, to any person obtaining a copy"
        "quillora.exe|Redistributions in binary form must reproduce the accompanying"
        "Qt6Core.dll|GNU LESSER GENERAL PUBLIC LICENSE"
        "Qt6Gui.dll|GNU LESSER GENERAL PUBLIC LICENSE"
        "Qt6Widgets.dll|GNU LESSER GENERAL PUBLIC LICENSE"
        "platforms/qwindows.dll|GNU LESSER GENERAL PUBLIC LICENSE"
        "$style|GNU LESSER GENERAL PUBLIC LICENSE"
        "libstdc++-6.dll|GCC RUNTIME LIBRARY EXCEPTION"
        "libstdc++-6.dll|Version 3, 29 June 2007"
        "libgcc_s_seh-1.dll|GCC RUNTIME LIBRARY EXCEPTION"
        "libwinpthread-1.dll|Permission is hereby granted, free of charge, to any person obtaining"
    )
}

# notice_for NOTICE FILE: what THIRD-PARTY-NOTICES.txt gives for FILE: the
# parts its entry points to, and the licence texts they name.
notice_for() {
    awk -v file="$2" '
        FNR == 1 { pass++ }
        pass == 1 && /^File: / { entry = substr($0, 7) }
        pass == 1 && /^$/ { entry = "" }
        pass == 1 && entry == file && /^        see \[/ { want["[" substr($0, 14, length($0) - 14) "]"] = 1 }
        pass == 2 && /^=== Licence text: / { part = ""; text = substr($0, 19, length($0) - 22); next }
        pass == 2 && /^\[.*\]$/ && ($0 in want) { part = $0; text = ""; next }
        pass == 2 && /^\[.*\]$/ && /^\[(Quillora|Qt|Debian)/ { part = "" }
        pass == 2 && part != "" { print; if (/^    Licence texts: /) { n = split(substr($0, 20), t, ", "); for (i = 1; i <= n; i++) named[t[i]] = 1 } }
        pass == 2 && text != "" { n = split(text, names, ", also named "); for (i = 1; i <= n; i++) if (names[i] in named) { print; break } }
    ' "$1" "$1"
}

# check_notice FOLDER: THIRD-PARTY-NOTICES.txt there has an entry for every
# file in FOLDER, whatever the list above says; every part an entry points
# to is described; every licence text a part names is given; and each row
# above holds. Prints what is wrong and fails.
check_notice() {
    local notice=$1/THIRD-PARTY-NOTICES.txt file part name row given wrong=()
    [ -s "$notice" ] || { echo "FAIL: no THIRD-PARTY-NOTICES.txt in $1"; return 1; }
    while IFS= read -r file; do
        case $file in LICENSE.txt | THIRD-PARTY-NOTICES.txt | Uninstall.exe) continue ;; esac
        grep -qxF "File: $file" "$notice" || wrong+=("no entry for $file")
    done < <(cd "$1" && find . -type f | sed 's|^\./||' | sort)
    while IFS= read -r part; do
        grep -qxF "[$part]" "$notice" || wrong+=("no part [$part]")
    done < <(sed -n 's/^        see \[\(.*\)\]$/\1/p' "$notice" | sort -u)
    given=$(sed -n 's/^=== Licence text: \(.*\) ===$/\1/p' "$notice" | sed 's/, also named /\n/g')
    while IFS= read -r name; do
        grep -qxF -- "$name" <<<"$given" || wrong+=("no text of the licence '$name'")
    done < <(sed -n 's/^    Licence texts: //p' "$notice" | grep -v '^none' | sed 's/, /\n/g' | sort -u)
    for row in "${notice_rows[@]}"; do
        # grep reads it all (no -q): under pipefail, awk cut short would fail.
        notice_for "$notice" "${row%%|*}" | grep -F -- "${row#*|}" >/dev/null \
            || wrong+=("nothing the entry of ${row%%|*} leads to says '${row#*|}'")
    done
    [ ${#wrong[@]} -eq 0 ] && return 0
    echo "FAIL: THIRD-PARTY-NOTICES.txt in $1:"
    printf '  %s\n' "${wrong[@]}"
    return 1
}
