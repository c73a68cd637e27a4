#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Simultano needs.
set -euo pipefail
pakete=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-image-formats-plugins qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libcadical-dev
  clang libclang-rt-14-dev
  fp-utils libchm-dev
  xvfb xauth fonts-dejavu-core
  fonts-liberation poppler-utils libical-dev
  libreoffice-writer-nogui
  dpkg-dev file appstream desktop-file-utils shared-mime-info
)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y "${fehlend[@]}"
fi
