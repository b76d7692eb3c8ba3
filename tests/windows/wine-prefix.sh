#!/usr/bin/env bash
# Makes the Wine prefix that every Windows test copies (windows.prefix):
#   wine-prefix.sh TEMPLATE
# A fresh prefix, told to be Windows 10 as Qt 6 expects (Wine 8 says
# Windows 7), with its wineserver ended so that it can be copied.
set -uo pipefail
source "$(dirname "$0")/wine-common.sh"
template=${1:?usage: wine-prefix.sh TEMPLATE}

command -v wine >/dev/null || cannot_run "wine is not installed; run scripts/deps"
# Windows keeps its fonts, MS Sans Serif and Tahoma among them, in
# C:\Windows\Fonts. Debian's Wine does not load the copies fonts-wine puts in
# its own data folder, so they go where Windows has them.
wine_fonts=/usr/share/wine/fonts
[ -e "$wine_fonts/sserife.fon" ] || cannot_run "Wine's fonts are missing; run scripts/deps (fonts-wine)"
unset DISPLAY WAYLAND_DISPLAY
rm -rf "$template"
mkdir -p "$template" || exit 1
export WINEPREFIX=$template
log=$template.log
if ! { wine wineboot -i && wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win10 /f; } >"$log" 2>&1; then
    cat "$log"
    wineserver -k 2>/dev/null
    rm -rf "$template"
    cannot_run "Wine cannot make a prefix here (see above); check that wine and wine64 are installed"
fi
wineserver -w
cp "$wine_fonts"/*.fon "$wine_fonts"/*.ttf "$template/drive_c/windows/Fonts/" || exit 1
touch "$template/.quillora-ready"
echo "Wine prefix ready: $template ($(wine cmd /c ver 2>/dev/null | tr -d '\r' | grep -m1 .))"
wineserver -w
