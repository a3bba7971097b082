#!/usr/bin/env bash
# Installs what is missing, builds Orvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF
cmake --build build --parallel "$(nproc)" --target orvane
exec build/orvane
