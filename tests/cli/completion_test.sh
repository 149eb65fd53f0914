#!/usr/bin/env bash
# The bash completions of both programs, asked as bash asks them.
# Usage: completion_test.sh FOLDER-OF-THE-COMPLETION-FILES
set -u
folder=$1
source "$folder/parabel-cli"
source "$folder/parabel"

files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
touch "$files/a.png" "$files/b.SVG" "$files/c.txt" "$files/d.bmp" "$files/-e.txt"
mkdir "$files/sub"

passed=0
failed=0

# complete FUNCTION WORD... : the words of the command line, the last one
# being completed; prints the candidates, one per line, sorted.
complete_words() {
    local function=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    "$function" "${COMP_WORDS[0]}" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]:-}"
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect() {
    local expected=$1
    shift
    local got
    got=$(complete_words "$@" | paste -sd ' ')
    if [[ $got == "$expected" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $* -> '$got', expected '$expected'"
    fi
}

expect "plot" _parabel_cli parabel-cli pl
expect "--help --language --version help number plot settings solve worksheet" _parabel_cli parabel-cli ""
expect "en" _parabel_cli parabel-cli --language e
expect "--json" _parabel_cli parabel-cli --language en solve --j
expect "settings solve" _parabel_cli parabel-cli --language ru help s
expect "--json" _parabel_cli parabel-cli solve --j
expect "--bits" _parabel_cli parabel-cli number --b
expect "svg" _parabel_cli parabel-cli plot x^2 --format s
expect "pink purple" _parabel_cli parabel-cli plot x^2 --color p
expect "--screen" _parabel_cli parabel-cli plot x^2 --sc
expect "plot" _parabel_cli parabel-cli help pl
expect "--key --kinds" _parabel_cli parabel-cli worksheet --k
expect "whole,none" _parabel_cli parabel-cli worksheet --kinds whole,n
expect "fractions" _parabel_cli parabel-cli worksheet --count 4 --kinds f
expect "settings solve" _parabel_cli parabel-cli help s
expect "$files/a.png $files/b.SVG $files/d.bmp $files/sub" _parabel_cli parabel-cli plot x^2 -o "$files/"
expect "--version" _parabel parabel --v
expect "-- --equation= --help --language --version" _parabel parabel --
expect "--equation=" _parabel parabel --eq
expect "" _parabel parabel -e ""
expect "" _parabel parabel --equation x
expect "$files/c.txt" _parabel parabel "$files/c"
# After "--" a word with a dash is a file name, no option.
cd "$files" || exit 1
expect "-e.txt" _parabel parabel -- -
expect "-e.txt" _parabel parabel -- -e
cd - >/dev/null || exit 1

echo "$passed passed, $failed failed"
((failed == 0))
