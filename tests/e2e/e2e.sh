#!/usr/bin/env bash
# One end-to-end case: makes a test installation laid out as the installed one (bin/zephine,
# lib/zephine/zephine-program, share/zephine/Diy), starts it under its own Xvfb with no window manager,
# drives it with xdotool and reads the screen back with ImageMagick.
# Usage: e2e.sh CASE PROGRAM INSTALL_MAKER
set -uo pipefail
case_name=$1 program=$(realpath "$2") maker=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# shellcheck source=harness.sh
. "$here/harness.sh"

cleanup() {
  [ -n "${answerer:-}" ] && kill "$answerer" 2>/dev/null
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && stop_display
  [ -n "${E2E_KEEP:-}" ] && cp "$work/log" "$E2E_KEEP.log"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

make_install() {  # [empty]
  mkdir -p "$work/bin" "$work/lib/zephine" "$work/share/zephine/Diy" "$work/home"
  cp "$here/../../src/zephine.sh" "$work/bin/zephine"
  ln -s "$program" "$work/lib/zephine/zephine-program"
  if [ "${1:-}" != empty ]; then
    "$maker" "$work/share/zephine" || fail "test installation"
    add_model  # without a model the start shows "Load Error" first
  fi
}

start_program() {  # ARGS...
  unscaled=0
  for arg in "$@"; do [ "$arg" = --unscaled ] && unscaled=1; done
  # Works and the trash go into the test's own data folder.
  launch_program env SDL_AUDIODRIVER=dummy ZEPHINE_SYSTEM_DIR="$work" XDG_DATA_HOME="$work/data" \
    XDG_CACHE_HOME="$work/cache" HOME="$work/home" "$work/bin/zephine" "$@"
  sleep 0.2  # the first timer ticks
}

# A screen corner away from the controls, where the pointer rests with no tooltip: off the
# design on the unscaled screens.
rest() { echo "$((display_w - 1)) 0"; }
# The device rectangle of a design one, as ImageMagick's crop geometry "WxH+X+Y".
crop_of() {  # W H X Y
  local x0 y0 x1 y1
  read -r x0 y0 <<<"$(at "$3" "$4")"; read -r x1 y1 <<<"$(at $(($3 + $1)) $(($4 + $2)))"
  echo "$((x1 - x0))x$((y1 - y0))+$x0+$y0"
}
# The colour at device pixel (x, y) of the last shot (or of a picture copied there) as "r,g,b".
raw_pixel() {
  /usr/bin/convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
pixel() { raw_pixel $(at "$1" "$2"); }  # at design (X, Y)
shot() { import -window root "$work/shot.png" || fail "screenshot"; }
expect_pixel() {  # X Y "r,g,b"
  local got; got=$(pixel "$1" "$2")
  [ "$got" = "$3" ] || fail "pixel ($1, $2) is $got, expected $3"
}
# A fresh shot shows that colour at design (X, Y), within 20 s.
shows_pixel() { shot; [ "$(pixel "$1" "$2")" = "$3" ]; }  # X Y "r,g,b"
wait_pixel() {  # X Y "r,g,b"
  until_true shows_pixel "$@" || fail "pixel ($1, $2) is $(pixel "$1" "$2"), expected $3"
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

# Presses `exit`, holding it as a child would; the program must end with status 0.
press_exit() { xdotool mousemove $(at 738 566) mousedown 1 && sleep 0.2 && xdotool mouseup 1; }
click_exit_and_check() {
  press_exit; wait_end
  [ "$ended" = 0 ] || fail "exit gave $ended; log: $(tail -5 "$work/log")"
}

# The top-left corner of the tooltip box for the pointer at design (X, Y): below the pointer by
# 20 pixels grown with the scale (the scale never counts below 1 for the tip).
tip_top() {  # X Y
  local px py below
  read -r px py <<<"$(at "$1" "$2")"
  if [ "$unscaled" = 1 ]; then below=20
  else below=$(awk -v w="$display_w" -v h="$display_h" 'BEGIN { s = w / 800; if (h / 600 < s) s = h / 600; if (s < 1) s = 1; printf "%d", 20 * s + 0.5 }'); fi
  py=$((py + below))
  # Kept on the screen, the box may start left of the pointer: its first black pixel.
  px=$(/usr/bin/convert "$work/shot.png" -crop "${display_w}x1+0+$py" txt:- |
    awk -F'[,:]' 'NR>1 && /#000000/ { print $1; exit }')
  echo "${px:-0} $py"
}
# The pointer onto the button at design (708, 526), until its tip shows (20 s at most); sets
# `tx` and `ty` to the tip box's corner in the last shot.
shows_tip() { shot; read -r tx ty <<<"$(tip_top 708 526)"; [ "$(raw_pixel $((tx + 2)) $((ty + 2)))" = "255,255,225" ]; }
hover_tip() {
  local height=-1
  xdotool mousemove $(at 688 516); sleep 0.2; xdotool mousemove $(at 708 526)
  until_true shows_tip || fail "no tip box under the pointer"
  # A shot may catch the box half drawn: until two shots agree on its height.
  for _ in $(seq 20); do
    [ "$(tip_height "$tx" "$ty")" = "$height" ] && return
    height=$(tip_height "$tx" "$ty"); sleep 0.1; shows_tip
  done
}
shows_raw_pixel() { shot; [ "$(raw_pixel "$1" "$2")" = "$3" ]; }  # x y "r,g,b"
# The height of the tooltip box whose top-left corner is at device (x, y): its left border.
tip_height() {
  /usr/bin/convert "$work/shot.png" -crop "1x300+$1+$2" txt:- |
    awk 'NR>1 { if ($0 ~ /#000000/) n++; else exit } END { print n+0 }'
}
# The width of the tooltip box whose top border starts at device (x, y): its run of black pixels.
tip_width() {
  /usr/bin/convert "$work/shot.png" -crop "900x1+$1+$2" txt:- |
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
# How many pixels of the W x H design area at (X, Y) of the last shot differ from a picture
# file; only on unscaled screens, where the design shows pixel for pixel.
area_differs_from() {  # PICTURE W H X Y
  /usr/bin/convert "$work/shot.png" -crop "$(crop_of "$2" "$3" "$4" "$5")" +repage "$work/area-a.png"
  /usr/bin/convert "$1" "$work/area-b.png"
  /usr/bin/compare -metric AE "$work/area-a.png" "$work/area-b.png" null: 2>&1 | cut -d' ' -f1
}
# The movie picture (320 x 240 at (163, 172) of the design) comes to show frame T of model N.
shows_movie_picture() { shot; [ "$(area_differs_from "$1" 320 240 163 172)" = 0 ]; }  # PICTURE
expect_movie_frame() {  # N T
  movie_frame "$1" "$2" "$work/frame.bmp"
  until_true shows_movie_picture "$work/frame.bmp" ||
    fail "the movie does not show frame $2 of model $1 ($(area_differs_from "$work/frame.bmp" 320 240 163 172) pixels differ)"
}
# A fresh shot's movie picture has moved on from the picture file.
movie_moved_from() { shot; [ "$(area_differs_from "$1" 320 240 163 172)" -gt 1000 ]; }  # PICTURE
# Enters the flight screen from the workshop once the opening tour is ended; the pointer then
# rests off the design, where no tooltip shows.
enter_flight() { end_tour; press_away 469 34; }
# A press off the controls ends the opening tour.
end_tour() { click_at -107 -79; }
press_away() { click_at "$1" "$2"; xdotool mousemove $(rest); sleep 0.1; }  # X Y, then the pointer to rest
# Box of the pixels that differ between two screenshots, as "W H CX CY" (centre), in device
# pixels, within the flat pane (140, 120)-(535, 425) of the design.
diff_box() {  # A.png B.png
  local geometry x0 y0; geometry=$(crop_of 395 305 140 120)
  read -r x0 y0 <<<"$(at 140 120)"
  /usr/bin/convert "$1" "$2" -crop "$geometry" +repage -compose difference -composite \
    -colorspace gray -threshold 0 -format '%@' info: |
    awk -F'[x+]' -v x0="$x0" -v y0="$y0" '{ print $1, $2, x0 + $3 + int($1 / 2), y0 + $4 + int($2 / 2) }'
}
# A press at design point (X, Y), moves through the points that follow, and the release, once
# the program has handled it.
drag() {  # X Y [X Y]...
  local n x y; read -r x y <<<"$(at "$1" "$2")"; shift 2
  clear_double_click "$x" "$y"
  n=$(releases)
  xdotool mousemove "$x" "$y" mousedown 1
  while [ $# -ge 2 ]; do xdotool mousemove $(at "$1" "$2"); shift 2; done
  xdotool mouseup 1
  [ "$(wait_release "$n")" != ignored ] || fail "a drag fell under a message box"
  settle
}
stroke() {  # X0 X1 Y: a press at design (X0, Y), moves right in steps of 10 to X1, a release
  local points=() x
  for x in $(seq "$1" 10 "$2"); do points+=("$x" "$3"); done
  drag "$1" "$3" "${points[@]}"
}
# ImageMagick's text pixels ("x,y: (r,g,b) ...") as "x y r g b" lines.
txt_pixels() {
  sed -nE 's/^([0-9]+),([0-9]+): *\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4 \5/p'
}
# How many pixels of the movie picture (320 x 240 at (163, 172) of the design) of the last
# shot, or of a picture file, are a strong red.
red_in_movie() {  # [PICTURE]
  local from=${1:-$work/shot.png} crop; crop=$(crop_of 320 240 163 172)
  [ -n "${1:-}" ] && crop="320x240+0+0"
  /usr/bin/convert "$from" -crop "$crop" +repage -depth 8 txt:- | txt_pixels |
    awk '$3 > 200 && $4 < 50 && $5 < 50 { n++ } END { print n + 0 }'
}
view_changed() { shot; [ "$(area_changes "$work/before.png" "$work/shot.png" 209 159 540 205)" -gt 0 ]; }
pointer_shows_at_docout() { shot; [ "$(area_changes "$work/before.png" "$work/shot.png" 38 38 114 25)" -gt 0 ]; }
# The program has reported N releases, or the process PID (a driver) has ended.
handled_or_done() { [ "$(releases)" -ge "$1" ] || ! kill -0 "$2" 2>/dev/null; }
shows_more_red() { shot; [ "$(red_in_movie)" -gt "$1" ]; }  # N: red pixels in a fresh shot
# Answers the message box of that caption (not the program's own window) with the key.
answer_box() {  # CAPTION KEY
  box=""
  for _ in $(seq 200); do
    # xdotool's name search misses SDL's message boxes; xwininfo lists them.
    box=$(xwininfo -root -tree 2>/dev/null |
          awk -v caption="\"$1\"" -v main="${main_window:-none}" \
              'index($0, caption) && $1 != main { print $1; exit }')
    [ -n "$box" ] && break; sleep 0.1
  done
  [ -n "$box" ] || fail "no \"$1\" box"
  xdotool windowfocus --sync "$box" key "$2"
  until_true box_gone "$box" || fail "the \"$1\" box stays"
  [ -z "${pending:-}" ] || { wait_release "$pending" >/dev/null; pending=""; }
}
box_gone() { ! xwininfo -id "$1" >/dev/null 2>&1 || ! xwininfo -id "$1" | grep -q IsViewable; }
# A click whose release opens a message box: answer_box then waits for its handling.
click_into_box() {  # X Y
  clear_double_click $(at "$1" "$2")
  pending=$(releases); xdotool mousemove $(at "$1" "$2") click 1
}
# Answers the "Load Error" box that a missing model shows at start.
dismiss_load_error() { answer_box "Load Error" Return; }
works="$work/data/zephine/works"
# The works box's controls and its thumbnail cell C (0 to 7), on a 1024 x 768 screen.
open_box() { click_at 124 35; }
close_box() { click_at 335 416; }
save_work() { click_at 194 25; }
cell_x() { echo $((436 + 110 * ($1 % 2))); }
cell_y() { echo $((103 + 85 * ($1 / 2))); }
click_cell() { click_at $(($(cell_x "$1") + 50)) $(($(cell_y "$1") + 37)); }
# A 256 x 256 work of one colour.
make_work() {  # N COLOUR
  mkdir -p "$works"
  /usr/bin/convert -size 256x256 xc:"$2" -type TrueColor BMP3:"$works/Fly01-$1.bmp"
}
work_pixel() {  # N X Y: the colour of the saved work at texel (X, Y)
  /usr/bin/convert "$works/Fly01-$1.bmp" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}
# How many pixels of the W x H area at (X, Y) differ between two screenshots.
area_changes() {  # A.png B.png W H X Y: the design area
  # Through files: ImageMagick's policy refuses /dev/fd paths.
  local geometry; geometry=$(crop_of "$3" "$4" "$5" "$6")
  /usr/bin/convert "$1" -crop "$geometry" +repage "$work/area-a.png"
  /usr/bin/convert "$2" -crop "$geometry" +repage "$work/area-b.png"
  /usr/bin/compare -metric AE "$work/area-a.png" "$work/area-b.png" null: 2>&1 | cut -d' ' -f1
}
# A fresh shot's design area is the same as in the picture.
area_matches() { shot; [ "$(area_changes "$1" "$work/shot.png" "$2" "$3" "$4" "$5")" = 0 ]; }  # PICTURE W H X Y
# Shots until the design area holds still between two of them (5 s at most).
still_shot() {  # W H X Y
  shot; cp "$work/shot.png" "$work/still.png"
  for _ in $(seq 50); do
    sleep 0.1; area_matches "$work/still.png" "$@" && return
    cp "$work/shot.png" "$work/still.png"
  done
  fail "the area ($*) never held still"
}
dark_pixel() {  # X Y: every channel below 80 (design; "raw X Y" for a picture's own pixel)
  local got
  if [ "$1" = raw ]; then got=$(raw_pixel "$2" "$3"); shift; else got=$(pixel "$1" "$2"); fi
  IFS=, read -r pr pg pb <<<"$got"
  [ "$pr" -lt 80 ] && [ "$pg" -lt 80 ] && [ "$pb" -lt 80 ] || fail "pixel ($1, $2) is $got, not dark"
}

# A broken installation: the data file of one kind is missing, truncated to a third, or its
# bytes are random (a WAVE file: or its blocks too small); the program must show the designed
# message or go on without it.
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
    BadBlocks) cp --remove-destination "$(readlink -f "$1")" "$1"
               printf '\003\000' | dd of="$1" bs=1 seek=32 conv=notrunc status=none ;;
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
answer_all_boxes() { while :; do answer_boxes; sleep 0.2; done; }
# Presses the middle of a layout rectangle, named as the program names it.
tap() {  # NAME
  read -r l t r b <<<"$("$E2E_DATA_TOOL" layout | awk -v n="$1" '$1 == n { print $2, $3, $4, $5 }')"
  click_at $(((l + r) / 2)) $(((t + b) / 2))
}
# Paint, choose tools, print, change the model, open the box and the flight screen, come back.
use_every_screen() {
  end_tour
  stroke 188 288 216
  tap picture; click_at 218 196  # a stamp
  tap print; tap steppri
  tap ModelPick2
  tap docout; tap saveback
  tap mov; tap play; tap steppri; tap diy
  tap pencil; stroke 188 288 246
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
    press_exit; wait_end; kill "$answerer" 2>/dev/null
    [ "$ended" = 0 ] || fail "exit gave $ended; log: $(tail -5 "$work/log")" ;;
  WorkshopPencilStrokeShowsOnBothPanesAndUndoes)
    make_install; add_model; start_display 1024x768; start_program e0
    end_tour
    shot; cp "$work/shot.png" "$work/before.png"
    expect_pixel 188 216 "200,200,200"  # the skin, at zoom 1 from the canvas' corner
    stroke 188 288 216
    until_true +50 view_changed; cp "$work/shot.png" "$work/after.png"  # the model takes the paint
    [ -n "${E2E_KEEP:-}" ] && cp "$work/before.png" "$E2E_KEEP-before.png" && cp "$work/after.png" "$E2E_KEEP-after.png"
    dark_pixel 238 216
    [ "$(area_changes "$work/before.png" "$work/after.png" 209 159 540 205)" -gt 0 ] ||
      fail "the 3D pane did not change"
    click_at 764 36  # undo
    shot; expect_pixel 238 216 "200,200,200"
    click_exit_and_check ;;
  WorkshopStrokeOnTheModelPaintsTheSkin)
    make_install; add_model; start_display 1024x768; start_program e0
    end_tour
    shot; cp "$work/shot.png" "$work/before.png"
    [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP.png"
    drag 618 284 624 284 630 284 636 284 642 284 648 284 654 284 660 284 666 284
    shot; cp "$work/shot.png" "$work/after.png"
    [ "$(area_changes "$work/before.png" "$work/after.png" 256 256 140 120)" -gt 0 ] ||
      fail "the flat pane did not change"
    click_exit_and_check ;;
  WorkshopEraserRestoresTheSkin)
    make_install; add_model; start_display 1024x768; start_program e0
    end_tour
    stroke 188 288 216
    shot; dark_pixel 238 216
    click_at 340 487  # the eraser
    stroke 178 298 216
    shot; expect_pixel 238 216 "200,200,200"
    click_exit_and_check ;;
  WorkshopColourChartPicksTheColour)
    make_install; add_model; start_display 1024x768; start_program e0
    end_tour
    shot; chart=$(pixel 528 516)
    click_at 528 516
    shot; expect_pixel 629 568 "$chart"  # the swatch shows the colour under the pointer
    click_exit_and_check ;;
  WorkshopStampLandsCentredOnThePress)
    make_install; use_generated_data; add_model; start_display 1024x768; start_program e0
    end_tour
    click_at 277 487  # the stamp tool
    shot; cp "$work/shot.png" "$work/before.png"
    click_at 208 196
    shot
    read -r w h cx cy <<<"$(diff_box "$work/before.png" "$work/shot.png")"
    [ "$w" -gt 4 ] && [ "$h" -gt 4 ] || fail "no stamp ($w x $h)"
    read -r px py <<<"$(at 208 196)"
    [ $((cx - px)) -ge -3 ] && [ $((cx - px)) -le 3 ] && [ $((cy - py)) -ge -3 ] &&
      [ $((cy - py)) -le 3 ] || fail "stamp centred at ($cx, $cy), not ($px, $py)"
    click_exit_and_check ;;
  WorkshopViewButtonsChangeThePanes)
    make_install; add_model; start_display 1024x768; start_program e0
    end_tour
    shot; cp "$work/shot.png" "$work/start.png"
    click_at 561 28  # zoom in while held in the canvas: a hold of a second
    n=$(releases); xdotool mousemove $(at 288 266) mousedown 1; sleep 1; xdotool mouseup 1  # the hold itself
    wait_release "$n" >/dev/null
    shot; cp "$work/shot.png" "$work/zoomed.png"
    [ "$(area_changes "$work/start.png" "$work/zoomed.png" 395 305 140 120)" -gt 100 ] ||
      fail "zoom did not change the flat pane"
    click_at 627 26  # pan
    drag 338 266 308 246 268 216
    shot; cp "$work/shot.png" "$work/panned.png"
    [ "$(area_changes "$work/zoomed.png" "$work/panned.png" 395 305 140 120)" -gt 100 ] ||
      fail "pan did not move the flat pane"
    click_at 696 30  # rotate
    drag 644 284 664 284 688 296
    shot; cp "$work/shot.png" "$work/turned.png"
    [ "$(area_changes "$work/panned.png" "$work/turned.png" 209 159 540 205)" -gt 100 ] ||
      fail "rotate did not turn the model"
    click_at 786 252  # swap the panes
    shot
    [ "$(area_changes "$work/turned.png" "$work/shot.png" 209 159 540 205)" -gt 100 ] ||
      fail "the swap did not change the small pane"
    click_exit_and_check ;;
  WorkshopModelSlotLoadsAnotherModel)
    make_install; add_model 1; add_model 2 'rgb(250,210,60)'; start_display 1024x768
    start_program e0
    end_tour
    shot; expect_pixel 188 216 "200,200,200"
    click_at 38 279  # the second model of the column
    shot; expect_pixel 188 216 "250,210,60"
    click_exit_and_check ;;
  WorksBoxSavesThreeWorksAndShowsThem)
    make_install; use_generated_data; add_model; start_display 1024x768; start_program e0
    end_tour
    open_box; shot; cp "$work/shot.png" "$work/empty.png"; close_box
    for y in 300 320 340; do stroke 188 288 $(($y - 84)); save_work; done
    for n in 0 1 2; do
      [ "$(stat -c %s "$works/Fly01-$n.bmp")" = 196662 ] || fail "work $n is not 256 x 256 x 24 bits"
    done
    # The flat pane shows the skin from its corner at (252, 204): each stroke is in its work.
    IFS=, read -r r g b <<<"$(work_pixel 2 98 136)"
    [ "$r" -lt 80 ] && [ "$g" -lt 80 ] && [ "$b" -lt 80 ] || fail "work 2 lacks its stroke ($r,$g,$b)"
    IFS=, read -r r g b <<<"$(work_pixel 0 98 136)"
    [ "$r" -gt 150 ] || fail "work 0 has a stroke painted after it was saved"
    # An unsaved stroke stays on both panes through the box.
    stroke 188 288 336
    still_shot 209 159 540 205; cp "$work/shot.png" "$work/before.png"  # the model takes the paint
    open_box; shot; cp "$work/shot.png" "$work/full.png"
    for c in 0 1 2; do
      [ "$(area_changes "$work/empty.png" "$work/full.png" 90 65 $(($(cell_x $c) + 5)) $(($(cell_y $c) + 5)))" -gt 100 ] ||
        fail "no thumbnail in cell $c"
    done
    [ "$(area_changes "$work/empty.png" "$work/full.png" 90 65 $(($(cell_x 3) + 5)) $(($(cell_y 3) + 5)))" = 0 ] ||
      fail "a thumbnail in the empty cell 3"
    close_box; until_true +50 area_matches "$work/before.png" 209 159 540 205
    [ "$(area_changes "$work/before.png" "$work/shot.png" 395 305 140 120)" = 0 ] ||
      fail "the flat pane changed through the box"
    [ "$(area_changes "$work/before.png" "$work/shot.png" 209 159 540 205)" = 0 ] ||
      fail "the 3D pane changed through the box"
    [ ! -e "$works/Fly01-3.bmp" ] || fail "the box saved a work"
    click_exit_and_check
    [ -e "$works/Fly01-3.bmp" ] || fail "the unsaved painting was not kept at the end" ;;
  WorksBoxLoadsAndDeletesAWork)
    make_install; use_generated_data; add_model
    make_work 0 'rgb(200,40,40)'; make_work 1 'rgb(40,160,40)'; make_work 2 'rgb(40,40,200)'
    start_display 1024x768; start_program e0
    end_tour
    open_box; click_cell 1; close_box
    shot; expect_pixel 188 216 "40,160,40"
    IFS=, read -r r g b <<<"$(pixel 644 284)"
    [ "$g" -gt "$r" ] && [ "$g" -gt "$b" ] || fail "the 3D pane is ($r,$g,$b), not the green work"
    open_box; click_cell 1
    click_into_box 385 416; answer_box Zephine Escape  # No
    [ -e "$works/Fly01-2.bmp" ] || fail "No deleted a work"
    click_into_box 385 416; answer_box Zephine Return  # Yes
    [ ! -e "$works/Fly01-2.bmp" ] || fail "no renumbering after the delete"
    [ "$(work_pixel 1 5 5)" = "40,40,200" ] || fail "work 1 is $(work_pixel 1 5 5), not the former work 2; $(ls $works $work/data/Trash/files)"
    [ "$(work_pixel 0 5 5)" = "200,40,40" ] || fail "work 0 changed"
    [ -e "$work/data/Trash/files/Fly01-1.bmp" ] || fail "the deleted work is not in the trash"
    close_box; click_exit_and_check ;;
  WorksBoxFullSavesNothing)
    make_install; use_generated_data; add_model
    mkdir -p "$works"
    for n in $(seq 0 999); do printf '%s' "$n" >"$works/Fly01-$n.bmp"; done
    sum_before=$(cat "$works"/* | md5sum)
    start_display 1024x768; start_program e0
    end_tour
    stroke 188 288 216
    click_into_box 194 25
    answer_box Zephine Return
    [ "$(ls "$works" | wc -l)" = 1000 ] || fail "a file was added"
    [ "$(cat "$works"/* | md5sum)" = "$sum_before" ] || fail "a work changed"
    # The end cannot keep the painting either, and says so before it ends.
    press_exit
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
    end_tour
    stroke 188 288 216; shot; cp "$work/shot.png" "$work/painted.png"
    unchanged() {  # WHAT: the two works as they were, nothing beside them, the painting shown
      [ "$(ls -A "$works" | tr '\n' ' ')" = "Fly01-0.bmp Fly01-1.bmp " ] || fail "$1: the folder holds $(ls -A "$works")"
      [ "$(cat "$works"/* | md5sum)" = "$sum_before" ] || fail "$1: a work changed"
      shot; [ "$(area_changes "$work/painted.png" "$work/shot.png" 395 305 140 120)" = 0 ] ||
        fail "$1: the painting left the flat pane"
    }
    click_into_box 194 25; answer_box Zephine Return; unchanged "the save"
    # Each replacement asks; no keeps the painting.
    click_into_box 38 279; answer_box Zephine Escape; unchanged "another model"
    open_box; click_into_box $(($(cell_x 0) + 50)) $(($(cell_y 0) + 37)); answer_box Zephine Escape
    close_box; unchanged "a work from the box"
    pending=$(releases); press_exit; answer_box Zephine Escape
    kill -0 "$app_pid" 2>/dev/null || fail "the exit went ahead"; unchanged "the exit"
    # Once there is room the painting saves.
    rm "$work/data/filler"; save_work
    [ "$(stat -c %s "$works/Fly01-2.bmp" 2>/dev/null)" = 196662 ] || fail "no whole work after room was made"
    IFS=, read -r r g b <<<"$(work_pixel 2 98 96)"
    [ "$r" -lt 80 ] && [ "$g" -lt 80 ] && [ "$b" -lt 80 ] || fail "the saved work lacks the stroke ($r,$g,$b)"
    click_exit_and_check
    [ "$(ls -A "$works" | wc -l)" = 3 ] || fail "after the end: $(ls -A "$works")" ;;
  PrintSheetWritesTheSheetToAPdf)
    make_install; add_model
    /usr/bin/convert -size 256x256 xc:white -fill black -draw 'rectangle 0,198 255,201' \
      -type TrueColor BMP3:"$work/share/zephine/Diy/Model/Fly01m.bmp"
    mkdir -p "$work/pdf"; export ZEPHINE_PRINT_TO="$work/pdf"
    start_display 1024x768; start_program e0
    end_tour
    stroke 188 288 216
    click_at 406 567  # the print tool
    click_at 508 521  # print
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
    dark_pixel raw $((sx + 98 * sw / 256)) $((sy + 96 * sw / 256))    # the stroke
    dark_pixel raw $((sx + 20 * sw / 256)) $((sy + 200 * sw / 256))   # the overlay's line
    IFS=, read -r r g b <<<"$(raw_pixel $((sx + 20 * sw / 256)) $((sy + 20 * sw / 256)))"
    [ "$r" -ge 195 ] && [ "$r" -le 205 ] || fail "the skin prints as ($r,$g,$b)"
    # At half size the sheet is half as wide.
    click_at 562 557; rm -f "$pdf"
    click_at 508 521
    pdftoppm -r 50 -png -singlefile "$pdf" "$work/half" || fail "no second PDF"
    read -r hw hh <<<"$(/usr/bin/convert "$work/half.png" -fuzz 3% -format '%@' info: | tr 'x+' '  ')"
    [ $((hw - sw / 2)) -ge -4 ] && [ $((hw - sw / 2)) -le 4 ] || fail "at 50% the sheet is $hw wide, not about $((sw / 2))"
    click_exit_and_check ;;
  # The flight cases compare the movie's pictures pixel for pixel, so they run unscaled.
  FlightMovShowsTheFirstFrameAndPlayAdvances)
    make_install; use_installed_data; start_display 1024x768; start_program --unscaled e0
    enter_flight
    expect_movie_frame 1 0
    press_away 276 489  # play
    movie_frame 1 0 "$work/first.bmp"
    until_true movie_moved_from "$work/first.bmp" || fail "play did not advance the picture"
    click_exit_and_check ;;
  FlightStepButtonJumpsToItsThumbnailsPicture)
    make_install; use_installed_data; start_display 1024x768; start_program --unscaled e0
    enter_flight
    shot
    movie_frame 1 40 "$work/thumb.bmp" 110x81
    [ "$(area_differs_from "$work/thumb.bmp" 110 81 624 207)" = 0 ] ||
      fail "step button 2 does not show frame 40"
    # The step button jumps and plays; stop right after it, before the movie has gone far.
    n=$(releases)
    xdotool mousemove $(at 679 247) click 1 mousemove $(at 340 486) click 1 mousemove $(rest)
    wait_release $((n + 1)) >/dev/null
    shot
    found=""
    for t in 40 41 42 43; do
      movie_frame 1 "$t" "$work/frame.bmp"
      [ "$(area_differs_from "$work/frame.bmp" 320 240 163 172)" = 0 ] && found=$t && break
    done
    [ -n "$found" ] || fail "the movie is not at step 2's picture"
    click_exit_and_check ;;
  FlightNextAndPreviousMoveBetweenMarks)
    make_install; use_installed_data; start_display 1024x768; start_program --unscaled e0
    enter_flight
    press_away 388 519; expect_movie_frame 1 40  # next
    press_away 388 519; expect_movie_frame 1 64
    press_away 226 523; expect_movie_frame 1 40  # previous
    click_exit_and_check ;;
  FlightModelButtonChangesTheMovie)
    make_install; use_installed_data; start_display 1024x768; start_program --unscaled e0
    enter_flight
    press_away 38 279  # the second model of the column
    expect_movie_frame 2 0
    click_exit_and_check ;;
  FlightDiyKeepsTheWorkshopPainting)
    make_install; use_installed_data; start_display 1024x768; start_program e0
    end_tour
    shot; cp "$work/shot.png" "$work/before.png"
    stroke 188 288 216
    still_shot 209 159 540 205; cp "$work/shot.png" "$work/painted.png"  # the model takes the paint
    [ "$(area_changes "$work/before.png" "$work/painted.png" 395 305 140 120)" -gt 0 ] ||
      fail "the stroke did not show on the flat pane"
    [ "$(area_changes "$work/before.png" "$work/painted.png" 209 159 540 205)" -gt 0 ] ||
      fail "the stroke did not show on the 3D pane"
    press_away 469 34  # mov
    press_away 390 34  # diy
    until_true +50 area_matches "$work/painted.png" 209 159 540 205; cp "$work/shot.png" "$work/back.png"
    [ -n "${E2E_KEEP:-}" ] && cp "$work/painted.png" "$E2E_KEEP-painted.png" && cp "$work/back.png" "$E2E_KEEP-back.png"
    [ "$(area_changes "$work/painted.png" "$work/back.png" 395 305 140 120)" = 0 ] ||
      fail "the flat pane changed on the way back from the flight screen"
    [ "$(area_changes "$work/painted.png" "$work/back.png" 209 159 540 205)" = 0 ] ||
      fail "the 3D pane changed on the way back from the flight screen"
    click_exit_and_check ;;
  FlightFoldsAndFliesThePainting)
    make_install; use_installed_data; start_display 1024x768; start_program --unscaled e0
    end_tour
    # The strongest red of the colour chart, then the pencil at its thickest and fully opaque.
    shot
    read -r cx cy <<<"$(at 473 493)"
    read -r rx ry <<<"$(/usr/bin/convert "$work/shot.png" -crop "$(crop_of 128 86 473 493)" +repage -depth 8 txt:- | txt_pixels |
      awk -v cx="$cx" -v cy="$cy" '{ s = $3 - $4 - $5; if (s > best) { best = s; x = $1; y = $2 } } END { print cx + x, cy + y }')"
    click_device "$rx" "$ry"
    click_at 620 494; click_at 649 494
    # One press zigzagging over the whole flat pane.
    points=()
    for y in $(seq 215 12 495); do
      if [ $(((y - 215) / 12 % 2)) = 0 ]; then xs=$(seq 260 20 640); else xs=$(seq 640 -20 260); fi
      for x in $xs; do points+=($((x - 112)) $((y - 84))); done
    done
    drag 148 131 "${points[@]}"
    shot; [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP-painted.png"
    [ "$(red_in_movie)" -gt 20000 ] || fail "no red patch on the flat pane"
    enter_flight
    # The first frame, a frame in the middle of the folds (step 3's mark) and the flight (the
    # last step) each show the painting's red where the paper shows.
    for step in first 3 last; do
      case $step in
        first) t=0 ;;
        3) press_away 388 519; press_away 388 519; t=64 ;;  # next twice
        last) press_away 408 566; t=9999 ;;  # past the end: the last picture
      esac
      movie_frame 1 "$t" "$work/made.bmp"
      made=$(red_in_movie "$work/made.bmp")
      until_true shows_more_red $((made + 150)) ||
        fail "at $step ($t) the movie shows $(red_in_movie) red pixels, the movie file $made"
      [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP-$step.png"
    done
    # Without its fold animation the movie file plays, painted or not.
    rm "$work/share/zephine/Diy/Movie/Fly01.fan"
    press_away 390 34; enter_flight
    expect_movie_frame 1 0
    click_exit_and_check ;;
  TourPointerLeavesWithThePress)
    # With the sentences the pointer blinks on each button until its sentence ends. The click
    # that ends the tour lands while the program is busy (held stopped here), so its press and
    # release are handled together, before the window is painted again.
    make_install; use_generated_data; add_model
    cp -r "$E2E_DATA_TREE/Sound" "$work/share/zephine/" || fail "no generated sounds"
    start_display 1024x768; start_program e0
    end_tour  # ends the opening tour
    shot; cp "$work/shot.png" "$work/before.png"
    click_at 734 440  # help: the short tour
    # The pointer's area at `docout`, (226, 109) to (264, 147), as the tour reaches it.
    until_true +600 pointer_shows_at_docout || fail "the tour never pointed at docout"
    n=$(releases)
    kill -STOP "$app_pid"; xdotool mousemove $(at 288 266) mousedown 1 mouseup 1; sleep 0.2
    kill -CONT "$app_pid"; wait_release "$n" >/dev/null
    until_true ! pointer_shows_at_docout
    [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP-after.png"
    changed=$(area_changes "$work/before.png" "$work/shot.png" 38 38 114 25)
    [ "$changed" = 0 ] || fail "$changed pixels of the pointer stay at docout after the tour"
    click_exit_and_check ;;
  WorksSurviveKillsDuringSaves)
    # Saves and new pencil sizes (each writes a brush-tip cache file) as fast as the program
    # takes them, and a SIGKILL at a random moment, eight times over.
    make_install; add_model; start_display 1024x768
    for round in $(seq 8); do
      start_program e0
      end_tour
      n=$(releases)
      ( for k in $(seq 40); do
          xdotool mousemove $(at 194 25) click 1                       # save
          xdotool mousemove $(at 620 $((577 + k % 47 - 84))) click 1         # the pencil's size
          xdotool mousemove $(at $((300 + k - 112)) 216) click 1              # a dot at that size
        done ) &
      driver=$!
      # After a random number of the presses, and a random moment more.
      until_true +300 handled_or_done $((n + 1 + RANDOM % 30)) "$driver"
      sleep "0.$((RANDOM % 20))"
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
    click_exit_and_check ;;
  BackdropIsCentred|DesktopFillsTheDisplayHeight)
    # Unscaled the design sits in the middle; scaled it fills the height of a wide display.
    # Either way the margins show the backdrop's edge, never black.
    make_install
    if [ "$case_name" = BackdropIsCentred ]; then start_display 1024x768; start_program --unscaled
    else start_display 1920x1080; start_program; fi
    shot
    # The corners' marks (4 pixels wide), read inside so that filtering leaves them whole.
    expect_pixel 1 1 "0,255,0"
    expect_pixel 798 598 "0,0,255"
    expect_pixel 400 300 "$backdrop"
    read -r x0 y0 <<<"$(at 0 0)"; read -r x1 y1 <<<"$(at 799 599)"
    [ "$(raw_pixel $((x0 - 1)) "$y0")" = "$backdrop" ] || fail "the margin is $(raw_pixel $((x0 - 1)) "$y0")"
    [ "$(raw_pixel $((x1 + 1)) "$y1")" = "$backdrop" ] || fail "the right margin is $(raw_pixel $((x1 + 1)) "$y1")"
    if [ "$case_name" = DesktopFillsTheDisplayHeight ]; then
      [ "$y0" = 0 ] && [ "$y1" = 1079 ] && [ "$x0" = 240 ] || fail "the design shows from ($x0, $y0) to ($x1, $y1)"
    fi
    click_exit_and_check ;;
  ExitPressThenReleaseAnywhereEnds)
    make_install; start_display 1024x768; start_program
    xdotool mousemove $(at 738 566) mousedown 1
    wait_pixel 688 536 "250,250,0"  # exit drawn pressed
    xdotool mousemove $(at 188 216); sleep 0.1; xdotool mouseup 1
    wait_end; [ "$ended" = 0 ] || fail "status $ended after press on exit, release elsewhere" ;;
  ReleaseOnExitAloneDoesNotEnd)
    make_install; start_display 1024x768; start_program
    drag 188 216 738 566
    sleep 0.2; kill -0 "$app_pid" 2>/dev/null || fail "ended on a release without a press on exit"
    click_exit_and_check ;;
  RightButtonDoesNothing)
    make_install; start_display 1024x768; start_program
    # A left click after each right-button event shows that it has been handled.
    xdotool mousemove $(at 738 566) mousedown 3; click_at 188 216
    shot; expect_pixel 688 536 "$backdrop"
    xdotool mousemove $(at 738 566) mouseup 3; click_at 188 216
    sleep 0.2; kill -0 "$app_pid" 2>/dev/null || fail "the right button ended the program"
    click_exit_and_check ;;
  TooltipShowsInEnglish|TooltipShowsInChinese)
    lang=e; [ "$case_name" = TooltipShowsInChinese ] && lang=c
    make_install; start_display 1024x768; start_program "${lang}0"
    # A press ends the opening demonstration, during which no tips show.
    end_tour; hover_tip
    [ -n "${E2E_KEEP:-}" ] && cp "$work/shot.png" "$E2E_KEEP"
    width=$(tip_width "$tx" "$ty")
    if [ $lang = e ]; then
      [ "$width" -gt 128 ] || fail "English tip is $width pixels wide"
    else
      [ "$width" -gt 25 ] && [ "$width" -lt 90 ] || fail "Chinese tip is $width pixels wide"
    fi
    # Off the buttons the tip goes away.
    xdotool mousemove $(at 188 216)
    until_true shows_raw_pixel $((tx + 2)) $((ty + 2)) "$backdrop" || fail "the tip stays"
    click_exit_and_check ;;
  EmptyDataTreeRunsBlackAndExits)
    make_install empty; start_display 1024x768; start_program
    dismiss_load_error
    shot; expect_pixel 400 300 "0,0,0"; expect_pixel 0 0 "0,0,0"
    click_exit_and_check ;;
  SmallDisplayCutsTheDesign|SmallDisplayShowsTheWholeDesign)
    make_install; start_display 640x480
    if [ "$case_name" = SmallDisplayCutsTheDesign ]; then
      # Unscaled, offsets (-80, -60): the design's corners are off the screen.
      start_program --unscaled
      shot; expect_pixel 80 60 "$backdrop"; expect_pixel 719 539 "$backdrop"
    else
      # Scaled down to 0.8: the corners show.
      start_program
      shot; expect_pixel 1 1 "0,255,0"; expect_pixel 798 598 "0,0,255"
    fi
    click_exit_and_check ;;
  StoreScreenshotAtFullHd)
    # The workshop with the generated data at 1920 x 1080, a few strokes on the skin: the
    # picture the software centres show (E2E_SCREENSHOT names where it goes).
    make_install; use_installed_data; start_display 1920x1080; start_program e0
    end_tour
    for y in 200 230 260 290; do stroke 150 330 "$y"; done
    still_shot 209 159 540 205  # the model has taken the paint
    [ "$(/usr/bin/identify -format '%wx%h' "$work/shot.png")" = 1920x1080 ] || fail "the shot's size"
    read -r x0 y0 <<<"$(at 0 0)"
    [ "$(raw_pixel $((x0 - 1)) "$y0")" != "0,0,0" ] || fail "black margins"
    [ -n "${E2E_SCREENSHOT:-}" ] && cp "$work/shot.png" "$E2E_SCREENSHOT"
    click_exit_and_check ;;
  DesktopStrokeAndTipsAtFullHd)
    # The tip's box at 800 x 600 first, then the same tip and a stroke at 1920 x 1080.
    make_install; add_model; start_display 800x600; start_program e0
    end_tour; hover_tip; small=$(tip_height "$tx" "$ty")
    [ "$small" -ge 20 ] || fail "the tip at 800 x 600 is $small pixels tall"
    click_exit_and_check
    stop_display
    start_display 1920x1080; start_program e0
    end_tour
    shot; cp "$work/shot.png" "$work/before.png"
    stroke 188 288 216
    until_true +50 view_changed; cp "$work/shot.png" "$work/after.png"  # the model takes the paint
    dark_pixel 238 216
    [ "$(area_changes "$work/before.png" "$work/after.png" 209 159 540 205)" -gt 0 ] ||
      fail "the 3D pane did not change"
    hover_tip; big=$(tip_height "$tx" "$ty")
    [ $((big * 10)) -ge $((small * 16)) ] || fail "the tip is $big pixels tall at 1920 x 1080, $small at 800 x 600"
    click_exit_and_check ;;
  WorksBoxCoversTheVolumeKnob)
    # The knob moves between two openings of the box; where the box covers the slider, the box
    # must look the same.
    make_install; use_generated_data; add_model; start_display 1920x1080; start_program e0
    end_tour
    open_box; shot; cp "$work/shot.png" "$work/first.png"; close_box
    click_at 170 85; click_at 285 85; click_at 170 85
    open_box; shot
    [ -n "${E2E_KEEP:-}" ] && cp "$work/first.png" "$E2E_KEEP-first.png" && cp "$work/shot.png" "$E2E_KEEP-second.png"
    changed=$(area_changes "$work/first.png" "$work/shot.png" 88 25 202 73)
    [ "$changed" = 0 ] || fail "$changed pixels of the slider show through the works box"
    close_box; click_exit_and_check ;;
  NoDisplayExitsAtOnce)
    make_install
    env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy ZEPHINE_SYSTEM_DIR="$work" \
      "$work/bin/zephine" e0 >"$work/log" 2>&1 &
    app_pid=$!
    wait_end 20
    [ "$ended" = 1 ] || fail "with no display: $ended; log: $(cat "$work/log")"
    [ "$(cat "$work/log")" = "zephine: cannot open a display (is DISPLAY set?)" ] ||
      fail "with no display it says: $(cat "$work/log")" ;;
  OptionsAnswerWithoutAWindow)
    # With no display: a window or sound device asked for would fail differently.
    make_install
    run() { env -u DISPLAY -u WAYLAND_DISPLAY "$work/bin/zephine" "$@" >"$work/out" 2>"$work/err"; echo $?; }
    [ "$(run --help)" = 0 ] && grep -q '^Usage: zephine' "$work/out" && [ ! -s "$work/err" ] || fail "--help"
    [ "$(run --version)" = 0 ] && grep -q '^zephine [0-9]' "$work/out" || fail "--version: $(cat "$work/out")"
    for bad in --bogus "--window 1024x768x" "--window 1024"; do
      # shellcheck disable=SC2086
      [ "$(run $bad)" = 2 ] && [ "$(wc -l <"$work/err")" = 1 ] && [ ! -s "$work/out" ] ||
        fail "$bad: $(cat "$work/err")"
    done ;;
  *) fail "unknown case $case_name" ;;
esac
echo "PASS: $case_name"
