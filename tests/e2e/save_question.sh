#!/bin/sh
# Runs inside an X server: starts a copy of corvana in a fresh folder, types two
# plates, and presses Ctrl+N: "Save the results?" opens, and Escape (Cancel) keeps
# the rows. File > Exit asks again; Enter (Yes) opens the real save dialog, and
# once the file is written corvana ends. The saved file holds both plates.
# SHOTS=folder keeps screenshots of the steps.
. "$(dirname "$0")/common.sh"

start_corvana
wait_windows Corvana 1
main=$(xdotool search --onlyvisible --name '^Corvana$' | head -n 1)
xdotool windowfocus --sync "$main"
sleep 0.3
xdotool type --delay 30 "b 2"
xdotool key Return
xdotool type --delay 30 "a 1"
xdotool key Return
sleep 0.2

# File > New asks; the message box has the application's title too.
xdotool key ctrl+n
wait_windows Corvana 2
sleep 0.3
shot question
xdotool key Escape
wait_windows Corvana 1
kill -0 "$pid" || fail "corvana ended on Cancel"

# File > Exit asks again; Enter is Yes, which saves first.
xdotool windowfocus --sync "$main"
xdotool key alt+f
sleep 0.3
xdotool key Up Return
wait_windows Corvana 2
sleep 0.3
xdotool key Return
wait_windows "Save As" 1
dialog=$(xdotool search --onlyvisible --name '^Save As$' | head -n 1)
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool type --delay 10 "$work/kept"
xdotool key Return
wait_windows Corvana 2
sleep 0.3
shot saved
xdotool key Return
wait_ended "corvana did not end after saving"

printf 'Number plate;Wiegand 26-bit (hex);Facility code;ID number\r\nB2;0x21965FD;12;45822\r\nA1;0x2C998B3;100;52313\r\n' > expected.txt
cmp expected.txt kept.txt || { cat kept.txt >&2; fail "saved file differs"; }
echo "e2e: passed"
