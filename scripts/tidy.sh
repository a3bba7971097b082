#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) on the C++ sources the last commit changed, or on
# the files named after the build folder. Usage: scripts/tidy.sh BUILD_DIR [FILE...]
set -euo pipefail
cd "$(dirname "$0")/.."
build="$1"
shift
if [ $# -gt 0 ]; then
    files=("$@")
else
    # The first parent of a merge is the main line, so a merge counts everything it brings.
    mapfile -t files < <(git diff --name-only --diff-filter=AM HEAD^1 HEAD -- 'src/*.cpp' 2>/dev/null || true)
fi
if [ ${#files[@]} -eq 0 ]; then
    echo "clang-tidy: no changed sources"
    exit 0
fi
echo "clang-tidy: ${#files[@]} changed sources"
printf '%s\0' "${files[@]}" |
    xargs -0 -n 4 -P "$(nproc)" clang-tidy --quiet -p "$build" --warnings-as-errors='*'
