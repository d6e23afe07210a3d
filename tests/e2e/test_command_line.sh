#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line: --help and --version answer without any display, an
# unknown argument is refused with exit code 2 and one line naming it, and
# --quit with no bar running does nothing.
# Usage: test_command_line.sh <path to lumora>
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

LUMORA=${1:?usage: $0 <lumora binary>}
[[ -x $LUMORA ]] || fail "no lumora binary at $LUMORA"
e2e_init
ulimit -c 0

# run_case <expected rc> <args...>: stdout in $E2E_TMP/out, stderr in err.
run_case() {
    local want=$1 rc=0
    shift
    e2e_env timeout 10 "$LUMORA" "$@" >"$E2E_TMP/out" 2>"$E2E_TMP/err" || rc=$?
    ((rc == want)) || fail "lumora $*: exit code $rc, expected $want (stderr: $(cat "$E2E_TMP/err"))"
}

run_case 0 --version
[[ $(cat "$E2E_TMP/out") == "Lumora 1.28" ]] || fail "--version printed '$(cat "$E2E_TMP/out")'"
[[ ! -s $E2E_TMP/err ]] || fail "--version wrote to stderr: $(cat "$E2E_TMP/err")"

run_case 0 --help
grep -q -- '--show' "$E2E_TMP/out" || fail "--help does not mention --show"
for option in --quit --search --private --selection; do
    grep -q -- "$option" "$E2E_TMP/out" || fail "--help does not mention $option"
done
[[ ! -s $E2E_TMP/err ]] || fail "--help wrote to stderr: $(cat "$E2E_TMP/err")"

for bad in --frobnicate -x show "--show --quit"; do
    # shellcheck disable=SC2086
    run_case 2 $bad
    [[ $(wc -l <"$E2E_TMP/err") == 1 ]] || fail "'$bad': expected one line on stderr, got: $(cat "$E2E_TMP/err")"
    grep -q -- '--help' "$E2E_TMP/err" || fail "'$bad': stderr does not point to --help: $(cat "$E2E_TMP/err")"
    # The line names what was wrong.
    last=${bad##* }
    grep -qF -- "'$last'" "$E2E_TMP/err" || fail "'$bad': stderr does not name '$last': $(cat "$E2E_TMP/err")"
    [[ ! -s $E2E_TMP/out ]] || fail "'$bad': printed on stdout"
done

# Nothing runs and nothing is started: --quit has nothing to do, and no
# data folder appears.
run_case 0 --quit
[[ ! -e $E2E_TMP/config/Lumora ]] || fail "--quit without a bar created the data folder"
note "ok"
