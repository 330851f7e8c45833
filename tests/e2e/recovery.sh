#!/bin/sh
# Runs in an X server of its own, with corvana as $1 and corvana-cli as $2: 100 plates
# typed and the fifth row deleted with Shift+Del, then, once the recovery file has
# caught up, corvana is killed with SIGKILL. The next start offers the unsaved
# rows; Enter (Yes) restores them, and Save as writes exactly the 99 rows the
# window showed, as corvana-cli computes them. A normal exit then leaves no
# recovery file behind. SHOTS=folder keeps screenshots of the steps.
. "$(dirname "$0")/common.sh"
cli=$2
own_display
export XDG_DATA_HOME="$work/data"
recovery="$work/data/corvana/recovery"

main_window() {
    xdotool search --onlyvisible --name '^Corvana$' | head -n 1
}
# Returns once corvana has handled every key and click sent before: the save
# dialog opens only then. Escape closes it again.
handled() {
    xdotool key ctrl+s
    wait_windows "Save As" 1
    xdotool key Escape
    wait_windows "Save As" 0
}

start_corvana
wait_windows Corvana 1
main=$(main_window)
xdotool windowfocus --sync "$main"
sleep 0.3
for i in $(seq 100); do
    xdotool type --delay 5 "t $i"
    xdotool key Return
done
handled
# A click on T5's row, then Shift+Del deletes the row.
xdotool mousemove --window "$main" 60 237 click 1
sleep 0.3
xdotool key shift+Delete
handled
shot typed
sleep 5 # the recovery file is brought up to date a few seconds after a change
ls "$recovery"/*.recovery >/dev/null 2>&1 || fail "no recovery file"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=

start_corvana
wait_windows Corvana 2 # the window and the offer
sleep 0.3
shot offer
xdotool key Return
wait_windows Corvana 1
main=$(main_window)
xdotool windowfocus --sync "$main"
sleep 0.3
xdotool key ctrl+s
wait_windows "Save As" 1
dialog=$(xdotool search --onlyvisible --name '^Save As$' | head -n 1)
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool type --delay 10 "$work/restored"
xdotool key Return
wait_windows Corvana 2
sleep 0.3
shot saved
xdotool key Return
wait_windows Corvana 1
ls "$recovery"/*.recovery >/dev/null 2>&1 && fail "the recovery file outlived Save as"
xdotool windowfocus --sync "$main"
xdotool key alt+f
sleep 0.3
xdotool key Up Return
wait_ended "corvana did not end"
[ -z "$(ls "$recovery")" ] || fail "files left in the recovery folder: $(ls "$recovery")"

args=
for i in $(seq 100); do [ "$i" -eq 5 ] || args="$args --plate t$i"; done
"$cli" $args > expected.txt
cmp expected.txt restored.txt || { diff expected.txt restored.txt >&2; fail "restored rows differ"; }
echo "e2e: passed"
