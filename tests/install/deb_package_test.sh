#!/bin/sh
# Builds the Debian package from the build folder and checks what it holds:
# the game, its program folder with every picture and sound, the menu
# entry, the metainfo and the icons; then lets lintian look for errors.
# Usage: deb_package_test.sh BUILD_DIR VERSION SOUND_COUNT
set -eu
build=$1
version=$2
sounds=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" || { cat "$out/cpack.log"; exit 1; }
deb=$out/zunpas_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $deb" >&2; ls "$out" >&2; exit 1; }

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$out/listing"
fail=0
has() {
  grep -qx "$1" "$out/listing" || { echo "missing: $1" >&2; fail=1; }
}
count() {
  n=$(grep -c "$1" "$out/listing" || true)
  [ "$n" -eq "$2" ] || { echo "$3: $n, not $2" >&2; fail=1; }
}
id=io.github.zunpas.ZunpaS
has /usr/games/zunpas
has /usr/share/applications/$id.desktop
has /usr/share/metainfo/$id.metainfo.xml
for size in 16 32 48 64 128 256; do
  has /usr/share/icons/hicolor/${size}x$size/apps/$id.png
done
has /usr/share/zunpas/Zunpas.hlp
has /usr/share/zunpas/zunpas.png
count '^/usr/share/zunpas/[^/]*\.\(bmp\|ICO\)$' 59 "pictures"
count '^/usr/share/zunpas/[^/]*\.wav$' "$sounds" "sounds"
has /usr/share/doc/zunpas/copyright
has /usr/share/man/man6/zunpas.6.gz

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-ipafont-gothic libqt6widgets6 libpulse0 qt6-qpa-plugins; do
  echo "$depends" | grep -q "$needed" || { echo "Depends lacks $needed: $depends" >&2; fail=1; }
done

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail=1
fi
[ "$fail" -eq 0 ] && echo "$(basename "$deb"): $(wc -l <"$out/listing") entries, all in place"
exit "$fail"
