#!/usr/bin/env bash
# images.sh BUILD_DIR: takes the screenshots of the real-window journeys
# (BUILD_DIR/parcours/1024x768, made by the test command) into the help pages
# (help/src/images) and the README (docs/). Then run help/build.sh.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
photos=$1/parcours/1024x768
[ -f "$photos/1-menu.png" ] || { echo "pas de captures dans $photos : lancez d'abord les tests" >&2; exit 1; }
# The windows cover 1017 x 728 pixels; below them is the strip kept for the task bar.
fenetre=(-crop 1017x728+0+0 +repage)
aide() {  # screenshot, name in the help
    convert "$photos/$1.png" "${fenetre[@]}" -resize 640x -strip -colors 192 "PNG8:$racine/help/src/images/$2.png"
}
aide 1-splash demarrage
aide 1-bases choix-base
aide 1-menu-ouvert menu
aide 6-creer creer-base
aide 6-danger supprimer-base
aide 2-texte presentation
aide 2-liste liste-fiches
aide 2-fiche fiche
aide 3-nouvelle-fiche nouvelle-fiche
aide 3-dialogue-photo choix-photo
aide 3-recherche recherche
aide 3-apercu apercu-recherche
aide 3-question question-impression
aide 4-liste liste-recettes
aide 5-sauvegarde sauvegarde
aide 7-import importation
mkdir -p "$racine/docs"
for p in 1-menu-ouvert:menu 2-fiche:fiche 3-recherche:recherche; do
    convert "$photos/${p%%:*}.png" "${fenetre[@]}" -strip "$racine/docs/${p##*:}.png"
done
