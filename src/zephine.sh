#!/bin/sh
# Starts Zephine from its data folder, where it finds its pictures, models and sounds.
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/../share/zephine/Diy" || exit 1
exec "$here/zephine-program" "$@"
