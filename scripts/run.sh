#!/usr/bin/env bash
# Installs what is missing, builds Orvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependencies.sh
cmake --preset release
cmake --build --preset release --parallel "$(nproc)" --target orvane
exec build-release/orvane "$@"
