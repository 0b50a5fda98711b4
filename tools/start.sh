#!/usr/bin/env bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Corvane needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=OFF
cmake --build build/release --target corvane corvane_data -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Corvane is built (build/release/corvane), but there is no display to show it on:"
    echo "start it from a desktop session, or under Xvfb with: xvfb-run build/release/corvane"
    exit 1
fi
exec build/release/corvane "$@"
