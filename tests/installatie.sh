#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it.
set -euo pipefail
build=$1
doel=$(mktemp -d)
trap 'rm -rf "$doel"' EXIT
cmake --install "$build" --prefix "$doel" >/dev/null
test -x "$doel/bin/quorbel"
test -s "$doel/share/icons/hicolor/scalable/apps/quorbel.svg"
desktop-file-validate "$doel/share/applications/quorbel.desktop"
grep -qx 'Categories=Education;Math;' "$doel/share/applications/quorbel.desktop"
echo "installed entry, icon and program are valid"
