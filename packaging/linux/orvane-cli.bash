# bash completion for orvane-cli

_orvane_cli_options()
{
    case $1 in
        list) echo "--file-order --json --name --family" ;;
        show) echo "--hex --json" ;;
        types | parts) echo "--json" ;;
        diff) echo "--json" ;;
        merge) echo "--theirs --both --dry-run --json --from-codepage --force" ;;
        export) echo "--format -o --output" ;;
        import) echo "--force" ;;
        add) echo "--hex --type --part --org --force $_orvane_cli_values" ;;
        edit) echo "--hex --name --name-hex --force $_orvane_cli_values" ;;
        rm) echo "--hex --force" ;;
        rename-type) echo "--hex --force" ;;
    esac
}

_orvane_cli()
{
    local cur prev words cword
    if declare -F _init_completion >/dev/null; then
        _init_completion || return
    else
        cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
        words=("${COMP_WORDS[@]}") cword=$COMP_CWORD
    fi
    local subcommands="list show types parts check dump diff merge export import add edit rm rename-type"
    local globals="-f --file --codepage -h --help --version"
    local _orvane_cli_values="--power-pins --clk --data --data-in --data-out --cs --length --write-buffer --bits-address"

    case $prev in
        -f | --file | -o | --output)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --codepage | --from-codepage) COMPREPLY=($(compgen -W "874 1250 1251 1252 1253 1254 1255 1256 1257 1258 932 936 949 950 65001" -- "$cur")); return ;;
        --family) COMPREPLY=($(compgen -W "i2c microwire other" -- "$cur")); return ;;
        --format) COMPREPLY=($(compgen -W "json csv" -- "$cur")); return ;;
        --org) COMPREPLY=($(compgen -W "8 16" -- "$cur")); return ;;
        --type) COMPREPLY=($(compgen -W "0 1 2 3" -- "$cur")); return ;;
        --power-pins | --clk | --data | --data-in | --data-out | --cs | --length | --write-buffer | \
            --bits-address | --name | --part) return ;;
    esac

    # The subcommand is the first word that is neither an option nor an option's value.
    local i sub=
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            -f | --file | --codepage) ((i++)) ;;
            -*) ;;
            *) sub=${words[i]}; break ;;
        esac
    done

    if [[ -z $sub ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$globals" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$subcommands" -- "$cur"))
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_orvane_cli_options "$sub") -f --file --codepage -h --help" -- "$cur"))
        return
    fi
    case $sub in
        diff | merge | import)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null ;;
    esac
}

complete -F _orvane_cli orvane-cli
