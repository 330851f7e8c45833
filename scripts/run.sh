#!/usr/bin/env bash
# Builds Corvana and starts the desktop application. Without a display it says so
# and shows how to use the batch converter corvana-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  cmake --build build --target corvana-cli
  cat >&2 <<'TEXT'
No display found: the desktop application needs an X11 or Wayland session.
The batch converter works without one, for example:

  build/cli/corvana-cli --plate "hk 55 evb"
  build/cli/corvana-cli --table 64 --all-columns samples/plates.txt

Here is the sample plate list converted:
TEXT
  exec build/cli/corvana-cli --all-columns samples/plates.txt
fi
cmake --build build --target corvana
exec build/app/corvana "$@"
