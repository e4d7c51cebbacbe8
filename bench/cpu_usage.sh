#!/usr/bin/env bash
# The whole program's processor time and peak memory while a run is on:
# user + system time over wall time, on a private Xvfb display.
# Usage: bench/cpu_usage.sh path/to/kaleidra [seconds]
source "$(dirname "$0")/../tests/e2e/lib.sh"
seconds=${2:-30}
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$PROGRAM_PID/stat"
}

start_display
start_program
click_client 736 28
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
