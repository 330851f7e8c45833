#!/usr/bin/env bash
# Builds the Debian package from the normal build in build/ and checks it as a
# distribution would: lintian, desktop-file-validate and appstreamcli report no
# error and no warning. Then unpacks it into a throwaway root and converts the
# sample plate list with the corvana-cli it holds.
#   scripts/package.sh     makes build/corvana_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
fail() { echo "package: $*" >&2; exit 1; }

cmake -S . -B build -G Ninja >/dev/null
cmake --build build
rm -f build/corvana_*.deb
(cd build && cpack -G DEB >/dev/null)
debs=(build/corvana_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package: ${debs[*]}"
deb=${debs[0]}
echo "package: $deb, $(stat -c %s "$deb") bytes"

# lintian as for the archive (the vendor's profile), failing on errors and warnings;
# informational and pedantic tags are shown.
lintian --fail-on error,warning --display-info --pedantic "$deb" || fail "lintian reports errors or warnings"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

# Both validators print nothing for a clean file; a hint counts as a failure.
for entry in "$root"/usr/share/applications/*.desktop; do
  report=$(desktop-file-validate "$entry" 2>&1) || true
  [ -z "$report" ] || fail "desktop-file-validate: $report"
done
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metainfo in the package"
appstreamcli validate --no-net "${metainfo[@]}" || fail "appstreamcli validate reports errors or warnings"
# The metainfo against the rest of the package: its desktop entry and icon.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree reports errors or warnings"

# The programs are stripped but keep what they read at run time.
readelf -S -W "$root/usr/bin/corvana" | grep -q '\.corvana\.version' || fail "corvana lost its version block"

# The installed converter gives what the build's gives on the sample list.
"$root/usr/bin/corvana-cli" samples/plates.txt >"$root/installed.txt" || fail "installed corvana-cli failed"
build/cli/corvana-cli samples/plates.txt >"$root/built.txt"
head -n 1 "$root/installed.txt" | grep -q '^Number plate;Wiegand 26-bit (hex);' || fail "installed corvana-cli wrote no result file"
cmp "$root/built.txt" "$root/installed.txt" || fail "installed corvana-cli differs from the build's"
echo "package: ok ($(($(wc -l <"$root/installed.txt") - 1)) plates converted by the installed corvana-cli)"
