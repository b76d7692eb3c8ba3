#!/usr/bin/env bash
# Installs a built .deb with apt as a user would, on a system where the
# narrow face it depends on is not installed yet, starts the installed
# program and checks that every label of its window shows its whole text
# with the fonts the package pulled in; then removes the package again.
# Runs as root, on a system of its own (scripts/debian13's root).
#
# usage: installed-deb.sh <quillora .deb> <libquillora_labelfit.so>
set -euo pipefail

deb=$(realpath "$1") labelfit=$(realpath "$2")
narrow=fonts-liberation-sans-narrow
fail() { echo "FAIL: $*" >&2; exit 1; }
apt_quiet() { apt-get -y -q -o Dpkg::Use-Pty=0 "$@" >/tmp/installed-deb-apt.log 2>&1 \
    || { tail -n 20 /tmp/installed-deb-apt.log >&2; fail "apt-get $*"; }; }

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
purge() {
    local pkg
    for pkg; do
        if installed "$pkg"; then apt_quiet purge "$pkg"; fi
    done
}

# Only where the archive splits the narrow face off does apt have to find it.
split=""
apt-cache show "$narrow" >/dev/null 2>&1 && split=1
purge quillora
[ -z "$split" ] || purge "$narrow"
apt_quiet install --no-install-recommends "$deb"
trap 'purge quillora; [ -z "$split" ] || apt_quiet install "$narrow"' EXIT
if [ -n "$split" ]; then
    installed "$narrow" || fail "installing the package did not pull in $narrow"
fi
echo "ok: $(dpkg-query -W -f='${Package} ${Version}' quillora) installed with $(
    dpkg-query -W -f='${Package} ${Version}' fonts-liberation)${split:+ and $narrow}"

# The installed program, its window drawn off screen with the system's fonts.
QT_QPA_PLATFORM=offscreen LD_PRELOAD=$labelfit timeout 60 /usr/bin/quillora \
    || fail "the installed program's labels do not all fit (above), or it did not start"
echo "ok: every label of the installed program fits"
