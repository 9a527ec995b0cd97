#!/usr/bin/env bash
# Non-blank, non-comment lines of C++ per folder, and the ratio of the tests
# to the code (everything outside tests/ and bench/).
# Usage: bash scripts/lignes.sh [--dossiers]
set -euo pipefail
cd "$(dirname "$0")/.."

# Lines of the named files, without blank lines, // lines and /* */ blocks.
compte() {
    [ $# -eq 0 ] && { echo 0; return; }
    awk '
        { ligne = $0 }
        dans_bloc { if (sub(/.*\*\//, "", ligne)) dans_bloc = 0; else next }
        { while (match(ligne, /\/\*/)) {
              avant = substr(ligne, 1, RSTART - 1); reste = substr(ligne, RSTART + 2)
              if (match(reste, /\*\//)) ligne = avant substr(reste, RSTART + 2)
              else { ligne = avant; dans_bloc = 1 }
          }
          sub(/^[ \t]*\/\/.*/, "", ligne)
          if (ligne ~ /[^ \t\r]/) n++ }
        END { print n + 0 }' "$@"
}

fichiers() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' || true; }

code_liste=$(git ls-files | grep -E '\.(cpp|h)$' | grep -Ev '^(tests|bench)/' || true)
tests_liste=$(fichiers tests)
# shellcheck disable=SC2086
code=$(compte $code_liste)
# shellcheck disable=SC2086
essais=$(compte $tests_liste)

if [ "${1:-}" = --dossiers ]; then
    printf '| Folder | Lines |\n|---|---:|\n'
    for d in $(git ls-files | grep -E '\.(cpp|h)$' | xargs -n1 dirname | sort -u); do
        # shellcheck disable=SC2046
        printf '| %s | %s |\n' "$d" "$(compte $(git ls-files -- "$d" | grep -E "^$d/[^/]+\.(cpp|h)$"))"
    done
    echo
fi
printf 'code %s, tests %s, ratio %s\n' "$code" "$essais" \
    "$(awk -v t="$essais" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
