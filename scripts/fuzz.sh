#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each libFuzzer target of a clang build for a while, each on a scratch
# copy of its corpus (fuzz/corpus/<name> feeds fuzz_<name>), and reports what
# it found: inputs that reach new code, and any input that broke a rule or
# crashed, kept for replay. Exits 1 when there was such an input.
# Usage: scripts/fuzz.sh <build-dir> [seconds per target] [work-dir]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: $0 <build-dir> [seconds per target] [work-dir]}
seconds=${2:-60}
work=${3:-$repo/fuzz/corpus-work}
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "fuzz.sh: seconds must be a positive whole number" >&2; exit 2; }

count() {
    find "$1" -maxdepth 1 -type f | wc -l
}

bad=0
summary=()
for corpus in "$repo"/fuzz/corpus/*/; do
    name=$(basename "$corpus")
    fuzzer=$build/fuzz/fuzz_$name
    [[ -x $fuzzer ]] || { echo "fuzz.sh: $fuzzer is missing; build it with clang first" >&2; exit 1; }

    # The committed corpus stays as it is; the fuzzer grows the copy.
    dir=$work/$name
    rm -rf "$dir"
    mkdir -p "$dir/corpus" "$dir/findings"
    cp -- "$corpus"* "$dir/corpus/"
    before=$(count "$dir/corpus")

    echo "== fuzz_$name: $seconds s on a copy of fuzz/corpus/$name ($before inputs)"
    status=0
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$dir/findings/" "$dir/corpus" >"$dir/log" 2>&1 || status=$?

    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$dir/log" | tail -n 1 | cut -d' ' -f2 || true)
    new=$(($(count "$dir/corpus") - before))
    findings=$(count "$dir/findings")
    summary+=("$(printf '%-16s %12s %8s %12s %10s' "fuzz_$name" "${runs:-?}" "${cov:-?}" "$new" "$findings")")

    if ((findings > 0)); then
        bad=1
        # What went wrong, as the fuzzer and the sanitizers said it.
        grep -E '^(broken rule|==[0-9]+==ERROR|SUMMARY|.*deadly signal|.*Test unit written)' "$dir/log" | head -n 10
        for f in "$dir/findings"/*; do
            echo "   replay: $fuzzer $f"
        done
    elif ((status != 0)); then
        bad=1
        echo "   fuzz_$name exited with status $status:"
        tail -n 20 "$dir/log"
    fi
    echo "   new inputs: $dir/corpus, log: $dir/log"
done

echo
printf '%-16s %12s %8s %12s %10s\n' target executions coverage "new inputs" findings
printf '%s\n' "${summary[@]}"
if ((bad)); then
    echo "Something broke (see above). Once it is fixed, copy the input into fuzz/corpus/<target>/"
    echo "so that the fuzz_replay test keeps checking it."
else
    echo "Nothing broke. Inputs that reach new code can go into fuzz/corpus/<target>/ by hand."
fi
exit "$bad"
