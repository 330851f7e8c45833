#!/bin/sh
# The manual page of corvana-cli: it renders with man -l without a warning,
# documents every option --help lists and every exit status, and cmake --install
# puts it where man finds it.
#   man_page.sh CORVANA-CLI BUILD-DIR
set -eu
cli=$1
. "$(dirname "$0")/../support/man_page.sh"

install_project "$2"
render "$work/prefix/share/man/man1/corvana-cli.1.gz"
grep -q '^CORVANA-CLI(1)' "$work/page.txt" || fail "no title line"

# Every option of the usage text is an entry of OPTIONS (a line of its own, indented 7).
"$cli" --help | grep -oE '^  +-[-a-z]+' | tr -d ' ' >"$work/options.txt"
[ "$(wc -l <"$work/options.txt")" -ge 10 ] || fail "too few options found in --help"
for option in $(cat "$work/options.txt") --collisions; do
    grep -qE "^       $option( |\$)" "$work/page.txt" || fail "option $option is not documented"
done
for status in 0 1 2 3; do
    sed -n '/^EXIT STATUS/,/^[A-Z]/p' "$work/page.txt" | grep -qE "^       $status " || fail "exit status $status is not documented"
done
echo "man page: ok"
