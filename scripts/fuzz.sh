#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each in turn on its corpus for a while.
#
#   scripts/fuzz.sh [seconds] [target...]    targets: image slot master sound
#
# Default: 60 s each, all four. New inputs go to build/fuzz/corpus/<target>/ (the
# seeds in fuzz/corpus/ are only read); an input that breaks the game is written
# to build/fuzz/findings/ and the script stops there with an error.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then targets=(image slot master sound); fi

# The targets that start the game play with the release build's pictures.
cmake --preset release >/dev/null
cmake --build --preset release --target assets
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# Longest input per target: a bitmap of a few kilobytes, a slot file (232 bytes)
# and a master file (1025) with some to spare, a page of sound commands.
# The targets work in scratch folders of their own: every path they get is whole.
root=$PWD/build/fuzz
declare -A maxLen=([image]=16384 [slot]=300 [master]=1100 [sound]=4096)
# The game targets keep one game for the whole run, so an input often leaves
# memory the next one frees; checking each input for leaks would run it twice.
# The leak check at the end of the run still sees what the game never frees.
# A picture of at most 16 KB never needs a large allocation.
declare -A extra=([image]=-malloc_limit_mb=64 [slot]=-detect_leaks=0 [master]=-detect_leaks=0)
mkdir -p "$root/findings"
for t in "${targets[@]}"; do
  [[ -n ${maxLen[$t]:-} ]] || { echo "unknown target: $t" >&2; exit 2; }
  mkdir -p "$root/corpus/$t"
  echo "== fuzz_$t for ${seconds} s"
  log="$root/fuzz_$t.log"
  status=0
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$root/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="${maxLen[$t]}" ${extra[$t]:-} \
      -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix="$root/findings/$t-" \
      "$root/corpus/$t" "$PWD/fuzz/corpus/$t" >"$log" 2>&1 || status=$?
  if ((status != 0)); then
    tail -n 80 "$log"
    echo "fuzz_$t found a fault; the input is in build/fuzz/findings/, the log in $log" >&2
    exit "$status"
  fi
  grep -E '^(Done |stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb))' "$log"
done
