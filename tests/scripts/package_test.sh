#!/usr/bin/env bash
# The desktop files pass their validators without an error or warning, and the Debian package
# holds what an installed Varnel needs; its programs, unpacked, run.
#   package_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
for tool in desktop-file-validate appstreamcli dpkg-deb cpack; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

out=$(desktop-file-validate "$src/data/org.varnel.Varnel.desktop" 2>&1)
[[ -z "$out" ]] || { echo "desktop-file-validate: $out"; exit 1; }
out=$(appstreamcli validate --no-net "$src/data/org.varnel.Varnel.metainfo.xml" 2>&1)
if grep -qE '^(E|W):' <<<"$out"; then echo "appstreamcli: $out"; exit 1; fi

(cd "$build" && cpack -G DEB -B "$tmp/deb" >/dev/null)
deb=$(ls "$tmp"/deb/varnel_1.01_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/varnel ./usr/bin/varnel-chart \
  ./usr/share/applications/org.varnel.Varnel.desktop \
  ./usr/share/metainfo/org.varnel.Varnel.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/org.varnel.Varnel.svg \
  ./usr/share/icons/hicolor/16x16/apps/org.varnel.Varnel.png \
  ./usr/share/icons/hicolor/256x256/apps/org.varnel.Varnel.png \
  ./usr/share/man/man1/varnel.1 ./usr/share/man/man1/varnel-chart.1 \
  ./usr/share/doc/varnel/readme.txt ./usr/share/doc/varnel/readme.de.txt \
  ./usr/share/doc/varnel/readme.fr.txt ./usr/share/doc/varnel/readme.es.txt; do
  grep -qx "$path" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency"; exit 1; }
dpkg-deb -x "$deb" "$tmp/root"
[[ "$("$tmp/root/usr/bin/varnel" --version)" == "varnel 1.01" ]]
[[ "$("$tmp/root/usr/bin/varnel-chart" --version)" == "varnel-chart 1.01" ]]
"$tmp/root/usr/bin/varnel-chart" --frets 12 --preset 0 | grep -q "Scale Length: 647.5 mm"
echo "1 passed, 0 failed"
