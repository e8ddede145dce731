#!/bin/sh
# Builds the libFuzzer target of the picture readers (BMP, picture pack,
# inflate) with clang and runs it from freshly generated seeds.
#
#   tools/fuzz.sh [SECONDS]      (default 60)
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build/fuzz
mkdir -p "$out"
flags="-std=c++20 -g -O1 -I. -Itests"
core="store/bmp_reader.cpp store/inflate.cpp store/picture_pack.cpp pixels/pixel_routines.cpp"
clang++ $flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  tests/fuzz/picture_fuzz.cpp $core -lz -o "$out/picture_fuzz"
clang++ $flags tests/fuzz/make_seeds.cpp -lz -o "$out/make_seeds"
rm -rf "$out/corpus" "$out/seeds"
"$out/make_seeds" "$out/seeds"
mkdir -p "$out/corpus"
# Findings are written beside the log; the corpus grows in a folder of its own
# so that the seeds stay as generated.
if ! "$out/picture_fuzz" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/" "$out/corpus" "$out/seeds" >"$out/fuzz.log" 2>&1; then
  tail -n 60 "$out/fuzz.log"
  echo "fuzz: picture readers: finding, see $out/fuzz.log" >&2
  exit 1
fi
grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$out/fuzz.log" || true
echo "fuzz: picture readers: no finding in $seconds s"
