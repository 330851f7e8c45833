#!/usr/bin/env bash
# Installs every Debian package Corvana needs to build, test, benchmark and fuzz.
# Does nothing when all of them are present; uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake gcc g++ ninja-build pkg-config ccache
  qt6-base-dev qt6-qpa-plugins fonts-dejavu-core
  # translations: lupdate and lrelease, and Qt's own catalogues for its dialogs
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
  # workbooks: the ZIP container and XML read, .xlsx written; the tests read them
  # back with an independent reader and with a real spreadsheet program
  libzip-dev libxml2-dev libxlsxwriter-dev python3-openpyxl libreoffice-calc-nogui
  # the checksums of the recovery file's batches
  zlib1g-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool xclip x11-utils imagemagick poppler-utils
  python3 python3-xlib gdb man-db groff-base
  # accessibility: the AT-SPI bus and registry on a private session bus, read with pyatspi
  at-spi2-core dbus-daemon dbus-bin python3-pyatspi python3-gi
  # packaging: the checks a distribution runs on the .deb
  lintian desktop-file-utils appstream
  # printing: Qt's CUPS support, and the CUPS server with cups-pdf queues the tests start
  cups cups-client printer-driver-cups-pdf libcups2-dev libqt6printsupport6
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}" >&2
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
