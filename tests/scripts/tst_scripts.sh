#!/usr/bin/env bash
# The README's two commands share one build folder: run one after the other and nothing is
# rebuilt, and scripts/run builds only what it starts. Runs a copy of scripts/ with cmake, ctest
# and dpkg-query replaced by stubs that record how they were called.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$here/../../scripts" "$work/scripts"
mkdir -p "$work/stubs" "$work/build/QuorlVevevodi"
log="$work/calls.log"
for tool in cmake ctest; do
    printf '#!/bin/sh\necho "%s $*" >> "%s"\n' "$tool" "$log" > "$work/stubs/$tool"
done
printf '#!/bin/sh\necho "install ok installed"\n' > "$work/stubs/dpkg-query"
printf '#!/bin/sh\necho "program $*" >> "%s"\n' "$log" > "$work/build/QuorlVevevodi/quorl-vevevodi"
chmod +x "$work"/stubs/* "$work/build/QuorlVevevodi/quorl-vevevodi"
export PATH="$work/stubs:$PATH"

failed=0
check() {  # description, then the test
    local what=$1; shift
    if "$@"; then echo "PASS   : $what"; else echo "FAIL!  : $what"; failed=$((failed + 1)); fi
}

"$work/scripts/run" > /dev/null
mv "$log" "$work/run.log"
"$work/scripts/test" > /dev/null
mv "$log" "$work/test.log"

configureOf() { grep -E '^cmake -S' "$1"; }
buildOf() { grep -E '^cmake --build' "$1"; }
same_configure() { [[ -n $(configureOf "$work/run.log") ]] &&
                   [[ $(configureOf "$work/run.log") == $(configureOf "$work/test.log") ]]; }
run_builds_its_programs() { [[ $(buildOf "$work/run.log") =~ --target\ quorl-vevevodi\ FtpQrl$ ]]; }
test_builds_all() { [[ -n $(buildOf "$work/test.log") && ! $(buildOf "$work/test.log") =~ --target ]]; }
run_starts() { grep -q '^program' "$work/run.log"; }
test_runs_ctest() { grep -q '^ctest' "$work/test.log"; }

check "run and test configure one build alike" same_configure
check "run builds only the program and the FTP client" run_builds_its_programs
check "test builds every target" test_builds_all
check "run starts the program" run_starts
check "test runs ctest" test_runs_ctest
echo "$((5 - failed)) passed, $failed failed"
[[ $failed -eq 0 ]]
