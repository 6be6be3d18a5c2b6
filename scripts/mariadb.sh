#!/usr/bin/env bash
# A private MariaDB server for the tests: its own data folder, socket and port under
# build/mariadb. "start" prints the address the tests use; "stop" shuts it down.
set -euo pipefail
cd "$(dirname "$0")/.."
D="$PWD/build/mariadb"
PORT="${TALVEX_TEST_MYSQL_PORT:-33906}"

start() {
  if ! command -v mariadbd >/dev/null && ! [ -x /usr/sbin/mariadbd ]; then
    echo "mariadb-server is missing: run scripts/setup.sh" >&2
    return 1
  fi
  export PATH="$PATH:/usr/sbin"
  mkdir -p "$D"
  if [ -S "$D/sock" ] && mariadb --no-defaults -S "$D/sock" -uroot -e "SELECT 1" >/dev/null 2>&1; then
    echo "mysql://root@127.0.0.1:$PORT/talvex_test"
    return 0
  fi
  if [ ! -d "$D/data/mysql" ]; then
    rm -rf "$D/data"
    mariadb-install-db --no-defaults --datadir="$D/data" --user=root \
      --auth-root-authentication-method=normal >"$D/install.log" 2>&1
  fi
  # max_allowed_packet: the program sizes its statements to the server's setting, but one
  # clause row with all its columns must fit in it. 16M (MariaDB's default) is the least a
  # firm's server needs; it is set here so that the tests run at that least.
  mariadbd --no-defaults --datadir="$D/data" --socket="$D/sock" --port="$PORT" \
    --bind-address=127.0.0.1 --user=root --skip-log-bin --pid-file="$D/mariadbd.pid" \
    --character-set-server=utf8mb4 --collation-server=utf8mb4_bin --max-allowed-packet=16M \
    --innodb-flush-log-at-trx-commit=2 --max-connections=500 >"$D/server.log" 2>&1 &
  for _ in $(seq 1 120); do
    if mariadb --no-defaults -S "$D/sock" -uroot -e "SELECT 1" >/dev/null 2>&1; then
      mariadb --no-defaults -S "$D/sock" -uroot -e \
        "CREATE DATABASE IF NOT EXISTS talvex_test CHARACTER SET utf8mb4 COLLATE utf8mb4_bin"
      echo "mysql://root@127.0.0.1:$PORT/talvex_test"
      return 0
    fi
    sleep 0.5
  done
  echo "MariaDB did not start; see $D/server.log" >&2
  return 1
}

stop() {
  if [ -f "$D/mariadbd.pid" ]; then
    kill "$(cat "$D/mariadbd.pid")" 2>/dev/null || true
    for _ in $(seq 1 60); do
      [ -f "$D/mariadbd.pid" ] || break
      sleep 0.5
    done
  fi
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
