#!/usr/bin/env bash
# The Debian package built from the tree: made by CPack into a throw-away
# folder, then checked by lintian, which must report no error.
#   test_paquet.sh BUILD_FOLDER
set -euo pipefail
sortie=$(mktemp -d)
trap 'rm -rf "$sortie"' EXIT
cpack --config "$1/CPackConfig.cmake" -G DEB -B "$sortie" > "$sortie/cpack.log" 2>&1 ||
  { cat "$sortie/cpack.log"; exit 1; }
paquet=$(ls "$sortie"/*.deb)
dpkg-deb --field "$paquet" Package Version Depends
lintian --fail-on error --pedantic "$paquet" 2>&1 | grep -v 'root privileges' || true
lintian --fail-on error "$paquet" > /dev/null 2>&1
echo "1 passed, 0 failed"
