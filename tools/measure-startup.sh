#!/usr/bin/env bash
# Start-up cost of the program next to two yardsticks of the same window size:
# an empty Qt window, and that window holding one line of Chinese in the
# panel's face (what any window showing Chinese pays for fontconfig and a CJK
# face). For each launch it takes, at the moment the first window is mapped:
# the CPU time the process has used (all its threads), the wall time since
# launch and the resident memory; and the resident memory again half a second
# later, once the first paint is done.
#
# Usage: tools/measure-startup.sh [runs]      (default 15)
#
# Builds both in Release (build-startup/, build-startup-baseline/) unless
# DASHU_BIN names the program to measure. Every launch runs on a private
# Xvfb without a window manager and with a private D-Bus session bus, as on
# a desktop; the three are launched in turn, so that all see the same load.
# The mapping is seen through one `xev` watching the root window, so nothing
# polls while a launch is measured. Every wait is bounded: a launch that
# shows no window within DASHU_LAUNCH_TIMEOUT seconds (default 20), or dies
# first, ends the script with a message.
# Needs Xvfb, xev (x11-utils), dbus-daemon and stdbuf (coreutils).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
launch_timeout=${DASHU_LAUNCH_TIMEOUT:-20}

die() { echo "measure-startup: $*" >&2; exit 1; }
for tool in Xvfb xev dbus-daemon stdbuf; do
    command -v "$tool" >/dev/null || die "$tool not found"
done

if [[ -z ${DASHU_BIN:-} ]]; then
    cmake -S . -B build-startup -DCMAKE_BUILD_TYPE=Release -DDASHU_BUILD_TESTS=OFF >/dev/null
    cmake --build build-startup --target qingai-dashu -j2 >/dev/null
fi
bin=${DASHU_BIN:-build-startup/app/qingai-dashu}
cmake -S tools/startup-baseline -B build-startup-baseline -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-startup-baseline -j2 >/dev/null
base=build-startup-baseline/startup-baseline

scratch=$(mktemp -d /tmp/dashu-startup.XXXXXX)
xvfb_pid= dbus_pid= watch_pid=
cleanup() {
    for pid in $watch_pid $dbus_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display and names it once it accepts connections; it runs
# without resets, so a client's exit never makes it refuse the next one.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
read -r -t 10 display <"$scratch/display" || die "Xvfb did not come up: $(cat "$scratch/xvfb.log")"
export DISPLAY=:$display

timeout 10 dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$scratch/dbus" \
    || die "no D-Bus session bus"
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r dbus_pid; } <"$scratch/dbus"
export DBUS_SESSION_BUS_ADDRESS
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime

coproc WATCH { exec stdbuf -oL xev -root -event substructure; }
watch_pid=$WATCH_PID
exec {events}<&"${WATCH[0]}"

# Skips whatever the last launch left in the event stream (its unmapping).
drain() {
    local line
    while read -r -t 0.1 -u "$events" line; do :; done
}

# Waits until a window is mapped; fails when `pid` dies first or on time-out.
wait_mapped() {
    local pid=$1 line deadline=$((SECONDS + launch_timeout))
    while ((SECONDS < deadline)); do
        if read -r -t 0.25 -u "$events" line; then
            [[ $line == MapNotify* ]] && return 0
        else
            kill -0 "$pid" 2>/dev/null || return 1
            kill -0 "$watch_pid" 2>/dev/null || die "xev ended"
        fi
    done
    return 1
}

clock_tick=$(getconf CLK_TCK) page_kib=$(($(getconf PAGESIZE) / 1024))

# Sets `cpu` to the CPU time of all threads in microseconds: the scheduler's
# nanosecond account where the kernel keeps one, else user and system ticks.
# Builtins only, so the reading follows the mapping at once.
read_cpu() {
    local pid=$1 task run _ stat
    cpu=0
    if [[ -r /proc/$pid/schedstat ]]; then
        for task in /proc/"$pid"/task/*; do
            read -r run _ <"$task/schedstat" 2>/dev/null || continue
            cpu=$((cpu + run / 1000))
        done
        return
    fi
    read -r stat <"/proc/$pid/stat"
    stat=(${stat##*) })
    cpu=$(((stat[11] + stat[12]) * 1000000 / clock_tick))
}

# Sets `rss` to the resident memory in KiB.
read_rss() {
    local _ pages
    read -r _ pages _ <"/proc/$1/statm"
    rss=$((pages * page_kib))
}

stop() {
    local pid=$1 i
    kill "$pid" 2>/dev/null || true
    for i in {1..50}; do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# One launch: "wall-ms cpu-ms shown-KiB settled-KiB".
launch() {
    local start end pid cpu rss shown settled status
    drain
    start=${EPOCHREALTIME/./}
    "$@" >"$scratch/out.log" 2>&1 &
    pid=$!
    if ! wait_mapped "$pid"; then
        if kill -0 "$pid" 2>/dev/null; then
            stop "$pid"
            die "$* showed no window within ${launch_timeout}s: $(tail -5 "$scratch/out.log")"
        fi
        wait "$pid" && status=0 || status=$?
        die "$* ended with status $status before showing a window: $(tail -5 "$scratch/out.log")"
    fi
    read_cpu "$pid"
    end=${EPOCHREALTIME/./}
    read_rss "$pid"
    shown=$rss
    sleep 0.5
    read_rss "$pid"
    settled=$rss
    stop "$pid"
    echo "$(((end - start) / 1000)) $((cpu / 1000)).$((cpu % 1000 / 100)) $shown $settled"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# One unmeasured round warms the caches and proves the watcher sees windows.
launch "$bin" >/dev/null
launch "$base" >/dev/null
launch "$base" --text >/dev/null

prog_runs=() base_runs=() text_runs=()
for _ in $(seq "$runs"); do
    prog_runs+=("$(launch "$bin")")
    base_runs+=("$(launch "$base")")
    text_runs+=("$(launch "$base" --text)")
done
column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{print $c}' | median; }
for who in prog base text; do
    declare -n runs_of=${who}_runs
    for c in 1 2 3 4; do
        declare "${who}_$c=$(column "$c" "${runs_of[@]}")"
    done
    unset -n runs_of
done

printf 'medians of %d launches each\n' "$runs"
printf '%-15s %9s %9s %15s %17s\n' "" "wall (ms)" "CPU (ms)" "RSS shown (KiB)" "RSS settled (KiB)"
row() { printf '%-15s %9s %9s %15s %17s\n' "$@"; }
row program "$prog_1" "$prog_2" "$prog_3" "$prog_4"
row "empty window" "$base_1" "$base_2" "$base_3" "$base_4"
row "one text line" "$text_1" "$text_2" "$text_3" "$text_4"
ratio() {
    local label=$1 a=$2 b=$3 note=${4:-}
    declare -n x1=${a}_1 x2=${a}_2 x3=${a}_3 x4=${a}_4 y1=${b}_1 y2=${b}_2 y3=${b}_3 y4=${b}_4
    awk -v l="$label" -v n="$note" -v a="$x1" -v b="$y1" -v c="$x2" -v d="$y2" -v e="$x3" -v f="$y3" \
        -v g="$x4" -v h="$y4" 'BEGIN {printf "%-15s %9.2f %9.2f %15.2f %17.2f%s\n", l, a/b, c/d, e/f, g/h, n}'
}
ratio "program/text" prog text "   (targets: CPU 1.30, RSS 1.20)"
ratio "program/empty" prog base
ratio "text/empty" text base
