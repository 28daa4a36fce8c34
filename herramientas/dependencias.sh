#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, only those missing.
set -euo pipefail
paquetes=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev
          libgtest-dev libgmock-dev fonts-dejavu-core libsqlcipher-dev clang-format
          python3 xvfb openbox xdotool x11-utils x11-apps qt6-translations-l10n)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
