// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the film reader takes next to ffprobe doing the same on the same film, side by side:
// counting every packet against `ffprobe -v error -show_entries packet=size`, and the header
// alone against `ffprobe -v error -show_format -show_streams`. ffprobe runs as a process, so
// its bare start (`ffprobe -version`) is timed as well, in every round of the run, and the
// ratios are given both ways.
//   media_read_time [ROUNDS] [FILM...]
// Without films it makes three of 3 minutes with ffmpeg: H.264 and AAC in Matroska and in MP4,
// and a PAL DVD's MPEG-2 and AC-3 in a program stream. Every round times each subject once, in
// turn; the figures are medians, in wall time and in CPU time (user + system).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "media/film.h"

extern char** environ;

namespace {

using tessaly::media::ReadFilm;

struct Time {
    double wall = 0;  // milliseconds
    double cpu = 0;
};

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

double ProcessCpu() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Time InProcess(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu = ProcessCpu();
    work();
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
            ProcessCpu() - cpu};
}

// Runs a program with its output thrown away, as a script that reads it would pay for it.
Time Process(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 1;
    rusage usage{};
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        wait4(child, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (status != 0) {
        std::fprintf(stderr, "media_read_time: %s failed\n", arguments.front().c_str());
        std::exit(1);
    }
    return {wall, (Seconds(usage.ru_utime) + Seconds(usage.ru_stime)) * 1e3};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Subject {
    const char* name;
    std::function<Time()> run;
    std::vector<double> wall, cpu;
};

void Compare(const std::string& film, const char* title, int rounds, Subject reader, Subject probe,
             Subject& start) {
    for (int i = 0; i < rounds; ++i) {
        for (Subject* subject : {&reader, &probe, &start}) {
            const Time time = subject->run();
            subject->wall.push_back(time.wall);
            subject->cpu.push_back(time.cpu);
        }
    }
    const double startWall = Median(start.wall), startCpu = Median(start.cpu);
    std::printf("\n%s, %s (median of %d)\n%-46s %10s %10s\n", film.c_str(), title, rounds, "", "wall ms",
                "CPU ms");
    for (const Subject* subject : {&reader, &probe, &start})
        std::printf("%-46s %10.1f %10.1f\n", subject->name, Median(subject->wall), Median(subject->cpu));
    const double wall = Median(reader.wall), cpu = Median(reader.cpu);
    const double probeWall = Median(probe.wall), probeCpu = Median(probe.cpu);
    std::printf("%-46s %10.3f %10.3f\n", "ratio, reader / ffprobe", wall / probeWall, cpu / probeCpu);
    // ffprobe's own work is what it spends beyond its start; where that is within the start's
    // noise, a ratio to it would mean nothing.
    const double beyondWall = probeWall - startWall, beyondCpu = probeCpu - startCpu;
    if (beyondWall > 0.1 * startWall && beyondCpu > 0.1 * startCpu)
        std::printf("%-46s %10.3f %10.3f\n", "ratio, reader / (ffprobe - its start)", wall / beyondWall,
                    cpu / beyondCpu);
    else
        std::printf("%-46s %10s %10s\n", "ratio, reader / (ffprobe - its start)", "-", "-");
}

bool MakeFilms(const std::filesystem::path& dir) {
    const std::string ff =
        "cd '" + dir.string() + "' && nice -n 5 ffmpeg -nostdin -hide_banner -loglevel error -y ";
    const std::string source =
        "-f lavfi -i testsrc2=s=640x360:r=25:d=180 -f lavfi -i sine=r=48000:d=180:frequency=440 ";
    std::fprintf(stderr, "making three films of 3 minutes with ffmpeg in %s ...\n", dir.c_str());
    return std::system((ff + source + "-c:v libx264 -preset ultrafast -crf 28 -c:a aac -b:a 128k film.mkv")
                           .c_str()) == 0 &&
           std::system((ff + "-i film.mkv -c copy film.mp4").c_str()) == 0 &&
           std::system((ff + source + "-target pal-dvd -s 720x576 film.vob").c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    std::vector<std::string> films(argv + std::min(argc, 2), argv + argc);
    std::filesystem::path made;
    if (films.empty()) {
        char dir[] = "/tmp/tessaly-media-bench-XXXXXX";
        if (!mkdtemp(dir))
            return 1;
        made = dir;
        if (!MakeFilms(made))
            return 1;
        for (const char* name : {"film.mkv", "film.mp4", "film.vob"})
            films.push_back((made / name).string());
    }
    Subject start{"ffprobe -version (its start, every round yet)",
                  [] {
                      return Process({"ffprobe", "-version"});
                  },
                  {},
                  {}};
    for (const std::string& film : films) {
        const std::vector<std::string> paths{film};
        const auto read = ReadFilm(paths, true, std::chrono::minutes(1));
        if (!read.film) {
            std::fprintf(stderr, "media_read_time: %s: %s\n", film.c_str(), read.error.c_str());
            return 1;
        }
        std::printf("\n%s: %s, %.1f s, %.1f MB", film.c_str(), read.film->containerLongName.c_str(),
                    read.film->seconds, static_cast<double>(read.film->fileBytes) / 1048576);
        const auto readFilm = [paths](bool count) {
            return [paths, count] {
                return InProcess([&] {
                    if (!ReadFilm(paths, count, std::chrono::minutes(1)).film)
                        std::exit(1);
                });
            };
        };
        Compare(film, "every packet counted", rounds, {"ReadFilm, payload counted", readFilm(true), {}, {}},
                {"ffprobe -show_entries packet=size",
                 [film] {
                     return Process({"ffprobe", "-v", "error", "-show_entries", "packet=size", film});
                 },
                 {},
                 {}},
                start);
        Compare(film, "the header alone", rounds, {"ReadFilm, header alone", readFilm(false), {}, {}},
                {"ffprobe -show_format -show_streams",
                 [film] {
                     return Process({"ffprobe", "-v", "error", "-show_format", "-show_streams", film});
                 },
                 {},
                 {}},
                start);
    }
    if (!made.empty())
        std::filesystem::remove_all(made);
    return 0;
}
