#!/usr/bin/env bash
# Installs the Debian packages Carnet needs to build, run and test.
set -euo pipefail

PAQUETS=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 qt6-translations-l10n
    libsqlite3-dev libchm-dev mdbtools-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-dejavu-core fonts-symbola
    xvfb xauth xdotool x11-utils imagemagick poppler-utils
)
if [ "${CARNET_FUZZ:-0}" = 1 ]; then
    PAQUETS+=(clang libclang-rt-14-dev)
fi

manquants=()
for p in "${PAQUETS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing: ${manquants[*]}"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${manquants[@]}"
