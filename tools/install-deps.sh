#!/bin/sh
# Installs what building and testing Quillory needs on Debian 12, and only
# what is missing.
set -e
packages="cmake ninja-build g++ make python3 libgtest-dev googletest libbenchmark-dev libstb-dev zlib1g-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64 mingw-w64 libz-mingw-w64-dev
  wine64 wine fonts-wine xvfb xauth imagemagick xdotool liblnk-utils nsis zip"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
