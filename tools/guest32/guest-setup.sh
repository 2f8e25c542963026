#!/bin/sh
# One-off job inside the new i386 guest: finishes the Debian install that was unpacked on the
# host, makes the Wine prefix every test run starts from, and marks the image ready. The host
# trusts the image only when /qz/ready exists, so any failure here leaves it unmarked.
set -eu
echo "guest32: installing the packages inside the guest (a few minutes)"
/debootstrap/debootstrap --second-stage
# On its way out debootstrap unmounts /proc, /sys, /dev/pts and /dev/shm, also where it found them
# mounted; Wine needs them all (without /proc it cannot even find its own ntdll.so).
[ -e /proc/self/exe ] || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sysfs /sys
mountpoint -q /dev/pts || mount -t devpts devpts /dev/pts
mountpoint -q /dev/shm || mount -t tmpfs tmpfs /dev/shm
[ "$(dpkg --print-architecture)" = i386 ] || { echo "guest32: FAILED: not an i386 system"; exit 1; }

echo "guest32: making the Wine prefix"
Xvfb :90 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:90 WINEPREFIX=/opt/qz-wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
wine wineboot --init
wineserver -w
kill $xvfb
# wineboot answers 0 even when it could not finish; the registry and system folder tell.
[ -s $WINEPREFIX/system.reg ] && [ -d $WINEPREFIX/drive_c/windows/system32 ] ||
  { echo "guest32: FAILED: the Wine prefix is incomplete"; exit 1; }

apt-get clean
echo "ready $(wine --version) $(uname -r)" > /qz/ready
echo "guest32: image ready: $(cat /qz/ready)"
