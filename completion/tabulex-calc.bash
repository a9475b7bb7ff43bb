# bash completion for tabulex-calc                         -*- shell-script -*-
#
# Field and unit names come from the program itself (--list-fields, --list-units), so the
# completion never offers a name it would refuse.

_tabulex_calc_words()
{
    local IFS=$'\n'
    COMPREPLY=($(compgen -W "$("$1" "$2" 2>/dev/null)" -S "${3-}" -- "$cur"))
}

_tabulex_calc()
{
    local cur prev words cword split
    _init_completion -s || return

    # --convert VALUE FROM TO and --days DATE1 DATE2 take more than one argument: whether the
    # current word is one of them depends on how far back the option stands.
    local i
    for ((i = cword - 1; i > 0 && i >= cword - 3; i--)); do
        case ${words[i]} in
            --convert)
                ((cword - i >= 2)) && _tabulex_calc_words "$1" --list-units
                return
                ;;
            --convert=*)
                ((cword - i <= 2)) && _tabulex_calc_words "$1" --list-units
                return
                ;;
            --days)
                ((cword - i <= 2)) && return
                break
                ;;
        esac
    done

    case $prev in
        -e | --expression | --date | -h | --help | --version | --list-fields | --list-units)
            return
            ;;
        --encoding)
            COMPREPLY=($(compgen -W 'gbk utf-8' -- "$cur"))
            return
            ;;
        --config)
            _filedir
            return
            ;;
        --set)
            # FIELD= first; the value is the user's.
            [[ $cur == *=* ]] && return
            _tabulex_calc_words "$1" --list-fields =
            [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
            return
            ;;
    esac
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '$(_parse_help "$1")' -- "$cur"))
        return
    fi
    _filedir
} &&
    complete -F _tabulex_calc tabulex-calc

# ex: filetype=sh
