#!/usr/bin/env bash
# Checks the formatting of the C++ sources, builds Quorvel Companion and runs every test, headless.
#   ./test.sh             the normal build, in build/
#   ./test.sh --sanitize  the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
#   --werror              (with either) warnings in the project's own code stop the build
set -euo pipefail
cd "$(dirname "$0")"

build_dir=build
cmake_args=()
werror=OFF
for arg in "$@"; do
  case "$arg" in
    --sanitize)
      build_dir=build-sanitize
      cmake_args+=(-DQUORVEL_SANITIZE=ON -DQUORVEL_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
      ;;
    --werror) werror=ON ;;
    *) echo "usage: $0 [--sanitize] [--werror]" >&2; exit 2 ;;
  esac
done
cmake_args+=(-DQUORVEL_WERROR=$werror)

./scripts/install-deps
./scripts/check-format
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
[ -f "$build_dir/CMakeCache.txt" ] && generator=()
cmake -S . -B "$build_dir" "${generator[@]}" "${cmake_args[@]}"
cmake --build "$build_dir" --parallel "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
