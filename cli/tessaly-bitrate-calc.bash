# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Bash completion for tessaly-bitrate-calc: its commands, each command's options, the WAV
# rates and the data units.

_tessaly_bitrate_calc() {
    local cur prev words cword
    _init_completion -s || return

    local units="bits bytes kb kB Mbit MB Gbit GB kilobits kilobytes megabits megabytes gigabits gigabytes"
    if ((cword == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "video hd-space audio convert --help --version" -- "$cur")
        return
    fi

    case $prev in
        --wav) mapfile -t COMPREPLY < <(compgen -W "48 44.1" -- "$cur"); return ;;
        --to) mapfile -t COMPREPLY < <(compgen -W "$units" -- "$cur"); return ;;
        --length | --audio | --size | --video | --avi-size) return ;;  # a number
    esac

    local options
    case ${words[1]} in
        video) options="--length --audio --size --value --json" ;;
        hd-space) options="--length --video --wav --audio --value --json" ;;
        audio) options="--length --avi-size --size --wav --no-wav --value --json" ;;
        convert) options="--to --json" ;;
        *) return ;;
    esac

    if [[ ${words[1]} == convert && $cur != -* ]]; then
        # VALUE first, then UNIT: count the words before this one that are not options.
        local i operands=0
        for ((i = 2; i < cword; i++)); do
            case ${words[i]} in
                --to) ((i++)) ;;
                -*) ;;
                *) ((operands++)) ;;
            esac
        done
        ((operands == 1)) && mapfile -t COMPREPLY < <(compgen -W "$units" -- "$cur")
        return
    fi

    # Offer only what is not given yet.
    local word remaining=" $options "
    for word in "${words[@]:2:cword-2}"; do
        remaining=${remaining/ ${word%%=*} / }
    done
    mapfile -t COMPREPLY < <(compgen -W "$remaining --help" -- "$cur")
}
complete -F _tessaly_bitrate_calc tessaly-bitrate-calc
