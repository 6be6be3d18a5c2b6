#!/usr/bin/env bash
# Installs every Debian package the project builds, runs and tests with.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config clang libclang-rt-14-dev clang-format
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-mysql libsqlite3-dev libmariadb-dev libgl-dev
  libgtest-dev googletest libbenchmark-dev
  libvalijson-dev nlohmann-json3-dev libxml2-dev
  libxlsxwriter-dev libfreexl-dev libzip-dev
  libgs-dev libpoppler-qt6-dev libnss3-tools poppler-utils openssl
  mariadb-server mariadb-client
  xvfb xauth
  libreoffice-writer-nogui libreoffice-calc-nogui
  python3
  # The benchmarks' references: lxml for the Form 3CEB files, openpyxl for the annexure workbooks.
  python3-lxml python3-openpyxl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
