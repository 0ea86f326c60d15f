// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colour arithmetic for a window that follows the desktop's palette: how well a text reads on
// its ground (the contrast ratio of WCAG 2), and the grounds and text colours derived from the
// palette's page and text colours.
#pragma once

#include <cstdint>

namespace tessaly {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The least contrast that WCAG 2.1 AA asks of ordinary text.
inline constexpr double kReadableContrast = 4.5;

// WCAG 2's relative luminance: black 0, white 1, {128, 128, 128} about 0.216.
double RelativeLuminance(Rgb colour);

// (lighter + 0.05) / (darker + 0.05) of the two luminances, in either order: black on white 21,
// {118, 118, 118} on white 4.54, a colour on itself 1.
double ContrastRatio(Rgb a, Rgb b);

// Whether a palette writes light text on a dark page.
bool IsDarkScheme(Rgb page, Rgb text);

// `preferred` where it reaches 4.5:1 on `ground`; otherwise black or white, whichever reads better.
Rgb ReadableText(Rgb ground, Rgb preferred);

// The ground of results and notes: a shade of `page` moved towards `text` until it stands as far
// apart from the page as the light grey {224, 224, 224} stands from the light page {239, 239, 239}.
// {239, 239, 239} towards black gives {224, 224, 224}; black towards white gives {21, 21, 21}.
Rgb SetApart(Rgb page, Rgb text);

}  // namespace tessaly
