#!/usr/bin/env bash
# One end-to-end case: makes a test installation laid out as the installed one (bin/zephine,
# bin/zephine-program, share/zephine/Diy), starts it under its own Xvfb with no window manager,
# drives it with xdotool and reads the screen back with ImageMagick.
# Usage: e2e.sh CASE PROGRAM INSTALL_MAKER
set -uo pipefail
case_name=$1 program=$(realpath "$2") maker=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid="" app_pid=""

cleanup() {
  [ -n "${answerer:-}" ] && kill "$answerer" 2>/dev/null
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "${E2E_KEEP:-}" ] && cp "$work/log" "$E2E_KEEP.log"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

make_install() {  # [empty]
  mkdir -p "$work/bin" "$work/share/zephine/Diy"
  cp "$here/../../src/zephine.sh" "$work/bin/zephine"
  ln -s "$program" "$work/bin/zephine-program"
  if [ "${1:-}" != empty ]; then
    "$maker" "$work/share/zephine" || fail "test installation"
    add_model  # without a model the start shows "Load Error" first
  fi
}

start_display() {  # WIDTHxHEIGHT
  exec 5>"$work/display"
  Xvfb -displayfd 5 -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"
  [ "$DISPLAY" != ":" ] || fail "Xvfb did not start"
}

start_program() {  # ARGS...
  # Works and the trash go into the test's own data folder.
  SDL_AUDIODRIVER=dummy ZEPHINE_SYSTEM_DIR="$work" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" \
    "$work/bin/zephine" "$@" >"$work/log" 2>&1 &
  app_pid=$!
  for _ in $(seq 450); do  # a loaded machine may take a while
    xdotool search --name '^Zephine$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool search --name '^Zephine$' >/dev/null 2>&1 || fail "no window; log: $(cat "$work/log")"
  main_window=$(printf '0x%x' "$(xdotool search --name '^Zephine$' | head -n1)")
  sleep 0.7  # the first paint and the first timer ticks
}

# The colour at (x, y) of the whole screen as "r,g,b".
pixel() {
  /usr/bin/convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
shot() { import -window root "$work/shot.png" || fail "screenshot"; }
expect_pixel() {  # X Y "r,g,b"
  local got; got=$(pixel "$1" "$2")
  [ "$got" = "$3" ] || fail "pixel ($1, $2) is $got, expected $3"
}

# Waits up to 15 s (or the tenths of a second given) for the program to end: under the
# sanitizers the leak check at the end takes seconds. Sets `ended` to its status, or "running".
wait_end() {  # [TENTHS]
  ended=running
  for _ in $(seq "${1:-150}"); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
      wait "$app_pid"; ended=$?; app_pid=""; return
    fi
    sleep 0.1
  done
}

click_exit_and_check() {  # X Y: press and release there; the program must end with status 0
  xdotool mousemove "$1" "$2" mousedown 1 && sleep 0.2 && xdotool mouseup 1
  wait_end
  [ "$ended" = 0 ] || fail "exit gave $ended"
}

# The width of the tooltip box whose top border starts at (x, y): its run of black pixels.
tip_width() {
  /usr/bin/convert "$work/shot.png" -crop "300x1+$1+$2" txt:- |
    awk 'NR>1 { if ($0 ~ /#000000/) n++; else exit } END { print n+0 }'
}

# A one-square model filling part of the 3D pane, with a light grey 256 x 256 skin that has a
# blue square at (100, 100)-(140, 140), so zooming and panning show.
add_model() {  # [NUMBER [SKIN COLOUR]]
  local dir="$work/share/zephine/Diy/Model" name
  name=$(printf 'Fly%02d' "${1:-1}")
  mkdir -p "$dir"
  printf '%s\n' '[SUM]' 'Materials=0' 'Triangles=2' 'Verticies=4' 'Normals=0' 'Texture=4' \
    '[DATA]' 'Triangles={0,1,2,0,0,0,0,1,2},{0,2,3,0,0,0,0,2,3}' \
    'Vertices={-0.4,-0.4,0},{0.4,-0.4,0},{0.4,0.4,0},{-0.4,0.4,0}' \
    'Textures={0,0},{1,0},{1,1},{0,1}' >"$dir/$name.ini"
  /usr/bin/convert -size 256x256 xc:"${2:-rgb(200,200,200)}" -fill 'rgb(40,90,200)' \
    -draw 'rectangle 100,100 139,139' -type TrueColor BMP3:"$dir/$name.bmp"
}
# The generated screens, stamps and texts in place of the small test pictures.
use_generated_data() {
  [ -d "${E2E_DATA_TREE:-}/Diy" ] || fail "no generated data tree"
  cp -r "$E2E_DATA_TREE/Diy/." "$work/share/zephine/Diy/"
}
# Everything the build installs: the generated screens and prompts, and the airplanes with their
# movies and narrations. Linked, not copied: the airplanes alone are hundreds of megabytes.
use_installed_data() {
  [ -d "${E2E_DATA_TREE:-}/Diy" ] && [ -d "${E2E_AIRPLANE_TREE:-}/Diy/Movie" ] ||
    fail "no generated data trees"
  # The test installation's own model, pictures and texts give way to the generated ones.
  rm -rf "$work/share/zephine/Diy/Model" "$work/share/zephine/Diy/Face" "$work/share/zephine/Diy/Zephine.ini"
  cp -rs "$(realpath "$E2E_DATA_TREE")/." "$work/share/zephine/"
  cp -rs "$(realpath "$E2E_AIRPLANE_TREE")/." "$work/share/zephine/"
}
# The picture at time T of model N's movie as the flight screen draws it, into a bitmap file.
movie_frame() {  # N T OUT.bmp [WxH]
  local movie; movie=$(printf '%s/share/zephine/Diy/Movie/Fly%02d.mov' "$work" "$1")
  "$E2E_DATA_TOOL" movie "$movie" "$2" "$3" ${4:+--size "$4"} >/dev/null || fail "frame $2 of $movie"
}
# How many pixels of the W x H area at (X, Y) of the last shot differ from a picture file.
area_differs_from() {  # PICTURE W H X Y
  /usr/bin/convert "$work/shot.png" -crop "$2x$3+$4+$5" +repage "$work/area-a.png"
  /usr/bin/convert "$1" "$work/area-b.png"
  /usr/bin/compare -metric AE "$work/area-a.png" "$work/area-b.png" null: 2>&1 | cut -d' ' -f1
}
# The movie picture (320 x 240 at (275, 256) on a 1024 x 768 screen) is frame T of model N.
expect_movie_frame() {  # N T
  movie_frame "$1" "$2" "$work/frame.bmp"
  local n; n=$(area_differs_from "$work/frame.bmp" 320 240 275 256)
  [ "$n" = 0 ] || fail "the movie does not show frame $2 of model $1 ($n pixels differ)"
}
# Enters the flight screen from the workshop once the opening tour is ended; the pointer then
# rests off the design, where no tooltip shows.
enter_flight() {
  xdotool mousemove 5 5 click 1; sleep 0.4
  xdotool mousemove 581 118 click 1 mousemove 1010 10; sleep 1
}
press_away() {  # X Y: a click there, then the pointer off the design
  xdotool mousemove "$1" "$2" click 1 mousemove 1010 10; sleep "${3:-0.6}"
}
# Box of the pixels that differ between two screenshots, as "W H CX CY" (centre).
diff_box() {  # A.png B.png: within the flat pane (252, 204)-(647, 509), in screen terms
  /usr/bin/convert "$1" "$2" -crop 395x305+252+204 +repage -compose difference -composite \
    -colorspace gray -threshold 0 -format '%@' info: |
    awk -F'[x+]' '{ print $1, $2, 252 + $3 + int($1 / 2), 204 + $4 + int($2 / 2) }'
}
stroke() {  # X0 X1 Y: a press at (X0, Y), moves right in steps of 10 to X1, a release
  xdotool mousemove "$1" "$3" mousedown 1
  for x in $(seq "$1" 10 "$2"); do xdotool mousemove "$x" "$3"; done
  xdotool mouseup 1; sleep 0.5
}
# ImageMagick's text pixels ("x,y: (r,g,b) ...") as "x y r g b" lines.
txt_pixels() {
  sed -nE 's/^([0-9]+),([0-9]+): *\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4 \5/p'
}
# How many pixels of the movie picture (320 x 240 at (275, 256)) of the last shot, or of a
# picture file, are a strong red.
red_in_movie() {  # [PICTURE]
  local from=${1:-$work/shot.png} crop="320x240+275+256"
  [ -n "${1:-}" ] && crop="320x240+0+0"
  /usr/bin/convert "$from" -crop "$crop" +repage -depth 8 txt:- | txt_pixels |
    awk '$3 > 200 && $4 < 50 && $5 < 50 { n++ } END { print n + 0 }'
}
# Answers the message box of that caption (not the program's own window) with the key.
answer_box() {  # CAPTION KEY
  box=""
  for _ in $(seq 30); do
    # xdotool's name search misses SDL's message boxes; xwininfo lists them.
    box=$(xwininfo -root -tree 2>/dev/null |
          awk -v caption="\"$1\"" -v main="${main_window:-none}" \
              'index($0, caption) && $1 != main { print $1; exit }')
    [ -n "$box" ] && break; sleep 0.1
  done
  [ -n "$box" ] || fail "no \"$1\" box"
  xdotool windowfocus --sync "$box" key "$2"; sleep 0.5
}
# Answers the "Load Error" box that a missing model shows at start.
dismiss_load_error() { answer_box "Load Error" Return; }
works="$work/data/zephine/works"
# The works box's controls and its thumbnail cell C (0 to 7), on a 1024 x 768 screen.
click_at() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.4}"; }
open_box() { click_at 236 119 0.8; }
close_box() { click_at 447 500 0.8; }
save_work() { click_at 306 109; }
cell_x() { echo $((548 + 110 * ($1 % 2))); }
cell_y() { echo $((187 + 85 * ($1 / 2))); }
click_cell() { click_at $(($(cell_x "$1") + 50)) $(($(cell_y "$1") + 37)) 0.6; }
# A 256 x 256 work of one colour.
make_work() {  # N COLOUR
  mkdir -p "$works"
  /usr/bin/convert -size 256x256 xc:"$2" -type TrueColor BMP3:"$works/Fly01-$1.bmp"
}
work_pixel() {  # N X Y: the colour of the saved work at texel (X, Y)
  /usr/bin/convert "$works/Fly01-$1.bmp" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}
# How many pixels of the W x H area at (X, Y) differ between two screenshots.
area_changes() {  # A.png B.png W H X Y
  # Through files: ImageMagick's policy refuses /dev/fd paths.
  /usr/bin/convert "$1" -crop "$3x$4+$5+$6" +repage "$work/area-a.png"
  /usr/bin/convert "$2" -crop "$3x$4+$5+$6" +repage "$work/area-b.png"
  /usr/bin/compare -metric AE "$work/area-a.png" "$work/area-b.png" null: 2>&1 | cut -d' ' -f1
}
dark_pixel() {  # X Y: every channel below 80
  local got; got=$(pixel "$1" "$2")
  IFS=, read -r pr pg pb <<<"$got"
  [ "$pr" -lt 80 ] && [ "$pg" -lt 80 ] && [ "$pb" -lt 80 ] || fail "pixel ($1, $2) is $got, not dark"
}

# A broken installation: the data file of one kind is missing, truncated to a third, or its
# bytes are random; the program must show the designed message or go on without it.
broken_path() {  # KIND: the file in the test installation
  case $1 in
    FacePicture) echo Diy/Face/ia3.bmp ;;   Backdrop) echo Diy/Face/paintbk.bmp ;;
    Stamp) echo Diy/Piclib/bmp/01.bmp ;;    StampMask) echo Diy/Piclib/msk/01.bmp ;;
    ModelFile) echo Diy/Model/Fly01.ini ;;  Skin) echo Diy/Model/Fly01.bmp ;;
    Overlay) echo Diy/Model/Fly01m.bmp ;;   FrameIni) echo Diy/Movie/frame.ini ;;
    Movie) echo Diy/Movie/Fly01.mov ;;      StepsSheet) echo Diy/Movie/Step01.bmp ;;
    Prompt) echo Sound/Diy/E/c205.wav ;;    Effect) echo Sound/Diy/Eff/B100.wav ;;
    Tune) echo Sound/Diy/Eff/Diy.wav ;;     Texts) echo Diy/Zephine.ini ;;
    Narration) echo Sound/Diy/E/1-01.wav ;;
    *) fail "no such kind $1" ;;
  esac
}
damage() {  # FILE HOW: Missing, Truncated or Random; the file is made real (not a link) first
  local size; size=$(stat -L -c %s "$1" 2>/dev/null || echo 4096)
  case $2 in
    Missing) rm -f "$1" ;;
    Truncated) head -c $((size / 3)) "$1" >"$1.cut"; rm -f "$1"; mv "$1.cut" "$1" ;;
    Random) rm -f "$1"; head -c "$size" /dev/urandom >"$1" ;;
  esac
}
# The pencil's brush-tip cache files for every size, damaged the same way.
damage_pen_cache() {  # HOW
  local dir
  for dir in "$work/share/zephine/Diy/PenData" "$work/cache/zephine"; do
    mkdir -p "$dir"
    [ "$1" = Missing ] && continue
    for s in $(seq 1 24); do
      name=$(printf '00$%02d%02d.pen' "$s" "$s")
      head -c 5000 /dev/urandom >"$dir/$name"
      [ "$1" = Truncated ] && head -c 7 /dev/urandom >"$dir/$name"
    done
    head -c 100 /dev/urandom >"$dir/00\$pre.pen"
  done
}
# Answers every message box (any window of its own besides the program's) with Return.
answer_all_boxes() {
  while :; do
    xwininfo -root -children 2>/dev/null |
      awk -v main="${main_window:-none}" '$1 ~ /^0x/ && /"/ && $1 != main { print $1 }' |
      while read -r w; do xdotool windowfocus --sync "$w" key Return 2>/dev/null; done
    sleep 0.3
  done
}
# Presses the middle of a layout rectangle, named as the program names it.
tap() {  # NAME [SECONDS]
  read -r l t r b <<<"$("$E2E_DATA_TOOL" layout | awk -v n="$1" '$1 == n { print $2, $3, $4, $5 }')"
  xdotool mousemove $(((l + r) / 2 + 112)) $(((t + b) / 2 + 84)) click 1; sleep "${2:-0.25}"
}
# Paint, choose tools, print, change the model, open the box and the flight screen, come back.
use_every_screen() {
  xdotool mousemove 5 5 click 1; sleep 0.3
  stroke 300 400 300
  tap picture; xdotool mousemove 330 280 click 1; sleep 0.2  # a stamp
  tap print; tap steppri 0.6
  tap ModelPick2 0.6
  tap docout 0.6; tap saveback
  tap mov 0.8; tap play 0.5; tap steppri 0.6; tap diy 0.6
  tap pencil; stroke 300 400 330
}

backdrop="200,60,40"
case "$case_name" in
  Broken-*)
    IFS=- read -r _ kind how <<<"$case_name"
    make_install; use_installed_data; mkdir -p "$work/pdf"; export ZEPHINE_PRINT_TO="$work/pdf"
    case $kind in
      PenCache) damage_pen_cache "$how" ;;
      Settings)
        [ "$how" = Missing ] || head -c 3000 /dev/urandom >"$work/MoPleat5.ini" ;;
      *) damage "$work/share/zephine/$(broken_path "$kind")" "$how" ;;
    esac
    start_display 1024x768; answer_all_boxes & answerer=$!
    start_program e0
    use_every_screen
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended; log: $(tail -5 "$work/log")"
    xdotool mousemove 850 650 mousedown 1 && sleep 0.2 && xdotool mouseup 1
    wait_end; kill "$answerer" 2>/dev/null
    [ "$ended" = 0 ] || fail "exit gave $ended; log: $(tail -5 "$work/log")" ;;
  WorkshopPencilStrokeShowsOnBothPanesAndUndoes)
    make_install; add_model; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4  # ends the opening tour
    shot; cp "$work/shot.png" "$work/before.png"
    expect_pixel 300 300 "200,200,200"  # the skin, at zoom 1 from the canvas' corner
    xdotool mousemove 300 300 mousedown 1
    for x in 310 320 330 340 350 360 370 380 390 400; do xdotool mousemove "$x" 300; done
    xdotool mouseup 1; sleep 0.5
    shot; cp "$work/shot.png" "$work/after.png"
    [ -n "${E2E_KEEP:-}" ] && cp "$work/before.png" "$E2E_KEEP-before.png" && cp "$work/after.png" "$E2E_KEEP-after.png"
    dark_pixel 350 300
    [ "$(area_changes "$work/before.png" "$work/after.png" 209 159 652 289)" -gt 0 ] ||
      fail "the 3D pane did not change"
    xdotool mousemove 876 120 click 1; sleep 0.5  # undo
    shot; expect_pixel 350 300 "200,200,200"
    click_exit_and_check 850 650 ;;
  WorkshopStrokeOnTheModelPaintsTheSkin)
    make_install; add_model; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    shot; cp "$work/shot.png" "$work/before.png"
    [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP.png"
    xdotool mousemove 730 368 mousedown 1
    for x in 736 742 748 754 760 766 772 778; do xdotool mousemove "$x" 368; done
    xdotool mouseup 1; sleep 0.5
    shot; cp "$work/shot.png" "$work/after.png"
    [ "$(area_changes "$work/before.png" "$work/after.png" 256 256 252 204)" -gt 0 ] ||
      fail "the flat pane did not change"
    click_exit_and_check 850 650 ;;
  WorkshopEraserRestoresTheSkin)
    make_install; add_model; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    stroke 300 400 300
    shot; dark_pixel 350 300
    xdotool mousemove 452 571 click 1; sleep 0.3  # the eraser
    stroke 290 410 300
    shot; expect_pixel 350 300 "200,200,200"
    click_exit_and_check 850 650 ;;
  WorkshopColourChartPicksTheColour)
    make_install; add_model; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    shot; chart=$(pixel 640 600)
    xdotool mousemove 640 600 click 1; sleep 0.5
    shot; expect_pixel 741 652 "$chart"  # the swatch shows the colour under the pointer
    click_exit_and_check 850 650 ;;
  WorkshopStampLandsCentredOnThePress)
    make_install; use_generated_data; add_model; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    xdotool mousemove 389 571 click 1; sleep 0.5  # the stamp tool
    shot; cp "$work/shot.png" "$work/before.png"
    xdotool mousemove 320 280 click 1; sleep 0.5
    shot
    read -r w h cx cy <<<"$(diff_box "$work/before.png" "$work/shot.png")"
    [ "$w" -gt 4 ] && [ "$h" -gt 4 ] || fail "no stamp ($w x $h)"
    [ $((cx - 320)) -ge -2 ] && [ $((cx - 320)) -le 2 ] && [ $((cy - 280)) -ge -2 ] &&
      [ $((cy - 280)) -le 2 ] || fail "stamp centred at ($cx, $cy), not (320, 280)"
    click_exit_and_check 850 650 ;;
  WorkshopViewButtonsChangeThePanes)
    make_install; add_model; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    shot; cp "$work/shot.png" "$work/start.png"
    xdotool mousemove 673 112 click 1; sleep 0.3  # zoom in while held in the canvas
    xdotool mousemove 400 350 mousedown 1; sleep 2.5; xdotool mouseup 1; sleep 0.4
    shot; cp "$work/shot.png" "$work/zoomed.png"
    [ "$(area_changes "$work/start.png" "$work/zoomed.png" 395 305 252 204)" -gt 100 ] ||
      fail "zoom did not change the flat pane"
    xdotool mousemove 739 110 click 1; sleep 0.3  # pan
    xdotool mousemove 450 350 mousedown 1 mousemove 420 330 mousemove 380 300 mouseup 1
    sleep 0.5; shot; cp "$work/shot.png" "$work/panned.png"
    [ "$(area_changes "$work/zoomed.png" "$work/panned.png" 395 305 252 204)" -gt 100 ] ||
      fail "pan did not move the flat pane"
    xdotool mousemove 808 114 click 1; sleep 0.3  # rotate
    xdotool mousemove 756 368 mousedown 1 mousemove 776 368 mousemove 800 380 mouseup 1
    sleep 0.6; shot; cp "$work/shot.png" "$work/turned.png"
    [ "$(area_changes "$work/panned.png" "$work/turned.png" 209 159 652 289)" -gt 100 ] ||
      fail "rotate did not turn the model"
    xdotool mousemove 898 336 click 1; sleep 0.6  # swap the panes
    shot
    [ "$(area_changes "$work/turned.png" "$work/shot.png" 209 159 652 289)" -gt 100 ] ||
      fail "the swap did not change the small pane"
    click_exit_and_check 850 650 ;;
  WorkshopModelSlotLoadsAnotherModel)
    make_install; add_model 1; add_model 2 'rgb(250,210,60)'; start_display 1024x768
    start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    shot; expect_pixel 300 300 "200,200,200"
    xdotool mousemove 150 363 click 1; sleep 0.8  # the second model of the column
    shot; expect_pixel 300 300 "250,210,60"
    click_exit_and_check 850 650 ;;
  WorksBoxSavesThreeWorksAndShowsThem)
    make_install; use_generated_data; add_model; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    open_box; shot; cp "$work/shot.png" "$work/empty.png"; close_box
    for y in 300 320 340; do stroke 300 400 "$y"; save_work; done
    for n in 0 1 2; do
      [ "$(stat -c %s "$works/Fly01-$n.bmp")" = 196662 ] || fail "work $n is not 256 x 256 x 24 bits"
    done
    # The flat pane shows the skin from its corner at (252, 204): each stroke is in its work.
    IFS=, read -r r g b <<<"$(work_pixel 2 98 136)"
    [ "$r" -lt 80 ] && [ "$g" -lt 80 ] && [ "$b" -lt 80 ] || fail "work 2 lacks its stroke ($r,$g,$b)"
    IFS=, read -r r g b <<<"$(work_pixel 0 98 136)"
    [ "$r" -gt 150 ] || fail "work 0 has a stroke painted after it was saved"
    # An unsaved stroke stays on both panes through the box.
    stroke 300 400 420
    shot; cp "$work/shot.png" "$work/before.png"
    open_box; shot; cp "$work/shot.png" "$work/full.png"
    for c in 0 1 2; do
      [ "$(area_changes "$work/empty.png" "$work/full.png" 90 65 $(($(cell_x $c) + 5)) $(($(cell_y $c) + 5)))" -gt 100 ] ||
        fail "no thumbnail in cell $c"
    done
    [ "$(area_changes "$work/empty.png" "$work/full.png" 90 65 $(($(cell_x 3) + 5)) $(($(cell_y 3) + 5)))" = 0 ] ||
      fail "a thumbnail in the empty cell 3"
    close_box; shot
    [ "$(area_changes "$work/before.png" "$work/shot.png" 395 305 252 204)" = 0 ] ||
      fail "the flat pane changed through the box"
    [ "$(area_changes "$work/before.png" "$work/shot.png" 209 159 652 289)" = 0 ] ||
      fail "the 3D pane changed through the box"
    [ ! -e "$works/Fly01-3.bmp" ] || fail "the box saved a work"
    click_exit_and_check 850 650
    [ -e "$works/Fly01-3.bmp" ] || fail "the unsaved painting was not kept at the end" ;;
  WorksBoxLoadsAndDeletesAWork)
    make_install; use_generated_data; add_model
    make_work 0 'rgb(200,40,40)'; make_work 1 'rgb(40,160,40)'; make_work 2 'rgb(40,40,200)'
    start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    open_box; click_cell 1; close_box
    shot; expect_pixel 300 300 "40,160,40"
    IFS=, read -r r g b <<<"$(pixel 756 368)"
    [ "$g" -gt "$r" ] && [ "$g" -gt "$b" ] || fail "the 3D pane is ($r,$g,$b), not the green work"
    open_box; click_cell 1
    click_at 497 500 0; answer_box Zephine Escape  # No
    [ -e "$works/Fly01-2.bmp" ] || fail "No deleted a work"
    click_at 497 500 0; answer_box Zephine Return  # Yes
    [ ! -e "$works/Fly01-2.bmp" ] || fail "no renumbering after the delete"
    [ "$(work_pixel 1 5 5)" = "40,40,200" ] || fail "work 1 is $(work_pixel 1 5 5), not the former work 2; $(ls $works $work/data/Trash/files)"
    [ "$(work_pixel 0 5 5)" = "200,40,40" ] || fail "work 0 changed"
    [ -e "$work/data/Trash/files/Fly01-1.bmp" ] || fail "the deleted work is not in the trash"
    close_box; click_exit_and_check 850 650 ;;
  WorksBoxFullSavesNothing)
    make_install; use_generated_data; add_model
    mkdir -p "$works"
    for n in $(seq 0 999); do printf '%s' "$n" >"$works/Fly01-$n.bmp"; done
    sum_before=$(cat "$works"/* | md5sum)
    start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    stroke 300 400 300
    xdotool mousemove 306 109 click 1
    answer_box Zephine Return
    [ "$(ls "$works" | wc -l)" = 1000 ] || fail "a file was added"
    [ "$(cat "$works"/* | md5sum)" = "$sum_before" ] || fail "a work changed"
    # The end cannot keep the painting either, and says so before it ends.
    xdotool mousemove 850 650 mousedown 1 && sleep 0.2 && xdotool mouseup 1
    answer_box Zephine Return
    wait_end; [ "$ended" = 0 ] || fail "exit gave $ended"
    [ "$(cat "$works"/* | md5sum)" = "$sum_before" ] || fail "a work changed at the end" ;;
  WorksSurviveAFullDisk)
    # The data folder on a small file system with 100 KiB left: less than one work.
    make_install; add_model 1; add_model 2 'rgb(250,210,60)'
    mkdir -p "$work/data"
    mount -t tmpfs -o size=1m tmpfs "$work/data" 2>/dev/null || { echo "SKIP: no tmpfs mount"; exit 77; }
    trap 'umount -l "$work/data"; cleanup' EXIT
    make_work 0 'rgb(200,40,40)'; make_work 1 'rgb(40,160,40)'
    sum_before=$(cat "$works"/* | md5sum)
    dd if=/dev/zero of="$work/data/filler" bs=4k 2>/dev/null
    truncate -s -100K "$work/data/filler"
    start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    stroke 300 400 300; shot; cp "$work/shot.png" "$work/painted.png"
    unchanged() {  # WHAT: the two works as they were, nothing beside them, the painting shown
      [ "$(ls -A "$works" | tr '\n' ' ')" = "Fly01-0.bmp Fly01-1.bmp " ] || fail "$1: the folder holds $(ls -A "$works")"
      [ "$(cat "$works"/* | md5sum)" = "$sum_before" ] || fail "$1: a work changed"
      shot; [ "$(area_changes "$work/painted.png" "$work/shot.png" 395 305 252 204)" = 0 ] ||
        fail "$1: the painting left the flat pane"
    }
    save_work; answer_box Zephine Return; unchanged "the save"
    # Each replacement asks; no keeps the painting.
    xdotool mousemove 150 363 click 1; answer_box Zephine Escape; unchanged "another model"
    open_box; click_cell 0; answer_box Zephine Escape; close_box; unchanged "a work from the box"
    xdotool mousemove 850 650 mousedown 1 && sleep 0.2 && xdotool mouseup 1
    answer_box Zephine Escape; sleep 0.5
    kill -0 "$app_pid" 2>/dev/null || fail "the exit went ahead"; unchanged "the exit"
    # Once there is room the painting saves.
    rm "$work/data/filler"; save_work
    [ "$(stat -c %s "$works/Fly01-2.bmp" 2>/dev/null)" = 196662 ] || fail "no whole work after room was made"
    IFS=, read -r r g b <<<"$(work_pixel 2 98 96)"
    [ "$r" -lt 80 ] && [ "$g" -lt 80 ] && [ "$b" -lt 80 ] || fail "the saved work lacks the stroke ($r,$g,$b)"
    click_exit_and_check 850 650
    [ "$(ls -A "$works" | wc -l)" = 3 ] || fail "after the end: $(ls -A "$works")" ;;
  PrintSheetWritesTheSheetToAPdf)
    make_install; add_model
    /usr/bin/convert -size 256x256 xc:white -fill black -draw 'rectangle 0,198 255,201' \
      -type TrueColor BMP3:"$work/share/zephine/Diy/Model/Fly01m.bmp"
    mkdir -p "$work/pdf"; export ZEPHINE_PRINT_TO="$work/pdf"
    start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    stroke 300 400 300
    click_at 518 651  # the print tool
    click_at 620 605 2  # print
    pdf="$work/pdf/du modele.pdf"
    [ -s "$pdf" ] || fail "no PDF; log: $(cat "$work/log")"
    pdftoppm -r 50 -png -singlefile "$pdf" "$work/page" || fail "pdftoppm"
    [ -n "${E2E_KEEP:-}" ] && cp "$work/page.png" "$E2E_KEEP-page.png"
    read -r pw ph <<<"$(/usr/bin/identify -format '%w %h' "$work/page.png")"
    [ "$pw" -gt "$ph" ] || fail "the page is $pw x $ph, not landscape"
    read -r sw sh sx sy <<<"$(/usr/bin/convert "$work/page.png" -fuzz 3% -format '%@' info: | tr 'x+' '  ')"
    # The square sheet fills 98% of the printable height: the page less the paper's default
    # margins of a quarter inch at top and bottom (25 pixels at 50 dpi).
    [ $((sw - (ph - 25) * 98 / 100)) -ge -3 ] && [ $((sw - (ph - 25) * 98 / 100)) -le 3 ] ||
      fail "the sheet is $sw x $sh on a page $ph high"
    [ $((sw - sh)) -ge -2 ] && [ $((sw - sh)) -le 2 ] || fail "the sheet is $sw x $sh, not square"
    cp "$work/page.png" "$work/shot.png"
    dark_pixel $((sx + 98 * sw / 256)) $((sy + 96 * sw / 256))    # the stroke
    dark_pixel $((sx + 20 * sw / 256)) $((sy + 200 * sw / 256))   # the overlay's line
    IFS=, read -r r g b <<<"$(pixel $((sx + 20 * sw / 256)) $((sy + 20 * sw / 256)))"
    [ "$r" -ge 195 ] && [ "$r" -le 205 ] || fail "the skin prints as ($r,$g,$b)"
    # At half size the sheet is half as wide.
    click_at 674 641; rm -f "$pdf"
    click_at 620 605 2
    pdftoppm -r 50 -png -singlefile "$pdf" "$work/half" || fail "no second PDF"
    read -r hw hh <<<"$(/usr/bin/convert "$work/half.png" -fuzz 3% -format '%@' info: | tr 'x+' '  ')"
    [ $((hw - sw / 2)) -ge -4 ] && [ $((hw - sw / 2)) -le 4 ] || fail "at 50% the sheet is $hw wide, not about $((sw / 2))"
    click_exit_and_check 850 650 ;;
  FlightMovShowsTheFirstFrameAndPlayAdvances)
    make_install; use_installed_data; start_display 1024x768; start_program e0
    enter_flight
    shot; [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP.png"
    expect_movie_frame 1 0
    press_away 388 573 1.5  # play
    shot
    movie_frame 1 0 "$work/first.bmp"
    [ "$(area_differs_from "$work/first.bmp" 320 240 275 256)" -gt 1000 ] ||
      fail "play did not advance the picture"
    click_exit_and_check 850 650 ;;
  FlightStepButtonJumpsToItsThumbnailsPicture)
    make_install; use_installed_data; start_display 1024x768; start_program e0
    enter_flight
    shot
    movie_frame 1 40 "$work/thumb.bmp" 110x81
    [ "$(area_differs_from "$work/thumb.bmp" 110 81 736 291)" = 0 ] ||
      fail "step button 2 does not show frame 40"
    # The step button jumps and plays; stop right after it, before the movie has gone far.
    xdotool mousemove 791 331 click 1 mousemove 452 570 click 1 mousemove 1010 10; sleep 0.6
    shot
    found=""
    for t in 40 41 42 43; do
      movie_frame 1 "$t" "$work/frame.bmp"
      [ "$(area_differs_from "$work/frame.bmp" 320 240 275 256)" = 0 ] && found=$t && break
    done
    [ -n "$found" ] || fail "the movie is not at step 2's picture"
    click_exit_and_check 850 650 ;;
  FlightNextAndPreviousMoveBetweenMarks)
    make_install; use_installed_data; start_display 1024x768; start_program e0
    enter_flight
    press_away 500 603; shot; expect_movie_frame 1 40  # next
    press_away 500 603; shot; expect_movie_frame 1 64
    press_away 338 607; shot; expect_movie_frame 1 40  # previous
    click_exit_and_check 850 650 ;;
  FlightModelButtonChangesTheMovie)
    make_install; use_installed_data; start_display 1024x768; start_program e0
    enter_flight
    press_away 150 363 1  # the second model of the column
    shot; expect_movie_frame 2 0
    click_exit_and_check 850 650 ;;
  FlightDiyKeepsTheWorkshopPainting)
    make_install; use_installed_data; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    shot; cp "$work/shot.png" "$work/before.png"
    stroke 300 400 300; sleep 0.5
    shot; cp "$work/shot.png" "$work/painted.png"
    [ "$(area_changes "$work/before.png" "$work/painted.png" 395 305 252 204)" -gt 0 ] ||
      fail "the stroke did not show on the flat pane"
    [ "$(area_changes "$work/before.png" "$work/painted.png" 209 159 652 289)" -gt 0 ] ||
      fail "the stroke did not show on the 3D pane"
    press_away 581 118 1  # mov
    press_away 502 118 1.5  # diy
    shot; cp "$work/shot.png" "$work/back.png"
    [ -n "${E2E_KEEP:-}" ] && cp "$work/painted.png" "$E2E_KEEP-painted.png" && cp "$work/back.png" "$E2E_KEEP-back.png"
    [ "$(area_changes "$work/painted.png" "$work/back.png" 395 305 252 204)" = 0 ] ||
      fail "the flat pane changed on the way back from the flight screen"
    [ "$(area_changes "$work/painted.png" "$work/back.png" 209 159 652 289)" = 0 ] ||
      fail "the 3D pane changed on the way back from the flight screen"
    click_exit_and_check 850 650 ;;
  FlightFoldsAndFliesThePainting)
    make_install; use_installed_data; start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 0.4
    # The strongest red of the colour chart, then the pencil at its thickest and fully opaque.
    shot
    read -r rx ry <<<"$(/usr/bin/convert "$work/shot.png" -crop 128x86+585+577 +repage -depth 8 txt:- | txt_pixels |
      awk '{ s = $3 - $4 - $5; if (s > best) { best = s; x = $1; y = $2 } } END { print 585 + x, 577 + y }')"
    xdotool mousemove "$rx" "$ry" click 1; sleep 0.3
    xdotool mousemove 732 578 click 1 mousemove 761 578 click 1; sleep 0.3
    # One press zigzagging over the whole flat pane: a second press so soon would be a double
    # click, which the program ignores.
    xdotool mousemove 260 215 mousedown 1
    for y in $(seq 215 12 495); do
      if [ $(((y - 215) / 12 % 2)) = 0 ]; then xs=$(seq 260 20 640); else xs=$(seq 640 -20 260); fi
      for x in $xs; do xdotool mousemove "$x" "$y"; done
    done
    xdotool mouseup 1; sleep 0.5
    shot; [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP-painted.png"
    [ "$(red_in_movie)" -gt 20000 ] || fail "no red patch on the flat pane"
    enter_flight
    # The first frame, a frame in the middle of the folds (step 3's mark) and the flight (the
    # last step) each show the painting's red where the paper shows.
    for step in first 3 last; do
      case $step in
        first) t=0 ;;
        3) press_away 500 603; press_away 500 603 1; t=64 ;;  # next twice
        last) press_away 520 650 1; t=9999 ;;  # past the end: the last picture
      esac
      shot; [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP-$step.png"
      movie_frame 1 "$t" "$work/made.bmp"
      live=$(red_in_movie) made=$(red_in_movie "$work/made.bmp")
      [ "$live" -gt $((made + 150)) ] || fail "at $step ($t) the movie shows $live red pixels, the movie file $made"
    done
    # Without its fold animation the movie file plays, painted or not.
    rm "$work/share/zephine/Diy/Movie/Fly01.fan"
    press_away 502 118 1.5; enter_flight
    shot; expect_movie_frame 1 0
    click_exit_and_check 850 650 ;;
  TourPointerLeavesWithThePress)
    # With the sentences the pointer blinks on each button until its sentence ends. The click
    # that ends the tour lands while the program is busy (held stopped here), so its press and
    # release are handled together, before the window is painted again.
    make_install; use_generated_data; add_model
    cp -r "$E2E_DATA_TREE/Sound" "$work/share/zephine/" || fail "no generated sounds"
    start_display 1024x768; start_program e0
    xdotool mousemove 5 5 click 1; sleep 1  # ends the opening tour
    shot; cp "$work/shot.png" "$work/before.png"
    xdotool mousemove 846 524 click 1  # help: the short tour
    # The pointer's area at `docout`, (226, 109) to (264, 147), as the tour reaches it.
    for _ in $(seq 200); do
      shot; [ "$(area_changes "$work/before.png" "$work/shot.png" 38 38 226 109)" -gt 0 ] && break
      sleep 0.2
    done
    [ "$(area_changes "$work/before.png" "$work/shot.png" 38 38 226 109)" -gt 0 ] ||
      fail "the tour never pointed at docout"
    kill -STOP "$app_pid"; xdotool mousemove 400 350 mousedown 1 mouseup 1; sleep 0.2
    kill -CONT "$app_pid"; sleep 0.6
    shot; [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP-after.png"
    changed=$(area_changes "$work/before.png" "$work/shot.png" 38 38 226 109)
    [ "$changed" = 0 ] || fail "$changed pixels of the pointer stay at docout after the tour"
    click_exit_and_check 850 650 ;;
  WorksSurviveKillsDuringSaves)
    # Saves and new pencil sizes (each writes a brush-tip cache file) as fast as the program
    # takes them, and a SIGKILL at a random moment, eight times over.
    make_install; add_model; start_display 1024x768
    for round in $(seq 8); do
      start_program e0
      xdotool mousemove 5 5 click 1; sleep 0.2
      ( for k in $(seq 40); do
          xdotool mousemove 306 109 click 1                       # save
          xdotool mousemove 732 $((577 + k % 47)) click 1         # the pencil's size
          xdotool mousemove $((300 + k)) 300 click 1              # a dot at that size
        done ) &
      driver=$!
      sleep "$((RANDOM % 3)).$((RANDOM % 10))"
      kill -9 "$app_pid"; wait "$app_pid" 2>/dev/null; app_pid=""
      kill "$driver" 2>/dev/null; wait "$driver" 2>/dev/null
      xdotool mouseup 1 2>/dev/null  # a press the kill cut short
    done
    # The next start clears what the kills left; every work loads whole.
    start_program e0
    count=0
    for f in "$works"/Fly01-*.bmp; do
      [ -e "$f" ] || continue
      "$E2E_DATA_TOOL" bmp "$f" >/dev/null || fail "$(basename "$f") is damaged"
      [ "$(stat -c %s "$f")" = 196662 ] || fail "$(basename "$f") is not whole"
      count=$((count + 1))
    done
    [ "$count" -gt 0 ] || fail "no work was saved"
    leftovers=$(find "$works" -name '.*' -type f | wc -l)
    [ "$leftovers" = 0 ] || fail "$leftovers temporary files left among the works"
    echo "works checked: $count"
    click_exit_and_check 850 650 ;;
  BackdropIsCentred)
    make_install; start_display 1024x768; start_program
    shot
    expect_pixel 112 84 "0,255,0"
    expect_pixel 111 84 "0,0,0"
    expect_pixel 112 83 "0,0,0"
    expect_pixel 911 683 "0,0,255"
    expect_pixel 912 683 "0,0,0"
    expect_pixel 512 384 "$backdrop"
    click_exit_and_check 850 650 ;;
  ExitPressThenReleaseAnywhereEnds)
    make_install; start_display 1024x768; start_program
    xdotool mousemove 850 650 mousedown 1; sleep 0.3
    shot; expect_pixel 800 620 "250,250,0"  # exit drawn pressed
    xdotool mousemove 300 300; sleep 0.1; xdotool mouseup 1
    wait_end; [ "$ended" = 0 ] || fail "status $ended after press on exit, release elsewhere" ;;
  ReleaseOnExitAloneDoesNotEnd)
    make_install; start_display 1024x768; start_program
    xdotool mousemove 300 300 mousedown 1; sleep 0.1
    xdotool mousemove 850 650; sleep 0.1; xdotool mouseup 1
    wait_end 50; [ "$ended" = running ] || fail "ended on a release without a press on exit"
    click_exit_and_check 850 650 ;;
  RightButtonDoesNothing)
    make_install; start_display 1024x768; start_program
    xdotool mousemove 850 650 mousedown 3; sleep 0.3
    shot; expect_pixel 800 620 "$backdrop"
    xdotool mouseup 3
    wait_end 50; [ "$ended" = running ] || fail "the right button ended the program"
    click_exit_and_check 850 650 ;;
  TooltipShowsInEnglish|TooltipShowsInChinese)
    lang=e; [ "$case_name" = TooltipShowsInChinese ] && lang=c
    make_install; start_display 1024x768; start_program "${lang}0"
    # A press ends the opening demonstration, during which no tips show.
    xdotool mousemove 50 50 click 1; sleep 0.3
    xdotool mousemove 800 600; sleep 0.3; xdotool mousemove 820 610; sleep 0.8
    shot; [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP"
    expect_pixel 822 632 "255,255,225"  # inside the box, under the pointer
    width=$(tip_width 820 630)
    if [ $lang = e ]; then
      [ "$width" -gt 100 ] || fail "English tip is $width pixels wide"
    else
      [ "$width" -gt 20 ] && [ "$width" -lt 60 ] || fail "Chinese tip is $width pixels wide"
    fi
    # Off the buttons the tip goes away.
    xdotool mousemove 300 300; sleep 0.5
    shot; expect_pixel 822 632 "$backdrop"
    click_exit_and_check 850 650 ;;
  EmptyDataTreeRunsBlackAndExits)
    make_install empty; start_display 1024x768; start_program
    dismiss_load_error
    shot; expect_pixel 512 384 "0,0,0"; expect_pixel 112 84 "0,0,0"
    click_exit_and_check 850 650 ;;
  SmallDisplayCutsTheDesign)
    make_install; start_display 640x480; start_program
    # Offsets (-80, -60): the design's corners are off the screen.
    shot; expect_pixel 0 0 "$backdrop"; expect_pixel 639 479 "$backdrop"
    click_exit_and_check 600 470 ;;
  *) fail "unknown case $case_name" ;;
esac
echo "PASS: $case_name"
