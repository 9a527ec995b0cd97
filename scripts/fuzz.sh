#!/bin/bash
# Builds the libFuzzer targets of fuzz/ with clang (apart from the normal
# build) and runs each for a bounded time: scripts/fuzz.sh [SECONDS] [TARGET...]
# Crashing inputs land in fuzz/regression/, which test_reliability replays.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
duree=${1:-60}
shift || true
construction=$racine/build-fuzz
CC=clang CXX=clang++ cmake -S "$racine/fuzz" -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$construction" -j2

cibles=("$@")
[ ${#cibles[@]} -gt 0 ] || cibles=(fuzz_coupure fuzz_decodage fuzz_marqueur fuzz_base fuzz_import fuzz_mealmaster fuzz_jsonld)

# A seed base: the schema of the program's bases, with one recipe.
graines=$construction/graines
mkdir -p "$graines"
if [ ! -f "$graines/base.mdb" ]; then
    sqlite3 "$graines/base.mdb" "PRAGMA application_id=1129467476; PRAGMA user_version=1;
        CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT,
        Difficulte TEXT, Ingrediant TEXT, Preparation TEXT, Vin TEXT);
        CREATE INDEX Cuisine_Titre ON Cuisine (Titre);
        INSERT INTO Cuisine VALUES (1, 'AGN', 'NAVARIN', '20 MN', '1 H', 'ab', 'x', 'y', '?');"
fi

for cible in "${cibles[@]}"; do
    corpus=$construction/corpus/$cible
    mkdir -p "$corpus"
    case $cible in
        fuzz_base) cp -n "$graines/base.mdb" "$corpus/" ;;
        fuzz_import) cp -n "$racine"/fuzz/graines/import-* "$corpus/" ;;
        fuzz_marqueur) cp -n "$racine"/fuzz/graines/marqueur-* "$corpus/" ;;
        fuzz_mealmaster) cp -n "$racine"/fuzz/graines/mealmaster-* "$corpus/" ;;
        fuzz_jsonld) cp -n "$racine"/fuzz/graines/jsonld-* "$corpus/" ;;
        *) cp -n "$racine"/fuzz/graines/texte-* "$corpus/" ;;
    esac
    echo "== $cible, $duree s"
    QT_QPA_PLATFORM=offscreen "$construction/$cible" -max_total_time="$duree" -rss_limit_mb=2048 -timeout=20 \
        -artifact_prefix="$racine/fuzz/regression/$cible-" "$corpus" 2>&1 | grep -E "^(#[0-9]+ +DONE|Done|==[0-9]+==ERROR|SUMMARY)|artifact" || true
done
