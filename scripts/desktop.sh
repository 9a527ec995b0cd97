#!/usr/bin/env bash
# desktop.sh FOLDER: puts Carnet in the desktop's application menu, started in
# its program folder FOLDER (the working folder its files are named from).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=$(cd "$1" && pwd)
donnees=${XDG_DATA_HOME:-$HOME/.local/share}
applications=$donnees/applications
icones=$donnees/icons/hicolor/256x256/apps
mkdir -p "$applications" "$icones"
install -m 644 "$racine/scripts/carnet-icone.png" "$icones/carnet.png"

# Exec= is quoted for the desktop entry format (a folder with blanks still
# starts): inside the quotes \ " ` $ take a backslash, which the file's own
# escaping doubles, and % is doubled.
chemin=$(printf '%s' "$dossier" | sed 's/\\/\\\\/g')
exec_quote=$(printf '%s' "$dossier" | sed -e 's/\\/\\\\\\\\/g' -e 's/["`$]/\\\\&/g' -e 's/%/%%/g')
cat > "$applications/carnet.desktop.nouveau" <<EOD
[Desktop Entry]
Type=Application
Version=1.0
Name=Carnet
GenericName=Livre de recettes
GenericName[fr]=Livre de recettes
Comment=Livre de recettes de cuisine
Exec="$exec_quote/carnet"
Path=$chemin
Icon=carnet
Terminal=false
Categories=Utility;
EOD
mv -f "$applications/carnet.desktop.nouveau" "$applications/carnet.desktop"
if command -v update-desktop-database >/dev/null; then
    update-desktop-database -q "$applications" || true
fi
echo "$applications/carnet.desktop"
