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
  if [ "${1:-}" != empty ]; then "$maker" "$work/share/zephine" || fail "test installation"; fi
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
  SDL_AUDIODRIVER=dummy ZEPHINE_SYSTEM_DIR="$work" "$work/bin/zephine" "$@" >"$work/log" 2>&1 &
  app_pid=$!
  for _ in $(seq 100); do
    xdotool search --name '^Zephine$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool search --name '^Zephine$' >/dev/null 2>&1 || fail "no window; log: $(cat "$work/log")"
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

# Waits up to 5 s for the program to end; sets `ended` to its status, or "running".
wait_end() {
  ended=running
  for _ in $(seq 50); do
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

backdrop="200,60,40"
case "$case_name" in
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
    wait_end; [ "$ended" = running ] || fail "ended on a release without a press on exit"
    click_exit_and_check 850 650 ;;
  RightButtonDoesNothing)
    make_install; start_display 1024x768; start_program
    xdotool mousemove 850 650 mousedown 3; sleep 0.3
    shot; expect_pixel 800 620 "$backdrop"
    xdotool mouseup 3
    wait_end; [ "$ended" = running ] || fail "the right button ended the program"
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
