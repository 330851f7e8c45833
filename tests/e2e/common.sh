# Shared by the end-to-end scripts, sourced with the corvana binary as $1: a copy
# of corvana in a fresh folder with its own HOME, screenshots of the steps when
# SHOTS=folder is set, starting and awaiting the program, and an X server of the
# script's own for scripts not run under xvfb-run.
set -eu
binary=$1
work=$(mktemp -d)
pid=
xvfb=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/bin" "$work/home" "$work/config"
cp "$binary" "$work/bin/corvana"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME

# Starts an X server of the script's own on a display number it picks itself
# (so that scripts started at the same moment never share one), for scripts
# not run under xvfb-run.
own_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    i=0
    while [ ! -s "$work/display" ]; do
        [ $i -lt 100 ] || { echo "e2e: no X server" >&2; exit 1; }
        sleep 0.1
        i=$((i + 1))
    done
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
}
shot() {
    if [ -n "${SHOTS:-}" ]; then import -window root "$SHOTS/$1.png"; fi
}
fail() {
    echo "e2e: $*" >&2
    shot failure
    exit 1
}
# Waits up to 30 s until exactly this many visible windows have this title.
wait_windows() {
    i=0
    while [ $i -lt 300 ]; do
        n=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l) || true
        if [ "$n" -eq "$2" ]; then return 0; fi
        sleep 0.1
        i=$((i + 1))
    done
    fail "not $2 windows \"$1\""
}
# Starts the copy of corvana in its folder, which becomes the current one.
start_corvana() {
    cd "$work"
    "$work/bin/corvana" &
    pid=$!
}
# Waits up to 10 s for corvana to end, which it must do without an error;
# otherwise fails with the message given.
wait_ended() {
    i=0
    while kill -0 "$pid" 2>/dev/null; do
        [ $i -lt 100 ] || fail "$1"
        sleep 0.1
        i=$((i + 1))
    done
    wait "$pid" || fail "corvana ended with an error"
    pid=
}
