# shellcheck shell=bash
# Sourced: a private Wine prefix under build/ that behaves like a quiet Windows desktop.
# Needs DISPLAY set before the first wine process, so start_xvfb comes first.

# shellcheck source=root.sh
source "$(dirname "${BASH_SOURCE[0]}")/root.sh"
export WINEPREFIX="$KESTRUNE_ROOT/build/wine/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
wine_home="$KESTRUNE_ROOT/build/wine/home"

# The prefix's desktop folder, where the program keeps its settings file.
wine_desktop() {
  local user_dir
  for user_dir in "$WINEPREFIX"/drive_c/users/*; do
    [ "$(basename "$user_dir")" = Public ] && continue
    echo "$user_dir/Desktop"
    return
  done
}

prepare_wine_prefix() {
  mkdir -p "$wine_home"
  export HOME="$wine_home"
  if [ -f "$WINEPREFIX/.kestrune-ready" ]; then
    return
  fi
  echo "wine: creating the prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wineserver -w
  # Without a window manager Wine otherwise waits at every modal close and at exit.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  # A real, private desktop folder instead of the link to the user's home.
  local desktop
  desktop=$(wine_desktop)
  rm -rf "$desktop"
  mkdir -p "$desktop"
  # Wine's own MS Sans Serif and Tahoma, so dialog units come out as on Windows.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$WINEPREFIX/.kestrune-ready"
}

# A wineserver that stays up across test programs, warmed by one program run, so Wine's
# background services do not hold a test runner's output open.
start_wineserver() {
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wineserver() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# Wine learns its drives' types and labels when its server starts. The services it starts then
# inherit the first program's output, which must not be a test runner's.
restart_wineserver() {
  stop_wineserver
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# add_removable_drive LETTER FOLDER LABEL: a card in a reader, as drive LETTER of removable type
# over the folder, with the label given. Fails when the prefix has the letter already.
add_removable_drive() {
  local link="$WINEPREFIX/dosdevices/$1:"
  [ ! -e "$link" ] || { echo "wine: drive $1: is taken in the prefix" >&2; return 1; }
  printf '%s\n' "$3" >"$2/.windows-label"
  ln -s "$2" "$link"
  wine reg add 'HKLM\Software\Wine\Drives' /v "$1:" /d floppy /f </dev/null >/dev/null 2>&1
  restart_wineserver
}

# remove_removable_drive LETTER: takes the card out of the reader again.
remove_removable_drive() {
  rm -f "$WINEPREFIX/dosdevices/$1:"
  wine reg delete 'HKLM\Software\Wine\Drives' /v "$1:" /f </dev/null >/dev/null 2>&1 || true
  restart_wineserver
}
