#!/usr/bin/env bash
# The real program in a real X window: starts carnet under Xvfb in a demo
# program folder and checks that it gets past the splash to a full-screen
# main menu window. Leaves a screenshot in the build folder.
set -euo pipefail
construction=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
"$construction/carnet-demo" "$dossier" >/dev/null
cp "$construction/carnet" "$dossier/"

cat > "$dossier/essai.sh" <<'EOS'
set -euo pipefail
cd "$1"
QT_QPA_PLATFORM=xcb CARNET_INTERVALLE_SPLASH=30 ASAN_OPTIONS=detect_leaks=0 ./carnet &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
# The splash (8895 x 4920 twips, about 593 x 328 px) comes first over the
# background; at the hand-over both close and the main menu remains, sized to
# the screen less its margins.
vu_splash=0
for _ in $(seq 1 100); do
    sleep 0.2
    kill -0 $pid || { echo "carnet ended early"; exit 1; }
    larges=0
    splash=0
    for w in $(xdotool search --onlyvisible --class carnet 2>/dev/null); do
        # The window may close between the search and this look at it.
        largeur=$(xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {print $2}') || largeur=0
        [ "${largeur:-0}" -ge 1000 ] && larges=$((larges + 1))
        [ "${largeur:-0}" -lt 700 ] && [ "${largeur:-0}" -gt 500 ] && splash=1
    done
    [ "$splash" = 1 ] && vu_splash=1
    if [ "$vu_splash" = 1 ] && [ "$splash" = 0 ] && [ "$larges" = 1 ]; then
        sleep 0.5
        import -window root "$2/fenetre_reelle.png"
        kill -0 $pid
        echo "main menu on screen"
        exit 0
    fi
done
echo "no main menu window after 20 s"
exit 1
EOS
xvfb-run -a -s "-screen 0 1024x768x24" bash "$dossier/essai.sh" "$dossier" "$construction"
