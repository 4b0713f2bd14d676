#!/bin/bash
# Runs the real program idle and prints its wakeups per second and CPU share.
#   bench/idle-measure.sh <program> [seconds] [action...]
# Each action is a shell command run once the program has settled (for
# example "xdotool key ..." or a call that opens a window); the measuring
# starts after the last one. Without $DISPLAY the script starts its own Xvfb
# through xvfb-run. Wakeups are the voluntary and involuntary context
# switches of all the program's threads.
set -eu
if [ -z "${DISPLAY:-}" ] && [ -z "${QUOLAN_IDLE_INNER:-}" ]; then
    exec env QUOLAN_IDLE_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
program=$1
seconds=${2:-10}
shift $(( $# >= 2 ? 2 : 1 ))
workdir=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$workdir"' EXIT
cp "$program" "$workdir/quolan"
export XDG_STATE_HOME="$workdir/state" # never the user's recovery copies
"$workdir/quolan" >/dev/null 2>&1 &
pid=$!
sleep 3 # start-up and the first tick of Timer1
for action in "$@"; do
    bash -c "$action"
done
sleep 1

sample() { # prints: switches cpu_ticks
    local switches=0 ticks=0 task
    for task in /proc/"$pid"/task/*; do
        local v n
        v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status")
        n=$(awk '/^nonvoluntary_ctxt_switches/ {print $2}' "$task/status")
        switches=$((switches + v + n))
        # utime and stime: fields 14 and 15, after the command in parentheses.
        ticks=$((ticks + $(sed 's/^.*) //' "$task/stat" | awk '{print $12 + $13}')))
    done
    echo "$switches $ticks"
}
read -r s0 t0 < <(sample)
sleep "$seconds"
read -r s1 t1 < <(sample)
hz=$(getconf CLK_TCK)
awk -v s=$((s1 - s0)) -v t=$((t1 - t0)) -v secs="$seconds" -v hz="$hz" 'BEGIN {
    printf "wakeups/s: %.1f\n", s / secs
    printf "cpu: %.3f s in %d s (%.2f%% of a core)\n", t / hz, secs, 100 * t / hz / secs
}'
