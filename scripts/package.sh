#!/usr/bin/env bash
# Builds the Debian package (build-package/tabulex_<version>_<arch>.deb) from a Release build,
# shows its control data and contents, and checks it with lintian. Installs what it needs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build-package"
# Debian's hardening flags (stack protector, fortified functions, read-only relocations bound
# at start), as a package built by dpkg-buildpackage gets them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULEX_BUILD_TESTS=OFF \
  -DTABULEX_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build"
(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/tabulex_*.deb | head -n 1)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
# Errors fail the build; warnings and notes are shown.
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "built $deb"
