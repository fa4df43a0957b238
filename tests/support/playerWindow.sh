#!/usr/bin/env bash
# Starts a player executable on the current display, waits for its window and reports on it.
# Usage: playerWindow.sh EXECUTABLE OUTPUT_PREFIX [focus|nofocus] [player arguments...]
# Writes OUTPUT_PREFIX.geometry ("WIDTHxHEIGHT") and OUTPUT_PREFIX.png (a screenshot of the
# window after about two seconds). Focusing the window stands in for the user clicking it:
# a virtual display has no window manager to give it focus.
# PLAYER_WAIT sets the seconds between focusing and the first screenshot (default 2).
# With PLAYER_INPUT set (xdotool commands, ";"-separated, e.g. "keydown Up; sleep 1; keyup Up")
# the commands are then sent to the window and OUTPUT_PREFIX-after.png shows the result; the
# word WINDOW in them stands for the window's id ("mousemove --window WINDOW 10 20").
# Variables the player stores go to XDG_DATA_HOME when it is set, else to a folder of this run
# alone, never to the user's own data.
set -u
executable="$1"; prefix="$2"; focus="$3"; shift 3
own_data=""
if [ -z "${XDG_DATA_HOME:-}" ]; then
  own_data="$(mktemp -d /tmp/helixpane-data-XXXXXX)"
  export XDG_DATA_HOME="$own_data"
fi
"$executable" "$@" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; [ -n "$own_data" ] && rm -rf "$own_data"' EXIT
window=""
for _ in $(seq 1 100); do
  window="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -1)"
  [ -z "$window" ] && window="$(xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | tail -1)"
  if [ -n "$window" ] && xwininfo -id "$window" 2>/dev/null | grep -q IsViewable; then
    root_size="$(xwininfo -root | awk '/geometry/ {print $2}' | cut -d+ -f1)"
    size="$(xwininfo -id "$window" | awk '/geometry/ {print $2}' | cut -d+ -f1)"
    [ "$size" != "$root_size" ] && break
  fi
  window=""
  sleep 0.1
done
[ -n "$window" ] || { echo "no window" >&2; exit 1; }
echo "$size" > "$prefix.geometry"
[ "$focus" = focus ] && xdotool windowfocus "$window"
sleep "${PLAYER_WAIT:-2}"
import -window "$window" "$prefix.png"
if [ -n "${PLAYER_INPUT:-}" ]; then
  IFS=';' read -ra commands <<< "$PLAYER_INPUT"
  for command in "${commands[@]}"; do
    read -ra words <<< "$command"
    words=("${words[@]/#WINDOW/$window}")
    if [ "${words[0]}" = sleep ]; then sleep "${words[1]}"; else xdotool "${words[@]}"; fi
  done
  sleep 1
  import -window "$window" "$prefix-after.png"
fi
