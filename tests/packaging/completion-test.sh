#!/usr/bin/env bash
# Drives the bash completion of rivet-cli as bash does on Tab and compares what it offers.
# Usage: completion-test.sh COMPLETION-FILE
set -uo pipefail
completion_file=$1
bash_completion=/usr/share/bash-completion/bash_completion
if [ ! -r "$bash_completion" ]; then
    echo "bash-completion is not installed"
    exit 77
fi
source "$bash_completion"
source "$completion_file"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir Garage
touch a.asm b.ASM notes.txt card.png

failures=0
# expect LINE EXPECTED: completes at the end of LINE ("|" stands for nothing typed yet).
expect() {
    local line=${1%|} expected=$2
    # Split as bash does: at blanks, and at colons (which stay words of their own).
    local -a words=()
    read -ra words <<<"${line//:/ : }"
    [[ $line == *" " ]] && words+=("")
    COMP_LINE=$line COMP_POINT=${#line} COMP_WORDS=("${words[@]}") COMP_CWORD=$((${#words[@]} - 1))
    COMPREPLY=()
    _rivet_cli rivet-cli "${words[COMP_CWORD]}" "${words[COMP_CWORD - 1]}" 2>/dev/null
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    got=${got% }
    if [[ $got != "$expected" ]]; then
        echo "FAIL: '$line' offers '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
}

expect "rivet-cli |" "check code compare eval explain export import list optimise preview"
expect "rivet-cli e" "eval explain export"
expect "rivet-cli -" "--help --version"
expect "rivet-cli check |" ""
expect "rivet-cli eval |" "Garage a.asm b.ASM"
expect "rivet-cli eval a.asm -" "--json"
expect "rivet-cli compare a.asm b.ASM |" ""
expect "rivet-cli export --format |" "html text"
expect "rivet-cli export --template |" "1 2 3"
expect "rivet-cli export --format text -" "--format --template -o"
expect "rivet-cli preview |" "Garage a.asm b.ASM"
expect "rivet-cli preview a.asm cb1" "cb1 cb10 cb11"
expect "rivet-cli preview --json a.asm |" "cb1 cb10 cb11 cb2 cb3 cb4 cb5 cb6 cb7 cb8 cb9"
expect "rivet-cli explain a.asm ed1" "ed1 ed10 ed11 ed12 ed13 ed14 ed15 ed16"
expect "rivet-cli optimise --goal ed1" "ed1 ed10 ed11 ed12 ed13 ed14 ed15 ed16"
expect "rivet-cli optimise --goal ed13:m" "max min"
expect "rivet-cli optimise --keep cb1,cb4,cb1" "cb1,cb4,cb10 cb1,cb4,cb11"
expect "rivet-cli optimise --require ed2" "ed2"
expect "rivet-cli optimise --options |" "free keep"
expect "rivet-cli optimise --goal ed1 --top 3 -o |" "Garage a.asm b.ASM"
expect "rivet-cli optimise --goal ed1 --j" "--json"
expect "rivet-cli optimise --goal ed1 a.asm |" ""
expect "rivet-cli list --sort ed13:m" "max min"
expect "rivet-cli list --s" "--sort --sound"
expect "rivet-cli list --sound |" "Garage"
expect "rivet-cli code |" "Garage a.asm b.ASM"
expect "rivet-cli import |" "Garage card.png notes.txt"
expect "rivet-cli import -o |" "Garage a.asm b.ASM"

if ((failures > 0)); then
    exit 1
fi
echo "all completions as expected"
