#!/usr/bin/env bash
# The idle workshop's CPU: the program on the generated installation under its own Xvfb, the
# opening tour ended, the background tune playing (SDL's disk audio driver: a real mixer
# thread, no sound card), measured per thread over SECONDS from /proc.
# Usage: [IDLE_PROBE=COMMAND] bench/idle-cpu.sh BUILD_DIR [WIDTHxHEIGHT [SECONDS]]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1") size=${2:-800x600} seconds=${3:-30}
work=$(mktemp -d)
fail() { echo "idle-cpu: $*"; exit 1; }
# shellcheck source=../tests/e2e/harness.sh
. "$here/tests/e2e/harness.sh"
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && stop_display
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/bin" "$work/lib/zephine" "$work/share/zephine" "$work/home"
cp "$here/src/zephine.sh" "$work/bin/zephine"
ln -s "$build/src/zephine-program" "$work/lib/zephine/zephine-program"
cp -rs "$build/tools/datagen/installation/." "$work/share/zephine/"
cp -rs "$build/tools/airplanes/installation/." "$work/share/zephine/"

start_display "$size"
launch_program env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null ZEPHINE_SYSTEM_DIR="$work" \
  XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" HOME="$work/home" "$work/bin/zephine" e0
click_at -107 -79  # ends the opening tour
xdotool mousemove $((display_w - 1)) 0
sleep 3  # the tour's last sentence and effects end

ticks() {  # per thread: "tid name utime+stime"
  for t in /proc/"$app_pid"/task/*; do
    awk -v tid="${t##*/}" '{ sub(/^[^)]*\) /, ""); print tid, $12 + $13 }' "$t/stat" 2>/dev/null |
      while read -r id n; do echo "$id $(tr ' ' _ <"$t/comm") $n"; done
  done
}
ticks >"$work/before"
# IDLE_PROBE (e.g. "strace -c -f -p") watches the program over the same seconds.
if [ -n "${IDLE_PROBE:-}" ]; then timeout -s INT "$seconds" $IDLE_PROBE "$app_pid"; else sleep "$seconds"; fi
ticks >"$work/after"
hz=$(getconf CLK_TCK)
echo "idle at $size over $seconds s (% of one core):"
join <(sort "$work/before") <(sort "$work/after") |
  awk -v hz="$hz" -v s="$seconds" '{ d = $5 - $3; all += d; if (d > 0) printf "  %-16s %5.2f%%\n", $2, 100 * d / hz / s }
                                 END { printf "  %-16s %5.2f%%\n", "all threads", 100 * all / hz / s }'
