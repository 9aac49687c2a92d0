#!/usr/bin/env bash
# Soak: the sanitizer build of the program on the generated installation, under its own Xvfb,
# driven at random for MINUTES minutes: presses, drags and releases on the layout's controls
# (and now and then anywhere), long holds, keys and releases outside the window. It never
# presses `exit`, except once at the end. Passes when nothing crashed, the sanitizers reported
# nothing, a stroke still paints at the end, the exit is clean, and (in runs of 10 minutes or
# more) resident memory grew by at most 5 MB after the first five minutes. A shorter run reports
# its memory only: one-time loads (the first print starts GTK, the first movie FFmpeg) still
# fall after its warm-up.
# With a display size (e.g. 1920x1080) the program fills that display, scaled, as on a desktop;
# without one it runs in an 800 x 600 window.
# Usage: scripts/soak.sh MINUTES [SEED [WIDTHxHEIGHT]]
# To find where memory goes: SOAK_BUILD=build SOAK_WRAP="heaptrack -o FILE" runs an existing
# build's program under the wrapper (the resident-memory check then watches the wrapper only).
set -uo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-3}
RANDOM=${2:-$$}
display_size=${3:-}
build=${SOAK_BUILD:-build-sanitize}
here=$PWD

scripts/install-deps.sh >/dev/null || exit 1
# The build runs the data generators too, so the sanitizers' settings apply from here.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=8
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$here/tests/lsan.supp
[ -n "${SOAK_BUILD:-}" ] ||
  { cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZEPHINE_SANITIZE=ON -DZEPHINE_BENCH=OFF >/dev/null &&
    cmake --build "$build" -j"$(nproc)" >/dev/null; } || { echo "soak: build failed"; exit 1; }

work=$(mktemp -d)
# shellcheck source=../tests/e2e/harness.sh
. tests/e2e/harness.sh
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && stop_display
  [ -n "${SOAK_KEEP:-}" ] && cp "$work/log" "$SOAK_KEEP.log" && cp "$work/memory" "$SOAK_KEEP.memory" &&
    cp "$work"/*.png "$(dirname "$SOAK_KEEP")/" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "SOAK FAIL: $*"; tail -30 "$work/log"; exit 1; }

# The installation as installed: bin/zephine, the program, share/zephine with the generated data.
mkdir -p "$work/bin" "$work/lib/zephine" "$work/share/zephine" "$work/pdf" "$work/data"
cp src/zephine.sh "$work/bin/zephine"
if [ -n "${SOAK_WRAP:-}" ]; then
  printf '#!/bin/sh\nexec %s "%s" "$@"\n' "$SOAK_WRAP" "$here/$build/src/zephine-program" \
    >"$work/lib/zephine/zephine-program"
  chmod +x "$work/lib/zephine/zephine-program"
else
  ln -s "$here/$build/src/zephine-program" "$work/lib/zephine/zephine-program"
fi
cp -rs "$here/$build/tools/datagen/installation/." "$work/share/zephine/"
cp -rs "$here/$build/tools/airplanes/installation/." "$work/share/zephine/"

start_display "${display_size:-1000x700}"
window=(--window 800x600)
[ -n "$display_size" ] && window=()
# SDL's software renderer: Mesa's GL driver leaves allocations at exit that the leak checker
# cannot name (the plain build's end-to-end cases drive the GL presentation).
launch_program env SDL_RENDER_DRIVER=software SDL_AUDIODRIVER=dummy ZEPHINE_SYSTEM_DIR="$work" \
  XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" ZEPHINE_PRINT_TO="$work/pdf" \
  "$work/bin/zephine" "${window[@]}" e0
# Design to screen: 1:1 in the 800 x 600 window, wherever it is; on a whole display the
# program's own rule.
if [ -z "$display_size" ]; then
  eval "$(xdotool getwindowgeometry --shell "$main_window")"
  unscaled=1 design_x=$X design_y=$Y
fi

# The controls, without the whole-screen entries and the 3D surface's copies; `exit` is kept apart.
mapfile -t controls < <("$build/tools/zephine-data" layout |
  grep -vE '^(DesignScreen|Screen|canvasGl|viewGl|exit) ')
read -r _ exl ext exr exb < <("$build/tools/zephine-data" layout | grep '^exit ')

# A random point: 80% inside a control, else anywhere in the window; never on `exit`.
point() {
  while :; do
    if [ $((RANDOM % 5)) -ne 0 ]; then
      read -r _ l t r b <<<"${controls[RANDOM % ${#controls[@]}]}"
      px=$((l + RANDOM % (r - l > 0 ? r - l : 1))) py=$((t + RANDOM % (b - t > 0 ? b - t : 1)))
    else
      px=$((RANDOM % 800)) py=$((RANDOM % 600))
    fi
    [ "$px" -ge "$exl" ] && [ "$px" -lt "$exr" ] && [ "$py" -ge "$ext" ] && [ "$py" -lt "$exb" ] && continue
    return
  done
}
move() { xdotool mousemove $(at "$1" "$2"); }  # X Y: to design (X, Y)
# Answers any message box (a question, a message) with Return or Escape.
answer_any() { if [ $((RANDOM % 2)) -eq 0 ]; then answer_boxes Return; else answer_boxes Escape; fi; }

rss() { awk '/^VmRSS/ { print $2 }' "/proc/$app_pid/status" 2>/dev/null; }

actions=0
start=$(date +%s)
deadline=$((start + 60 * minutes))
# The first five minutes warm up (the first minute of a run under 10, a third under 3).
warm=$((start + (minutes >= 10 ? 300 : minutes >= 3 ? 60 : minutes * 20)))
next_sample=$start
warm_rss=""
: >"$work/memory"
while [ "$(date +%s)" -lt "$deadline" ]; do
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended after $actions actions"
  now=$(date +%s)
  if [ "$now" -ge "$next_sample" ]; then
    m=$(rss); echo "$((now - start)) $m" >>"$work/memory"
    [ -z "$warm_rss" ] && [ "$now" -ge "$warm" ] && warm_rss=$m
    next_sample=$((now + 10))
  fi
  r=$((RANDOM % 100))
  point
  if [ $r -lt 60 ]; then  # a click
    move "$px" "$py"; xdotool mousedown 1 mouseup 1
  elif [ $r -lt 78 ]; then  # a drag
    move "$px" "$py"; xdotool mousedown 1
    for _ in $(seq $((1 + RANDOM % 5))); do point; move "$px" "$py"; done
    xdotool mouseup 1
  elif [ $r -lt 86 ]; then  # a long hold
    move "$px" "$py"; xdotool mousedown 1; sleep "0.$((3 + RANDOM % 7))"; xdotool mouseup 1
  elif [ $r -lt 93 ]; then  # a key
    keys=(Escape Return space a F1 Tab Left Up)
    xdotool key "${keys[RANDOM % ${#keys[@]}]}"
  else  # a release outside the window
    move "$px" "$py"; xdotool mousedown 1; move 900 640; xdotool mouseup 1
  fi
  actions=$((actions + 1))
  [ $((actions % 15)) -eq 0 ] && answer_any
  sleep "0.0$((2 + RANDOM % 6))"
done
answer_any; sleep 0.2; answer_any
kill -0 "$app_pid" 2>/dev/null || fail "the program ended after $actions actions"
end_rss=$(rss)

# Still answering: back to the workshop's pencil, opaque, thick, a colour, and a stroke.
layout_of() { "$build/tools/zephine-data" layout | awk -v n="$1" '$1 == n { print $2, $3, $4, $5 }'; }
centre() { read -r l t r b <<<"$(layout_of "$1")"; click_at $(((l + r) / 2)) $(((t + b) / 2)); }
click_at 5 5  # ends a tour
answer_any
centre saveback; centre diy; centre pencil
read -r l t r b <<<"$(layout_of colortrans)"; click_at $(((l + r) / 2)) $((t + 1))
read -r l t r b <<<"$(layout_of thick)"; click_at $(((l + r) / 2)) $((t + 1))
# A stroke must begin on the skin or on the model: short strokes from the middle of each pane
# (the panes may have been swapped, zoomed or turned), in two colours.
painted=0
for colour in 10 60; do
  read -r l t r b <<<"$(layout_of choosecolor)"; click_at $((l + colour * (r - l) / 100)) $(((t + b) / 2))
  import -window root "$work/before.png"
  for pane in canvas view; do
    read -r l t r b <<<"$(layout_of $pane)"
    cx=$(((l + r) / 2)) cy=$(((t + b) / 2))
    n=$(releases); move "$cx" "$cy"; xdotool mousedown 1
    for s in $(seq 1 6); do move $((cx + s * 4)) $((cy + s * 3)); done
    xdotool mouseup 1; wait_release "$n" >/dev/null
  done
  import -window root "$work/after.png"
  diff=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 | cut -d' ' -f1)
  [ "${diff%%.*}" -gt 50 ] && painted=1 && break
done
[ "$painted" = 1 ] || fail "after the soak a stroke paints nothing"

# The clean end.
read -r l t r b <<<"$(layout_of exit)"; move $(((l + r) / 2)) $(((t + b) / 2))
xdotool mousedown 1 mouseup 1
for _ in $(seq 100); do
  answer_any
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
wait "$app_pid"; status=$?; app_pid=""
[ "$status" = 0 ] || fail "exit gave status $status"
grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/log" && fail "a sanitizer report"
growth=$(( ${end_rss:-0} - ${warm_rss:-${end_rss:-0}} ))
# Resident memory at minutes 5, 30 and 60 (the last sample before each).
for m in 5 30 60; do
  kb=$(awk -v t=$((m * 60)) '$1 <= t { v = $2 } END { print v }' "$work/memory")
  [ "$minutes" -ge "$m" ] && echo "soak: memory at minute $m: $kb kB"
done
echo "soak: $minutes min${display_size:+ at $display_size}, $actions actions, 0 crashes, memory after warm-up ${warm_rss:-?} kB, at the end ${end_rss:-?} kB (+$growth kB)"
[ "$minutes" -lt 10 ] || [ "$growth" -le 5120 ] || fail "memory grew by $growth kB after warm-up"
echo "SOAK PASS"
