#!/bin/sh
# The manual page of corvana: cmake --install puts it where man finds it, beside
# the page of corvana-cli it points to, and it renders with man -l without a
# warning, with the sections a reader looks for.
#   man_page.sh BUILD-DIR
set -eu
. "$(dirname "$0")/../support/man_page.sh"

install_project "$1"
pages=$work/prefix/share/man/man1
render "$pages/corvana.1.gz"
grep -q '^CORVANA(1)' "$work/page.txt" || fail "no title line"
for section in NAME SYNOPSIS DESCRIPTION FILES ENVIRONMENT 'SEE ALSO'; do
    grep -q "^$section\$" "$work/page.txt" || fail "no section $section"
done
# What a reader looks the page up for: both settings files and the result file.
for text in 'corvana/corvana.ini' 'EXECUTABLE.ini' 'Number plate;Wiegand 26-bit (hex);Facility code;ID number'; do
    grep -qF "$text" "$work/page.txt" || fail "\"$text\" is not described"
done
sed -n '/^SEE ALSO/,$p' "$work/page.txt" | grep -q 'corvana-cli(1)' || fail "no pointer to corvana-cli(1)"
[ -f "$pages/corvana-cli.1.gz" ] || fail "corvana-cli(1) is not installed beside it"
echo "man page: ok"
