// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colours.h"

#include <algorithm>
#include <cmath>

namespace tessaly {

namespace {

// One sRGB channel, 0 to 255, as linear light, 0 to 1.
double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// One channel a level nearer to `target`, or as it is once there.
std::uint8_t StepTowards(std::uint8_t channel, std::uint8_t target) {
    if (channel < target)
        return static_cast<std::uint8_t>(channel + 1);
    if (channel > target)
        return static_cast<std::uint8_t>(channel - 1);
    return channel;
}

}  // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkScheme(Rgb page, Rgb text) { return RelativeLuminance(page) < RelativeLuminance(text); }

Rgb ReadableText(Rgb ground, Rgb preferred) {
    if (ContrastRatio(ground, preferred) >= kReadableContrast)
        return preferred;
    constexpr Rgb black{0, 0, 0}, white{255, 255, 255};
    return ContrastRatio(ground, black) >= ContrastRatio(ground, white) ? black : white;
}

Rgb SetApart(Rgb page, Rgb text) {
    static const double designed = ContrastRatio({224, 224, 224}, {239, 239, 239});
    Rgb shade = page;
    while (ContrastRatio(shade, page) < designed && shade != text)
        shade = {StepTowards(shade.red, text.red), StepTowards(shade.green, text.green),
                 StepTowards(shade.blue, text.blue)};
    return shade;
}

}  // namespace tessaly
