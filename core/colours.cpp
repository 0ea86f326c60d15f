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

// The least contrast of `colour` against any of `grounds`.
double LeastContrast(Rgb colour, std::span<const Rgb> grounds) {
    double least = 21;
    for (const Rgb ground : grounds)
        least = std::min(least, ContrastRatio(colour, ground));
    return least;
}

// Black or white, whichever stands further from the nearest of `grounds`.
Rgb BlackOrWhite(std::span<const Rgb> grounds) {
    constexpr Rgb black{0, 0, 0}, white{255, 255, 255};
    return LeastContrast(black, grounds) >= LeastContrast(white, grounds) ? black : white;
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
    return ContrastRatio(ground, preferred) >= kReadableContrast ? preferred : BlackOrWhite({&ground, 1});
}

double FrameLineContrast() {
    static const double designed = ContrastRatio({159, 159, 159}, {239, 239, 239});
    return designed;
}

double DisabledOutlineContrast() {
    static const double designed = ContrastRatio({177, 177, 177}, {239, 239, 239});
    return designed;
}

Rgb KeepOrRaise(Rgb own, std::initializer_list<Rgb> others, Rgb ground, double least) {
    if (ContrastRatio(own, ground) >= least)
        return own;
    const Rgb* quietest = nullptr;
    for (const Rgb& other : others)
        if (const double ratio = ContrastRatio(other, ground);
            ratio >= least && (!quietest || ratio < ContrastRatio(*quietest, ground)))
            quietest = &other;
    return quietest ? *quietest : BlackOrWhite({&ground, 1});
}

Rgb FirstVisible(std::initializer_list<Rgb> preferred, std::span<const Rgb> grounds, double least) {
    for (const Rgb colour : preferred)
        if (LeastContrast(colour, grounds) >= least)
            return colour;
    return BlackOrWhite(grounds);
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
