#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one of the README's commands in a fresh, minimal Debian of the given
# release, as a newcomer's new machine has it: only git, make and
# ca-certificates, no locale set, root. The system is made here with
# debootstrap from Debian's archive and removed afterwards, whatever happens;
# its mounts and processes live in namespaces of their own, so none outlives
# the run. The tree goes in as the work tree has it (tracked and new files,
# no build output).
#
#   bash scripts/fresh-debian.sh <release> <command...>
#   bash scripts/fresh-debian.sh trixie make test
#
# Needs root (debootstrap, chroot, mounts) and about 2 GB under /var/tmp.
set -euo pipefail
cd "$(dirname "$0")/.."

[ $# -ge 2 ] || { echo "usage: $0 <release> <command...>" >&2; exit 2; }
release=$1
shift
[ "$(id -u)" -eq 0 ] || { echo "fresh-debian.sh: debootstrap and chroot need root" >&2; exit 1; }
bash scripts/install-deps.sh fresh-debian

root=$(mktemp -d /var/tmp/zibbet-"$release".XXXXXX)
# Never follows a mount out of the system: by the time this runs the
# namespace that held the mounts is gone, but a refusal costs nothing.
trap 'rm -rf --one-file-system "$root"' EXIT

start=$SECONDS
echo "Making a minimal Debian $release in $root"
debootstrap --variant=minbase --include=git,make,ca-certificates "$release" "$root" \
  http://deb.debian.org/debian > "$root.log" 2>&1 || { tail -20 "$root.log" >&2; rm -f "$root.log"; exit 1; }
rm -f "$root.log"
echo "  made in $((SECONDS - start)) s: $(chroot "$root" cat /etc/debian_version)"

mkdir -p "$root/src"
git ls-files -z --cached --others --exclude-standard | tar -c --null -T - | tar -x -C "$root/src"

# A mount and PID namespace: the mounts go when it ends, and so does every
# process started inside (an X server a test left, say).
unshare --mount --pid --fork --propagation private -- bash -c '
  set -e
  root=$1; shift
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount -t tmpfs tmpfs "$root/dev/shm"
  mount -t tmpfs tmpfs "$root/tmp"
  exec chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root TERM="${TERM:-dumb}" bash -c "cd /src && exec \"\$@\"" bash "$@"
' bash "$root" "$@"
