#!/usr/bin/env bash
# Renders both calculator windows, filled with a worked example, on a
# virtual X display at 96 dots per inch, into docs/screenshots/loan.png and
# docs/screenshots/drawdown.png. Needs xvfb (xvfb-run) besides the build
# tools. BUILD_DIR chooses the build folder (default build/screenshot).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build/screenshot}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target sumwright_screenshot
mkdir -p docs/screenshots
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" \
  "$build/src/app/sumwright_screenshot" docs/screenshots
echo "wrote docs/screenshots/loan.png and docs/screenshots/drawdown.png"
