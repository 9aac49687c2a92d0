#!/bin/sh
# Starts Zephine from its data folder, where it finds its pictures, models and sounds.
# Without a language and model at the end of the command line, the desktop's language is
# chosen: Chinese for a locale beginning with "zh" (LC_ALL, then LC_MESSAGES, then LANG),
# English otherwise. A tail given on the command line always wins.
here=$(cd "$(dirname "$0")" && pwd)

locale=${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}
case $locale in
  zh*) language=c ;;
  *) language=e ;;
esac

# The tail rule looks at the end of the command line without its options.
tail="" skip=0
for arg in "$@"; do
  if [ $skip = 1 ]; then skip=0; continue; fi
  case $arg in
    --window) skip=1 ;;
    -*) ;;
    *) tail=$arg ;;
  esac
done
case $tail in
  *[0-9]) ;;
  *) set -- "$@" "${language}0" ;;
esac

cd "$here/../share/zephine/Diy" || { echo "zephine: no data folder at $here/../share/zephine/Diy" >&2; exit 1; }
exec "$here/../lib/zephine/zephine-program" "$@"
