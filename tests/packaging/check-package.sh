#!/usr/bin/env bash
# Builds the Debian package and checks it: the paths it installs, the libraries it
# depends on, and the program it holds starting from an unpacked copy.
#   check-package.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/quorvel_*.deb)
echo "built $(basename "$deb")"
contents=$(dpkg-deb --contents "$deb")
status=0
for path in ./usr/bin/quorvel ./usr/share/quorvel/dice.wav ./usr/share/applications/org.quorvel.Companion.desktop \
            ./usr/share/metainfo/org.quorvel.Companion.metainfo.xml ./usr/share/mime/packages/org.quorvel.Companion.xml \
            ./usr/share/icons/hicolor/48x48/apps/org.quorvel.Companion.png ./usr/share/doc/quorvel/copyright \
            ./usr/share/doc/quorvel/LICENSE-LiberationSans.txt; do
  grep -q " $path\$" <<<"$contents" || { echo "the package lacks $path"; status=1; }
done
grep -q "/usr/local" <<<"$contents" && { echo "the package installs under /usr/local"; status=1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libqt6charts6; do
  grep -q "$library" <<<"$depends" || { echo "Depends does not name $library"; status=1; }
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || { echo "the package is not in section games"; status=1; }
# The package and the metadata name the same licence.
# (Read whole before looking: a grep that stops early would break the pipe under pipefail.)
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quorvel/copyright)
grep -q "^License: GPL-3.0-or-later" <<<"$copyright" || { echo "the copyright file does not name GPL-3.0-or-later"; status=1; }
metainfo=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/metainfo/org.quorvel.Companion.metainfo.xml)
grep -q "<project_license>GPL-3.0-or-later</project_license>" <<<"$metainfo" \
  || { echo "the metadata names another licence"; status=1; }

dpkg -x "$deb" "$work/root"
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" QT_QPA_PLATFORM=offscreen
"$work/root/usr/bin/quorvel" --version | grep -q "quorvel" || { echo "the packaged program does not start"; status=1; }
"$work/root/usr/bin/quorvel" --data-paths | grep -qx "dice.wav: $work/root/usr/share/quorvel/dice.wav" \
  || { echo "the packaged program does not find its dice sound"; status=1; }
"$work/root/usr/bin/quorvel" --data-paths | grep -q "^sound player: $work/root/usr/lib/.*quorvel_sound" \
  || { echo "the packaged program does not find its sound module"; status=1; }
"$work/root/usr/bin/quorvel" --data-paths | grep -q "^charts: $work/root/usr/lib/.*quorvel_charts" \
  || { echo "the packaged program does not find its charts module"; status=1; }
exit $status
