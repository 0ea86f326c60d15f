// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Uncompressed 16-bit stereo WAV audio, as the intermediate AVI holds it: its two sampling rates
// and their data rates, which the disk space, the audio bitrate and the container's bytes share.
#pragma once

namespace tessaly {

enum class WavRate { Rate48kHz, Rate44kHz };

struct WavDataRate {
    // As the window counts it: 187.5 kB/s at 48 kHz, and 172.266 at 44.1 kHz as the program has
    // always counted it, not the exact 44100 x 4 / 1024 = 172.265625.
    double kilobytesPerSecond;
    // Exactly, for the answers that fit a real file: 192000 and 176400.
    double bytesPerSecond;
    // The sampling rate in Hz: 48000 and 44100.
    double samplesPerSecond;
};

constexpr WavDataRate DataRateOf(WavRate rate) {
    return rate == WavRate::Rate48kHz ? WavDataRate{187.5, 48000 * 4, 48000}
                                      : WavDataRate{172.266, 44100 * 4, 44100};
}

}  // namespace tessaly
