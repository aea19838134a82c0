#!/usr/bin/env bash
# Installs what is needed, builds the simulator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDASHU_BUILD_TESTS=OFF >/dev/null
cmake --build build --target qingai-dashu -j"$(nproc)"
exec ./build/app/qingai-dashu
