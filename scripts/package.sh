#!/usr/bin/env bash
# Installs what is needed, builds, and makes the Debian package build/talvex_VERSION_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
(cd build && cpack -G DEB)
ls build/talvex_*_amd64.deb
