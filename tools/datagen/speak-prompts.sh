#!/usr/bin/env bash
# Speaks every prompt of a prompt script into OUTDIR/NAME.wav with espeak-ng, then has the
# airplane generator compress them all at once.
# Usage: speak-prompts.sh ESPEAK SCRIPT OUTDIR AIRPLANES
# The script's first "voice" line names the espeak-ng voice and its speed; every other line is
# "NAME text" (blank lines and lines starting with '#' are skipped).
set -euo pipefail

if [ $# -ne 4 ]; then
  echo "usage: speak-prompts.sh ESPEAK SCRIPT OUTDIR AIRPLANES" >&2
  exit 2
fi
espeak=$1 script=$2 outdir=$3 airplanes=$4
spoken=()
voice="" speed=150 pitch=50
mkdir -p "$outdir"

while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    ''|'#'*) continue ;;
    voice\ *) read -r _ voice speed pitch <<<"$line"; continue ;;
  esac
  name=${line%% *}
  text=${line#* }
  if [ -z "$voice" ]; then
    echo "speak-prompts.sh: $script names no voice before $name" >&2
    exit 1
  fi
  if [[ ! "$name" =~ ^c[0-9]+$ ]] || [ "$text" = "$line" ]; then
    echo "speak-prompts.sh: $script: cannot read the line: $line" >&2
    exit 1
  fi
  "$espeak" -v "$voice" -s "$speed" -p "$pitch" -w "$outdir/$name.wav" -- "$text"
  spoken+=("$outdir/$name.wav")
done < "$script"
if [ ${#spoken[@]} -gt 0 ]; then
  "$airplanes" voice "${spoken[@]}"
fi
