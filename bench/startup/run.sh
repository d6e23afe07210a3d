#!/usr/bin/env bash
# Runs the start-up benchmark on a private Xvfb display (1280x800x24) with no
# window manager, so the driver sees each program's own window being mapped.
# Usage: bench/startup/run.sh [build-dir] [runs]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-15}

driver=$build/bench/startup/bench_startup
floor=$build/bench/startup/bench_floor_window
lumora=$build/src/lumora
for f in "$driver" "$floor" "$lumora"; do
    [[ -x $f ]] || { echo "run.sh: $f is missing; build first" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "run.sh: Xvfb is not installed" >&2; exit 1; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/lumora-bench-XXXXXX")
xvfb=""
cleanup() {
    if [[ -n $xvfb ]]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
    3>"$tmp/displayfd" >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for ((i = 0; i < 300; i++)); do
    grep -q '^[0-9][0-9]*$' "$tmp/displayfd" 2>/dev/null && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; exit 1; }
    sleep 0.05
done
grep -q '^[0-9][0-9]*$' "$tmp/displayfd" || { echo "run.sh: Xvfb did not start" >&2; exit 1; }

echo "== start-up benchmark (Xvfb :$(cat "$tmp/displayfd"), no window manager) =="
XDG_RUNTIME_DIR=$tmp DISPLAY=:$(cat "$tmp/displayfd") "$driver" --runs "$runs" "$floor" "$lumora"
