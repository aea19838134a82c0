#!/usr/bin/env bash
# Launch-to-shown time and peak resident memory of the program next to an
# empty Qt window of the same size. Usage: tools/measure-startup.sh [runs]
# Needs a display (e.g. DISPLAY=:21 under Xvfb) and xdotool; the program is
# taken from build/ (override with DASHU_BIN).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
bin=${DASHU_BIN:-build/app/qingai-dashu}
base_dir=build-startup-baseline
cmake -S tools/startup-baseline -B "$base_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$base_dir" -j2 >/dev/null
base="$base_dir/startup-baseline"

# Prints "milliseconds kilobytes" for one launch: time until a window of the
# given title is mapped, and the process's resident memory at that moment.
measure() {
    local title=$1; shift
    local start end pid rss
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.005
    done
    end=$(date +%s%N)
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) ${rss:-0}"
}

summary() {
    sort -n | awk '{t[NR]=$1; m+=$2} END {printf "%d %d\n", t[int((NR+1)/2)], m/NR}'
}

prog=$(for _ in $(seq "$runs"); do measure 青霭 "$bin"; done | summary)
empty=$(for _ in $(seq "$runs"); do measure empty "$base"; done | summary)
read -r pt pm <<<"$prog"
read -r et em <<<"$empty"
printf '%-12s %10s %12s\n' "" "time (ms)" "RSS (KiB)"
printf '%-12s %10s %12s\n' program "$pt" "$pm" "empty window" "$et" "$em"
awk -v a="$pt" -v b="$et" -v c="$pm" -v d="$em" 'BEGIN {printf "ratio        %10.2f %12.2f   (targets 1.30, 1.50)\n", a/b, c/d}'
