#!/usr/bin/env bash
# Runs a command against a private cupsd: everything under FOLDER (made afresh), the scheduler
# on a Unix socket only, a printer's raw socket on 127.0.0.1 (device_listener) for the queues.
# Both servers are bounded and are stopped by their process ids however the command ends.
#
#   with_cupsd.sh FOLDER LISTENER COMMAND...
#
# The command sees CUPS_SERVER, QZ_DEVICE_URI, QZ_DEVICE_DIR (one file per connection) and
# QZ_CUPS_LOG (the scheduler's error log). QZ_CUPS_SERVER_BIN and QZ_CUPS_DATA_DIR, when set,
# give the scheduler other folders for its programs and its data (an installed driver's). Exits 77 (skipped) when not run as root: cupsd
# needs root to run its filters as another user.
set -euo pipefail
folder=$1 listener=$2
shift 2
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: a private cupsd must run as root (it runs filters as user lp); run the CUPS tests as root" >&2
  exit 77
fi
lifetime=900 # seconds; the test's own timeout is shorter

rm -rf "$folder"
mkdir -p "$folder"/{spool,tmp,cache,state,log,device}
chmod 755 "$folder"
chmod 1777 "$folder/tmp" # the document filters (pdftopdf, gstoraster) run as lp and write there
cat > "$folder/cups-files.conf" <<CONF
ServerRoot $folder
RequestRoot $folder/spool
TempDir $folder/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/printcap
${QZ_CUPS_SERVER_BIN:+ServerBin $QZ_CUPS_SERVER_BIN}
${QZ_CUPS_DATA_DIR:+DataDir $QZ_CUPS_DATA_DIR}
SystemGroup root
User lp
Group lp
CONF
cat > "$folder/cupsd.conf" <<CONF
LogLevel info
Listen $folder/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow @LOCAL
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

pids=()
stop() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap stop EXIT

timeout "$lifetime" cupsd -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf" >"$folder/log/cupsd.out" 2>&1 &
pids+=($!)
"$listener" "$folder/device" "$lifetime" &
pids+=($!)

export CUPS_SERVER=$folder/cups.sock
for _ in $(seq 200); do
  if lpstat -r 2>/dev/null | grep -q 'is running' && [ -f "$folder/device/port" ]; then break; fi
  sleep 0.05
done
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  echo "the private cupsd did not start:" >&2
  cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null || true
  exit 1
fi
export QZ_DEVICE_URI="socket://127.0.0.1:$(cat "$folder/device/port")/?snmp=false"
export QZ_DEVICE_DIR=$folder/device QZ_CUPS_LOG=$folder/log/error_log
"$@"
