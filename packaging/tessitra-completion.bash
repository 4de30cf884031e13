# Bash completion for tessitra: commands, options, slot names, set lists and files. Installed as
# share/bash-completion/completions/tessitra, where bash-completion finds it when "tessitra" is first completed.
# It uses plain bash only (compgen, compopt), so it also works when sourced by hand.

_tessitra_slots()
{
    # $1: "user" for U01 to U100 only, otherwise factory slots as well.
    local banks="U" bank n
    [ "$1" = user ] || banks="U F"
    for bank in $banks; do
        for ((n = 1; n <= 100; n++)); do
            printf '%s%02d\n' "$bank" "$n"
        done
    done
}

_tessitra_files()
{
    # The files with one of the extensions given, and the folders to walk into.
    local IFS=$'\n' extension
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -d -- "$cur"))
    for extension in "$@"; do
        COMPREPLY+=($(compgen -f -X "!*.$extension" -- "$cur"))
    done
}

_tessitra()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands="info list backup restore diff find save load copy rename setlist undo redo factory-update firmware check-update"
    local options="--bus --json --yes --help --version --to --only --setlists --sysparams --all"
    local command="" i word args=0

    # The command is the first word that is neither an option nor the value of --bus or --to; count the
    # arguments before the current word to know which one is being completed.
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
        --bus | --to | --setlists) ((i++)) ;;
        -*) ;;
        *) if [ -z "$command" ]; then command=$word; else ((args++)); fi ;;
        esac
    done

    case $prev in
    --bus)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur"))
        return
        ;;
    --setlists)
        COMPREPLY=($(compgen -W "favourites A B C D all" -- "$cur"))
        return
        ;;
    --to)
        if [ "$command" = load ]; then
            COMPREPLY=($(compgen -W "$(_tessitra_slots user)" -- "${cur^^}"))
        else
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -d -- "$cur"))
        fi
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    case $command in
    "") COMPREPLY=($(compgen -W "$commands" -- "$cur")) ;;
    list) ((args == 0)) && COMPREPLY=($(compgen -W "user factory favourites A B C D" -- "$cur")) ;;
    backup) ((args == 0)) && _tessitra_files tarb tscb ;;
    # After the file, the slots of --only.
    restore)
        if ((args == 0)); then
            _tessitra_files tarb tscb
        else
            COMPREPLY=($(compgen -W "$(_tessitra_slots user)" -- "${cur^^}"))
        fi
        ;;
    diff) ((args < 2)) && _tessitra_files tarb tscb ;;
    load) _tessitra_files tarp tscp ;;
    firmware) _tessitra_files ldr bin ;;
    save) COMPREPLY=($(compgen -W "$(_tessitra_slots all)" -- "${cur^^}")) ;;
    copy)
        if ((args == 0)); then
            COMPREPLY=($(compgen -W "$(_tessitra_slots all)" -- "${cur^^}"))
        elif ((args == 1)); then
            COMPREPLY=($(compgen -W "$(_tessitra_slots user)" -- "${cur^^}"))
        fi
        ;;
    rename) ((args == 0)) && COMPREPLY=($(compgen -W "$(_tessitra_slots user)" -- "${cur^^}")) ;;
    setlist)
        if ((args == 0)); then
            COMPREPLY=($(compgen -W "A B C D favourites" -- "$cur"))
        elif ((args <= 20)); then
            COMPREPLY=($(compgen -W "$(_tessitra_slots all)" -- "${cur^^}"))
        fi
        ;;
    esac
}
complete -F _tessitra tessitra
