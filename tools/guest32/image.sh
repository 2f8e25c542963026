#!/usr/bin/env bash
# Makes sure the cached i386 guest exists and is sound, building it when it is missing, damaged
# or made by an older recipe: a Debian 12 root with 32-bit Wine, Xvfb and a ready Wine prefix
# (minutes to make), and the 686 kernel with a small initramfs (seconds to remake from the kept
# packages). Nothing 32-bit runs on the host: packages are unpacked here and configured inside
# the booted guest. Prints the image folder on success.
# Usage: image.sh [--check]   (--check only says whether the cached image is usable)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cache=${QZ_GUEST32_CACHE:-/var/tmp/qz-guest32}
mirror=${QZ_GUEST32_MIRROR:-http://deb.debian.org/debian}
suite=bookworm
# Wine's X11 extensions, the printing library and a font are what the host's wine64 has too, so
# dialogs and print queues behave alike in both runs.
packages=wine,wine32,xvfb,xauth,libcups2,fonts-dejavu-core,libxrender1,libxrandr2,libxi6,libxcursor1,libxfixes3,libxinerama1,libxcomposite1,libxxf86vm1
# Drivers the root disk, ext4 and the 9p share need; their dependencies are added below.
modules=(virtio_pci virtio_blk crc32c_generic ext4 9pnet_virtio 9p)
image=$cache/image

# What the root and the boot files are made of: the guest-side scripts, the lists above and this
# number, to be raised whenever a change to the steps below changes what they make. Cached files
# of another recipe are remade.
recipe_version=1
root_recipe=$( (echo "$recipe_version $suite $packages"; cat "$here/guest-setup.sh") | sha256sum | cut -d' ' -f1)
boot_recipe=$( (echo "$recipe_version ${modules[*]}"; cat "$here/guest-init.sh") | sha256sum | cut -d' ' -f1)

log() { echo "guest32: $*" >&2; }

# Why the root image in folder $1 cannot be used, or nothing when it can.
root_unusable() {
  [ -f "$1/root.recipe" ] || { echo "no image yet"; return; }
  [ "$(cat "$1/root.recipe")" = "$root_recipe" ] || { echo "image made by another recipe"; return; }
  ls "$1"/debs/linux-image-*.deb "$1"/debs/busybox-static_*.deb >/dev/null 2>&1 ||
    { echo "the kept kernel packages are missing"; return; }
  e2fsck -fn "$1/root.img" >/dev/null 2>&1 || { echo "root file system damaged"; return; }
  debugfs -R 'cat /qz/ready' "$1/root.img" 2>/dev/null | grep -q '^ready' ||
    { echo "root file system never finished its set-up"; return; }
}

# Why the kernel and initramfs in folder $1 cannot be used, or nothing when they can.
boot_unusable() {
  [ "$(cat "$1/boot.recipe" 2>/dev/null)" = "$boot_recipe" ] || { echo "initramfs made by another recipe"; return; }
  (cd "$1" && sha256sum --quiet -c boot.sums >/dev/null 2>&1) || { echo "kernel or initramfs damaged"; return; }
}

# The kernel and busybox for the initramfs, from a private i386 package list: the host's own
# apt configuration and architectures stay untouched.
fetch_boot_packages() {
  local apt=$1/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$1/out/debs"
  : > "$apt/status"
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite main" > "$apt/sources.list"
  local o=(-o "Dir::State=$apt" -o "Dir::State::Lists=$apt/lists" -o "Dir::State::status=$apt/status"
           -o "Dir::Cache=$apt/cache" -o "Dir::Etc::SourceList=$apt/sources.list"
           -o "Dir::Etc::SourceParts=$apt/parts" -o APT::Architecture=i386 -o APT::Architectures::=i386
           -o APT::Sandbox::User=root)
  apt-get -q "${o[@]}" update >"$1/apt.log" 2>&1 || { cat "$1/apt.log" >&2; return 1; }
  local kernel
  kernel=$(apt-cache "${o[@]}" depends linux-image-686 | awk '/Depends: linux-image-[0-9]/ {print $2; exit}')
  [ -n "$kernel" ] || { log "no 686 kernel in the package list"; return 1; }
  (cd "$1/out/debs" && apt-get -q "${o[@]}" download "$kernel" busybox-static >>"$1/apt.log" 2>&1) ||
    { cat "$1/apt.log" >&2; return 1; }
}

# Adds a module and, first, the modules it depends on (read from its .modinfo section).
add_module() {
  local name=${1//-/_} kdir=$2 out=$3 file dep
  grep -qx "$name" "$out/order" 2>/dev/null && return 0
  file=$(find "$kdir" \( -name "$name.ko" -o -name "${name//_/-}.ko" \) | head -n1)
  [ -n "$file" ] || { log "kernel module $name not found"; return 1; }
  for dep in $(tr '\0' '\n' <"$file" | sed -n 's/^depends=//p' | head -n1 | tr ',' ' '); do
    add_module "$dep" "$kdir" "$out" || return 1
  done
  cp "$file" "$out/$name.ko"
  echo "$name" >> "$out/order"
}

# Kernel and initramfs into folder $2 from the packages kept in $1, using the scratch folder $3.
make_boot_files() {
  local debs=$1 out=$2 k=$3/kernel ir=$3/initramfs
  rm -rf "$k" "$ir" "$3/busybox"
  dpkg-deb -x "$(ls "$debs"/linux-image-*.deb)" "$k"
  dpkg-deb -x "$(ls "$debs"/busybox-static_*.deb)" "$3/busybox"
  cp "$(ls "$k"/boot/vmlinuz-*)" "$out/vmlinuz"
  mkdir -p "$ir/bin" "$ir/modules" "$ir/proc" "$ir/sys" "$ir/dev"
  cp "$3/busybox/bin/busybox" "$ir/bin/busybox"
  cp "$here/guest-init.sh" "$ir/init"
  chmod 755 "$ir/init" "$ir/bin/busybox"
  local m
  for m in "${modules[@]}"; do add_module "$m" "$(ls -d "$k"/lib/modules/*)" "$ir/modules"; done
  (cd "$ir" && find . | cpio -o -H newc --quiet | gzip -9) > "$out/initrd.img"
  (cd "$out" && sha256sum vmlinuz initrd.img > boot.sums)
  echo "$boot_recipe" > "$out/boot.recipe"
}

make_root() {
  local work=$1 root=$1/root
  log "unpacking the i386 Debian packages on the host (debootstrap, first stage)"
  debootstrap --foreign --arch=i386 --variant=minbase --include="$packages" "$suite" "$root" "$mirror" \
    >"$work/debootstrap.log" 2>&1 || { tail -n 30 "$work/debootstrap.log" >&2; return 1; }
  # The first stage leaves /proc as a symlink to the host's; the guest mounts its own there.
  if [ -L "$root/proc" ]; then rm "$root/proc" && mkdir "$root/proc"; fi
  mkdir -p "$root/qz"
  install -m 755 "$here/guest-setup.sh" "$root/qz/setup.sh"
  log "writing the root file system image ($(du -sh "$root" | cut -f1) of files)"
  mkfs.ext4 -q -F -L qzroot -d "$root" "$work/out/root.img" 4G >/dev/null
}

build() {
  local work=$cache/work start=$SECONDS
  # debootstrap unpacks files with their owners, and the image keeps them.
  [ "$(id -u)" -eq 0 ] || { log "FAILED: building the image needs root (debootstrap); run it as root"; return 1; }
  rm -rf "$work" && mkdir -p "$work/out"
  log "building the i386 guest image in $cache (6 to 13 minutes on 2 cores, once)"
  log "fetching the 686 kernel and busybox"
  fetch_boot_packages "$work"
  make_boot_files "$work/out/debs" "$work/out" "$work"
  make_root "$work"
  rm -rf "$work/root"
  log "booting the guest to finish the install and make the Wine prefix"
  if ! "$here/boot.sh" --dir "$work/out" --log "$work/setup.log" --limit "${QZ_GUEST32_BUILD_LIMIT:-2400}" \
      --progress 'guest32:|^I: ([A-Z][a-z]+ (core packages|required packages|the base system)|Base system)' /qz/setup.sh; then
    log "FAILED: the set-up boot did not finish; console log: $work/setup.log"
    tail -n 20 "$work/setup.log" >&2
    return 1
  fi
  echo "$root_recipe" > "$work/out/root.recipe"
  local why; why=$(root_unusable "$work/out")
  if [ -n "$why" ]; then
    log "FAILED: the new image is not usable ($why); console log: $work/setup.log"
    tail -n 20 "$work/setup.log" >&2
    return 1
  fi
  cp "$work/setup.log" "$work/out/"
  rm -rf "$image.old"
  [ -d "$image" ] && mv "$image" "$image.old"
  mv "$work/out" "$image"
  rm -rf "$image.old" "$work"
  log "image built in $((SECONDS - start))s"
}

for tool in debootstrap qemu-system-i386 mkfs.ext4 e2fsck debugfs cpio dpkg-deb apt-get; do
  command -v "$tool" >/dev/null || { log "FAILED: $tool is missing (./qz test32 installs it)"; exit 1; }
done
mkdir -p "$cache"
exec 8>"$cache/lock"
flock 8
why=$(root_unusable "$image")
[ -n "$why" ] || why=$(boot_unusable "$image")
if [ "${1:-}" = --check ]; then
  [ -z "$why" ] && { log "the cached image is usable"; exit 0; }
  log "$why"
  exit 1
fi
why=$(root_unusable "$image")
if [ -n "$why" ]; then
  log "$why: building it"
  build >&2 || exit 1
else
  why=$(boot_unusable "$image")
  if [ -n "$why" ]; then
    log "$why: remaking the kernel and initramfs"
    rm -rf "$cache/work" && mkdir -p "$cache/work/out"
    make_boot_files "$image/debs" "$cache/work/out" "$cache/work" >&2 || exit 1
    mv "$cache/work/out"/* "$image/"
    rm -rf "$cache/work"
  fi
fi
echo "$image"
