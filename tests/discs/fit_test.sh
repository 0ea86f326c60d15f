#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's disc presets against the file systems Debian's tools make on a disc of each
# capacity: a file of the preset's size fits both, one a sector larger does not fit one of them,
# and each takes what the table says. ISO 9660: xorriso's image size for the file, with Rock
# Ridge, Joliet and MD5 on. UDF: the free blocks udfinfo counts in an image mkudffs makes must
# hold the file and its entry (no tool writes into UDF without mounting it). Sparse files only.
#   fit_test.sh DISC_TABLE      (skipped, 77, without the tools unless TESSALY_REQUIRE_DISCS=1)
set -uo pipefail
export PATH=$PATH:/usr/sbin:/sbin
for tool in xorriso mkudffs udfinfo; do
    command -v "$tool" >/dev/null && continue
    [[ ${TESSALY_REQUIRE_DISCS:-} == 1 ]] && { echo "FAIL: no $tool, and TESSALY_REQUIRE_DISCS=1"; exit 1; }
    echo "SKIP: no $tool" && exit 77
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/disc"
failed=0
iso_image() {  # sectors of an image holding a file of $1 bytes
    truncate -s "$1" "$work/disc/film.mkv"
    xorriso -outdev stdio:/dev/null -joliet on -md5 on -map "$work/disc" / -print_size -rollback_end 2>&1 |
        sed -n 's/^Image size *: *\([0-9]*\)s$/\1/p'
}
udf_free() {  # free blocks of an image of $1 sectors
    rm -f "$work/udf.img" && truncate -s $(($1 * 2048)) "$work/udf.img" &&
        mkudffs --media-type=hd --blocksize=2048 "$work/udf.img" >/dev/null &&
        udfinfo "$work/udf.img" | sed -n 's/^freeblocks=//p'
}
check() { (($2)) && echo "$1: ok: $3" || { echo "$1: FAIL: $3"; failed=$((failed + 1)); }; }

discs=$("$1") && [[ -n $discs ]] || { echo "FAIL: no disc table from $1"; exit 1; }
while read -r name sectors iso udf bytes; do
    file=$(((bytes + 2047) / 2048))
    image=$(iso_image "$bytes") larger=$(iso_image $((bytes + 2048))) free=$(udf_free "$sectors")
    [[ $image && $larger && $free ]] || { check "$name" 0 "no figures from xorriso or udfinfo"; continue; }
    check "$name" "image <= sectors" "ISO 9660 image of the file: $image of $sectors sectors"
    check "$name" "file + 1 <= free" "UDF: the file's $file sectors and its entry in $free free"
    check "$name" "larger > sectors || file + 2 > free" "a file a sector larger does not fit both"
    check "$name" "image - file == iso" "ISO 9660 takes $((image - file)) sectors, the table $iso"
    check "$name" "sectors - free + 1 == udf" "UDF takes $((sectors - free + 1)) sectors, the table $udf"
done <<<"$discs"
((failed == 0))
