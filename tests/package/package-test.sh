#!/usr/bin/env bash
# The Debian package as a family gets it: built by cpack from this build, unpacked with
# dpkg-deb, laid out under /usr with stripped binaries, its data passing zephine-data check,
# and no lintian errors (when lintian is installed). Prints the package's size.
# Usage: package-test.sh BUILD_DIR
set -uo pipefail
build=$(realpath "$1")
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
  fail "cpack: $(tail -5 "$work/cpack.log")"
deb=$(ls "$work"/out/zephine_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no package made"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes," \
  "installed $(dpkg-deb -f "$deb" Installed-Size) kB"
dpkg-deb -f "$deb" Depends | grep -q 'libsdl2' || fail "dependencies not computed from the binaries"

dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
usr=$work/root/usr
for f in bin/zephine bin/zephine-data lib/zephine/zephine-program \
         share/applications/io.github.zephine.Zephine.desktop \
         share/metainfo/io.github.zephine.Zephine.metainfo.xml \
         share/icons/hicolor/scalable/apps/io.github.zephine.Zephine.svg \
         share/icons/hicolor/48x48/apps/io.github.zephine.Zephine.png \
         share/man/man6/zephine.6.gz share/doc/zephine/copyright; do
  [ -e "$usr/$f" ] || fail "/usr/$f is missing"
done
for b in bin/zephine-data lib/zephine/zephine-program; do
  file "$usr/$b" | grep -q 'not stripped' && fail "/usr/$b carries its debug information"
done
"$usr/bin/zephine-data" check "$usr/share/zephine" >"$work/check.log" 2>&1 ||
  fail "zephine-data check: $(head -20 "$work/check.log")"
# The unpacked launcher finds its program and answers without a display.
env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/zephine" --version | grep -q '^zephine ' ||
  fail "the unpacked zephine does not start"

if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
  grep -E '^[EW]: ' "$work/lintian.log"
  grep -q '^E: ' "$work/lintian.log" && fail "lintian reports errors"
fi
echo "PASS"
