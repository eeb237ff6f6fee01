#!/usr/bin/env bash
# Two small volumes that the fault tests need and Wine cannot make itself:
#   full/       a file system of 256 KB, for a disk that fills up during a save
#   readonly/   a read-only view of readonly-source/, for a folder the user
#               may read but not write to
# "mount" makes them, "unmount" takes them away again. Mounting needs root;
# without it they are not made, and the tests that need them say so and are
# skipped.
set -uo pipefail
action="$1"
dir="$2"
case "$action" in
mount)
  mkdir -p "$dir/full" "$dir/readonly" "$dir/readonly-source"
  if ! mountpoint -q "$dir/full"; then
    mount -t tmpfs -o size=256k vantry-full "$dir/full" 2>/dev/null ||
      echo "volumes.sh: cannot mount a small file system at $dir/full (root needed)"
  fi
  if ! mountpoint -q "$dir/readonly"; then
    { mount --bind "$dir/readonly-source" "$dir/readonly" && mount -o remount,bind,ro "$dir/readonly"; } 2>/dev/null ||
      echo "volumes.sh: cannot mount a read-only folder at $dir/readonly (root needed)"
  fi
  ;;
unmount)
  for volume in full readonly; do
    if mountpoint -q "$dir/$volume"; then umount "$dir/$volume"; fi
  done
  ;;
*)
  echo "usage: volumes.sh mount|unmount DIR" >&2
  exit 2
  ;;
esac
exit 0
