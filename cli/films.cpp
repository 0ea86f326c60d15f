// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/films.h"

#include "cli/json.h"
#include "core/numbers.h"

#ifdef TESSALY_READER_MODULE
#include <dlfcn.h>

#include <filesystem>

#include "media/module.h"
#endif

namespace tessaly::cli {

namespace {

using ReadFunction = decltype(&media::ReadFilm);

#ifdef TESSALY_READER_MODULE
// The module beside the command, at the same path from the command's own folder in the build
// tree as once installed: ../lib/x86_64-linux-gnu/tessaly-bitrate/tessaly-film-reader.so from bin/.
ReadFunction LoadReader() {
    std::error_code ignored;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ignored);
    const std::string path = (self.parent_path() / TESSALY_READER_MODULE).string();
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const void* entry = module ? dlsym(module, media::kModuleSymbol) : nullptr;
    if (!entry) {
        const char* why = dlerror();
        throw ValueError("the film reader cannot be loaded: " + std::string(why ? why : path));
    }
    return *static_cast<const media::ReadFilmFunction*>(entry);
}
#else
ReadFunction LoadReader() { return &media::ReadFilm; }
#endif

std::string_view KindWord(media::StreamKind kind) {
    using enum media::StreamKind;
    switch (kind) {
    case Video:
        return "video";
    case Audio:
        return "audio";
    case Subtitle:
        return "subtitle";
    case Data:
        return "data";
    case Attachment:
        return "attachment";
    case Picture:
        return "picture";
    case Unknown:
        break;
    }
    return "unknown";
}

template <typename T>
std::optional<double> Number(const std::optional<T>& x) {
    return x ? std::optional<double>(static_cast<double>(*x)) : std::nullopt;
}

}  // namespace

media::Film ReadFilmOf(std::span<const std::string> paths, bool countPayload) {
    static const ReadFunction read = LoadReader();
    const media::ReadOutcome outcome = read(paths, countPayload, countPayload ? kCountLimit : kHeaderLimit);
    if (!outcome.film)
        throw ValueError((outcome.path.empty() ? "" : outcome.path + ": ") + outcome.error);
    return *outcome.film;
}

std::string_view LengthWords(media::LengthSource source) {
    switch (source) {
    case media::LengthSource::Timestamps:
        return "from the packets' timestamps";
    case media::LengthSource::BitRate:
        return "estimated from the file's size and bit rate";
    case media::LengthSource::StreamDuration:
        break;
    }
    return "from the film's stored duration";
}

std::string_view LengthKey(media::LengthSource source) {
    switch (source) {
    case media::LengthSource::Timestamps:
        return "timestamps";
    case media::LengthSource::BitRate:
        return "bit_rate";
    case media::LengthSource::StreamDuration:
        break;
    }
    return "stored_duration";
}

std::string FilesText(const media::Film& film) {
    std::string text;
    for (const std::string& part : film.parts)
        text.append(text.empty() ? "" : ", ").append(part);
    return text;
}

std::string Rounded(double x, int places) { return NumberToText(RoundHalfEven(x, places)); }

std::string StreamWords(const media::Stream& s) {
    std::string words = std::string(KindWord(s.kind)) + ", " + s.codec;
    if (s.width && s.height)
        words += ", " + std::to_string(*s.width) + "x" + std::to_string(*s.height);
    if (s.frameRate)
        words += ", " + Rounded(*s.frameRate, 3) + " frames a second";
    if (s.sampleRate)
        words += ", " + std::to_string(*s.sampleRate) + " Hz";
    if (s.channels)
        words += ", " + std::to_string(*s.channels) + (*s.channels == 1 ? " channel" : " channels");
    if (s.bitRate)
        words += ", " + std::to_string(*s.bitRate) + " bit/s";
    if (s.payloadBytes && s.packets)
        words += ": " + std::to_string(*s.payloadBytes) + " bytes in " + std::to_string(*s.packets) +
                 (*s.packets == 1 ? " packet" : " packets");
    return words;
}

std::string StreamsJson(std::span<const media::Stream> streams) {
    std::string out = "[";
    for (const media::Stream& s : streams) {
        out += out.size() > 1 ? ",{" : "{";
        out += "\"kind\":" + JsonString(KindWord(s.kind)) + ",\"codec\":" + JsonString(s.codec) +
               ",\"width\":" + JsonNumber(Number(s.width)) + ",\"height\":" + JsonNumber(Number(s.height)) +
               ",\"frame_rate\":" + JsonNumber(s.frameRate) +
               ",\"sample_rate\":" + JsonNumber(Number(s.sampleRate)) +
               ",\"channels\":" + JsonNumber(Number(s.channels)) +
               ",\"bit_rate\":" + JsonNumber(Number(s.bitRate));
        if (s.payloadBytes && s.packets)
            out += ",\"payload_bytes\":" + JsonNumber(Number(s.payloadBytes)) +
                   ",\"packets\":" + JsonNumber(Number(s.packets));
        out += "}";
    }
    return out + "]";
}

std::vector<std::string> FilmWarnings(const media::Film& film) {
    std::vector<std::string> warnings;
    const std::string files = FilesText(film);
    if (film.lengthSource == media::LengthSource::BitRate)
        warnings.push_back(files +
                           ": the length is only estimated from the file's size and bit rate, "
                           "which need not hold for the whole file");
    if (film.frameTiming == media::FrameTiming::Variable && film.frameRate)
        warnings.push_back(files + ": the frame rate varies; " + Rounded(*film.frameRate, 3) +
                           " frames a second is its mean");
    return warnings;
}

}  // namespace tessaly::cli
