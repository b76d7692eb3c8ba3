#!/usr/bin/env bash
# Makes the .deb of a built tree in a temporary folder, unpacks it into a
# temporary root and checks what a desktop user gets from it.
#
# usage: check-deb.sh <build dir> <version> <application id>
set -euo pipefail

build=$1 version=$2 id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
failures=0

# The package is made from the build folder's own CPack settings.
deb=$(bash "$(dirname "$0")/make-deb.sh" "$build" "$work")
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "quillora_${version}_${arch}.deb" ] \
    || { echo "FAIL: cpack wrote $(basename "$deb")" >&2; exit 1; }

# The control file.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillora ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Section)" ] || fail "no Section"
[ -n "$(field Description)" ] || fail "no Description"
# a name in a relation field, with or without a version constraint
lists() { sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$1" | grep -qxF "$2"; }
depends=$(field Depends)
# Each library the program links to, by the package that holds it here,
# whatever this release calls it (libqt6core6 became libqt6core6t64).
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for lib in libc.so.6 libstdc++.so.6 libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6; do
    pkg=$(dpkg-query -S "*/$multiarch/$lib" 2>/dev/null | sed -n 's/:.*//p' | head -n1)
    [ -n "$pkg" ] || { fail "no installed package holds $lib"; continue; }
    lists "$depends" "$pkg" || fail "Depends lacks $pkg (for $lib): '$depends'"
done
# The fonts the layout is drawn with, the narrow face on either release.
for group in "fonts-liberation" "fonts-liberation-sans-narrow | fonts-liberation (<< 1:2)"; do
    sed 's/, */\n/g' <<<"$depends" | grep -qxF "$group" || fail "Depends lacks '$group': '$depends'"
done
recommends=$(field Recommends)
for pkg in qt6-translations-l10n qt6-wayland; do
    lists "$recommends" "$pkg" || fail "Recommends lacks $pkg: '$recommends'"
done

# Everything lands under /usr, nothing under /usr/local or a build path.
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
if grep -Ev '^\./(usr/.*)?$' "$work/contents" >&2; then fail "files outside /usr"; fi
if grep -E '^\./usr/local/' "$work/contents" >&2; then fail "files under /usr/local"; fi

# The files themselves.
root="$work/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
svg="$share/icons/hicolor/scalable/apps/$id.svg"
sizes="16 22 24 32 48 64 128 256"
pngs=$(for n in $sizes; do echo "$share/icons/hicolor/${n}x$n/apps/$id.png"; done)

[ -f "$root/usr/bin/quillora" ] && [ -x "$root/usr/bin/quillora" ] \
    || fail "usr/bin/quillora missing or not executable"
for f in "$desktop" "$metainfo" "$svg" $pngs; do
    [ -s "$f" ] || fail "${f#"$root"/} missing or empty"
done
[ "$failures" -eq 0 ] || exit 1

# What is installed refers to itself consistently: the entry starts the
# installed program and names the installed icon, the metadata launches the
# installed entry, and the program gives the entry's id as its desktop file
# name so the desktop matches its window to the entry.
key() { sed -n "s/^$1=//p" "$desktop"; }
exec_cmd=$(key Exec)
[ "${exec_cmd%% *}" = quillora ] || fail "Exec is '$exec_cmd', not the installed quillora"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metadata does not launch $id.desktop"
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -aq "$id" "$root/usr/bin/quillora" || fail "usr/bin/quillora does not carry the id $id"
for n in $sizes; do
    png="$share/icons/hicolor/${n}x$n/apps/$id.png"
    file -b "$png" | grep -q "^PNG image data, $n x $n," || fail "the ${n}x$n icon is $(file -b "$png")"
done

[ "$failures" -eq 0 ] || exit 1
echo "ok: $(basename "$deb"), Depends: $depends"
