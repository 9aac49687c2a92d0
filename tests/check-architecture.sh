#!/usr/bin/env bash
# Fails when code outside the adapter folders includes a platform library's header.
root=$1
hits=$(grep -rnE '#\s*include\s*[<"](SDL|GL/|osmesa|libav|libsw|cairo|cups)' \
         "$root/src" --include='*.cpp' --include='*.h' |
       grep -vE "^$root/src/platform/[a-z]+/" | grep -v "^$root/src/main.cpp")
if [ -n "$hits" ]; then
  echo "Library headers outside src/platform/<adapter>/:"
  echo "$hits"
  exit 1
fi
exit 0
