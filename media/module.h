// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The film reader as a module that a program loads at run time, so that only the runs that
// read a film pay for loading libavformat: one exported symbol, a pointer to ReadFilm.
//   void* module = dlopen(path, RTLD_NOW | RTLD_LOCAL);
//   auto* read = static_cast<const ReadFilmFunction*>(dlsym(module, kModuleSymbol));
//   ReadOutcome outcome = (*read)(paths, false, std::chrono::seconds(5));
#pragma once

#include "media/film.h"

namespace tessaly::media {

using ReadFilmFunction = ReadOutcome (*)(std::span<const std::string> paths, bool countPayload,
                                         std::chrono::milliseconds limit);

inline constexpr char kModuleSymbol[] = "tessaly_read_film";

}  // namespace tessaly::media

extern "C" __attribute__((visibility("default"))) const tessaly::media::ReadFilmFunction tessaly_read_film;
