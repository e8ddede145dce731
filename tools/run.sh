#!/bin/sh
# Builds Quillory.exe and starts it under Wine from the program folder of the
# build. Without a display it runs on a virtual one and saves a screenshot.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target Quillory
export WINEPREFIX="$PWD/build/run-wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 && wineserver -w
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" && cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
program="build/cross/Quillory/Quillory.exe"
if [ -n "$DISPLAY" ]; then
  exec wine "$program" "$@"
fi
shot="$PWD/build/screenshot.png"
echo "No display: running on a virtual screen for 10 seconds; the screenshot goes to $shot"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  wine '$program' $* &
  sleep 8; import -window root '$shot'; wineserver -k"
echo "Screenshot: $shot"
