#!/usr/bin/env bash
# Runs hardening-check on an executable, asking for each protection that
# this release's dpkg-buildflags gives a build (with every hardening feature
# asked for, as the build does), and no other: Debian 12 gives no branch
# protection, Debian 13 gives it (on amd64 as control-flow protection).
# Control-flow protection marks an executable only when every object linked
# into it is marked, the C library's start files too, and neither Debian
# 12's nor Debian 13's are: it is asked for where they are.
#
# usage: hardening.sh <executable>
set -euo pipefail

features=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --query-features hardening \
    | awk '/^Feature:/ { f = $2 } /^Enabled: yes/ { print f }')
has() { grep -qx "$1" <<<"$features"; }
help=$(hardening-check --help 2>&1 || true)
offers() { grep -q -- "$1" <<<"$help"; }

skip=()
for pair in pie:--nopie stackprotector:--nostackprotector fortify:--nofortify \
    relro:--norelro bindnow:--nobindnow; do
    has "${pair%%:*}" || skip+=("${pair#*:}")
done
# Branch protection is -fcf-protection on amd64, -mbranch-protection on arm64.
case $(dpkg --print-architecture) in
amd64)
    cf=branch arm=
    readelf -n "$(gcc -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK' || cf=
    ;;
arm64) cf= arm=branch ;;
*) cf= arm= ;;
esac
{ [ -n "$cf" ] && has "$cf"; } || skip+=(--nocfprotection)
if offers --nobranchprotection; then
    { [ -n "$arm" ] && has "$arm"; } || skip+=(--nobranchprotection)
fi

echo "dpkg-buildflags gives: $(paste -sd' ' <<<"$features"); not asked: ${skip[*]:-nothing}"
hardening-check "${skip[@]}" "$1"
