#!/bin/sh
# Builds everything and runs every test: the portable core natively under the
# sanitizers, then the Win32 and end-to-end tests of the cross build under Wine,
# the release packages and the installer. A failed step after the builds does
# not stop the later ones; the end lists what failed and the run fails.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
# The picture readers take user files: a minute of fuzzing without a finding.
tools/fuzz.sh 60
cmake --preset cross >/dev/null
cmake --build --preset cross

failed=""
# The ctest log of the Win32 run, with the output of each failed attempt: its
# failed gtest cases are named after the entry's result line.
name_retries() {
  awk '
    / Test +#[0-9]+: / {
      name = $0; sub(/.* Test +#[0-9]+: /, "", name); sub(/ .*/, "", name)
      if ($0 ~ / Passed /) { passed[name] = 1; current = "" }
      else { current = name; failures[name]++ }
      next
    }
    current != "" && /^\[  FAILED  \] [^ ]+ \(/ {
      if (index(", " cases[current] ", ", ", " $4 ", ") == 0) cases[current] = cases[current] (cases[current] == "" ? "" : ", ") $4
    }
    END {
      for (name in failures) {
        named = cases[name] == "" ? "no case named: it crashed or timed out" : cases[name]
        print (name in passed ? "needed a retry: " : "failed twice: ") name " (" named ")"
      }
    }' "$1"
}

# One virtual display for the whole run; the tests use their own Wine prefix.
# The end-to-end tests drive real windows with real input; a failed entry gets
# one more try as a safety net, and every entry that needed it is named below.
log=build/cross/ctest-cross.log
rm -f "$log"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset cross --repeat until-pass:2 --output-log "$log" ||
  failed="$failed Win32 and end-to-end tests;"
if [ -f "$log" ]; then name_retries "$log"; fi
# The release packages, and the installer end to end in a prefix of its own.
tools/package.sh || failed="$failed packages;"
tools/installer-test.sh || failed="$failed installer test;"

if [ -n "$failed" ]; then
  echo "test-all: FAILED:$failed" >&2
  exit 1
fi
echo "test-all: every step passed"
