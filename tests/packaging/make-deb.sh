#!/usr/bin/env bash
# Makes the .deb of a built tree: installs it stripped under /usr of a staging
# root in <work dir>, packs that with the tree's own CPack settings and prints
# the package's path. The files are installed first so that cpack packs them
# as they are instead of building the whole tree again while other tests run.
#
# usage: make-deb.sh <build dir> <work dir>
set -euo pipefail

build=$1 work=$2
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr --strip >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install (is quillora built?)" >&2
    exit 1
}
cat >"$work/CPackConfig.cmake" <<CONFIG
include("$build/CPackConfig.cmake")
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_INSTALLED_DIRECTORIES "$work/stage;.")
set(CPACK_PACKAGE_DIRECTORY "$work/out")
CONFIG
cpack -G DEB --config "$work/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
}
deb=$(find "$work/out" -maxdepth 1 -name '*.deb')
[ -n "$deb" ] || { echo "FAIL: cpack wrote no .deb" >&2; exit 1; }
printf '%s\n' "$deb"
