#!/bin/sh
# Writes the list of the files the installer puts into the program folder, as
# two NSIS macros made from one list of the built program folder: one
# installs the files, the other removes exactly these, so that the language
# files and picture packs a user adds beside them survive an uninstall.
#
#   tools/installer-files.sh PROGRAM_DIR OUT_FILE
set -e
program=$1
out=$2
files=$(cd "$program" && { echo Quillory.exe; echo Chordix.dll; find Languages pic -type f | LC_ALL=C sort; })
windows() { printf '%s' "$1" | tr / '\\'; }
{
  echo '!macro InstallProgramFiles'
  echo "$files" | while IFS= read -r file; do
    folder=$(dirname "$file")
    if [ "$folder" = . ]; then echo '  SetOutPath "$INSTDIR"'; else echo "  SetOutPath \"\$INSTDIR\\$(windows "$folder")\""; fi
    echo "  File \"\${PROGRAM_DIR}\\$(windows "$file")\""
  done
  echo '!macroend'
  echo '!macro RemoveProgramFiles'
  echo "$files" | while IFS= read -r file; do echo "  Delete \"\$INSTDIR\\$(windows "$file")\""; done
  echo '!macroend'
} >"$out"
