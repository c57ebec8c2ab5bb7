#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lines of tests against lines of program, comments and blank lines left out.
cd "$(dirname "$0")/.."
lines() {
    for f in "$@"; do
        case $f in
        *.c | *.cpp | *.h | *.js) g++ -fpreprocessed -dD -E -P -x c++ "$f" 2>/dev/null ;;
        *) grep -v '^\s*#' "$f" ;;
        esac
    done | grep -cv '^\s*$'
}
tests=$(lines $(git ls-files 'tests/*.'{c,cpp,h,js,sh,py,tsv}))
program=$(lines $(git ls-files '*.cpp' '*.h' | grep -Ev '^(tests|bench)/'))
echo "tests $tests, program $program: $((100 * tests / program)) %"
