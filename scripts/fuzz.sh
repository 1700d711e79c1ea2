#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build/fuzz, then runs each one for a short
# time from a copy of its seed corpus, all at once. Fails when a target finds
# a crash or a broken property, unless fuzz/known_failing names it; the inputs
# found are kept in build/fuzz/findings/<target>/.
#   FUZZ_SECONDS   how long each target runs (default 10)
#   FUZZ_TARGETS   the targets to run (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${FUZZ_SECONDS:-10}
targets=(${FUZZ_TARGETS:-quote_file quote_reply_file http_reply_head bmp_file emf_file skin_text form_stream})

# A Debug build keeps the asserts; -O1 lets a short run try about ten times
# the inputs it would at -O0.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DVELMORA_FUZZ=ON -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF -DVELMORA_WERROR=ON >/dev/null
cmake --build build/fuzz --target fuzz_targets

known=" $( (grep -v '^\s*#' fuzz/known_failing 2>/dev/null || true) | tr '\n' ' ') "
# In memory where the machine allows: the quote readers write a file per input.
work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# What the libraries under the host keep for the life of the process (the
# metafile target draws text) is no leak of ours.
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0

for t in "${targets[@]}"; do
  mkdir -p "$work/$t/corpus" "$work/$t/findings"
  cp fuzz/corpus/"$t"/* "$work/$t/corpus/"
  dict=()
  [[ -f fuzz/$t.dict ]] && dict=(-dict="$root/fuzz/$t.dict")
  (cd "$work/$t" && exec "$root/build/fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 \
     -print_final_stats=1 -artifact_prefix="$work/$t/findings/" "${dict[@]}" corpus >log 2>&1) &
  echo "$!" >"$work/$t/pid"
done

failed=0
for t in "${targets[@]}"; do
  status=0
  wait "$(cat "$work/$t/pid")" || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$t/log")
  if ((status == 0)); then
    echo "fuzz $t: passed (${runs:-?} runs in ${seconds}s)"
    [[ $known == *" $t "* ]] && echo "fuzz $t: found nothing; take it off fuzz/known_failing if it should pass now"
    continue
  fi
  rm -rf "build/fuzz/findings/$t" && mkdir -p "build/fuzz/findings/$t"
  cp "$work/$t/findings/"* "build/fuzz/findings/$t/" 2>/dev/null || true
  grep -E '^\*\*\* property broken|ERROR: (AddressSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error' \
    "$work/$t/log" | head -5 | sed "s/^/fuzz $t: /" || true
  echo "fuzz $t: input kept in build/fuzz/findings/$t/; replay with build/fuzz/fuzz/fuzz_$t <file>"
  if [[ $known == *" $t "* ]]; then
    echo "fuzz $t: FOUND A FAULT, known failing (fuzz/known_failing): not failing the run"
  else
    echo "fuzz $t: FAILED, its report follows"
    sed -n '/^\*\*\* property broken\|ERROR: \|runtime error/,$p' "$work/$t/log" | grep -v '^  0x\|^=>0x' | head -40 || true
    failed=1
  fi
done
exit $failed
