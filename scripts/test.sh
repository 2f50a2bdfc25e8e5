#!/usr/bin/env bash
# Builds everything and runs the whole test suite: first the tests on embedded
# databases, then (as root) the multi-workstation group against a Firebird
# server started on 127.0.0.1 for the run.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh || exit 1
export QT_QPA_PLATFORM=offscreen
status=0
(cd build && ctest -LE server --output-on-failure -j2) || status=1

if [ "$(id -u)" -eq 0 ]; then
  bash scripts/start-test-server.sh || exit 1
  (cd build && ORBE_TEST_SERWER=127.0.0.1 ctest -L server --output-on-failure) || status=1
  bash scripts/stop-test-server.sh
else
  echo "test.sh: not root, the server group is skipped (it needs to start a Firebird server)"
fi
exit $status
