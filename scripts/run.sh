#!/usr/bin/env bash
# Installs what is needed, builds, and opens the desktop program on the embedded
# database; the first run creates the demo clients.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/bin/talvex "$@"
