#!/usr/bin/env bash
# A camera card mounted where a Linux desktop mounts media, /media/USER/LABEL, is found, written
# and compared by kestrune. As root the card is a FAT image mounted with FUSE; an ordinary user's
# is a tmpfs. Either is mounted in a private mount namespace, which nothing else sees.
# Arguments: KESTRUNE_PROGRAM.
set -euo pipefail
program=$(realpath "$1")

if [ "${KESTRUNE_CARD_NAMESPACE:-}" = "" ]; then
  if [ "$(id -u)" -eq 0 ] && [ -c /dev/fuse ] && command -v fusefat >/dev/null; then
    exec env KESTRUNE_CARD_NAMESPACE=fat unshare --mount --propagation private "$0" "$program"
  fi
  exec env KESTRUNE_CARD_NAMESPACE=tmpfs unshare --user --map-root-user --mount "$0" "$program"
fi

# shellcheck source=card_lib.sh
source "$(dirname "$0")/card_lib.sh"
# shellcheck source=../../../tools/lib/poll.sh
source "$(dirname "$0")/../../../tools/lib/poll.sh"
kestrune=("$program")
separator=/
work=$(mktemp -d)
label=CAMERA
card="/media/$(id -un)/$label"

clean_up() {
  umount "$card" 2>/dev/null || true
  umount /media 2>/dev/null || true
  rm -rf "$work"
}
trap clean_up EXIT

# The machine's own /media stays untouched under a private one.
mount -t tmpfs kestrune-media /media
mkdir -p "$card"
if [ "$KESTRUNE_CARD_NAMESPACE" = fat ]; then
  truncate -s 32M "$work/card.img"
  mkfs.vfat -n "$label" "$work/card.img" >/dev/null
  fusefat -o rw+ "$work/card.img" "$card" >"$work/fusefat.log" 2>&1
  poll_until 10 mountpoint -q "$card" || { echo "the FAT card did not mount" >&2; exit 1; }
else
  mount -t tmpfs kestrune-card "$card"
fi
mkdir "$card/DCIM"
echo "card: $KESTRUNE_CARD_NAMESPACE at $card"

export HOME="$work/home"
unset XDG_CONFIG_HOME
mkdir -p "$HOME/Desktop"
card_story "$card" "$card" "$label" "${label,,}" "$HOME/Desktop/Kestrune.txt"

# With the card unmounted, the image itself holds the record: its opening tag as the save
# encodes it ("Tambrel", each byte raised by 21).
if [ "$KESTRUNE_CARD_NAMESPACE" = fat ]; then
  umount "$card"
  expect_eq "the image holds the record's tag" yes \
    "$(LC_ALL=C grep -qaF "$(printf '\x69\x76\x82\x77\x87\x7a\x81')" "$work/card.img" && echo yes || echo no)"
fi

[ "$failures" -eq 0 ] || { echo "$failures checks failed" >&2; exit 1; }
echo "the card story passed"
