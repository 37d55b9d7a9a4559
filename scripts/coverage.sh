#!/usr/bin/env bash
# Builds the suite with gcc's coverage instrumentation (the `coverage` preset), runs it, and
# prints line and branch coverage per folder of the code. The full report, one HTML page per
# source, goes to build/coverage/report/index.html. Usage: scripts/coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/coverage

cmake --preset coverage >/dev/null
cmake --build --preset coverage
find "$build" -name '*.gcda' -delete
ctest --preset coverage

# Branches the compiler adds for exceptions and inlined library code say nothing about our
# tests, so they are left out of the branch figures.
common=(--root . --object-directory "$build" --exclude-directories "$build/CMakeFiles"
        --exclude-throw-branches --exclude-unreachable-branches)

mkdir -p "$build/report"
# Headers spelled "host/x.h" are reached through the layers' include roots in the build
# tree (lv_include_root); they are counted with their layer.
gcovr "${common[@]}" --filter 'src/' --filter 'platform/' --filter 'host/' --filter 'render/' \
      --filter 'tools/' --filter "$build/include_roots/" --html-details "$build/report/index.html" --json-summary "$build/report/summary.json"

python3 - "$build/report/summary.json" "$build/include_roots/" <<'PY'
import json, sys
folders = {}
for f in json.load(open(sys.argv[1]))["files"]:
    name = f["filename"]
    if name.startswith(sys.argv[2]):
        name = name[len(sys.argv[2]):].split("/", 1)[1]
    totals = folders.setdefault(name.split("/")[0], [0, 0, 0, 0])
    for i, key in enumerate(("line_total", "line_covered", "branch_total", "branch_covered")):
        totals[i] += f[key]
print("%-10s %8s %8s %7s %8s %8s %7s" % ("folder", "lines", "hit", "line%", "branches", "taken", "branch%"))
for name in ("src", "platform", "host", "render", "tools"):
    lines, hit, branches, taken = folders.get(name, [0, 0, 0, 0])
    print("%-10s %8d %8d %6.1f%% %8d %8d %6.1f%%" % (name, lines, hit, 100 * hit / max(lines, 1),
          branches, taken, 100 * taken / max(branches, 1)))
PY
echo "report: $build/report/index.html"
