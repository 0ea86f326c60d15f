// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// --length-of: a command's --length, and with --container its --fps, taken from a film, so that
// each command reads the length as it reads a typed one and only the report says more.
#include "cli/films.h"
#include "cli/json.h"
#include "core/numbers.h"

namespace tessaly::cli {

Report RunWithLengthOf(const Arguments& given, Report (*run)(const Arguments&)) {
    if (!given.has("length-of")) {
        if (!given.has("length"))
            throw UsageError("missing option --length or --length-of");
        return run(given);
    }
    given.exclusive("length", "length-of");
    const std::span<const std::string> files = given.values("length-of");
    const media::Film film = ReadFilmOf(files, false);

    Arguments args = given;
    args.options.erase("length-of");
    args.options["length"] = {RoundTripText(film.seconds) + "s"};
    const bool ownRate = args.has("container") && !args.has("fps") && film.frameRate;
    if (ownRate)
        args.options["fps"] = {RoundTripText(*film.frameRate)};
    Report report = run(args);

    const double minutes = film.seconds / 60;
    report.results.push_back({"length",
                              Rounded(minutes, 4) + " min, " + std::string(LengthWords(film.lengthSource)) +
                                  " (" + FilesText(film) + ")",
                              "", "length_min", minutes});
    report.results.push_back({"", "", "", "length_s", film.seconds, true});
    report.results.push_back(
        {"", "", "", "length_source", std::nullopt, true, JsonString(LengthKey(film.lengthSource))});
    report.results.push_back({"", "", "", "length_files", std::nullopt, true, JsonStrings(film.parts)});
    if (ownRate)
        report.results.push_back({"frame rate",
                                  Rounded(*film.frameRate, 3) + " frames a second, the film's own", "",
                                  "film_fps", *film.frameRate});
    for (std::string& warning : FilmWarnings(film))
        report.warnings.push_back(std::move(warning));
    return report;
}

}  // namespace tessaly::cli
