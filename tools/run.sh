#!/usr/bin/env bash
# Builds the simulator and starts it. The first run, as root, installs what
# is missing; later runs call no package tool and work for any user.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh build run

# A checkout that another user built first (root, say) keeps its build
# folder; this user then builds in a folder of their own.
build=build
if ! { mkdir -p "$build" && [[ -w $build ]]; } 2>/dev/null; then
  build=${XDG_CACHE_HOME:-${HOME:-/nonexistent}/.cache}/qingai-dashu/build
  mkdir -p "$build" 2>/dev/null || build=$(mktemp -d "${TMPDIR:-/tmp}/qingai-dashu-build.XXXXXX")
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDASHU_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target qingai-dashu -j"$(nproc)"
exec "$build/app/qingai-dashu"
