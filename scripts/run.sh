#!/usr/bin/env bash
# Installs what is missing, builds a Release and starts the program on the
# long sample stock quote file (any arguments replace the sample).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF
cmake --build build/release --target velmora
args=("$@")
((${#args[@]})) || args=(data/samples/NRDQ.zrq)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display found: starting the program under a virtual X server (xvfb-run)."
  exec xvfb-run -a build/release/velmora "${args[@]}"
fi
exec build/release/velmora "${args[@]}"
