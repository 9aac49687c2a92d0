# The harness shared by the end-to-end cases (tests/e2e/e2e.sh) and the soak (scripts/soak.sh):
# an Xvfb of its own, the program's windows, design-to-screen coordinates and waits on events.
# Sourced; the sourcing script sets `work` (its temporary tree) and defines `fail`.
# The program, started with ZEPHINE_TRACE set, logs "zephine: first painted frame ..." once its
# first screen is up and "zephine: release handled" (or "ignored", under a message box) after
# each release of the left button, once what the release changed is on the screen.

xvfb_pid="" app_pid="" main_window=""

# Starts an X server of its own at that size and points DISPLAY at it.
start_display() {  # WIDTHxHEIGHT
  IFS=x read -r display_w display_h <<<"$1"
  exec 5>"$work/display"
  Xvfb -displayfd 5 -screen 0 "${1}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"
  [ "$DISPLAY" != ":" ] || fail "Xvfb did not start"
}

# Ends the X server and waits for it: one still shutting down holds its display's sockets, and
# the next program may connect to it and lose its window with it.
stop_display() {
  kill "$xvfb_pid" 2>/dev/null
  for _ in $(seq 50); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}

# The program's other top-level windows with a name: its message boxes.
box_windows() {
  xwininfo -root -children 2>/dev/null |
    awk -v main="${main_window:-none}" '$1 ~ /^0x/ && /"/ && $1 != main && $1 != sprintf("0x%x", main) { print $1 }'
}

# Answers every message box up now with the key (Return unless told).
answer_boxes() {  # [KEY]
  local w
  for w in $(box_windows); do xdotool windowfocus --sync "$w" key "${1:-Return}" 2>/dev/null; done
}

# Starts the program, logging into $work/log, and waits (up to 60 s: a loaded machine or a
# sanitizer build is slow) for its window and its first painted frame or a message box.
# Sets `app_pid` and `main_window` (as 0x... hex).
launch_program() {  # COMMAND ARGS...
  ZEPHINE_TRACE=1 "$@" >"$work/log" 2>&1 &
  app_pid=$!
  main_window=""
  for _ in $(seq 600); do
    [ -n "$main_window" ] || main_window=$(xdotool search --name '^Zephine$' 2>/dev/null | head -n1)
    [ -n "$main_window" ] && { grep -q "first painted frame" "$work/log" || [ -n "$(box_windows)" ]; } && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$main_window" ] || { ! grep -q "first painted frame" "$work/log" && [ -z "$(box_windows)" ]; }; then
    # Where it is stuck, for the report.
    command -v gdb >/dev/null && gdb -p "$app_pid" -batch -ex "thread 1" -ex bt >"$work/stacks" 2>&1
    fail "no window${main_window:+ painted}; log: $(cat "$work/log"); stacks: $(grep -E '^#' "$work/stacks" 2>/dev/null | head -n 40)"
  fi
  main_window=$(printf '0x%x' "$main_window")
}

# The screen pixel under the centre of design pixel (X, Y), by the program's own rule: the
# 800 x 600 design at scale min(W / 800, H / 600), centred (1:1 with `unscaled=1`). Off the
# screen it is clamped to the screen's edge. `design_x`/`design_y` offset a design placed
# otherwise (the soak's 800 x 600 window).
at() {  # X Y
  local w=$display_w h=$display_h dw dh dx dy x y
  if [ "${unscaled:-0}" = 1 ]; then
    x=$(($1 + ${design_x:-$((w / 2 - 400))})) y=$(($2 + ${design_y:-$((h / 2 - 300))}))
  else
    if [ $((w * 600)) -le $((h * 800)) ]; then dw=$w dh=$(((3 * w + 2) / 4)); else dh=$h dw=$(((8 * h + 3) / 6)); fi
    dx=$(((w - dw) / 2)) dy=$(((h - dh) / 2))
    x=$((dx + ((2 * $1 + 1) * dw - ((2 * $1 + 1) < 0 ? 1599 : 0)) / 1600))
    y=$((dy + ((2 * $2 + 1) * dh - ((2 * $2 + 1) < 0 ? 1199 : 0)) / 1200))
  fi
  [ "$x" -lt 0 ] && x=0; [ "$x" -ge "$w" ] && x=$((w - 1))
  [ "$y" -lt 0 ] && y=0; [ "$y" -ge "$h" ] && y=$((h - 1))
  echo "$x $y"
}

# How many releases the program has reported so far.
releases() { grep -c '^zephine: release' "$work/log"; }

# Waits until the program has reported more than N releases (30 s at most). Prints the last
# one's word: handled or ignored ("ended" when the program is gone).
wait_release() {  # N
  for _ in $(seq 600); do
    if [ "$(releases)" -gt "$1" ]; then grep '^zephine: release' "$work/log" | tail -n1 | cut -d' ' -f3; return; fi
    kill -0 "$app_pid" 2>/dev/null || { echo ended; return; }
    sleep 0.05
  done
  fail "a release was never handled; log: $(tail -5 "$work/log")"
}

# SDL takes a second press within half a second and a few pixels of the last as a double
# click, which the program ignores: a press that close waits the half second out.
last_press_ms=0 last_press_x=-100 last_press_y=-100
clear_double_click() {  # X Y (device)
  local now dx=$(($1 - last_press_x)) dy=$(($2 - last_press_y))
  now=$(($(date +%s%N) / 1000000))
  if [ "${dx#-}" -le 40 ] && [ "${dy#-}" -le 40 ] && [ $((now - last_press_ms)) -lt 550 ]; then
    sleep "0.$(printf '%03d' $((550 - (now - last_press_ms))))"
  fi
  last_press_x=$1 last_press_y=$2 last_press_ms=$(($(date +%s%N) / 1000000))
}

# A press and a release at device (x, y); returns once the program has handled the release and
# shown what it changed. A release that fell under a message box is tried again.
click_device() {  # x y
  local n word
  for _ in 1 2 3 4 5; do
    clear_double_click "$1" "$2"
    n=$(releases)
    xdotool mousemove "$1" "$2" click 1
    word=$(wait_release "$n")
    [ "$word" = ignored ] || { settle; return 0; }
    sleep 0.2
  done
  fail "presses at ($1, $2) kept falling under a message box"
}
# The 3D pane takes new paint at the next tick of the tenth-of-a-second timer.
settle() { sleep 0.15; }
click_at() { click_device $(at "$1" "$2"); }  # X Y: at design (X, Y)

# Calls the condition until it holds (with "!", until it fails), every tenth of a second for
# up to 20 s (or the tenths given first as +N); false when it never came.
until_true() {  # [+TENTHS] [!] COMMAND ARGS...
  local tenths=200 negate=0 held
  case $1 in +*) tenths=${1#+}; shift ;; esac
  [ "$1" = "!" ] && { negate=1; shift; }
  for _ in $(seq "$tenths"); do
    "$@"; held=$?
    { [ $held = 0 ] && [ $negate = 0 ]; } || { [ $held != 0 ] && [ $negate = 1 ]; } && return 0
    sleep 0.1
  done
  return 1
}
