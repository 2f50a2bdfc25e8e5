#!/usr/bin/env bash
# Starts a Firebird server on 127.0.0.1:3050 for the multi-workstation tests,
# with SYSDBA's password set to the program's default. Prints the server's PID
# file path; stop it with scripts/stop-test-server.sh.
set -euo pipefail
PIDFILE=${ORBE_SERVER_PIDFILE:-/tmp/orbe-firebird.pid}
PASSWORD=${ORBE_SYSDBA_PASSWORD:-quillfern}
SECURITY_DB=/var/lib/firebird/3.0/system/security3.fdb

if [ "$(id -u)" -ne 0 ]; then
  echo "start-test-server: must run as root (it sets the server's SYSDBA password)" >&2
  exit 1
fi
if (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; then
  echo "start-test-server: a server already listens on 127.0.0.1:3050"
  exit 0
fi

# The password is set through the embedded engine before the server starts.
echo "create or alter user SYSDBA password '${PASSWORD}' using plugin Srp; commit;" |
  isql-fb -q -user SYSDBA "$SECURITY_DB" >/dev/null

nohup /usr/sbin/firebird >/tmp/orbe-firebird.log 2>&1 &
echo $! >"$PIDFILE"
for _ in $(seq 1 50); do
  if (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; then
    echo "start-test-server: listening on 127.0.0.1:3050 (pid $(cat "$PIDFILE"))"
    exit 0
  fi
  sleep 0.2
done
echo "start-test-server: the server did not start; see /tmp/orbe-firebird.log" >&2
exit 1
