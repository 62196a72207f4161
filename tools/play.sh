#!/usr/bin/env bash
# Installs what is missing, builds, and starts the engine's brain program,
# which speaks the gomoku brain protocol on standard input and output.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/play --target pbrain-quinterra
exec build/play/brain/pbrain-quinterra
