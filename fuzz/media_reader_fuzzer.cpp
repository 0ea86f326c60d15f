// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as a film from memory, once from its header alone and once counting
// every packet: it must never crash, leak or hang, and what it gives must hold together.
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "media/film.h"

namespace {

using namespace tessaly::media;

bool PositiveIfSet(const std::optional<int>& value) { return !value || *value > 0; }
bool RateIfSet(const std::optional<double>& rate) { return !rate || (std::isfinite(*rate) && *rate > 0); }

void CheckStream(const Stream& stream, bool counted, std::string_view input) {
    TESSALY_CHECK(!stream.codec.empty(), input, "a stream without a codec name");
    TESSALY_CHECK(PositiveIfSet(stream.sampleRate) && PositiveIfSet(stream.channels), input, "audio figures");
    TESSALY_CHECK(PositiveIfSet(stream.width) && PositiveIfSet(stream.height), input, "picture size");
    TESSALY_CHECK(!stream.bitRate || *stream.bitRate > 0, input, "bit rate");
    TESSALY_CHECK(RateIfSet(stream.frameRate), input, "frame rate");
    TESSALY_CHECK(stream.payloadBytes.has_value() == counted && stream.packets.has_value() == counted, input,
                  "a payload given exactly when it was counted");
    if (counted)
        TESSALY_CHECK(*stream.packets >= 0 && *stream.payloadBytes >= 0 &&
                          (*stream.packets > 0 || *stream.payloadBytes == 0),
                      input,
                      "payload " + std::to_string(*stream.payloadBytes) + " in " +
                          std::to_string(*stream.packets) + " packets");
}

void CheckOutcome(const ReadOutcome& outcome, std::size_t size, bool counted, std::string_view input) {
    TESSALY_CHECK(outcome.film.has_value() != outcome.failure.has_value(), input,
                  "film and failure disagree");
    TESSALY_CHECK(outcome.path.empty(), input, "a path for bytes in memory");
    if (!outcome.film) {
        TESSALY_CHECK(!outcome.error.empty() && outcome.error.find('\n') == std::string::npos, input,
                      "reason \"" + outcome.error + "\" is not one line");
        return;
    }
    const Film& film = *outcome.film;
    TESSALY_CHECK(outcome.error.empty(), input, "a film with a reason");
    TESSALY_CHECK(std::isfinite(film.seconds) && film.seconds > 0, input,
                  "length " + std::to_string(film.seconds));
    TESSALY_CHECK(film.fileBytes == static_cast<std::int64_t>(size) && film.parts.empty(), input,
                  "file size");
    TESSALY_CHECK(!film.container.empty() && !film.containerLongName.empty(), input, "container names");
    TESSALY_CHECK(RateIfSet(film.frameRate), input, "film frame rate");
    TESSALY_CHECK(!film.frameRate || film.frameTiming, input, "a frame rate without its timing");
    bool sound = false, video = false;
    for (const Stream& stream : film.streams) {
        CheckStream(stream, counted, input);
        sound = sound || stream.kind == StreamKind::Audio;
        video = video || stream.kind == StreamKind::Video;
    }
    TESSALY_CHECK(sound || video, input, "a film of neither video nor audio");
    TESSALY_CHECK(film.frameTiming.has_value() == video, input, "frame timing without video");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const bool count : {false, true})
        CheckOutcome(ReadFilmFromMemory(std::span<const std::uint8_t>(data, size), count), size, count,
                     input);
    return 0;
}
