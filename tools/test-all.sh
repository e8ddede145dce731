#!/bin/sh
# Builds everything and runs every test: the portable core natively under the
# sanitizers, then the Win32 and end-to-end tests of the cross build under Wine.
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
# One virtual display for the whole run; the tests use their own Wine prefix.
# The end-to-end tests drive real windows with real input, whose timing under a
# loaded machine can fail a run now and then: a failed entry gets one more try.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset cross --repeat until-pass:2
# The release packages, and the installer end to end in a prefix of its own.
tools/package.sh
tools/installer-test.sh
