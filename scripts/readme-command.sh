#!/bin/sh
# Prints the sh block that follows the line "<!-- MARKER -->" in the README,
# exactly as written there.
# Usage: scripts/readme-command.sh MARKER [README]   (default: the project's README.md)
set -eu
readme=${2:-$(dirname "$0")/../README.md}
awk -v marker="<!-- $1 -->" '$0 == marker {found=1; next}
    found && /^```sh/ {inside=1; next} inside && /^```/ {exit} inside {print}' "$readme"
