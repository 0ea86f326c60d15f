// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The film reader against media made here with ffmpeg, each of a known length: lengths within
// a frame, payloads equal to ffprobe's packet sizes, and every broken file refused in time.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "media/film.h"

namespace tessaly::media {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
const milliseconds kLimit{5000};

fs::path g_dir;  // where the media are made, once for all tests
std::string In(const std::string& name) { return (g_dir / name).string(); }

bool Sh(const std::string& command) { return std::system(command.c_str()) == 0; }

// Makes the media. The three parts are one program stream split at a multiple of 2048 bytes,
// as a DVD splits a title; the cut files keep their first third.
bool MakeMedia() {
    const std::string ff = "nice -n 5 ffmpeg -nostdin -hide_banner -loglevel error -y ";
    const auto film = [&ff](const char* rate, const char* seconds) {
        return ff + "-f lavfi -i testsrc2=s=160x120:r=" + rate + ":d=" + seconds +
               " -f lavfi -i sine=r=48000:d=" + seconds + " ";
    };
    const std::string x264 = "-c:v libx264 -preset ultrafast ";
    const std::string select = "-vf \"select='lt(n,60)+not(mod(n,3))'\" -fps_mode vfr ";
    const std::string steps[] = {
        film("25", "4") + x264 + "-c:a libmp3lame clip.mkv",
        film("30000/1001", "4.004") + x264 + "-c:a aac clip.mp4",
        film("25", "4") + "-c:v mpeg4 -c:a libmp3lame clip.avi",
        film("25", "12") + "-c:v mpeg2video -c:a ac3 -f dvd title.vob",
        film("25", "4") +
            "-vn -c:a libmp3lame -ar 44100 sound.mp3 -vn -c:a libmp3lame -ar 44100 -write_xing 0 bare.mp3",
        film("30", "10") + select + x264 + "-an vfr.mp4",
        ff + "-i vfr.mp4 -c copy vfr.mkv",
        film("25", "4") + "-c:v mpeg4 -an -f matroska - > live.mkv",
        film("25", "4") + x264 + "-an -movflags +faststart whole.mp4",
        "split -b $(( $(stat -c %s title.vob) / 3 / 2048 * 2048 + 2048 )) -d -a 1 title.vob VTS_01_",
        "for f in clip.mp4 whole.mp4 clip.mkv; do head -c $(( $(stat -c %s $f) / 3 )) $f > cut-$f; done",
        ": > empty.mkv && echo 'not a film' > text.mkv && head -c 65536 /dev/urandom > random.mkv",
        "printf '1\\n00:00:01,000 --> 00:00:02,000\\nHello\\n' > s.srt && " + ff + "-i s.srt subs.mkv",
        "mkdir folder && mkfifo fifo.mkv && cp clip.mkv noperm.mkv && chmod 000 noperm.mkv",
        "cp clip.mkv 'Füße und Öl – été.mkv'",
    };
    for (const std::string& step : steps)
        if (!Sh("cd '" + g_dir.string() + "' && " + step))
            return false;
    return true;
}

// ffprobe's packets, as the oracle for the payload count: bytes and count by stream index.
// Parts reach it joined, through a pipe.
std::map<int, std::pair<std::int64_t, std::int64_t>> ProbedPackets(const std::vector<std::string>& paths) {
    std::string files;
    for (const std::string& path : paths)
        files += " '" + path + "'";
    const std::string probe = "ffprobe -v error -show_entries packet=stream_index,size -of csv=p=0 ";
    std::map<int, std::pair<std::int64_t, std::int64_t>> streams;
    FILE* out = popen((paths.size() == 1 ? probe + files : "cat" + files + " | " + probe + "-").c_str(), "r");
    char line[256];
    while (out && std::fgets(line, sizeof line, out)) {
        int index = 0;
        long long size = 0;
        if (std::sscanf(line, "%d,%lld", &index, &size) == 2) {  // side data adds blank lines
            streams[index].first += size;
            ++streams[index].second;
        }
    }
    if (out)
        pclose(out);
    return streams;
}

struct Good {
    std::vector<std::string> files;
    const char* container;
    double seconds;
    double frameRate;  // 0 for sound alone
    int sampleRate;
    std::optional<FrameTiming> uncounted, counted;
    LengthSource source, countedSource;
};

TEST(ReadFilm, GivesEachFilmItsLengthStreamsAndPayload) {
    const auto C = FrameTiming::Constant, V = FrameTiming::Variable, U = FrameTiming::Unknown;
    const auto S = LengthSource::StreamDuration, T = LengthSource::Timestamps, B = LengthSource::BitRate;
    const char *mkv = "matroska,webm", *mp4 = "mov,mp4,m4a,3gp,3g2,mj2";
    const double ntsc = 30000.0 / 1001;
    const std::nullopt_t none = std::nullopt;
    const Good films[] = {
        {{"clip.mkv"}, mkv, 4, 25, 48000, U, C, S, S},
        {{"Füße und Öl – été.mkv"}, mkv, 4, 25, 48000, U, C, S, S},
        {{"clip.mp4"}, mp4, 4.004, ntsc, 48000, C, C, S, S},
        {{"clip.avi"}, "avi", 4, 25, 48000, C, C, S, S},
        {{"title.vob"}, "mpeg", 12, 25, 48000, C, C, T, T},
        {{"VTS_01_0", "VTS_01_1", "VTS_01_2"}, "mpeg", 12, 25, 48000, C, C, T, T},
        {{"sound.mp3"}, "mp3", 4, 0, 44100, none, none, S, S},
        {{"bare.mp3"}, "mp3", 4, 0, 44100, none, none, B, T},
        // 60 frames at 30 a second, then 80 at 10: 139 frame spans in 9.9 s
        {{"vfr.mp4"}, mp4, 10, 139 / 9.9, 0, V, V, S, S},
        // the same frames, which the Matroska header says come at 30 a second
        {{"vfr.mkv"}, mkv, 10, 139 / 9.9, 0, V, V, S, S},
    };
    for (const Good& film : films) {
        std::vector<std::string> paths;
        std::int64_t bytes = 0;
        for (const std::string& file : film.files) {
            paths.push_back(In(file));
            bytes += static_cast<std::int64_t>(fs::file_size(paths.back()));
        }
        const auto oracle = ProbedPackets(paths);
        for (const bool count : {false, true}) {
            SCOPED_TRACE(film.files.front() + (count ? ", counted" : ""));
            const ReadOutcome outcome = ReadFilm(paths, count, kLimit);
            ASSERT_TRUE(outcome.film) << outcome.error;
            const Film& read = *outcome.film;
            const double frame = film.frameRate > 0 ? 1 / film.frameRate : 0.05;  // sound: two MP3 frames
            EXPECT_LE(std::abs(read.seconds - film.seconds), frame * (1 + 1e-9)) << read.seconds;
            EXPECT_EQ(read.lengthSource, count ? film.countedSource : film.source);
            EXPECT_EQ(read.frameTiming, count ? film.counted : film.uncounted);
            EXPECT_NEAR(read.frameRate.value_or(0), film.frameRate, 1e-6);
            EXPECT_EQ(read.container, film.container);
            EXPECT_EQ(read.fileBytes, bytes);
            EXPECT_EQ(read.parts, paths);
            ASSERT_GE(read.streams.size(), oracle.size());
            for (std::size_t i = 0; i < read.streams.size(); ++i) {
                const Stream& stream = read.streams[i];
                EXPECT_EQ(stream.payloadBytes.has_value(), count);
                if (stream.kind == StreamKind::Audio) {
                    EXPECT_EQ(stream.sampleRate, film.sampleRate);
                }
                if (count && oracle.count(static_cast<int>(i))) {
                    EXPECT_EQ(stream.payloadBytes, oracle.at(static_cast<int>(i)).first) << "stream " << i;
                    EXPECT_EQ(stream.packets, oracle.at(static_cast<int>(i)).second) << "stream " << i;
                }
            }
        }
        if (film.files.size() == 1) {  // the same bytes from memory read the same
            std::ifstream in(paths.front(), std::ios::binary);
            const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
            const ReadOutcome fromMemory = ReadFilmFromMemory(file, false);
            ASSERT_TRUE(fromMemory.film) << fromMemory.error;
            EXPECT_EQ(fromMemory.film->seconds, ReadFilm(paths, false, kLimit).film->seconds);
        }
    }
}

struct Bad {
    std::vector<std::string> files;
    bool count;
    milliseconds limit;
    ReadFailure failure;
};

// Reads as an ordinary user, in a child, for the permission row when the tests run as root:
// root may read any file.
std::optional<ReadFailure> ReadAsNobody(const std::vector<std::string>& paths) {
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(100);
        const ReadOutcome outcome = ReadFilm(paths, false, kLimit);
        _exit(outcome.failure ? static_cast<int>(*outcome.failure) : 99);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) >= 99)
        return std::nullopt;
    return static_cast<ReadFailure>(WEXITSTATUS(status));
}

TEST(ReadFilm, RefusesWhatItCannotReadWithItsReasonInTime) {
    using enum ReadFailure;
    const milliseconds none{0};
    const Bad files[] = {
        {{"missing.mkv"}, false, kLimit, NotFound},
        {{"folder"}, false, kLimit, NotAFile},
        {{"fifo.mkv"}, false, kLimit, NotAFile},
        {{"/dev/zero"}, false, kLimit, NotAFile},
        {{"noperm.mkv"}, false, kLimit, CannotRead},
        {{"empty.mkv"}, false, kLimit, Empty},
        {{"text.mkv"}, false, kLimit, NotMedia},
        {{"random.mkv"}, false, kLimit, NotMedia},
        {{"s.srt"}, false, kLimit, NotMedia},
        {{"cut-clip.mp4"}, false, kLimit, Damaged},
        {{"cut-whole.mp4"}, false, kLimit, Damaged},
        {{"cut-clip.mkv"}, true, kLimit, Damaged},
        {{"subs.mkv"}, false, kLimit, NoStreams},
        {{"live.mkv"}, false, kLimit, NoLength},
        {{"clip.mkv", "clip.mkv"}, false, kLimit, PartsNotJoinable},
        {{"VTS_01_0", "missing.vob"}, false, kLimit, NotFound},
        {{"title.vob"}, true, none, TimeLimit},
    };
    for (const Bad& file : files) {
        SCOPED_TRACE(file.files.back());
        std::vector<std::string> paths;
        for (const std::string& name : file.files)
            paths.push_back(name.front() == '/' ? name : In(name));
        if (file.failure == CannotRead && geteuid() == 0) {
            chmod(g_dir.c_str(), 0755);  // for nobody to reach the file
            const std::optional<ReadFailure> asNobody = ReadAsNobody(paths);
            if (asNobody) {
                EXPECT_EQ(asNobody, CannotRead);
            } else {
                std::printf("SKIP: the permission row: cannot read as nobody here\n");
            }
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        const ReadOutcome outcome = ReadFilm(paths, file.count, file.limit);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_FALSE(outcome.film);
        EXPECT_EQ(outcome.failure, file.failure) << outcome.error;
        EXPECT_FALSE(outcome.error.empty());
        EXPECT_EQ(outcome.error.find('\n'), std::string::npos);
        EXPECT_EQ(outcome.path, paths.back());
    }
}

// Without ffmpeg's encoders the media cannot be made: skipped (77), unless CI requires them.
int Unavailable(const char* what) {
    const char* required = std::getenv("TESSALY_REQUIRE_ENCODER");
    const bool fail = required && std::string(required) == "1";
    std::printf("%s: %s\n", fail ? "FAIL" : "SKIP", what);
    return fail ? 1 : 77;
}

}  // namespace
}  // namespace tessaly::media

int main(int argc, char** argv) {
    using namespace tessaly::media;
    if (!Sh("command -v ffprobe >/dev/null && ffmpeg -hide_banner -encoders 2>/dev/null | grep -q libx264 && "
            "ffmpeg -hide_banner -encoders 2>/dev/null | grep -q libmp3lame"))
        return Unavailable("no ffmpeg with libx264 and libmp3lame, or no ffprobe");
    char dir[] = "/tmp/tessaly-media-XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    g_dir = dir;
    int status = 1;
    if (MakeMedia()) {
        testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    } else {
        std::printf("FAIL: ffmpeg could not make the media\n");
    }
    Sh("chmod -R u+rwX '" + g_dir.string() + "' && rm -rf '" + g_dir.string() + "'");
    return status;
}
