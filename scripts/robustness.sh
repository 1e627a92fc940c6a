#!/usr/bin/env bash
# Robustness checks beyond the ordinary test run. Each builds what it needs
# in a folder of its own and runs without a display.
#
#   robustness.sh sanitize          every test under AddressSanitizer and UBSan (build-asan/)
#   robustness.sh fuzz [RUNS]       the fuzzers (text to number, a teacher's list, the progress
#                                   file), RUNS executions each (default 10000000)
#   robustness.sh valgrind          the window tests under valgrind memcheck
#   robustness.sh sessions [COUNT]  COUNT random sessions (default 100000) against the model
set -euo pipefail
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen
source scripts/common.sh
jobs=$(nproc)

build() { # folder, cmake options...
  local folder=$1
  shift
  cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$folder" --parallel "$jobs"
}

case "${1:-}" in
sanitize)
  build build-asan -DRODS_SANITIZE=ON
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
    ctest --test-dir build-asan --output-on-failure --no-tests=error --parallel "$jobs" -E formatting
  ;;
fuzz)
  runs=${2:-10000000}
  CXX=clang++ build build-fuzz -DRODS_FUZZ=ON
  for target in text_to_number problem_list progress; do
    case $target in
    text_to_number) seeds=fuzz/corpus options=(-dict=fuzz/number.dict) ;;
    problem_list) seeds=fuzz/corpus-problem-list options=() ;;
    progress) seeds=fuzz/corpus-progress options=() ;;
    esac
    echo "fuzz_$target"
    corpus=$(mktemp -d /tmp/rods-fuzz.XXXXXX)
    build-fuzz/fuzz/fuzz_$target -runs="$runs" "${options[@]}" -print_final_stats=1 "$corpus" "$seeds" 2>&1 |
      grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))|ERROR|SUMMARY|deadly'
    rm -rf "$corpus"
  done
  ;;
valgrind)
  build build
  for test in tst_layout tst_rods tst_product_and_clear tst_random_sessions; do
    echo "valgrind memcheck: $test"
    RODS_SESSIONS=20 valgrind --tool=memcheck --quiet --error-exitcode=3 --leak-check=full \
      --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
      --suppressions=tests/valgrind.supp "build/tests/$test" -silent
  done
  ;;
sessions)
  build build
  # Qt Test ends a test function after five minutes unless told otherwise.
  QTEST_FUNCTION_TIMEOUT=86400000 RODS_SESSIONS=${2:-100000} RODS_SEED=${RODS_SEED:-1000000} \
    build/tests/tst_random_sessions
  ;;
*)
  sed -n '2,9p' "$0" >&2
  exit 2
  ;;
esac
