#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# debian-source.sh PACKAGE DIR: unpacks Debian's source of PACKAGE into DIR, fetched from the
# Debian archives this machine's apt is configured with (their deb-src form), whatever mirror
# or snapshot they name. apt works in a private sources list and lists folder under DIR, so the
# machine's own apt configuration and lists stay as they are.
set -euo pipefail
package=$1
work=$2

# Every archive apt has fetched lists for and whose Release file says it is Debian's.
mapfile -t archives < <(apt-get indextargets --format '$(ORIGIN) $(REPO_URI) $(RELEASE) $(COMPONENT)' \
                            'Identifier: Packages' | awk '$1 == "Debian" { print $2, $3, $4 }' | sort -u)
if ((${#archives[@]} == 0)); then
    echo "debian-source.sh: apt knows no Debian archive on this machine; run apt-get update first" >&2
    exit 1
fi

mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d"
for archive in "${archives[@]}"; do
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $archive"
done >"$work/apt/sources.list"
private=(
    -o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache"
    -o "APT::Sandbox::User=$(id -un)"
)
echo "Fetching Debian's $package source into $work from:"
sed 's/^/  /' "$work/apt/sources.list"
apt-get "${private[@]}" update -qq
(cd "$work" && apt-get "${private[@]}" source -qq "$package")
