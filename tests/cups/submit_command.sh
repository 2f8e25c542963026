#!/usr/bin/env bash
# Sends one maintenance command to a queue as a command file, the way desktop tools do, and
# waits (at most 15 s) until the queue has finished it.
#
#   submit_command.sh QUEUE 'COMMAND [PARAMETERS]' [LP-OPTIONS...]
set -euo pipefail
queue=$1 command=$2
shift 2
printf '#CUPS-COMMAND\n%s\n' "$command" | lp -d "$queue" "$@" >/dev/null
for _ in $(seq 300); do
  [ -z "$(lpstat -o "$queue")" ] && exit 0
  sleep 0.05
done
echo "submit_command: $queue did not finish '$command' within 15 s" >&2
exit 1
