#!/usr/bin/env bash
# Runs a command against a private qz-printer-app: its state, spool, log and control socket
# under FOLDER (made afresh), its web pages and IPP on 127.0.0.1 at a port the kernel picked, and
# a printer's raw socket (device_listener) on 127.0.0.1 for its printers. Both servers are
# bounded and are stopped by their process ids however the command ends.
#
#   with_printer_app.sh FOLDER APP LISTENER COMMAND...
#
# The application runs as user lp: for root PAPPL keeps its control socket and state in /run and
# /var/lib, for another user in TMPDIR and XDG_CONFIG_HOME, which this script points into FOLDER.
# The command sees QZ_APP_URL (http://127.0.0.1:PORT), QZ_APP_CLI (the program as lp, for its
# sub-commands), QZ_APP_PID, QZ_APP_LOG, QZ_DEVICE_URI, QZ_DEVICE_DIR (one file per
# connection), QZ_WORK (a folder of its own). Exits 77 (skipped) when not run as root.
set -euo pipefail
folder=$1 app=$2 listener=$3
shift 3
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: the printer application tests must run as root (they run the application as user lp)" >&2
  exit 77
fi
lifetime=900 # seconds; the tests' own timeouts are shorter
user=lp

rm -rf "$folder"
mkdir -p "$folder"/{home,config,tmp,spool,log,device,work}
chown -R "$user" "$folder"/{home,config,tmp,spool,log}
export HOME=$folder/home XDG_CONFIG_HOME=$folder/config TMPDIR=$folder/tmp
as_app_user=(setpriv --reuid="$user" --regid="$user" --clear-groups)

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

pids=()
stop() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap stop EXIT

timeout "$lifetime" "${as_app_user[@]}" "$app" server -o listen-hostname=127.0.0.1 -o server-port="$port" \
  -o spool-directory="$folder/spool" -o log-file="$folder/log/app.log" -o log-level=info >"$folder/log/app.out" 2>&1 &
pids+=($!)
"$listener" "$folder/device" "$lifetime" &
pids+=($!)

for _ in $(seq 200); do
  if curl -sf -o /dev/null "http://127.0.0.1:$port/" && [ -f "$folder/device/port" ]; then break; fi
  sleep 0.05
done
if ! curl -sf -o /dev/null "http://127.0.0.1:$port/"; then
  echo "the printer application did not start:" >&2
  cat "$folder/log/app.out" "$folder/log/app.log" >&2 2>/dev/null || true
  exit 1
fi
export QZ_APP_URL=http://127.0.0.1:$port QZ_APP_PID=$(pgrep -P "${pids[0]}") QZ_APP_LOG=$folder/log/app.log
export QZ_APP_CLI="${as_app_user[*]} $app"
export QZ_DEVICE_URI="socket://127.0.0.1:$(cat "$folder/device/port")" QZ_DEVICE_DIR=$folder/device QZ_WORK=$folder/work
"$@"
