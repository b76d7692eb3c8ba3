#!/usr/bin/env bash
# Runs lintian on the .deb of a built tree. Errors, warnings and
# informational tags all fail; a tag the package keeps on purpose is
# overridden, with its reason, in data/debian/lintian-overrides.
#
# usage: lintian-deb.sh <build dir> <version>
set -euo pipefail

build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
deb=$(bash "$(dirname "$0")/make-deb.sh" "$build" "$work")

# lintian does not compare the changelog with the package's version.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quillora/changelog.gz \
    | gzip -dc | head -n1 | grep -q "^quillora ($version) " || {
    echo "FAIL: the changelog's latest entry is not version $version" >&2
    exit 1
}
lintian --fail-on error,warning,info --display-info "$deb"
echo "ok: lintian $(basename "$deb")"
