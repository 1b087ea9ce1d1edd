#!/usr/bin/env bash
# Installs what is missing, builds the game and its pictures and sounds, and
# starts it from its own folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target zirubo
cd build/release/game
exec ./zirubo "$@"
