#!/usr/bin/env bash
# Installs what is needed, builds, starts a private MariaDB server and runs every test
# on both database engines.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

if url=$(scripts/mariadb.sh start); then
  export TALVEX_TEST_MYSQL_URL="$url"
  trap 'scripts/mariadb.sh stop' EXIT
else
  echo "WARNING: no MariaDB server could be started; the MariaDB tests will be skipped." >&2
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 600
