#!/usr/bin/env bash
# Runs Vistrel, the screen magnifier.
#
#   scripts/run-vistrel.sh
#
# With a usable X display, Vistrel runs there until you choose Exit in its popup menu
# (right click on the magnifier window). Without one, it runs a short demonstration on
# a private virtual display: a test picture, the cursor over it, a screenshot of the
# screen with the magnifier saved to build/vistrel-demo.png; then the view at 8X with
# inverted colours following the text cursor of a text box typed into while the mouse
# rests elsewhere, saved to build/vistrel-demo-follow.png; then Vistrel is closed and
# the settings it saved are printed. Runs the i686 deliverable (the x86_64 build
# where 32-bit programs cannot run), built when missing, in the persistent Wine
# prefix build/wine/vistrel-prefix (never ~/.wine).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
[[ $# -eq 0 ]] || { echo "usage: scripts/run-vistrel.sh" >&2; exit 2; }

"$repo/scripts/install-deps.sh"
read -r preset _ < <("$repo/scripts/windows-build.sh" Vistrel) || { echo "run-vistrel.sh: no program to run" >&2; exit 1; }

session() { WINEDEBUG=-all "$repo/testing/wine-session.sh" --prefix "$repo/build/wine/vistrel-prefix" "$@"; }
exe=$repo/build/$preset/bin/Vistrel.exe

if [[ -n ${DISPLAY:-} ]] && timeout 5 xdpyinfo >/dev/null 2>&1; then
  # `start` passes the normal show command; started bare, Vistrel would begin hidden.
  KEEP_DISPLAY=1 session /usr/lib/wine/wine64 start /wait /unix "$exe"
  exit
fi

echo "run-vistrel.sh: no usable X display; showing a demonstration on a private one" >&2
# The demonstration types into the test kit's text box.
"$repo/scripts/windows-build.sh" typing_window >/dev/null
typing=$repo/build/$preset/bin/typing_window.exe
unset DISPLAY KEEP_DISPLAY
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
convert -size 320x200 xc:white -fill red -draw "rectangle 20,20 120,90" \
  -fill blue -draw "circle 230,120 270,160" -fill black -pointsize 30 \
  -font /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf -draw "text 20,170 'Vistrel 4X'" \
  "$demo/picture.png"
cat >"$demo/demo.sh" <<SCRIPT
#!/usr/bin/env bash
# Inside the private session: picture, magnifier, cursor, screenshot, close.
set -u
display -geometry +400+300 "$demo/picture.png" & picture=\$!
sleep 1.5
# The prefix keeps what the last demonstration saved: start from plain 4X each time.
for value in ZoomLevel:02000000 ZoomFactor:04000000 CursorType:02000000 InvertColors:00000000 FollowCaret:00000000; do
  /usr/lib/wine/wine64 reg add 'HKCU\\Software\\Quorix Inc.\\Vistrel' /v \${value%%:*} /t REG_BINARY /d \${value#*:} /f >/dev/null
done
/usr/lib/wine/wine64 reg add 'HKCU\\Software\\Quorix Inc.\\Vistrel' /v WindowPosition /t REG_BINARY \\
  /d 1400000014000000680100000e010000 /f >/dev/null
/usr/lib/wine/wine64 start /unix "$exe"
sleep 2
xdotool mousemove 445 452
sleep 1
import -window root "$repo/build/vistrel-demo.png"
/usr/lib/wine/wine64 taskkill /im Vistrel.exe >/dev/null
sleep 2
# Then at 8X, inverted, following the text cursor of a text box typed into while the
# mouse rests on the picture.
for value in ZoomFactor:08000000 InvertColors:01000000 FollowCaret:01000000; do
  /usr/lib/wine/wine64 reg add 'HKCU\\Software\\Quorix Inc.\\Vistrel' /v \${value%%:*} /t REG_BINARY /d \${value#*:} /f >/dev/null
done
/usr/lib/wine/wine64 start /unix "$exe"
sleep 2
xdotool mousemove 600 400
/usr/lib/wine/wine64 start /unix "$typing" 60 420 Vistrel 8X
sleep 1
import -window root "$repo/build/vistrel-demo-follow.png"
/usr/lib/wine/wine64 taskkill /im Vistrel.exe >/dev/null
/usr/lib/wine/wine64 taskkill /im typing_window.exe >/dev/null
sleep 2
/usr/lib/wine/wine64 reg query 'HKCU\\Software\\Quorix Inc.\\Vistrel'
kill \$picture
SCRIPT
chmod +x "$demo/demo.sh"
session "$demo/demo.sh"
echo "run-vistrel.sh: screenshots saved to build/vistrel-demo.png and build/vistrel-demo-follow.png"
