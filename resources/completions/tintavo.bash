# bash completion for tintavo
_tintavo()
{
    local cur prev words cword
    _init_completion || return

    local commands="color contrast pick capture edit gradient sphere icon"
    local formats="hex hex-lower hex-short rgb rgb-legacy hsl hwb lab oklch hsv cmyk vb delphi c decimal name"

    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    case $prev in
        --format|-f)
            COMPREPLY=($(compgen -W "$formats" -- "$cur"))
            return ;;
        --harmony)
            COMPREPLY=($(compgen -W "complementary analogous triadic split-complementary tetradic" -- "$cur"))
            return ;;
        --orientation)
            COMPREPLY=($(compgen -W "horizontal vertical diagonal-down diagonal-up" -- "$cur"))
            return ;;
        --depth)
            COMPREPLY=($(compgen -W "1 4 8 16 24 32" -- "$cur"))
            return ;;
        -o|--output)
            _filedir
            return ;;
        --favicon-set)
            _filedir -d
            return ;;
        --sizes)
            COMPREPLY=($(compgen -W "16,32,48,256 16,24,32,48,64,128,256" -- "$cur"))
            return ;;
        --template|--tints|--shades|--tones|--region|--delay|--quality|--size|--sphere|--colors|--from-css|--centre|--center|--rim|--transparent|--background|--name)
            return ;;
    esac

    local options="--help"
    case ${words[1]} in
        color) options+=" --format --template --harmony --tints --shades --tones" ;;
        pick) options+=" --format --template --copy" ;;
        capture) options+=" --region --select --edit --last-region --window --no-decorations --pin --delay --output --quality --clipboard" ;;
        edit) options+=" --output" ;;
        gradient) options+=" --colors --orientation --from-css --size --output --css" ;;
        sphere) options+=" --size --centre --rim --sphere --output --css" ;;
        icon) options+=" --output --depth --transparent --sizes --favicon-set --background --name --crop --force" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ ${words[1]} == icon || ${words[1]} == edit ]]; then
        _filedir
    fi
}
complete -F _tintavo tintavo
