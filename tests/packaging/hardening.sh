#!/usr/bin/env bash
# Runs hardening-check on an executable, asking for each protection that
# this release's dpkg-buildflags gives a build (with every hardening feature
# asked for, as the build does), and no other: Debian 12 gives no branch
# protection, Debian 13 gives it (on amd64 as control-flow protection).
#
# usage: hardening.sh <executable>
set -euo pipefail

features=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --query-features hardening \
    | awk '/^Feature:/ { f = $2 } /^Enabled: yes/ { print f }')
has() { grep -qx "$1" <<<"$features"; }
offers() { hardening-check --help 2>&1 | grep -q -- "$1"; }

skip=()
for pair in pie:--nopie stackprotector:--nostackprotector fortify:--nofortify \
    relro:--norelro bindnow:--nobindnow; do
    has "${pair%%:*}" || skip+=("${pair#*:}")
done
# Branch protection is -fcf-protection on amd64, -mbranch-protection on arm64.
case $(dpkg --print-architecture) in
amd64) cf=branch arm= ;;
arm64) cf= arm=branch ;;
*) cf= arm= ;;
esac
{ [ -n "$cf" ] && has "$cf"; } || skip+=(--nocfprotection)
if offers --nobranchprotection; then
    { [ -n "$arm" ] && has "$arm"; } || skip+=(--nobranchprotection)
fi

echo "dpkg-buildflags gives: $(paste -sd' ' <<<"$features"); not asked: ${skip[*]:-nothing}"
hardening-check "${skip[@]}" "$1"
