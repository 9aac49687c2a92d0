#!/usr/bin/env bash
# Soak: the sanitizer build of the program on the generated installation, under its own Xvfb,
# driven at random for MINUTES minutes: presses, drags and releases on the layout's controls
# (and now and then anywhere), long holds, keys and releases outside the window. It never
# presses `exit`, except once at the end. Passes when nothing crashed, the sanitizers reported
# nothing, a stroke still paints at the end, the exit is clean, and (in runs of 10 minutes or
# more) resident memory grew by at most 5 MB after the first five minutes. A shorter run reports
# its memory only: one-time loads (the first print starts GTK, the first movie FFmpeg) still
# fall after its warm-up.
# Usage: scripts/soak.sh MINUTES [SEED]
set -uo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-3}
RANDOM=${2:-$$}
build=build-sanitize
here=$PWD

scripts/install-deps.sh >/dev/null || exit 1
# The build runs the data generators too, so the sanitizers' settings apply from here.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=8
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$here/tests/lsan.supp
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZEPHINE_SANITIZE=ON -DZEPHINE_BENCH=OFF >/dev/null &&
  cmake --build "$build" -j"$(nproc)" >/dev/null || { echo "soak: build failed"; exit 1; }

work=$(mktemp -d)
xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "${SOAK_KEEP:-}" ] && cp "$work/log" "$SOAK_KEEP.log" && cp "$work/memory" "$SOAK_KEEP.memory" &&
    cp "$work"/*.png "$(dirname "$SOAK_KEEP")/" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "SOAK FAIL: $*"; tail -30 "$work/log"; exit 1; }

# The installation as installed: bin/zephine, the program, share/zephine with the generated data.
mkdir -p "$work/bin" "$work/share/zephine" "$work/pdf" "$work/data"
cp src/zephine.sh "$work/bin/zephine"
ln -s "$here/$build/src/zephine-program" "$work/bin/zephine-program"
cp -rs "$here/$build/tools/datagen/installation/." "$work/share/zephine/"
cp -rs "$here/$build/tools/airplanes/installation/." "$work/share/zephine/"

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1000x700x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

SDL_AUDIODRIVER=dummy ZEPHINE_SYSTEM_DIR="$work" XDG_DATA_HOME="$work/data" \
  XDG_CACHE_HOME="$work/cache" ZEPHINE_PRINT_TO="$work/pdf" \
  "$work/bin/zephine" --window 800x600 e0 >"$work/log" 2>&1 &
app_pid=$!
for _ in $(seq 600); do xdotool search --name '^Zephine$' >/dev/null 2>&1 && break; sleep 0.1; done
main_window=$(xdotool search --name '^Zephine$' 2>/dev/null | head -n1)
[ -n "$main_window" ] || fail "no window"
eval "$(xdotool getwindowgeometry --shell "$main_window")"
ox=$X oy=$Y
main_hex=$(printf '0x%x' "$main_window")
sleep 2

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
at() { xdotool mousemove $((ox + $1)) $((oy + $2)); }

# Answers any message box (a question, a message) with Return or Escape.
answer_boxes() {
  local box
  box=$(xwininfo -root -tree 2>/dev/null |
        awk -v main="$main_hex" '/"Zephine"/ && $1 != main { print $1; exit }')
  [ -n "$box" ] || return 0
  if [ $((RANDOM % 2)) -eq 0 ]; then key=Return; else key=Escape; fi
  xdotool windowfocus --sync "$box" key "$key" 2>/dev/null
  sleep 0.2
}

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
    at "$px" "$py"; xdotool mousedown 1 mouseup 1
  elif [ $r -lt 78 ]; then  # a drag
    at "$px" "$py"; xdotool mousedown 1
    for _ in $(seq $((1 + RANDOM % 5))); do point; at "$px" "$py"; done
    xdotool mouseup 1
  elif [ $r -lt 86 ]; then  # a long hold
    at "$px" "$py"; xdotool mousedown 1; sleep "0.$((3 + RANDOM % 7))"; xdotool mouseup 1
  elif [ $r -lt 93 ]; then  # a key
    keys=(Escape Return space a F1 Tab Left Up)
    xdotool key "${keys[RANDOM % ${#keys[@]}]}"
  else  # a release outside the window
    at "$px" "$py"; xdotool mousedown 1 mousemove $((ox + 900)) $((oy + 640)) mouseup 1
  fi
  actions=$((actions + 1))
  [ $((actions % 15)) -eq 0 ] && answer_boxes
  sleep "0.0$((2 + RANDOM % 6))"
done
answer_boxes; answer_boxes
kill -0 "$app_pid" 2>/dev/null || fail "the program ended after $actions actions"
end_rss=$(rss)

# Still answering: back to the workshop's pencil, opaque, thick, a colour, and a stroke.
layout_of() { "$build/tools/zephine-data" layout | awk -v n="$1" '$1 == n { print $2, $3, $4, $5 }'; }
centre() { read -r l t r b <<<"$(layout_of "$1")"; at $(((l + r) / 2)) $(((t + b) / 2)); xdotool click 1; sleep 0.4; }
at 5 5; xdotool click 1; sleep 0.3  # ends a tour
answer_boxes
centre saveback; centre diy; centre pencil
read -r l t r b <<<"$(layout_of colortrans)"; at $(((l + r) / 2)) $((t + 1)); xdotool click 1; sleep 0.2
read -r l t r b <<<"$(layout_of thick)"; at $(((l + r) / 2)) $((t + 1)); xdotool click 1; sleep 0.2
# A stroke must begin on the skin or on the model: short strokes from the middle of each pane
# (the panes may have been swapped, zoomed or turned), in two colours.
painted=0
for colour in 10 60; do
  read -r l t r b <<<"$(layout_of choosecolor)"; at $((l + colour * (r - l) / 100)) $(((t + b) / 2)); xdotool click 1
  sleep 0.3
  import -window root "$work/before.png"
  for pane in canvas view; do
    read -r l t r b <<<"$(layout_of $pane)"
    cx=$(((l + r) / 2)) cy=$(((t + b) / 2))
    at "$cx" "$cy"; xdotool mousedown 1
    for s in $(seq 1 6); do at $((cx + s * 4)) $((cy + s * 3)); done
    xdotool mouseup 1; sleep 0.3
  done
  sleep 0.5
  import -window root "$work/after.png"
  diff=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 | cut -d' ' -f1)
  [ "${diff%%.*}" -gt 50 ] && painted=1 && break
done
[ "$painted" = 1 ] || fail "after the soak a stroke paints nothing"

# The clean end.
read -r l t r b <<<"$(layout_of exit)"; at $(((l + r) / 2)) $(((t + b) / 2))
xdotool mousedown 1 mouseup 1
for _ in $(seq 100); do
  answer_boxes
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
wait "$app_pid"; status=$?; app_pid=""
[ "$status" = 0 ] || fail "exit gave status $status"
grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/log" && fail "a sanitizer report"
growth=$(( ${end_rss:-0} - ${warm_rss:-${end_rss:-0}} ))
echo "soak: $minutes min, $actions actions, 0 crashes, memory after warm-up ${warm_rss:-?} kB, at the end ${end_rss:-?} kB (+$growth kB)"
[ "$minutes" -lt 10 ] || [ "$growth" -le 5120 ] || fail "memory grew by $growth kB after warm-up"
echo "SOAK PASS"
