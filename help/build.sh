#!/usr/bin/env bash
# Rebuilds help/Lisez-Moi.chm from the pages in help/src with chmcmd
# (Debian package fp-utils). The built document is kept in the repository so
# that building the program does not need the compiler.
set -euo pipefail
aide=$(cd "$(dirname "$0")" && pwd)
command -v chmcmd >/dev/null || { echo "chmcmd manque : apt-get install fp-utils" >&2; exit 1; }
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cp -r "$aide/src/." "$travail/"
(cd "$travail" && chmcmd --no-html-scan Lisez-Moi.hhp >/dev/null)
mv -f "$travail/Lisez-Moi.chm" "$aide/Lisez-Moi.chm"
echo "$aide/Lisez-Moi.chm"
