#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the app need, when missing.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libxkbcommon-dev libsqlite3-dev sqlite3
          libxcb1-dev libgtest-dev fonts-dejavu-core xvfb xauth xdotool x11-utils imagemagick)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" qt6-qpa-plugins
