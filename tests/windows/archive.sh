#!/usr/bin/env bash
# The portable archive: it holds one folder with what the installer ships,
# and quillora.exe runs from wherever that folder is unpacked.
#   archive.sh TEMPLATE ARCHIVE.zip
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-common.sh"
template=$1 archive=$2

if [ -z "${QUILLORA_WINE_INNER:-}" ]; then
    for tool in wine unzip xdotool wrestool icotool x86_64-w64-mingw32-objdump; do
        command -v "$tool" >/dev/null || cannot_run "$tool is not installed; run scripts/deps"
    done
    [ -f "$archive" ] || { echo "FAIL: no archive at $archive (see windows.package)"; exit 1; }
    QUILLORA_WINE_INNER=1 exec "$here/../support/with-xvfb" bash "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quillora-archive.XXXXXX") || exit 1
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
own_prefix "$template" "$work"

# Unpacked somewhere no Qt is, under a name with a space and an accent.
folder="$WINEPREFIX/drive_c/Mes programmes à moi"
mkdir -p "$folder" && unzip -q "$archive" -d "$folder" || { echo "FAIL: unzip failed"; exit 1; }
top=$(basename "$archive" .zip)
ship_lists "$folder/$top"
expected=$(printf '%s\n' "${shipped_files[@]/#/$top/}" | sort)
actual=$(cd "$folder" && find . -type f | sed 's|^\./||' | sort)
if [ "$actual" != "$expected" ]; then
    echo "FAIL: the archive's files differ:"
    diff <(echo "$expected") <(echo "$actual")
    exit 1
fi
check_notice "$folder/$top" || exit 1

cd "$folder/$top" || exit 1
# quillora.exe is a GUI program that carries its icon in every size, its
# version and its manifest: what wrestool and objdump must find in it.
exe_facts=(
    "$(x86_64-w64-mingw32-objdump -p quillora.exe | grep '^Subsystem')|(Windows GUI)"
    "$(wrestool -l quillora.exe)|type=version"
    "$(wrestool -l quillora.exe)|--type=24 --name=1"
)
wrestool -x -t 14 quillora.exe > "$work/quillora.ico"
for size in 16 24 32 48 64 128 256; do
    exe_facts+=("$(icotool -l "$work/quillora.ico")|--width=$size --height=$size")
done
for fact in "${exe_facts[@]}"; do
    grep -qF -- "${fact##*|}" <<<"${fact%|*}" || { echo "FAIL: quillora.exe lacks ${fact##*|}"; exit 1; }
done
wine ./quillora.exe >"$work/quillora.log" 2>&1 &
program=$!
wait_until has_window '^Quillora$' \
    || { echo "FAIL: quillora.exe from the archive showed no window:"; cat "$work/quillora.log"; exit 1; }
xdotool windowfocus --sync "$(window_named '^Quillora$')" 2>/dev/null
xdotool key --clearmodifiers alt+q
wait_until sh -c "! kill -0 $program" || { echo "FAIL: Quitter did not end it"; exit 1; }
echo "ok: the archive holds ${#shipped_files[@]} files in $top, each in its notice; quillora.exe has its icon, version and manifest and runs where it is unpacked"
