#!/usr/bin/env bash
# The desktop entry starts carnet in its program folder, also for a folder
# whose name holds blanks and the characters the entry format escapes.
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
essai=$(mktemp -d)
trap 'rm -rf "$essai"' EXIT
dossier="$essai/Mon Carnet \$1 %u"
mkdir -p "$dossier"
XDG_DATA_HOME="$essai/share" bash "$racine/scripts/desktop.sh" "$dossier" >/dev/null
entree="$essai/share/applications/carnet.desktop"
attendu() {
    grep -qxF -- "$1" "$entree" || { echo "missing line: $1"; cat "$entree"; exit 1; }
}
attendu '[Desktop Entry]'
attendu 'Type=Application'
attendu "Exec=\"$essai/Mon Carnet \\\\\$1 %%u/carnet\""
attendu "Path=$dossier"
attendu 'Icon=carnet'
[ "$(identify -format '%wx%h' "$essai/share/icons/hicolor/256x256/apps/carnet.png")" = 256x256 ]
# Installed twice: one entry, replaced.
XDG_DATA_HOME="$essai/share" bash "$racine/scripts/desktop.sh" "$dossier" >/dev/null
[ "$(ls "$essai/share/applications" | grep -c carnet)" = 1 ]
echo ok
