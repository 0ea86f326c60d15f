# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Bash completion for tessaly-bitrate-calc. The commands, each command's options, their
# literal values (--wav 48), the data units and which take files all come from the program's
# own --help, so a new command or option needs nothing here.

_tessaly_bitrate_calc() {
    local cur prev words cword
    _init_completion -s || return
    local program=${words[0]}

    if ((cword == 1)); then
        local commands
        commands=$("$program" --help 2>/dev/null |
            sed -n -E 's/^(usage:)? +[^ ]*tessaly-bitrate-calc ([a-z][a-z-]*) .*/\2/p')
        mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
        return
    fi

    # "  --name VALUE  text" lines name the options, and a VALUE in lower case ("48",
    # "avi|mkv|mp4") is the choices it takes; "units: ..." names the data units, and
    # "discs: ..." the discs a SIZE may name.
    local help
    help=$("$program" "${words[1]}" --help 2>/dev/null) || return
    local units discs options values
    units=$(sed -n 's/^units: //p' <<<"$help")
    discs=$(sed -n 's/^discs: //p' <<<"$help")
    options=$(sed -n -E 's/^  (--[a-z-]+).*/\1/p' <<<"$help" | uniq)

    if [[ $prev == --* ]]; then
        # An option that takes a value: offer its literal values, the units, or nothing for a number.
        local value_of
        value_of=$(sed -n -E "s/^  $prev ([^ ]+) .*/\1/p" <<<"$help")
        if [[ $value_of == FILE* ]]; then
            _filedir
            return
        elif [[ -n $value_of ]]; then
            if [[ $value_of == UNIT ]]; then
                values=$units
            elif [[ $value_of == SIZE ]]; then
                values=$discs
            elif [[ $value_of != *[A-Z]* ]]; then
                values=${value_of//|/ }  # "avi|mkv|mp4"
            fi
            mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur")
            return
        fi
    fi

    # Files: the operands of a command that reads one ("  FILE..."), and the further words of
    # an option that takes several ("--length-of FILE...").
    if [[ $cur != -* ]]; then
        local i last=
        for ((i = cword - 1; i >= 2; i--)); do
            [[ ${words[i]} == --* ]] && { last=${words[i]%%=*}; break; }
        done
        if grep -q -E '^  FILE' <<<"$help" ||
            [[ -n $last && $(sed -n -E "s/^  $last ([^ ]+) .*/\1/p" <<<"$help") == FILE... ]]; then
            _filedir
            return
        fi
    fi

    if [[ -n $units && $cur != -* ]]; then
        # VALUE first, then UNIT: count the words before this one that are not options.
        local i operands=0
        for ((i = 2; i < cword; i++)); do
            case ${words[i]} in
                --*=*) ;;
                --*) [[ $(sed -n -E "s/^  ${words[i]} ([^ ]+) .*/\1/p" <<<"$help") ]] && ((i++)) ;;
                *) ((operands++)) ;;
            esac
        done
        ((operands == 1)) && mapfile -t COMPREPLY < <(compgen -W "$units" -- "$cur")
        return
    fi

    # Offer only what is not given yet.
    local word remaining=" ${options//$'\n'/ } "
    for word in "${words[@]:2:cword-2}"; do
        remaining=${remaining/ ${word%%=*} / }
    done
    mapfile -t COMPREPLY < <(compgen -W "$remaining --help" -- "$cur")
}
complete -F _tessaly_bitrate_calc tessaly-bitrate-calc
