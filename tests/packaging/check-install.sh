#!/usr/bin/env bash
# Installs the build into a throw-away folder and checks what a desktop gets: the program,
# its dice sound, menu entry, icons, metadata and game file type, all valid, and the
# installed program finding its dice sound and its sound module where they were installed.
#   check-install.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2
id=org.quorvel.Companion
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
expected=(
  bin/quorvel
  share/quorvel/dice.wav
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/mime/packages/$id.xml
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
for file in "${expected[@]}"; do
  if [ ! -s "$usr/$file" ]; then
    echo "missing from the installed tree: $file"
    status=1
  fi
done
# Icons are drawn at their size, not all the same picture.
if command -v file >/dev/null; then
  file "$usr/share/icons/hicolor/22x22/apps/$id.png" | grep -q "22 x 22" || { echo "the 22 px icon is not 22 px"; status=1; }
fi

desktop-file-validate "$usr/share/applications/$id.desktop" || status=1
appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$id.metainfo.xml" || status=1
xmllint --noout "$usr/share/mime/packages/$id.xml" || status=1
mkdir -p "$root/mime/packages"
cp "$usr/share/mime/packages/$id.xml" "$root/mime/packages/"
update-mime-database "$root/mime" && grep -q "application/x-quorvel-game" "$root/mime/globs2" \
  || { echo "the game file type is not taken by update-mime-database"; status=1; }

# Started from where it is installed, with an empty home, it finds the installed dice sound.
export HOME="$root/home" XDG_DATA_HOME="$root/home/.local/share" QT_QPA_PLATFORM=offscreen
found=$("$usr/bin/quorvel" --data-paths)
echo "$found"
grep -qx "dice.wav: $usr/share/quorvel/dice.wav" <<<"$found" \
  || { echo "the installed program does not find share/quorvel/dice.wav"; status=1; }
# Where the build makes a sound module, the installed program finds it, and starting the
# program loads neither Qt Multimedia nor the print server's client library: both come
# when a window needs them.
module=$(find "$usr" -name 'quorvel_sound.*' -print -quit)
if [ -n "$module" ]; then
  grep -qx "sound player: $module" <<<"$found" \
    || { echo "the installed program does not find its sound module $module"; status=1; }
  needed=$(readelf -d "$usr/bin/quorvel" | grep NEEDED || true)
  for library in libQt6Multimedia libQt6Charts libcups; do
    grep -q "$library" <<<"$needed" && { echo "the program is linked to $library"; status=1; }
  done
fi
# The season's charts, likewise, come from their module when the Charts page first shows.
charts=$(find "$usr" -name 'quorvel_charts.*' -print -quit)
if [ -n "$charts" ]; then
  grep -qx "charts: $charts" <<<"$found" || { echo "the installed program does not find its charts module $charts"; status=1; }
fi
exit $status
