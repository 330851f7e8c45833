#!/bin/sh
# Runs inside an X server: starts a copy of corvana in a fresh folder with its own
# HOME, types "hk 55 evb" and Enter, saves with Ctrl+S through the real save dialog,
# exits through File > Exit, and compares the result file and the settings file
# byte for byte. SHOTS=folder keeps screenshots of the steps.
. "$(dirname "$0")/common.sh"

# Waits until a window with exactly this title exists; prints its id.
wait_window() {
    i=0
    while [ $i -lt 100 ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
        i=$((i + 1))
    done
    fail "no window \"$1\""
}

start_corvana
main=$(wait_window Corvana)
xdotool windowfocus --sync "$main"
sleep 0.3
xdotool type --delay 30 "hk 55 evb"
xdotool key Return
shot typed
xdotool key ctrl+s
dialog=$(wait_window "Save As")
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool type --delay 10 "$work/saved"
xdotool key Return
message=$(wait_window Corvana)
sleep 0.3
shot saved
# The success message box has the application's title too; Enter closes it.
xdotool key Return
sleep 0.3
xdotool windowfocus --sync "$main"
xdotool key alt+f
sleep 0.3
xdotool key Up Return
wait_ended "corvana did not end"

printf 'Number plate;Wiegand 26-bit (hex);Facility code;ID number\r\nHK55EVB;0x3019E2A;128;53013\r\n' > expected.txt
cmp expected.txt saved.txt || fail "saved file differs"
printf '[settings]\nmode=0\n[wg26]\ncolwidth0=100\ncolwidth1=120\ncolwidth2=-1\ncolwidth3=-1\ncolwidth4=-1\ncolwidth5=100\ncolwidth6=100\n[wg64]\ncolwidth0=120\ncolwidth1=160\ncolwidth2=-1\n' > expected.ini
cmp expected.ini bin/corvana.ini || fail "settings file differs"
echo "e2e: passed"
