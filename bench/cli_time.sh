#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run time of tessaly-bitrate-calc against /usr/bin/printf writing a line of the same kind,
# measured side by side: ROUNDS rounds, each starting every command BATCH times in a row,
# the commands taking turns within a round. Prints each command's median time per start and
# the ratios to printf, in wall time and in CPU time (user + system, from bash's `times`,
# which a loaded machine disturbs less). Both pay the same fork and exec from bash, as a
# script's $(...) does.
#   bench/cli_time.sh [BUILD_DIR] [ROUNDS] [BATCH]     (defaults: build, 21, 50)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-21}
batch=${3:-50}
calc=$build/cli/tessaly-bitrate-calc
[[ -x $calc ]] || { echo "cli_time.sh: $calc is missing; build $build first" >&2; exit 2; }

names=(printf video convert)
declare -A commands=(
    [printf]="/usr/bin/printf video\x20bitrate:\x20%s\x20kbit/s\n 827"
    [video]="$calc video --length 100 --audio 128 --size 700 --value"
    [convert]="$calc convert 700 MB --json"
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Sets cpu to the CPU seconds (user + system) that this shell's children have used so far.
# `times` must run in this shell itself: a subshell, $(...) included, counts only its own.
children_cpu() {
    times >"$work/times"
    cpu=$(tail -n 1 "$work/times" | awk '{ n = split($0, f, /[ms ]+/); s = 0
        for (i = 1; i + 1 <= n; i += 2) s += f[i] * 60 + f[i + 1]; print s }')
}

for _ in $(seq "$rounds"); do
    for name in "${names[@]}"; do
        read -r -a command <<<"${commands[$name]}"
        children_cpu
        cpu_start=$cpu
        start=$EPOCHREALTIME
        for _ in $(seq "$batch"); do "${command[@]}" >/dev/null; done
        end=$EPOCHREALTIME
        children_cpu
        cpu_end=$cpu
        awk -v n="$batch" -v w="$((${end/./} - ${start/./}))" -v c="$cpu_start $cpu_end" \
            'BEGIN { split(c, t, " "); printf "%.1f %.1f\n", w / n, (t[2] - t[1]) * 1e6 / n }' >>"$work/$name"
    done
done

source bench/median.sh
declare -A wall cpus
column_medians wall cpus "$work" "${names[@]}"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
echo "median per start over $rounds rounds of $batch starts; ratios to printf (target 2x)"
printf '%-44s %10s %7s %10s %7s\n' "" "wall µs" "ratio" "CPU µs" "ratio"
declare -A labels=([printf]="/usr/bin/printf" [video]="tessaly-bitrate-calc video ... --value"
                  [convert]="tessaly-bitrate-calc convert 700 MB --json")
for name in "${names[@]}"; do
    printf '%-44s %10s %7s %10s %7s\n' "${labels[$name]}" "${wall[$name]}" "$(ratio "${wall[$name]}" "${wall[printf]}")" \
        "${cpus[$name]}" "$(ratio "${cpus[$name]}" "${cpus[printf]}")"
done
