#!/usr/bin/env bash
# Unpacks the package scripts/package.sh made into a throw-away folder and runs the programs
# from there on a fresh documents folder, with the source tree and the build folder hidden
# (as root, in a mount namespace of its own): the package must carry all that they read.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
deb=$(ls -t "$project"/build/talvex_*_amd64.deb | head -n 1)
echo "== $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends

# Every dependency can be met from the archive.
if [ "$(id -u)" -eq 0 ]; then
  apt-get install --simulate --quiet "$deb" >/dev/null
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/install"

check() {
  set -euo pipefail
  bin=$1/install/usr/bin
  export TALVEX_DOC_PATH=$1/docs QT_QPA_PLATFORM=offscreen
  unset TALVEX_EXE_PATH TALVEX_INI
  cd "$1"
  "$bin/taxaudit" --version
  "$bin/talvex" --version
  "$bin/taxaudit" demo
  "$bin/taxaudit" generate-json --client C001 --year 2026 --out "$1/3CA.json"
  "$bin/taxaudit" validate "$1/3CA.json"
  "$bin/taxaudit" generate-xml --client C004 --year 2026 --out "$1/3CEB.xml"
  "$bin/talvex" --check-start
  grep -q '^  generate\\-json' "$1/install/usr/share/man/man1/taxaudit.1"
  test -s "$1/install/usr/share/bash-completion/completions/taxaudit"
  test -s "$1/install/usr/share/applications/talvex.desktop"
  test -f "$TALVEX_DOC_PATH/Data/talvex.db"
  echo "== the installed programs ran"
}

if [ "$(id -u)" -eq 0 ] && unshare --mount true 2>/dev/null; then
  export -f check
  unshare --mount bash -c 'mount -t tmpfs tmpfs "$1" && check "$2"' hide "$project" "$root"
else
  echo "WARNING: not root: the source tree stays visible to the installed programs" >&2
  check "$root"
fi
