# bash completion of taxaudit: its commands and each command's options, read from the
# program's own --help.
_taxaudit()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} program=${COMP_WORDS[0]}
    local command="" words i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --db) ((i++)) ;;
            -*) ;;
            *) command=${COMP_WORDS[i]}; break ;;
        esac
    done
    if [[ $prev == --db ]]; then
        COMPREPLY=($(compgen -W "sqlite: mysql://" -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        if [[ -z $command ]]; then
            words="--db --help --version"
        else
            words=$("$program" "$command" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u)
        fi
    elif [[ -z $command ]]; then
        words=$("$program" --help 2>/dev/null | awk '/^Commands:$/ { on = 1; next } /^[^ ]/ { on = 0 } on && /^  [a-z]/ { print $1 }')
    else
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -F _taxaudit taxaudit
