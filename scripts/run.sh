#!/usr/bin/env bash
# Installs what is missing, builds Carnet in release mode, assembles the
# program folder (default $HOME/Carnet, or $CARNET_DOSSIER) and starts it there.
# A user's files in that folder are never overwritten: the executable is
# replaced and only the missing demo files are added.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${CARNET_DOSSIER:-$HOME/Carnet}
construction=${CARNET_BUILD:-$racine/build-release}

bash "$racine/scripts/deps.sh"
cmake -S "$racine" -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCARNET_TESTS=OFF -DCARNET_BENCH=OFF
cmake --build "$construction" -j"$(nproc)"

bash "$racine/scripts/install-dossier.sh" "$construction" "$dossier"

cd "$dossier"
[ "${CARNET_NE_PAS_LANCER:-0}" = 1 ] && exit 0
exec ./carnet
