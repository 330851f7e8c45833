#!/usr/bin/env bash
# Builds Corvana and starts it: for now the batch converter on the sample plate list.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target corvana-cli
build/cli/corvana-cli --all-columns "$@" samples/plates.txt
