// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/discs.h"

namespace tessaly {

// The sectors a blank holds for data, from public references:
// - CD-R: 75 sectors a second, so 74 minutes are 333000 sectors and 80 minutes 360000 (the
//   CD-Recordable FAQ, 7-6), counted from 00:00:00; data begins after the first track's
//   two-second pregap, at 00:02:00, which leaves 332850 and 359850. cdrecord's table of known
//   blanks (cdrtools, cdrecord/diskid.c) gives the lead-out of 74-minute blanks from 332850
//   (the smallest) up, and of 80-minute blanks at 359849 (79:59:74) for most; two odd makes
//   listed there stop at 359700 and 359100.
// - DVD±R: the smaller of the two formats, from the capacity table of Wikipedia's "DVD
//   recordable": DVD+R 2295104 (DVD-R 2298496); DVD-R DL 4171712 (DVD+R DL 4173824).
// - BD-R: 25025314816 and 50050629632 bytes (Wikipedia, "Blu-ray Disc recordable"): 12219392 and
//   24438784 sectors, written unformatted, as xorriso does unless told to format. Formatting
//   for defect management (growisofs does it by default) sets spare areas aside from these.
//
// What the file systems take beyond the file's own sectors, measured with Debian 12's tools
// (tests/discs/fit_test.sh measures them again against this table):
// - ISO 9660 with Rock Ridge and Joliet, level 3 so that a file may pass 4 GiB, written by
//   xorriso 1.5.4 (its own commands, and as mkisofs), with MD5 checksums on: 185 sectors for
//   one file of any size here, 150 of them the padding both add by default for CDs written
//   track at once (183 without the checksums).
// - UDF 2.01 as mkudffs 2.3 lays out a disc mastered from an image (--media-type=hd, the
//   same for dvd): 520 sectors of descriptors and anchors outside the partition, the partition's
//   space bitmap (1 bit a sector), the file set descriptor and the root directory, which udfinfo
//   counts as used, and 1 for the file's own entry, which holds its extents (up to 1 GiB each)
//   and whose name fits in the root directory's entry. mkudffs's layouts for packet writing
//   (VAT, --media-type=cdr, dvdr, bdr) take less: 261 to 310 as counted before a disc is closed,
//   and so did genisoimage's ISO 9660 with a UDF bridge (-udf) on a CD: 424.
// The file system costing more is subtracted, so the file fits either way.
const std::array<DiscPreset, kDiscCount> kDiscPresets{{
    {Disc::Cd650, "cd650", "", "CD 650 MB (74 min)", "CD-R 74 min", 332850, 185, 539},
    {Disc::Cd700, "cd700", "cd", "CD 700 MB (80 min)", "CD-R 80 min", 359849, 185, 547},
    {Disc::Dvd, "dvd", "", "DVD\u00b1R", "DVD+R", 2295104, 185, 665},
    {Disc::DvdDl, "dvd-dl", "", "DVD\u00b1R DL", "DVD-R DL", 4171712, 185, 779},
    {Disc::Bd25, "bd25", "bd", "BD-R 25 GB", "BD-R", 12219392, 185, 1270},
    {Disc::Bd50, "bd50", "", "BD-R 50 GB", "BD-R DL", 24438784, 185, 2016},
}};

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

const DiscPreset& PresetOf(Disc disc) { return kDiscPresets[static_cast<std::size_t>(disc)]; }

std::optional<Disc> DiscNamed(std::string_view name) {
    for (const DiscPreset& preset : kDiscPresets) {
        if (SameIgnoringCase(name, preset.name) ||
            (!preset.alias.empty() && SameIgnoringCase(name, preset.alias)))
            return preset.disc;
    }
    return std::nullopt;
}

std::string DiscMegabytesText(const DiscPreset& preset, std::string_view decimal) {
    // A sector is 1/512 MB, so the ten-thousandths are whole in integers.
    const std::int64_t tenThousandths = preset.fileSectors() * 10000 / 512;
    std::string fraction = std::to_string(10000 + tenThousandths % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return std::to_string(tenThousandths / 10000) + (fraction.empty() ? "" : std::string(decimal) + fraction);
}

std::string DiscArithmetic(const DiscPreset& preset) {
    const bool udf = preset.udfSectors >= preset.isoSectors;
    return std::to_string(preset.sectors) + " sectors (" + std::string(preset.format) + ") - " +
           std::to_string(preset.fileSystemSectors()) + (udf ? " for UDF = " : " for ISO 9660 = ") +
           std::to_string(preset.fileSectors()) + " x " + std::to_string(kSectorBytes) + " = " +
           std::to_string(preset.fileBytes()) + " bytes";
}

}  // namespace tessaly
