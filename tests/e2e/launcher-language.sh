#!/usr/bin/env bash
# bin/zephine's choice of language: a "zh" locale (LC_ALL, then LC_MESSAGES, then LANG) gives
# Chinese, any other English; a tail on the command line always wins.
set -u
script=$1
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/lib/zephine" "$work/share/zephine/Diy"
cp "$script" "$work/bin/zephine"
printf '#!/bin/sh\necho "$*"\n' >"$work/lib/zephine/zephine-program"; chmod +x "$work/lib/zephine/zephine-program"
status=0
expect() {  # WANTED ENV... -- ARGS...
  local wanted=$1; shift; local envs=()
  while [ "$1" != -- ]; do envs+=("$1"); shift; done; shift
  local got; got=$(env -u LC_ALL -u LC_MESSAGES -u LANG "${envs[@]}" "$work/bin/zephine" "$@")
  [ "$got" = "$wanted" ] || { echo "FAIL: ${envs[*]} $*: got \"$got\", wanted \"$wanted\""; status=1; }
}
expect c0 LANG=zh_TW --
expect c0 LANG=zh_CN.UTF-8 --
expect e0 LANG=C --
expect e0 LANG=en_GB --
expect e0 --
expect e0 LC_ALL=en_GB LANG=zh_CN.UTF-8 --
expect c0 LC_MESSAGES=zh_CN LANG=en_GB --
expect "e3" LANG=zh_CN --  e3
expect "--window 1024x768 c0" LANG=zh_CN -- --window 1024x768
expect "--unscaled c5" LANG=en_GB -- --unscaled c5
exit $status
