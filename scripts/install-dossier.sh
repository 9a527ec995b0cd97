#!/usr/bin/env bash
# install-dossier.sh BUILD_DIR FOLDER: puts the program and the demo files into
# a program folder without touching what the user already has there.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$1
dossier=$2
mkdir -p "$dossier"
for exe in carnet carnet-import; do
    if [ -x "$construction/$exe" ]; then
        install -m 755 "$construction/$exe" "$dossier/$exe.nouveau"
        mv -f "$dossier/$exe.nouveau" "$dossier/$exe"
    fi
done
"$construction/carnet-demo" "$dossier" >/dev/null
if [ -f "$racine/help/Lisez-Moi.chm" ] && [ ! -e "$dossier/Lisez-Moi.chm" ]; then
    cp "$racine/help/Lisez-Moi.chm" "$dossier/Lisez-Moi.chm"
fi
if [ -x "$racine/scripts/desktop.sh" ]; then
    bash "$racine/scripts/desktop.sh" "$dossier" || true
fi
