#!/bin/sh
# The installer end to end in a Wine prefix of its own (never the user's):
# a silent install puts every file, the Start menu shortcut (read back with
# lnkinfo) and the Apps entry in place; the installed program starts; a
# silent uninstall closes it, removes files, shortcut, Run value and entry,
# and leaves the notes in Documents\Quillory as they were.
#
#   tools/installer-test.sh       (after tools/package.sh)
set -e
[ -n "$DISPLAY" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
cd "$(dirname "$0")/.."
version=$(sed -n 's/^#define QUILLORY_VERSION_TEXT "\(.*\)"/\1/p' resources/version.h)
setup="$(pwd)/dist/Quillory-$version-setup.exe"
[ -f "$setup" ] || { echo "installer test: $setup is missing, run tools/package.sh" >&2; exit 1; }
work=$(pwd)/build/installer-test
rm -rf "$work"
mkdir -p "$work/home"
export HOME="$work/home" WINEPREFIX="$work/home/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
fail() { echo "installer test: $*" >&2; wineserver -k 2>/dev/null || true; exit 1; }

wineboot -i >/dev/null 2>&1
wineserver -w
user="$WINEPREFIX/drive_c/users/$(whoami)"
programs="$user/AppData/Local/Programs/Quillory"
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillory.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

wine "$setup" /S
wineserver -w
for f in Quillory.exe Chordix.dll Uninstall.exe Languages/German.lng; do
  [ -f "$programs/$f" ] || fail "$f was not installed"
done
[ -d "$programs/pic" ] && [ -d "$programs/patterns" ] || fail "pic or patterns missing"
lnkinfo "$shortcut" | grep -q 'Programs\\Quillory\\Quillory.exe' || fail "the shortcut does not start Quillory.exe"
wine reg query "$uninstall_key" /v DisplayVersion | grep -q "$version" || fail "no Apps entry with the version"

wine "C:\\users\\$(whoami)\\AppData\\Local\\Programs\\Quillory\\Quillory.exe" >/dev/null 2>&1 &
notes="$user/Documents/Quillory/base.db"
for i in $(seq 40); do [ -f "$notes" ] && break; sleep 0.5; done
[ -f "$notes" ] || fail "the installed program did not start (no welcome note in base.db)"
sleep 2
before=$(md5sum <"$notes")
wine reg add "$run_key" /v Quillory /d 'C:\x' /f >/dev/null 2>&1

wine "$programs/Uninstall.exe" /S
for i in $(seq 40); do [ -e "$programs" ] || break; sleep 0.5; done
[ ! -e "$programs" ] || fail "files are left: $(find "$programs" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the Apps entry is left"
! wine reg query "$run_key" /v Quillory >/dev/null 2>&1 || fail "the Run value is left"
[ "$(md5sum <"$notes")" = "$before" ] || fail "the notes changed"
[ -f "$user/Documents/Quillory/config.txt" ] || fail "Quillory was not closed as its menu's Close does"
wineserver -k 2>/dev/null || true
echo "installer test: install, start and uninstall as expected"
