#!/bin/busybox sh
# First process of the i386 guest, from its initramfs: loads the disk, file-system and share
# drivers (modules in this kernel), mounts the guest root and the host's shared folder at the
# host's own path, runs the job named on the kernel command line in the guest root, powers off.
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

say() { echo "guest32: $*"; }
# Unmounts in reverse order so that a root written by the set-up job is left clean.
finish() {
  kill -9 -1 2>/dev/null
  sleep 1
  for m in "$share" /dev/shm /dev/pts /dev /tmp /run /sys /proc; do
    [ -n "$m" ] && umount "/guest$m" 2>/dev/null
  done
  umount /guest 2>/dev/null || { say "the guest root stayed busy"; mount -o remount,ro /guest; }
  sync
  poweroff -f
}

for m in $(cat /modules/order); do
  insmod "/modules/$m.ko" || say "cannot load the driver $m"
done

job= share= arg=
for word in $(cat /proc/cmdline); do
  case $word in
    qz.job=*) job=${word#qz.job=} ;;
    qz.share=*) share=${word#qz.share=} ;;
    qz.arg=*) arg=${word#qz.arg=} ;;
  esac
done

# The disk appears when the virtio driver has probed it; that is quick but not synchronous.
i=0
while [ ! -b /dev/vda ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
mkdir -p /guest
if ! mount -t ext4 /dev/vda /guest; then
  say "FAILED: cannot mount the guest root"
  poweroff -f
fi
mkdir -p /guest/proc /guest/sys /guest/dev /guest/tmp /guest/run
mount -t proc proc /guest/proc
mount -t sysfs sysfs /guest/sys
mount -t devtmpfs devtmpfs /guest/dev
mkdir -p /guest/dev/pts /guest/dev/shm
mount -t devpts devpts /guest/dev/pts
mount -t tmpfs tmpfs /guest/dev/shm
mount -t tmpfs tmpfs /guest/tmp
mount -t tmpfs tmpfs /guest/run
if [ -n "$share" ]; then
  mkdir -p "/guest$share"
  # cache=loose: without the page cache, Wine loads large programs from this kernel's 9p with
  # corrupt code pages (a page fault at the first instruction of main). Nothing on the host changes
  # the tree during a run, and the guest's writes reach the host when the share is unmounted.
  if ! mount -t 9p -o trans=virtio,version=9p2000.L,msize=524288,cache=loose share "/guest$share"; then
    say "FAILED: cannot mount the shared folder $share"
    finish
  fi
fi

say "guest up after $(cut -d' ' -f1 /proc/uptime)s, running $job"
chroot /guest /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  /bin/sh "$job" "$arg"
say "job ended with status $? after $(cut -d' ' -f1 /proc/uptime)s"
finish
