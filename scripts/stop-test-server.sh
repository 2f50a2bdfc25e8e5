#!/usr/bin/env bash
# Stops the server started by scripts/start-test-server.sh.
PIDFILE=${ORBE_SERVER_PIDFILE:-/tmp/orbe-firebird.pid}
[ -f "$PIDFILE" ] || exit 0
kill "$(cat "$PIDFILE")" 2>/dev/null || true
for _ in $(seq 1 50); do
  kill -0 "$(cat "$PIDFILE")" 2>/dev/null || break
  sleep 0.2
done
rm -f "$PIDFILE"
