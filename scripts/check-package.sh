#!/usr/bin/env bash
# Builds the Debian package from the default build and checks its contents.
set -euo pipefail
cd "$(dirname "$0")/../build/default"
rm -f orvantis_*.deb
cpack -G DEB >/dev/null
deb=$(ls orvantis_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/orvantis ./usr/bin/orvantis-cli ./usr/share/applications/orvantis.desktop \
            ./usr/share/icons/hicolor/48x48/apps/orvantis.png ./usr/share/man/man1/orvantis-cli.1.gz; do
  grep -qxF "$path" <<<"$contents" || { echo "FAIL: $deb lacks $path"; exit 1; }
done
[ -f ../../sim/CMakeLists.txt ] && { grep -qxF ./usr/bin/orvantis-sim <<<"$contents" || { echo "FAIL: $deb lacks orvantis-sim"; exit 1; }; }
depends=$(dpkg-deb -f "$deb" Depends)
grep -q libqt6widgets6 <<<"$depends" || { echo "FAIL: Depends lacks the Qt libraries: $depends"; exit 1; }
echo "package $deb: contents checked; Depends: $depends"
