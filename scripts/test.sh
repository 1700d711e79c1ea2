#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings are errors) and runs every test headless,
# then the fuzz targets for a short time where clang's libFuzzer is there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON
cmake --build build/asan
export QT_QPA_PLATFORM=offscreen
(cd build/asan && ctest --output-on-failure -j "$(nproc)" --timeout 600)

probe=$(mktemp -d)
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if command -v clang++ >/dev/null && clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  rm -rf "$probe"
  bash scripts/fuzz.sh
else
  rm -rf "$probe"
  echo "clang with libFuzzer is not installed: the fuzz targets are skipped"
fi
