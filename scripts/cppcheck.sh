#!/usr/bin/env bash
# Static analysis of the program's code with cppcheck; fails on any finding. A finding that is
# a false positive is suppressed where it stands, with `// cppcheck-suppress <id>` and a reason.
#   scripts/cppcheck.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
command -v cppcheck >/dev/null || { echo "cppcheck is missing (scripts/packages.txt)" >&2; exit 1; }

# Qt's macros come from cppcheck's own Qt library description; the program's strict defines
# are given as the build gives them. Qt's headers themselves are not analysed.
cppcheck --enable=warning,style,performance --inline-suppr --error-exitcode=1 \
    --std=c++20 --language=c++ --library=qt --library="$root/scripts/cppcheck-qt.cfg" --quiet -j "$(nproc)" \
    -D__cplusplus=202002L -DQT_NO_KEYWORDS -DQT_USE_QSTRINGBUILDER -DQT_NO_CAST_FROM_ASCII \
    -DQT_NO_CAST_TO_ASCII -DQT_NO_URL_CAST_FROM_STRING -DQT_NO_NARROWING_CONVERSIONS_IN_CONNECT \
    -I "$root" \
    --suppress=missingIncludeSystem \
    --suppressions-list="$root/scripts/cppcheck-suppressions.txt" \
    -i flash/player/node_modules \
    tables toolkit services shell training sheets statistics flash activities worksheets progress app
echo "cppcheck: no findings"
