#!/usr/bin/env bash
# Mutation campaign: each fault of scripts/mutations.txt is applied alone to
# the tree, the tree is rebuilt without sanitizers (a build folder of its own,
# incremental, through ccache) and the tests are run; the file is restored
# after each fault, also on Ctrl-C. A fault the tests do not notice survives.
#
# Usage: bash scripts/mutation.sh [options] [ID ...]
#   ID                 run only these faults (shell patterns: 'store-*')
#   --verifier         only check that every fault still applies, build nothing
#   --sans-temoin      skip the run of the suite on the unchanged tree
#   --construction DIR build folder (default build-mutation)
#   --sortie FILE      the markdown table (default DIR/mutations.md)
#
# The test program of the fault's own subsystem runs first, then the others,
# then the script checks; the first failure stops the run. The two real-window
# journeys (parcours_*) are left out: they take minutes each and go through
# the same code as the window tests. The suite runs once, whole, on the
# unchanged tree first.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"

construction=build-mutation
sortie=
verifier=0
temoin=1
motifs=()
while [ $# -gt 0 ]; do
    case $1 in
        --verifier) verifier=1 ;;
        --sans-temoin) temoin=0 ;;
        --construction) construction=$2; shift ;;
        --sortie) sortie=$2; shift ;;
        -h|--help) sed -n '2,18p' "$0"; exit 0 ;;
        *) motifs+=("$1") ;;
    esac
    shift
done
sortie=${sortie:-$construction/mutations.md}

travail=$(mktemp -d)
mute=
restaurer() {
    # Written back, not moved: the new date makes the build see the change.
    if [ -n "$mute" ]; then
        cat "$travail/original" > "$mute"
        mute=
    fi
}
trap 'restaurer; rm -rf "$travail"' EXIT
trap 'exit 130' INT TERM

# One folder per selected fault: id, fichier, quoi, avant, apres, and the
# number of places the text occurs in the file.
python3 - "$travail" scripts/mutations.txt "${motifs[@]}" <<'PY'
import fnmatch, os, sys
travail, liste, motifs = sys.argv[1], sys.argv[2], sys.argv[3:]
blocs, courant = [], None
for numero, ligne in enumerate(open(liste, encoding="utf-8"), 1):
    ligne = ligne.rstrip("\n")
    if not ligne.strip() or ligne.startswith("#"):
        continue
    if ligne.startswith("- "):
        courant["avant"] = ligne[2:]
    elif ligne.startswith("+ "):
        courant["apres"] = ligne[2:]
    else:
        parties = [p.strip() for p in ligne.split("|", 2)]
        if len(parties) != 3:
            sys.exit(f"{liste}:{numero}: expected 'id | file | description'")
        courant = dict(zip(("id", "fichier", "quoi"), parties))
        blocs.append(courant)
ids = [b["id"] for b in blocs]
doubles = {i for i in ids if ids.count(i) > 1}
if doubles:
    sys.exit(f"{liste}: ids used twice: {' '.join(sorted(doubles))}")
choisis = [b for b in blocs if not motifs or any(fnmatch.fnmatch(b["id"], m) for m in motifs)]
if not choisis:
    sys.exit("no fault matches " + " ".join(motifs))
for n, b in enumerate(choisis):
    if "avant" not in b or "apres" not in b:
        sys.exit(f"{liste}: fault {b['id']} lacks its '-' or '+' line")
    try:
        texte = open(b["fichier"], encoding="utf-8").read()
        b["places"] = str(texte.count(b["avant"]))
    except OSError:
        b["places"] = "0"
    d = os.path.join(travail, f"{n:03d}")
    os.makedirs(d)
    for cle in ("id", "fichier", "quoi", "avant", "apres", "places"):
        with open(os.path.join(d, cle), "w", encoding="utf-8") as f:
            f.write(b[cle])
PY

# The subsystem is the folder under src/ (or the top folder); its tests are
# the program of the same name.
sous_systeme() {
    case $1 in
        src/*) cut -d/ -f2 <<<"$1" ;;
        tools/*) echo import ;;
        *) cut -d/ -f1 <<<"$1" ;;
    esac
}
programme_tests() {
    case $1 in
        import) echo test_store ;;
        *) echo "test_$1" ;;
    esac
}

casses=0
for d in "$travail"/[0-9]*; do
    if [ "$(<"$d/places")" != 1 ]; then
        echo "BROKEN $(<"$d/id"): its text occurs $(<"$d/places") times in $(<"$d/fichier")" >&2
        casses=$((casses + 1))
    fi
done
if [ "$verifier" = 1 ]; then
    echo "$(find "$travail" -mindepth 1 -maxdepth 1 -type d | wc -l) faults checked, $casses broken"
    [ "$casses" = 0 ]
    exit
fi

mkdir -p "$construction"
if [ ! -f "$construction/build.ninja" ]; then
    cmake -S . -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCARNET_SANITIZE=OFF \
        -DCARNET_BENCH=OFF -DCARNET_TEST_HOOKS=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
fi
journaux=$construction/mutations
mkdir -p "$journaux"

executer_suite() {
    (cd "$construction" && timeout 3600 ctest -j2 -E '^parcours_' --stop-on-failure --timeout 300) >"$1" 2>&1
}
# The quick programs first, the kill campaigns last.
ordre() {
    local rapides="test_platform test_print test_search test_shell test_backup test_card test_demo test_browser test_store"
    printf '%s\n' $rapides
    ls "$construction/tests" | grep -E '^test_[a-z_]+$' | grep -v '_autogen$' | grep -vxF -e test_reliability $(printf -- '-e %s ' $rapides) || true
    echo test_reliability
}
premier_echec_ctest() {
    sed -n '/The following tests FAILED/,$p' "$1" | sed -nE 's/^[[:space:]]*[0-9]+ - (.*) \((.*)\)$/\1 (\2)/p' | head -1
}

cmake --build "$construction" -j2 >"$journaux/construction.log" 2>&1 \
    || { echo "the unchanged tree does not build: $journaux/construction.log" >&2; exit 1; }
if [ "$temoin" = 1 ]; then
    echo "running the suite on the unchanged tree..."
    executer_suite "$journaux/temoin.log" \
        || { echo "the suite fails on the unchanged tree: $journaux/temoin.log" >&2; exit 1; }
fi

{
    echo "| Fault | Subsystem | What it does | Result | Caught by |"
    echo "|---|---|---|---|---|"
} >"$sortie"
tues=0
survivants=0
for d in "$travail"/[0-9]*; do
    id=$(<"$d/id")
    fichier=$(<"$d/fichier")
    sous=$(sous_systeme "$fichier")
    journal=$journaux/$id.log
    : >"$journal"
    debut=$SECONDS
    if [ "$(<"$d/places")" != 1 ]; then
        resultat="broken"
        par="text occurs $(<"$d/places") times"
    else
        cp "$fichier" "$travail/original"
        mute=$fichier
        python3 - "$fichier" "$d/avant" "$d/apres" <<'PY'
import sys
chemin, avant, apres = sys.argv[1], open(sys.argv[2], encoding="utf-8").read(), open(sys.argv[3], encoding="utf-8").read()
texte = open(chemin, encoding="utf-8").read()
with open(chemin, "w", encoding="utf-8") as f:
    f.write(texte.replace(avant, apres, 1))
PY
        resultat=survived
        par=
        # The subsystem's own tests first, then the other programs one by
        # one, each built just before it runs: a fault caught early costs
        # one link.
        propre=$(programme_tests "$sous")
        for programme in "$propre" $(ordre | grep -vx "$propre"); do
            [ -f "$construction/tests/$programme" ] || continue
            if ! cmake --build "$construction" -j2 -t "$programme" >>"$journal" 2>&1; then
                resultat="does not build"
                break
            fi
            set +e
            (cd "$construction" && QT_QPA_PLATFORM=offscreen timeout 1200 "./tests/$programme" --gtest_fail_fast --gtest_brief=1) >>"$journal" 2>&1
            code=$?
            set -e
            if [ "$code" != 0 ]; then
                resultat=killed
                nom=$(sed -nE 's/^\[  FAILED  \] ([^ ,]+).*/\1/p' "$journal" | head -1)
                if [ -n "$nom" ]; then par="$programme: $nom"
                elif [ "$code" = 124 ]; then par="$programme (timeout)"
                else par="$programme (exit $code)"; fi
                break
            fi
        done
        # Then the script checks, which start the program itself.
        if [ "$resultat" = survived ]; then
            if ! cmake --build "$construction" -j2 >>"$journal" 2>&1; then
                resultat="does not build"
            elif ! (cd "$construction" && ctest -R '^script_' --timeout 300) >>"$journal" 2>&1; then
                resultat=killed
                par=$(premier_echec_ctest "$journal")
                par=${par:-script check}
            fi
        fi
        restaurer
    fi
    case $resultat in
        killed) tues=$((tues + 1)) ;;
        survived) survivants=$((survivants + 1)) ;;
        *) casses=$((casses + 1)) ;;
    esac
    echo "| $id | $sous | $(<"$d/quoi") | $resultat | ${par:-} |" >>"$sortie"
    printf '%-28s %-15s %4ss  %s\n' "$id" "$resultat" $((SECONDS - debut)) "${par:-}"
done
# The tree back as it was: leave the build matching it.
cmake --build "$construction" -j2 >/dev/null 2>&1 || true

total=$((tues + survivants))
{
    echo
    echo "Killed $tues of $total faults that build ($survivants survived, $casses broken)."
} >>"$sortie"
echo "Killed $tues of $total ($survivants survived, $casses broken); table in $sortie"
[ "$casses" = 0 ]
