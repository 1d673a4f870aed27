#!/usr/bin/env bash
# Builds Quorvel Companion (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
[ -f build/CMakeCache.txt ] && generator=()
cmake -S . -B build "${generator[@]}"
cmake --build build --parallel "$(nproc)" --target quorvel
exec build/bin/quorvel "$@"
