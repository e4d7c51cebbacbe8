#!/usr/bin/env bash
# The whole program's processor time and peak memory while a run is on:
# user + system time over wall time, on a private Xvfb display. Given the
# screen saver, it measures that on a 1920 × 1080 screen instead.
# Usage: bench/cpu_usage.sh path/to/kaleidra-or-kaleidra-saver [seconds]
source "$(dirname "$0")/../tests/e2e/lib.sh"
seconds=${2:-30}
saver=$([[ $1 == *kaleidra-saver ]] && echo yes || true)
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$PROGRAM_PID/stat"
}

if [ -n "$saver" ]; then
    start_display -screen 0 1920x1080x24
    "$PROGRAM" -root >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
else
    start_display
    start_program
    click_client 736 28
fi
sleep 1

before=$(cpu_ticks)
started=$(date +%s.%N)
sleep "$seconds"
after=$(cpu_ticks)
ended=$(date +%s.%N)
peak_kib=$(awk '/VmHWM/ { print $2 }' "/proc/$PROGRAM_PID/status")

awk -v ticks=$((after - before)) -v hz="$ticks_per_second" -v from="$started" -v to="$ended" -v peak="$peak_kib" \
    'BEGIN { wall = to - from; cpu = ticks / hz;
             printf "run on for %.1f s: %.2f s of processor time, %.2f %% of one core; peak memory %.1f MB\n",
                    wall, cpu, 100 * cpu / wall, peak / 1024 }'
