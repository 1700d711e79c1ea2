#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings are errors) and runs every test headless,
# then the fuzz targets for a short time where clang's libFuzzer is there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# The optimised build, as the run script and the benchmarks build it: GCC
# warns about some code (-Wrestrict, -Wstringop-overflow) only once it has
# inlined it, which the sanitizer build below does not do.
cmake -S . -B build/release-check -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON
cmake --build build/release-check

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON
cmake --build build/asan
export QT_QPA_PLATFORM=offscreen
(cd build/asan && ctest --output-on-failure -j "$(nproc)" --timeout 600)

# ctest runs every test in a process of its own; the application's tests run
# once more as one program, shuffled and repeated, so that a test leaving
# state behind for the next one fails here.
(cd build/asan &&
  VELMORA_SOURCE_DIR="$PWD/../.." \
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
  LSAN_OPTIONS="suppressions=$PWD/../../tests/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ./tests/test_app --gtest_shuffle --gtest_repeat=3 --gtest_brief=1)

probe=$(mktemp -d)
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if command -v clang++ >/dev/null && clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  rm -rf "$probe"
  bash scripts/fuzz.sh
else
  rm -rf "$probe"
  echo "clang with libFuzzer is not installed: the fuzz targets are skipped"
fi
