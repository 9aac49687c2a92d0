#!/usr/bin/env bash
# Keeps the layers of src/ apart. Fails when
#  - code outside the adapter folders (src/platform/<adapter>/) and main.cpp includes a platform
#    library's header;
#  - a folder includes a header of a folder above it, or of a sibling: each folder may use only
#    the folders below it, so no circle between folders can form.
root=$1
status=0

hits=$(grep -rnE '#\s*include\s*[<"](SDL|GL/|osmesa|libav|libsw|cairo|cups|gtk)' \
         "$root/src" --include='*.cpp' --include='*.h' |
       grep -vE "^$root/src/platform/[a-z]+/" | grep -v "^$root/src/main.cpp")
if [ -n "$hits" ]; then
  echo "Library headers outside src/platform/<adapter>/:"
  echo "$hits"
  status=1
fi

# FFmpeg belongs to the movie adapter alone.
hits=$(grep -rnE '#\s*include\s*[<"](libav|libsw)' "$root/src" --include='*.cpp' --include='*.h' |
       grep -v "^$root/src/platform/movie/")
if [ -n "$hits" ]; then
  echo "FFmpeg headers outside src/platform/movie/:"
  echo "$hits"
  status=1
fi

# The layers from the bottom up; folders on one line are siblings and may not include each other.
rank() {
  case $1 in
    base) echo 0 ;;
    platform) echo 1 ;;
    raster) echo 2 ;;
    graphics) echo 3 ;;
    sound|print) echo 4 ;;
    tours) echo 5 ;;
    screen) echo 6 ;;
    workshop|flight) echo 7 ;;
    shell) echo 8 ;;
    *) echo "" ;;
  esac
}

while IFS= read -r line; do
  file=${line%%:*}
  rel=${file#"$root/src/"}
  from=${rel%%/*}
  # An adapter sits just above the ports: it may use base and platform only.
  case $rel in platform/*/*) from=adapter ;; esac
  [ "$rel" = main.cpp ] && continue
  target=$(sed -nE 's/.*#\s*include\s*"([a-z]+)\/.*/\1/p' <<<"$line")
  [ -z "$target" ] && continue
  [ "$target" = "$from" ] && continue
  if [ "$from" = adapter ]; then
    [ "$target" = base ] || [ "$target" = platform ] && continue
    echo "Against the layers: $line"
    status=1
    continue
  fi
  rf=$(rank "$from") rt=$(rank "$target")
  if [ -z "$rf" ] || [ -z "$rt" ]; then
    echo "A folder outside the layers: $line"
    status=1
  elif [ "$rt" -ge "$rf" ]; then
    echo "Against the layers: $line"
    status=1
  fi
done < <(grep -rnE '#\s*include\s*"[a-z]+/' "$root/src" --include='*.cpp' --include='*.h')
exit $status
