#!/usr/bin/env bash
# Builds ORBE and starts it on its embedded default database; the data folder
# is made with `orbe-admin init` the first time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
DATA_DIR=$(./build/bin/orbe-admin katalog 2>/dev/null || true)
if [ -z "$DATA_DIR" ] || [ ! -f "$DATA_DIR/ORBE.FDB" ]; then
  ./build/bin/orbe-admin init
fi
exec ./build/bin/orbe "$@"
