#!/usr/bin/env bash
# Builds the Debian package of the game alone, configured for /usr, in
# build-package/; prints the package's path, size and dependencies.
#   bash tools/package.sh        then: sudo apt install ./build-package/brindlemoor_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash tools/install-deps.sh

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBRINDLEMOOR_TESTS=OFF -DBRINDLEMOOR_TOOLS=OFF
cmake --build build-package --target brindlemoor -j"$(nproc)"
(cd build-package && cpack -G DEB)
for deb in build-package/brindlemoor_*.deb; do
  echo "$deb: $(du -k "$deb" | cut -f1) KiB"
  dpkg-deb -f "$deb" Installed-Size Depends Recommends
done
