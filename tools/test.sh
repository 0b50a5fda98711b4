#!/usr/bin/env bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the tests need, builds Corvane with warnings as errors and with
# AddressSanitizer and UndefinedBehaviorSanitizer, checks the formatting, and runs every
# test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== Formatting"
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' \
    'bench/*.cpp' 'fuzz/*.cpp' | xargs -r clang-format --dry-run -Werror

echo "== Build"
# The benchmarks are built too (not run), so none of them falls behind the code it measures.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_WERROR=ON \
    -DCORVANE_SANITIZE=ON -DCORVANE_BENCH=ON
cmake --build build/test -j"$(nproc)"

echo "== Tests"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
cd build/test
ctest --output-on-failure -j"$(nproc)" --timeout 600
