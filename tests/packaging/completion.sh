#!/usr/bin/env bash
# completion.sh TESSEL COMPLETION_SCRIPT
# Completes tessel command lines with the bash completion script and checks the offers against
# what `tessel --help` names: every option, the --generate templates, the --type values and
# the --check engines.
# Exits 77 (skipped) where bash-completion is not installed.
set -uo pipefail
export LC_ALL=C
tessel=$1
script=$2
framework=/usr/share/bash-completion/bash_completion
[ -r "$framework" ] || { echo "bash-completion is not installed"; exit 77; }
# shellcheck source=/dev/null
source "$framework"
# shellcheck source=/dev/null
source "$script"

help=$("$tessel" --help) || { echo "tessel --help failed"; exit 1; }
failed=0

# offers WORD...: what completing the last word of "tessel WORD..." offers, one per line, sorted.
offers() {
    COMP_WORDS=(tessel "$@")
    COMP_CWORD=$#
    COMP_LINE="tessel $*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _tessel tessel "${!#}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect() { # expect WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'completing %s offers\n%s\nbut --help names\n%s\n' "$1" "$3" "$2"
        failed=1
    fi
}

options=$(grep '^  -' <<<"$help" | grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
expect "an option" "$(printf '%s\n' $options -- | sort)" "$(offers -)"

templates=$(grep -v 'ID is one of' <<<"$help" | sed -n 's/.*one of: //p' | tr -d ' ' | tr ',' '\n' | sort)
expect "--generate" "$templates" "$(offers --generate '')"

engines=$(sed -n 's/.*ID is one of: //p' <<<"$help" | tr -d ' ' | tr ',' '\n' | sort)
expect "--engine" "$engines" "$(offers --check --engine '')"

types=$(sed -n 's/.*case: //p' <<<"$help" | sed 's/, /\n/g; s/"//g; s/ /\\ /g' | sort)
expect "--type" "$types" "$(offers --type '')"
expect "--type f" "$(printf 'Free\\ for\\ All')" "$(offers --generate server --type f)"

exit $failed
