#!/bin/bash
# The program in a real notification area: trayer as the tray host and
# openbox as the window manager, under a private X server (xvfb-run).
#   tray-desktop-test.sh <program>
set -u
program=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to 5 s for a condition.
waitFor() {
    for _ in $(seq 50); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}

# The settings file lands beside the program; addresses go to a fake browser.
cp "$program" "$work/quolan"
mkdir "$work/bin"
printf '#!/bin/sh\necho "$1" >> %s/opened\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
# Recovery copies go to a folder of the test's own, never the user's.
export XDG_STATE_HOME="$work/state"

openbox >/dev/null 2>&1 & pids+=($!)
sleep 1
"$work/quolan" >/dev/null 2>&1 & quolan=$!; pids+=($quolan)
waitFor '[ -n "$(xdotool search --name "^Quolan for Brennow$" 2>/dev/null)" ]' || fail "no main window"
main=$(xdotool search --name "^Quolan for Brennow$" | head -1)
state() { xprop -id "$main" _NET_WM_STATE 2>/dev/null; }
sleep 1.5 # past the first tick of Timer1
state | grep -q SKIP_TASKBAR && fail "taskbar button hidden without a tray"

trayer --edge bottom >/dev/null 2>&1 & trayer=$!; pids+=($trayer)
waitFor 'state | grep -q SKIP_TASKBAR' || fail "taskbar button not hidden with a tray"
iconLine() { xwininfo -root -tree | grep '("quolan" "Quolan")' | grep -v 'Quolan for Brennow'; }
waitFor '[ -n "$(iconLine)" ]' || fail "no icon in the tray"
icon=$(iconLine | awk '{print $1}')
echo "icon window $icon, taskbar button hidden"

wmState() { xprop -id "$main" WM_STATE | grep 'window state'; }
xdotool windowminimize "$main"
waitFor 'wmState | grep -q Iconic' || fail "not minimised"
xdotool mousemove --window "$icon" 8 8 click 1
waitFor 'wmState | grep -q Normal' || fail "a click on the icon did not restore"
waitFor 'state | grep -q SKIP_TASKBAR' || fail "taskbar button back after restoring"
echo "click restored"

# Right click: the menu; four steps down is "Посетить Brennow".
sleep 0.6 # no double click with the click before
xdotool mousemove --window "$icon" 8 8 click 3
sleep 0.5
xdotool key Down Down Down Down Return
waitFor '[ -s "$work/opened" ]' || fail "the link opened nothing"
grep -qx 'http://www.brennow.org/' "$work/opened" || fail "opened $(cat "$work/opened")"
echo "link opened: $(cat "$work/opened")"

# "Выход", the menu's last item, ends the program; no icon stays behind.
xdotool mousemove --window "$icon" 8 8 click 3
sleep 0.5
xdotool key Up Return
waitFor '! kill -0 $quolan 2>/dev/null' || fail "Выход did not end the program"
wait "$quolan"; code=$?
[ "$code" -eq 0 ] || fail "exit code $code"
[ -z "$(iconLine)" ] || fail "icon left in the tray"
trayerProcess=$trayer
kill -0 "$trayerProcess" || fail "tray host died"

# Without the tray the button comes back while the program runs.
"$work/quolan" >/dev/null 2>&1 & quolan=$!; pids+=($quolan)
waitFor '[ -n "$(xdotool search --name "^Quolan for Brennow$" 2>/dev/null)" ]' || fail "no second run"
main=$(xdotool search --name "^Quolan for Brennow$" | head -1)
waitFor 'state | grep -q SKIP_TASKBAR' || fail "second run: button not hidden"
kill "$trayer"
waitFor '! state | grep -q SKIP_TASKBAR' || fail "tray gone, button still hidden"
echo "tray gone: taskbar button shown again"
echo PASS
