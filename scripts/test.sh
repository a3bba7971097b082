#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds Orvane with its tests and benchmarks
# under AddressSanitizer and UndefinedBehaviorSanitizer with every warning an error, checks the
# sources the last change touched with clang-tidy, and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependencies.sh

git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

cmake --preset sanitizer
cmake --build --preset sanitizer --parallel "$(nproc)"
bash scripts/tidy.sh build-sanitizer
ctest --preset sanitizer --parallel "$(nproc)"
