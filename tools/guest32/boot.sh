#!/usr/bin/env bash
# Boots the i386 guest once under qemu-system-i386 (TCG): its first process runs JOB inside the
# guest root and powers off. The console goes to LOG; lines the guest marks "guest32:" (or that
# match --progress) are echoed here as progress. Exits 124 when the guest outlives the limit (it
# is then killed), otherwise with qemu's status; whether the job itself succeeded is for the
# caller to read from its output.
# Usage: boot.sh --dir IMAGE_DIR --log LOG --limit SECONDS [--snapshot] [--share DIR] [--arg A]
#                [--progress REGEX] JOB
set -euo pipefail
dir= log= limit= snapshot= share= arg= progress=guest32:
while [ $# -gt 1 ]; do
  case $1 in
    --dir) dir=$2; shift 2 ;;
    --log) log=$2; shift 2 ;;
    --limit) limit=$2; shift 2 ;;
    --snapshot) snapshot=-snapshot; shift ;;
    --share) share=$2; shift 2 ;;
    --arg) arg=$2; shift 2 ;;
    --progress) progress=$2; shift 2 ;;
    *) echo "boot.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
job=${1:?boot.sh: no job given}
for f in vmlinuz initrd.img root.img; do
  [ -s "$dir/$f" ] || { echo "boot.sh: $dir/$f is missing" >&2; exit 2; }
done

# The kernel command line is split at spaces, so paths handed through it must have none.
append="console=ttyS0 loglevel=4 panic=1 qz.job=$job"
[ -n "$share" ] && append+=" qz.share=$share"
[ -n "$arg" ] && append+=" qz.arg=$arg"
virtfs=()
[ -n "$share" ] && virtfs=(-virtfs "local,path=$share,mount_tag=share,security_model=none,id=share")

# smap=off: with SMAP the guest kernel oopses at Wine's user-mode iret. -no-reboot turns a guest
# panic (panic=1 reboots) into qemu's exit, so a broken boot ends at once instead of looping.
mkdir -p "$(dirname "$log")"
: > "$log"
timeout --kill-after=20 "$limit" qemu-system-i386 \
  -machine pc -accel tcg,thread=multi -cpu max,smap=off -smp 2 -m 2048 \
  -kernel "$dir/vmlinuz" -initrd "$dir/initrd.img" -append "$append" \
  -drive "file=$dir/root.img,if=virtio,format=raw,cache=unsafe" $snapshot \
  "${virtfs[@]}" -nographic -serial stdio -monitor none -net none -no-reboot \
  </dev/null >>"$log" 2>&1 &
guest=$!
trap 'kill "$guest" 2>/dev/null || true' INT TERM
# The firmware's screen codes may precede the first line on the serial console.
tail --pid="$guest" -n +1 -F "$log" 2>/dev/null | grep --line-buffered -E "$progress" |
  sed -u -e 's/\r$//' -e 's/.*guest32:/guest32:/' || true
status=0
wait "$guest" || status=$?
[ $status -eq 124 ] && echo "guest32: the guest was still running after ${limit}s and was killed"
exit $status
