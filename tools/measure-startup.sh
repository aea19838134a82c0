#!/usr/bin/env bash
# Launch-to-shown time and resident memory of the program next to an empty Qt
# window of the same size, on the same display, and, for reference, next to
# that window holding one line of Chinese text.
#
# Usage: tools/measure-startup.sh [runs]      (default 15)
#
# Builds both in Release (build-startup/, build-startup-baseline/) unless
# DASHU_BIN names the program to measure. Without DISPLAY it starts its own
# Xvfb. An X server that resets when its last client leaves refuses
# connections for a moment after each exit, so a launch that dies before it
# shows a window is retried, and the private server runs with -noreset.
# Needs xdotool (and Xvfb without DISPLAY).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}

if [[ -z ${DASHU_BIN:-} ]]; then
    cmake -S . -B build-startup -DCMAKE_BUILD_TYPE=Release -DDASHU_BUILD_TESTS=OFF >/dev/null
    cmake --build build-startup --target qingai-dashu -j"$(nproc)" >/dev/null
fi
bin=${DASHU_BIN:-build-startup/app/qingai-dashu}
cmake -S tools/startup-baseline -B build-startup-baseline -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-startup-baseline -j"$(nproc)" >/dev/null
base=build-startup-baseline/startup-baseline

xvfb_pid=
cleanup() { [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null; true; }
trap cleanup EXIT
if [[ -z ${DISPLAY:-} ]]; then
    for n in $(seq 90 120); do
        [[ -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=:$n
        break
    done
    until xdotool getmouselocation >/dev/null 2>&1; do sleep 0.05; done
fi

# One launch: "milliseconds shown-KiB settled-KiB", where the time runs until
# a window of the process is mapped, shown-KiB is the resident memory at that
# moment and settled-KiB half a second later, once the first paint is done.
launch() {
    local start end pid shown settled
    while :; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 &
        pid=$!
        until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.002
        done
        end=$(date +%s%N)
        if kill -0 "$pid" 2>/dev/null; then
            shown=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
            sleep 0.5
            settled=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
            kill "$pid"
            wait "$pid" 2>/dev/null || true
            echo "$(((end - start) / 1000000)) $shown $settled"
            return
        fi
        wait "$pid" 2>/dev/null || true  # refused by the display: again
        sleep 0.1
    done
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Interleaved, so that both see the same machine load.
prog_runs=() base_runs=() text_runs=()
for _ in $(seq "$runs"); do
    prog_runs+=("$(launch "$bin")")
    base_runs+=("$(launch "$base")")
    text_runs+=("$(launch "$base" --text)")
done
column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{print $c}' | median; }
pt=$(column 1 "${prog_runs[@]}") ps=$(column 2 "${prog_runs[@]}") pm=$(column 3 "${prog_runs[@]}")
et=$(column 1 "${base_runs[@]}") es=$(column 2 "${base_runs[@]}") em=$(column 3 "${base_runs[@]}")
tt=$(column 1 "${text_runs[@]}") ts=$(column 2 "${text_runs[@]}") tm=$(column 3 "${text_runs[@]}")

printf 'medians of %d launches each\n' "$runs"
printf '%-13s %10s %15s %17s\n' "" "time (ms)" "RSS shown (KiB)" "RSS settled (KiB)"
printf '%-13s %10s %15s %17s\n' program "$pt" "$ps" "$pm" "empty window" "$et" "$es" "$em" \
    "one text line" "$tt" "$ts" "$tm"
ratio() {
    awk -v l="$1" -v a="$2" -v b="$3" -v c="$4" -v d="$5" -v e="$6" -v f="$7" -v n="$8" \
        'BEGIN {printf "%-13s %10.2f %15.2f %17.2f%s\n", l, a / b, c / d, e / f, n}'
}
ratio "program/empty" "$pt" "$et" "$ps" "$es" "$pm" "$em" "   (targets 1.30 and 1.50)"
ratio "text/empty" "$tt" "$et" "$ts" "$es" "$tm" "$em" ""
