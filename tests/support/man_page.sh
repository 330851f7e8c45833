# Shared by the manual page tests (sourced): a scratch folder, the project
# installed into it by cmake --install, and a page rendered as man shows it.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8 MANWIDTH=80
fail() { echo "man page: $*" >&2; exit 1; }

# install_project BUILD-DIR: installs into $work/prefix.
install_project() {
    cmake --install "$1" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
}

# render PAGE: renders PAGE into $work/page.txt; any warning of man or groff fails.
render() {
    [ -f "$1" ] || fail "$1 is not installed"
    man -l --warnings=all "$1" >"$work/page.txt" 2>"$work/warnings.txt" || fail "man -l failed on $1"
    [ ! -s "$work/warnings.txt" ] || { cat "$work/warnings.txt" >&2; fail "warnings rendering $1"; }
}
