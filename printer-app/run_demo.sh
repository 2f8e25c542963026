#!/usr/bin/env bash
# The printer application in the foreground on 127.0.0.1, with a demo printer of the shipped
# model whose file:// device keeps every job in OUT/jobs/; prints the maintenance page's address.
# Its state, spool and log stay in OUT. Ctrl-C stops it.
#
#   run_demo.sh PROGRAM OUT
#
# Run as root, the application runs as user lp: for root PAPPL would keep its control socket and
# state in /run and /var/lib, beside an installed service's.
set -euo pipefail
app=$1 out=$2
printer=Demo
mkdir -p "$out"/{jobs,spool,config,tmp,home}
as_app_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R lp "$out"
  as_app_user=(setpriv --reuid=lp --regid=lp --clear-groups)
fi
export HOME=$out/home XDG_CONFIG_HOME=$out/config TMPDIR=$out/tmp
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

"${as_app_user[@]}" "$app" server -o listen-hostname=127.0.0.1 -o server-port="$port" -o spool-directory="$out/spool" \
  -o log-file="$out/qz-printer-app.log" -o log-level=info &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT INT TERM
for _ in $(seq 100); do curl -sf -o /dev/null "http://127.0.0.1:$port/" && break; sleep 0.1; done

if ! "${as_app_user[@]}" "$app" printers | grep -qx "$printer"; then
  driver=$("$app" drivers | head -n 1 | cut -d' ' -f1) # the shipped store's model
  "${as_app_user[@]}" "$app" add -d "$printer" -m "$driver" -v "file://$out/jobs"
fi
echo "qz-printer-app on http://127.0.0.1:$port/ (log: $out/qz-printer-app.log)"
echo "Maintenance page of the demo printer: http://127.0.0.1:$port/$printer/maintenance"
echo "Every job the printer receives is kept in $out/jobs/. Ctrl-C stops the application."
wait "$pid"
