#!/usr/bin/env bash
# Completes quillet-calc command lines with the generated completion script
# and compares the offers with what is expected, one case per line.
# Usage: bash_completion_test.sh COMPLETION_SCRIPT
set -u
source "$1"

failures=0
# expect "WORD WORD ... CURRENT" "OFFER|OFFER|..."   (words split on blanks; _ stands for a blank)
expect()
{
    local -a words
    read -ra words <<<"$1"
    words=("${words[@]//_/ }")
    COMP_WORDS=(quillet-calc "${words[@]}")
    COMP_CWORD=${#words[@]}
    _quillet_calc
    local offered
    offered=$(IFS='|'; echo "${COMPREPLY[*]}")
    if [[ $offered != "$2" ]]; then
        echo "FAILED: quillet-calc $1 -> '$offered', expected '$2'"
        failures=$((failures + 1))
    fi
}

expect "co" "convert"
expect "--v" "--version"
expect "convert --st" "--strict"
expect "convert Dro" 'Drop\ Frame'
expect "convert drop" 'Drop\ Frame'
expect 'convert "Film_f' 'Film frames'
expect "convert Drop\\_F" 'Drop\ Frame'
expect "convert --strict df 16mm" "16mm|16mm/20"
expect "convert df ndf 00" ""
expect "eval ntsc-f" "ntsc-frames"
expect "eval df 1" ""
expect "formats d" ""
expect "s" "sum"
expect "sum ndf --t" "--to"
expect "sum --to re" "real-time"
expect "sum --to pal nd" "ndf"
expect "sum ndf --to df 0" ""

echo "$failures failed"
exit $((failures > 0))
