#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for SECONDS from
# freshly made seeds: the picture readers (BMP, picture pack, inflate) and
# every loader of stored or delivered data (base.db, plan.db, the records and
# strings sent to sticker windows, the command line, the calendar notation,
# and the profile files).
#
#   tools/fuzz.sh [SECONDS]      (default 60)
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build/fuzz
mkdir -p "$out"
flags="-std=c++20 -g -O1 -I. -Itests"
fuzz="-fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all"
pictures="pixels/bmp_reader.cpp pixels/inflate.cpp store/picture_pack.cpp pixels/pixel_routines.cpp"
core=$(ls text/*.cpp pixels/*.cpp win/*.cpp store/*.cpp lang/*.cpp sticker/*.cpp manager/*.cpp editors/*.cpp app/*.cpp | grep -v "_win\.cpp$")
clang++ $flags $fuzz tests/fuzz/picture_fuzz.cpp $pictures -lz -o "$out/picture_fuzz"
clang++ $flags $fuzz tests/fuzz/loaders_fuzz.cpp $core -lz -o "$out/loaders_fuzz"
clang++ $flags tests/fuzz/make_seeds.cpp -lz -o "$out/make_seeds"

# Loader seeds: the first byte picks the loader (0 stores, 1 deliveries,
# 2 command line, 3 calendar, 4 profiles).
loader_seeds() {
  mkdir -p "$1"
  { printf '\000'; head -c 2532 /dev/zero; } >"$1/store"
  { printf '\001\002'; printf 'Body text'; } >"$1/delivery"
  printf '\002manager\000id=1234\000autorun' >"$1/command_line"
  printf '\003 [05-2009/wmcuv]' >"$1/calendar"
  printf '\004[Chordix]\r\nNEW=0x10\r\nMANAGER=-1\r\n[Language]\r\nDefualtLanguageEng=1\r\n[Options]\r\nName=Test\r\n' >"$1/profile"
}

# Runs one target; findings are written beside its log, the corpus grows in a
# folder of its own so that the seeds stay as made.
run() {
  name=$1
  rm -rf "$out/$name-corpus"
  mkdir -p "$out/$name-corpus"
  if ! "$out/$name" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$out/$name-" "$out/$name-corpus" "$2" >"$out/$name.log" 2>&1; then
    tail -n 60 "$out/$name.log"
    echo "fuzz: $name: finding, see $out/$name.log" >&2
    exit 1
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$out/$name.log" || true
  echo "fuzz: $name: no finding in $seconds s"
}

rm -rf "$out/seeds" "$out/loader-seeds"
"$out/make_seeds" "$out/seeds"
loader_seeds "$out/loader-seeds"
run picture_fuzz "$out/seeds"
run loaders_fuzz "$out/loader-seeds"
