#!/usr/bin/env bash
# Builds carnet-bench in release mode and runs it on the generated bases of
# 1 000, 32 767 and 100 000 recipes (kept under /tmp/carnet-bench), then writes the
# figures into bench/README.md between its markers. Takes several minutes.
#   CARNET_BENCH_TAILLES="32767" bash scripts/bench.sh   # one size only
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${CARNET_BUILD:-$racine/build-bench}
tailles=${CARNET_BENCH_TAILLES:-"1000 32767 100000"}
dossier=${CARNET_BENCH_DOSSIER:-/tmp/carnet-bench}

bash "$racine/scripts/deps.sh"
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$racine" -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCARNET_TESTS=OFF -DCARNET_BENCH=ON "${lanceur[@]}"
cmake --build "$construction" -j2 --target carnet-bench

resultats=$(mktemp)
trap 'rm -f "$resultats" "$resultats".*' EXIT
{
    echo "Machine : $(nproc) cœurs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'),"
    echo "$(free -g | awk '/Mem:/ {print $2}') Go de mémoire, $(df -T "$dossier" 2>/dev/null | awk 'NR==2 {print $2}' || echo '?') sous $dossier ;"
    echo "$(uname -sr). Date : $(date '+%Y-%m-%d %H:%M'). Charge au départ : $(cut -d' ' -f1-3 /proc/loadavg)."
    echo
    for taille in $tailles; do
        "$construction/bench/carnet-bench" --taille="$taille" --racine="$dossier" \
            --tableau="$resultats.$taille" --benchmark_color=false >&2
        echo "### $taille recettes"
        echo
        cat "$resultats.$taille"
        echo
    done
    echo "Charge à la fin : $(cut -d' ' -f1-3 /proc/loadavg)."
} > "$resultats"

# The table goes between the two markers of bench/README.md.
python3 - "$racine/bench/README.md" "$resultats" <<'PY'
import sys
chemin, tableau = sys.argv[1], open(sys.argv[2], encoding="utf-8").read()
texte = open(chemin, encoding="utf-8").read()
debut, fin = "<!-- mesures -->", "<!-- fin des mesures -->"
avant, reste = texte.split(debut, 1)
_, apres = reste.split(fin, 1)
open(chemin, "w", encoding="utf-8").write(avant + debut + "\n" + tableau + fin + apres)
PY
echo "Mesures écrites dans bench/README.md"
