#!/usr/bin/env bash
# The utility on a real X server (its own Xvfb, no window manager), driven with xdotool as a user
# would: type a code, Copia and close the box, Salva through the real file dialog, then F2 for
# the preview. The program must still be running after the save, the BMP must be there, and the
# preview must show bars on the screen.
#
#   x_server_test.sh BARCODE_UTILITY WORK_DIR
#
# Exit 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

app=$1
work=$2
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed" >&2; exit 77; }
done

rm -rf "$work"
mkdir -p "$work"
xvfb_pid=
app_pid=
cleanup() {
  local pid
  for pid in $app_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  import -window root "$work/failure.png" 2>/dev/null || true
  exit 1
}

# Polls `condition` (a command) every 50 ms for up to `seconds`.
wait_for() {
  local seconds=$1
  shift
  local tries=$((seconds * 20))
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.05
  done
}
# The id of the visible window named exactly `name`, if there is one.
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
shown() { [ -n "$(window "$1")" ]; }
gone() { [ -z "$(window "$1")" ]; }
alive() { kill -0 "$app_pid" 2>/dev/null; }

# A display of its own: Xvfb picks a free number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
title='Utilit.+ Barcode'
wait_for 10 shown "$title" || fail "no window"
form=$(window "$title")
eval "$(xdotool getwindowgeometry --shell "$form")"
[ "${WIDTH}x$HEIGHT" = 364x59 ] || fail "window is ${WIDTH}x$HEIGHT"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }

# Code, then Copia; its box closed with Return.
click 100 18
xdotool type --delay 10 400638133393
click 336 44
wait_for 10 shown Informazione || fail "no box after Copia"
xdotool windowfocus --sync "$(window Informazione)" key Return
wait_for 10 gone Informazione || fail "the box stayed"
ended() { alive || echo " (the program has ended)"; }
if command -v xclip >/dev/null; then
  timeout 5 xclip -selection clipboard -t image/png -o >"$work/clipboard.png" ||
    fail "no PNG on the clipboard$(ended)"
  [ "$(identify -format %wx%h "$work/clipboard.png")" = 190x50 ] || fail "clipboard picture size"
fi

# Salva: a file name typed into the real dialog, then Return.
click 336 20
wait_for 10 shown 'Salva immagine' || fail "no save dialog"
xdotool windowfocus --sync "$(window 'Salva immagine')"
xdotool type --delay 5 "$work/ean.bmp"
xdotool key Return
wait_for 10 test -s "$work/ean.bmp" || fail "no BMP written"
wait_for 10 gone 'Salva immagine' || fail "the save dialog stayed"
# A quit posted by the closing dialog would arrive by now.
sleep 0.5
alive || fail "the program ended after the Salva dialog"
[ "$(head -c 2 "$work/ean.bmp")" = BM ] || fail "not a BMP"
[ "$(identify -format %wx%h "$work/ean.bmp")" = 190x50 ] || fail "BMP size"

# F2: the preview, beside the window, with the bars on the screen.
xdotool windowfocus --sync "$form" key F2
wait_for 10 shown Anteprima || fail "no preview after F2"
preview=$(window Anteprima)
import -window root "$work/screen.png"
eval "$(xdotool getwindowgeometry --shell "$preview")"
shades=$(convert "$work/screen.png" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage -colorspace Gray \
  -format '%[fx:minima] %[fx:maxima]' info:)
[ "$shades" = "0 1" ] || fail "the preview shows no black bars on white (shades $shades)"
alive || fail "the program ended"
echo "ok: $work/screen.png"
