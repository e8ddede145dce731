#!/bin/sh
# Long use of the program under Wine (several minutes): 255 stickers opened
# and closed 20 times, one redrawn 10,000 times, every dialog opened 100
# times, the language switched 100 times. Prints the object counts and the
# memory of the process after a first round and at the end; fails when they
# grow.
#
# It runs in a Wine prefix of its own; QUILLORY_WINE_HOME names that prefix's
# home, build/cross/soak-wine when unset.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target soak_tests Quillory
cd build/cross
export QUILLORY_WINE_HOME="${QUILLORY_WINE_HOME:-$PWD/soak-wine}" QUILLORY_PROGRAM_DIR="Z:$PWD/Quillory"
xvfb-run -a -s "-screen 0 1024x768x24" ./wine-run.sh ./soak_tests.exe
