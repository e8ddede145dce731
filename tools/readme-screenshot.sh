#!/bin/sh
# Draws the README's pictures from the program this tree builds, in a Wine
# prefix of its own, on a wallpaper drawn here: docs/screenshot.png (a few
# stickers with the tray menu open), docs/manager.png (the manager with its
# find field in use) and docs/settings.png (the settings of the note found).
# Run it deliberately after a change of look, look at the pictures, and
# commit them.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target Quillory
work="$PWD/build/readme-screenshot"
rm -rf "$work/program"
mkdir -p "$work"
cp -r build/cross/Quillory "$work/program"
printf '[Base]\r\nportable=yes\r\n[Language]\r\nDefualtLanguageEng=1\r\nDefualtLanguageRus=0\r\n[Chordix]\r\nNEW=0\r\nMANAGER=-1\r\n' \
  >"$work/program/config.txt"
# A few notes in base.db: the sticker record's layout (2532 bytes a record).
python3 - "$work/program/base.db" <<'PYTHON'
import struct, sys
def block(colour, size, text, layout):
    b = bytearray(116)
    struct.pack_into('<IIB', b, 0, colour, 0, 1)
    struct.pack_into('<iiii', b, 12, *layout)
    b[28] = size
    b[29] = 6; b[30:36] = b'Tahoma'
    t = text.encode('cp1252'); b[78] = len(t); b[79:79 + len(t)] = t
    b[111] = 255; b[112] = 1
    return b
def note(id, left, top, colour, style, caption, text):
    r = bytearray(2532)
    r[4:120] = block(0xFFFFFF, 10, caption, (14, 2, 0, 0))
    r[120:236] = block(0xFFFFFF, 7, '08.12.26', (14, 2, 0, 0))
    r[236:352] = block(0xFFFFFF, 8, '', (16, 26, 208, 0))
    struct.pack_into('<ii', r, 352, left, top)
    r[368] = 255; struct.pack_into('<H', r, 370, style); r[372] = 1
    struct.pack_into('<I', r, 376, colour); r[380] = 1; r[386] = 1
    struct.pack_into('<i', r, 392, 2000); r[396] = 1
    t = text.encode('cp1252'); r[464:464 + len(t)] = t
    struct.pack_into('<I', r, 2512, len(t)); r[2516] = 1; struct.pack_into('<i', r, 2520, id); r[2528] = 1
    return r
notes = [note(1, 330, 60, 0x40A0F0, 5, 'Shopping', 'Milk, bread, apples\r\nCoffee beans'),
         note(2, 600, 60, 0xF0B040, 8, 'Work', 'Call the plumber\r\nabout the kitchen tap'),
         note(3, 330, 260, 0x70D070, 0, 'Today', 'Report due Friday'),
         note(4, 600, 260, 0x8080FF, 3, 'December', '[12.2026/wmc]'),
         note(5, 380, 480, 0x60C0E0, 12, '', 'Ideas for the holidays')]
open(sys.argv[1], 'wb').write(b''.join(notes))
PYTHON
export HOME="$work/home" WINEPREFIX="$work/home/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 && wineserver -w
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" && cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
# The wallpaper: an evening gradient with a few soft lights.
convert -size 1024x768 gradient:'#2b5876-#4e4376' \( -size 1024x768 xc:none \
  -fill 'rgba(255,255,255,0.10)' -draw 'circle 180,620 180,420' -draw 'circle 880,160 880,20' \
  -fill 'rgba(255,220,180,0.12)' -draw 'circle 760,650 760,540' -draw 'circle 90,120 90,60' -blur 0x18 \) \
  -composite -fill 'rgba(255,255,255,0.06)' -draw 'polygon 0,520 1024,380 1024,768 0,768' "$work/wallpaper.png"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  display -window root '$work/wallpaper.png'; sleep 1
  wine '$work/program/Quillory.exe' &
  sleep 8
  xdotool mousemove 1010 750; sleep 1
  xdotool mousemove 12 32 click 3; sleep 2
  xdotool key Down Down Down Down Down; sleep 1
  import -window root '$PWD/docs/screenshot.png'
  xdotool key Escape Escape; sleep 1
  wine '$work/program/Quillory.exe' manager; sleep 6
  xdotool mousemove 530 296 click 1; sleep 2
  xdotool key --delay 300 c a l l; sleep 3
  import -window root '$PWD/docs/manager.png'
  xdotool key Return; sleep 5
  import -window root '$PWD/docs/settings.png'
  wineserver -k"
echo "docs/screenshot.png, docs/manager.png and docs/settings.png written: look at them before committing them"
