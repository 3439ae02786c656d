# Sourced by the packaging checks: stops with the Debian package to install
# when a tool that the README's set-up installs is missing.
require_tool() {
  if ! command -v "$1" >/dev/null 2>&1; then
    echo "FAIL: $1 is not installed (Debian package: $2)" >&2
    exit 1
  fi
}
