#!/usr/bin/env bash
# What Orca says while keys are pressed in the program: a private X server,
# session bus and accessibility bus, the program with accessibility on, and
# Orca with its own settings (no speech server, so nothing is heard) and a
# debug log. Prints every utterance, one per line, in order.
#
# Usage: tools/orca-speech.sh [keys…]      (xdotool key names; default:
#        ctrl+r ctrl+d, a roll and a hit with no book chosen)
# Needs Xvfb, openbox, dbus-launch, at-spi2-core, orca and xdotool
# (tools/install-deps.sh ui). DASHU_BIN names the program to run
# (default build/app/qingai-dashu).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${DASHU_BIN:-build/app/qingai-dashu}
(($#)) || set -- ctrl+r ctrl+d
scratch=$(mktemp -d /tmp/dashu-orca.XXXXXX)
display=:$((90 + RANDOM % 9))
cleanup() { kill $(jobs -p) 2>/dev/null || true; [[ -n ${DBUS_SESSION_BUS_PID:-} ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT

Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
sleep 0.8
export DISPLAY=$display XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 0.8
openbox >/dev/null 2>&1 &
mkdir -p "$scratch/orca"
cat >"$scratch/orca/orca-customizations.py" <<'PY'
import orca.settings
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
PY
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin" >"$scratch/app.log" 2>&1 &
sleep 2.5
orca --replace -u "$scratch/orca" --debug-file="$scratch/orca.log" >/dev/null 2>&1 &
sleep 4
xdotool search --name "青霭灵踪" windowactivate --sync >/dev/null 2>&1 || true
sleep 0.5
: >"$scratch/mark"
before=$(wc -l <"$scratch/orca.log")
for key in "$@"; do
    echo "== $key"
    xdotool key "$key"
    sleep 1.5
    now=$(wc -l <"$scratch/orca.log")
    sed -n "$((before + 1)),${now}p" "$scratch/orca.log" | grep -o "SPEECH OUTPUT: '.*'" | sed "s/^SPEECH OUTPUT: //" || true
    before=$now
done
