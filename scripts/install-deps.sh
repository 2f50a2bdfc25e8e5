#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent: packages already present are left alone.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  firebird3.0-server-core firebird3.0-utils firebird-dev libfbclient2
  firebird3.0-server
  libgtest-dev googletest
  libzint-dev libkainjow-mustache-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# The server package must not start a server or ask for a password during install.
echo "firebird3.0-server shared/firebird/enabled boolean false" | $SUDO debconf-set-selections || true
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
