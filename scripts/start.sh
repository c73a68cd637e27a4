#!/usr/bin/env bash
# Installs what is missing, builds Simultano and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target Simultano
# The first start (no settings file yet) shows the sample school as an unnamed project.
einstellungen="${XDG_CONFIG_HOME:-$HOME/.config}/Simultano/Simultano.ini"
if [ -e build/bin/Simultano.ini ] || [ -e "$einstellungen" ]; then
  exec build/bin/Simultano "$@"
fi
exec build/bin/Simultano --beispiel "$@"
