#!/bin/sh
# Builds the release packages into dist/: the installer (NSIS, for the
# current user) and the portable zip, whose config.txt keeps every file of the
# user's beside the program. The version comes from resources/version.h.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target Quillory Chordix
version=$(sed -n 's/^#define QUILLORY_VERSION_TEXT "\(.*\)"/\1/p' resources/version.h)
program=build/cross/Quillory
mkdir -p dist
rm -f "dist/Quillory-$version-setup.exe" "dist/Quillory-$version-portable.zip"

mkdir -p build/installer
tools/installer-files.sh "$program" build/installer/files.nsh
makensis -V2 -DVERSION="$version" -DPROGRAM_DIR="$(pwd)/$program" -DFILE_LIST="$(pwd)/build/installer/files.nsh" \
  -DOUT_FILE="$(pwd)/dist/Quillory-$version-setup.exe" installer/quillory.nsi

staging=build/portable/Quillory
rm -rf build/portable
mkdir -p "$staging/Languages" "$staging/pic" "$staging/patterns"
cp "$program/Quillory.exe" "$program/Chordix.dll" "$staging/"
cp "$program"/Languages/*.lng "$staging/Languages/"
cp "$program"/pic/* "$staging/pic/" 2>/dev/null || true
printf '[Base]\r\nportable=yes\r\n' >"$staging/config.txt"
(cd build/portable && zip -q -r "../../dist/Quillory-$version-portable.zip" Quillory)
ls -l dist
