# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the timing scripts.

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# column_medians FIRST SECOND DIR NAME...: for each NAME, the associative arrays FIRST and
# SECOND get the medians of the first and the second column of the file DIR/NAME.
column_medians() {
    local -n first=$1 second=$2
    local dir=$3 name
    shift 3
    for name; do
        first[$name]=$(cut -d' ' -f1 "$dir/$name" | median)
        second[$name]=$(cut -d' ' -f2 "$dir/$name" | median)
    done
}
