// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colour arithmetic for a window that follows the desktop's palette: how well a text reads on
// its ground (the contrast ratio of WCAG 2), and the grounds and text colours derived from the
// palette's page and text colours.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

namespace tessaly {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The least contrast that WCAG 2.1 AA asks of ordinary text.
inline constexpr double kReadableContrast = 4.5;

// The least contrast WCAG 2.1 asks of what shows a control or its state (an outline, a round mark, the
// focus) against the colours beside it.
inline constexpr double kVisibleContrast = 3.0;

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

// How far the lines that only decorate stand from the page in the default light window, the least
// any palette may show them: a frame's line, {159, 159, 159} on the page {239, 239, 239}, 2.30:1; the
// outline of a disabled box, {177, 177, 177} on the page, 1.86:1.
double FrameLineContrast();
double DisabledOutlineContrast();

// `own` where it stands `least`:1 or more from `ground`; otherwise the one of `others` that does with
// the least contrast to spare, so that a line changes no more than it must; where none does, black or
// white, whichever stands further from `ground`. On the page {239, 239, 239}, at 3:1: {118, 118, 118}
// (3.95) stays; {159, 159, 159} (2.30) with the others {184, 184, 184} (1.73), {118, 118, 118} and
// black gives {118, 118, 118}.
Rgb KeepOrRaise(Rgb own, std::initializer_list<Rgb> others, Rgb ground, double least = kVisibleContrast);

// The first of `preferred` that stands `least`:1 or more from every one of `grounds`; where none
// does, black or white, whichever stands further from the nearest of them. A focus ring drawn over
// the light page {239, 239, 239} and a mid grey {159, 159, 159}: of the blue {48, 140, 198} (1.39 from
// the grey) and black, black.
Rgb FirstVisible(std::initializer_list<Rgb> preferred, std::span<const Rgb> grounds,
                 double least = kVisibleContrast);

}  // namespace tessaly
