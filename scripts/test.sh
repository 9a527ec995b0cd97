#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test offscreen. Non-zero on any failure.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${CARNET_BUILD:-$racine/build-test}

bash "$racine/scripts/deps.sh"
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$racine" -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCARNET_SANITIZE=ON -DCARNET_WERROR=ON -DCARNET_TEST_HOOKS=ON "${lanceur[@]}"
cmake --build "$construction" -j"$(nproc)"
cd "$construction"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600
