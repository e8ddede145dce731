#!/bin/sh
# Builds and runs the benchmark programs; each figure is a line "bench NAME VALUE UNIT".
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target quillory_bench Quillory
xvfb-run -a -s "-screen 0 1024x768x24" build/cross/wine-run.sh build/cross/quillory_bench.exe
cmake --preset native-release >/dev/null
cmake --build --preset native-release --target core_bench
build/native-release/core_bench
