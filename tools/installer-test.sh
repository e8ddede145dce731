#!/bin/sh
# The installer end to end in a Wine prefix of its own (never the user's):
# - a silent install puts every file, the Start menu shortcut (read back with
#   lnkinfo) and the Apps entry in place; the installed program starts;
# - an install over an older install whose program runs, once started and
#   once still starting (a data folder of 256 notes), closes the program as
#   its menu's Close does, replaces the files and keeps the user's data folder;
# - a silent uninstall closes the program and removes exactly the files it
#   installed, the shortcut and the Apps entry: a user's language file and
#   picture pack stay with their folders, and so does a Run value naming
#   another program; a Run value naming the installed program goes.
#
#   tools/installer-test.sh       (after tools/package.sh)
set -e
[ -n "$DISPLAY" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
cd "$(dirname "$0")/.."
version=$(sed -n 's/^#define QUILLORY_VERSION_TEXT "\(.*\)"/\1/p' resources/version.h)
setup="$(pwd)/dist/Quillory-$version-setup.exe"
[ -f "$setup" ] || { echo "installer test: $setup is missing, run tools/package.sh" >&2; exit 1; }
built=$(pwd)/build/cross/Quillory
work=$(pwd)/build/installer-test
rm -rf "$work"
mkdir -p "$work/home"
export HOME="$work/home" WINEPREFIX="$work/home/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
fail() { echo "installer test: $*" >&2; wineserver -k 2>/dev/null || true; exit 1; }

wineboot -i >/dev/null 2>&1
wineserver -w
user="$WINEPREFIX/drive_c/users/$(whoami)"
programs="$user/AppData/Local/Programs/Quillory"
program_exe="C:\\users\\$(whoami)\\AppData\\Local\\Programs\\Quillory\\Quillory.exe"
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillory.lnk"
data="$user/Documents/Quillory"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
record_size=2532
id_offset=2520

# Every process of the prefix (installer, uninstaller, program) has ended.
settle() { timeout 120 wineserver -w || fail "$1"; }
start_program() { wine "$program_exe" >/dev/null 2>&1 & }
wait_for_file() {
  for _ in $(seq 80); do [ -f "$1" ] && return 0; sleep 0.25; done
  fail "$2"
}
size_of() { wc -c <"$1" | tr -d ' '; }
# The files the build put into the program folder, relative to it.
built_files() { (cd "$built" && { echo Quillory.exe; echo Chordix.dll; find Languages pic -type f; }); }
run_value() { wine reg query "$run_key" /v Quillory 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
# base.db made of COUNT copies of its first note, each with an id of its own.
multiply_notes() {
  head -c $record_size "$data/base.db" >"$work/note"
  : >"$work/base.db"
  for i in $(seq "$1"); do
    cp "$work/note" "$work/one"
    printf "$(printf '\\%03o\\%03o' $((i % 256)) $((i / 256)))" |
      dd of="$work/one" bs=1 seek=$id_offset conv=notrunc 2>/dev/null
    cat "$work/one" >>"$work/base.db"
  done
  cp "$work/base.db" "$data/base.db"
}

# A fresh install.
wine "$setup" /S
settle "the installer did not end"
built_files | while IFS= read -r f; do [ -f "$programs/$f" ] || fail "$f was not installed"; done
for d in Languages pic patterns; do [ -d "$programs/$d" ] || fail "$d is missing"; done
[ -f "$programs/Uninstall.exe" ] || fail "no uninstaller"
lnkinfo "$shortcut" | grep -q 'Programs\\Quillory\\Quillory.exe' || fail "the shortcut does not start Quillory.exe"
wine reg query "$uninstall_key" /v DisplayVersion | grep -q "$version" || fail "no Apps entry with the version"

# An install over an older one whose program runs, with a data folder of the
# user's: the program is closed as its menu's Close does, the files replaced.
upgrade_over_running() {
  printf 'older\r\n' >"$programs/Languages/German.lng"
  wine reg add "$uninstall_key" /v DisplayVersion /d 0.1 /f >/dev/null 2>&1
  rm -f "$data/config.txt"
  notes_before=$(size_of "$data/base.db")  # the program may still place its notes: their number counts
  wine "$setup" /S
  settle "the upgrade left a process running ($1)"
  cmp -s "$programs/Languages/German.lng" "$built/Languages/German.lng" || fail "a file was not replaced ($1)"
  cmp -s "$programs/Quillory.exe" "$built/Quillory.exe" || fail "the program was not replaced ($1)"
  wine reg query "$uninstall_key" /v DisplayVersion | grep -q "$version" || fail "the Apps entry is the older one ($1)"
  [ -f "$data/config.txt" ] || fail "Quillory was not closed as its menu's Close does ($1)"
  [ "$(size_of "$data/base.db")" = "$notes_before" ] || fail "notes were lost ($1)"
  [ "$(cat "$data/mine.txt")" = "the user's" ] || fail "the user's file changed ($1)"
}
start_program
wait_for_file "$data/base.db" "the installed program did not start (no welcome note in base.db)"
echo "the user's" >"$data/mine.txt"
upgrade_over_running "started"
multiply_notes 256
start_program  # and the installer at once: its start-up is not over when the installer looks
upgrade_over_running "still starting"

# An uninstall with files of the user's beside the installed ones, a running
# program and a Run value naming another program.
echo "[Language]" >"$programs/Languages/Mine.lng"
echo "pack" >"$programs/pic/mine.qpk"
wine reg add "$run_key" /v Quillory /d 'C:\Other\Other.exe' /f >/dev/null 2>&1
notes_before=$(md5sum <"$data/base.db")
start_program
wine "$programs/Uninstall.exe" /S
settle "the uninstaller left a process running"
built_files | while IFS= read -r f; do [ ! -e "$programs/$f" ] || fail "$f is left"; done
[ ! -e "$programs/Uninstall.exe" ] || fail "the uninstaller is left"
[ -f "$programs/Languages/Mine.lng" ] && [ -f "$programs/pic/mine.qpk" ] || fail "the user's files were removed"
[ ! -e "$programs/patterns" ] || fail "the empty patterns folder is left"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the Apps entry is left"
[ "$(run_value)" = 'C:\Other\Other.exe' ] || fail "the Run value of another program was removed"
[ "$(md5sum <"$data/base.db")" = "$notes_before" ] || fail "the notes changed"

# A Run value naming the installed program, quoted and in other case, goes.
wine "$setup" /S
settle "the installer did not end"
upper=$(printf '%s' "$program_exe" | tr '[:lower:]' '[:upper:]')
wine reg add "$run_key" /v Quillory /d "\"$upper\"" /f >/dev/null 2>&1
[ "$(run_value)" = "\"$upper\"" ] || fail "the quoted Run value was not written: $(run_value)"
wine "$programs/Uninstall.exe" /S
settle "the uninstaller did not end"
! wine reg query "$run_key" /v Quillory >/dev/null 2>&1 || fail "the Run value of the installed program is left"
rm -f "$programs/Languages/Mine.lng" "$programs/pic/mine.qpk"
rmdir "$programs/Languages" "$programs/pic" "$programs" 2>/dev/null || fail "files are left: $(find "$programs" | tr '\n' ' ')"
wineserver -k 2>/dev/null || true
echo "installer test: install, upgrades over a running program and uninstalls as expected"
