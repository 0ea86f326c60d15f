#!/usr/bin/env python3
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Fits core/container.cpp's table to the CSV of tools/container-overhead.sh.

Per container, least squares of overhead = bytes a file + bytes an audio stream (when there is
one) + bytes a video frame x video frames + bytes an audio frame x audio frames, over the
measured frame counts; files of video alone (codec "none") pin the audio stream's bytes. MP4's interleave terms
are the format's own sizes and are taken off first: a 4-byte chunk offset for every run of one
stream's frames, a 12-byte sample-to-chunk entry wherever the run length changes, and a
4-byte sample size for every audio frame of a codec whose frames vary in size (AAC). MP4's
room for a time-to-sample entry an audio frame is not fitted: it is the worst case of audio
from millisecond time stamps (tools/mp4-timing.sh), which these files, encoded from whole
samples, do not have.
Prints the fit and its largest residual, and the largest error of the table's prediction
from the frame counts the calculator assumes, as bytes and as a share of the file.
  python3 tools/container-overhead-fit.py measured.csv [avi A S V F ...]
With a container's four figures after the file, prints that table's errors instead of fitting.
"""
import csv
import math
import sys

SAMPLES = {"mp3": 1152, "aac": 1024, "ac3": 1536}


def solve(a, b):
    n = len(b)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for i in range(n):
        p = max(range(i, n), key=lambda r: abs(m[r][i]))
        m[i], m[p] = m[p], m[i]
        for r in range(i + 1, n):
            f = m[r][i] / m[i][i]
            for k in range(i, n + 1):
                m[r][k] -= f * m[i][k]
    x = [0.0] * n
    for i in reversed(range(n)):
        x[i] = (m[i][n] - sum(m[i][k] * x[k] for k in range(i + 1, n))) / m[i][i]
    return x


def least_squares(xs, ys):
    k = len(xs[0])
    a = [[sum(x[i] * x[j] for x in xs) for j in range(k)] for i in range(k)]
    return solve(a, [sum(x[i] * y for x, y in zip(xs, ys)) for i in range(k)])


def rate(text):
    num, _, den = text.partition("/")
    return float(num) / float(den or 1)


def mp4_interleave(fps, codec, seconds, audio_frames):
    if codec == "none":
        return 0
    lo, hi = sorted((fps, 48000 / SAMPLES[codec]))
    f = hi / lo - math.floor(hi / lo)
    runs = 2 * lo * seconds
    changes = 2 * lo * min(f, 1 - f) * seconds
    return 4 * runs + 12 * changes + (4 * audio_frames if codec == "aac" else 0)


def main():
    rows = list(csv.DictReader(open(sys.argv[1])))
    given = sys.argv[2:]
    for container in ("avi", "mkv", "mp4"):
        picked = [r for r in rows if r["container"] == container]
        if not picked:
            continue
        xs, ys, assumed = [], [], []
        for r in picked:
            fps, seconds, codec = rate(r["fps"]), float(r["seconds"]), r["codec"]
            v, a = int(r["video_packets"]), int(r["audio_packets"])
            extra = mp4_interleave(fps, codec, seconds, a) if container == "mp4" else 0
            stream = 0 if codec == "none" else 1
            xs.append([1, stream, v, a])
            ys.append(int(r["overhead_bytes"]) - extra)
            va, aa = fps * seconds, stream * seconds * 48000 / SAMPLES.get(codec, 1)
            extra = mp4_interleave(fps, codec, seconds, aa) if container == "mp4" else 0
            assumed.append(([1, stream, va, aa], extra, int(r["overhead_bytes"]), int(r["file_bytes"])))
        if given and container in given:
            i = given.index(container)
            fit = [float(x) for x in given[i + 1:i + 5]]
        else:
            fit = least_squares(xs, ys)
        res = [y - sum(c * x for c, x in zip(fit, row)) for row, y in zip(xs, ys)]
        pred = [o - e - sum(c * x for c, x in zip(fit, row)) for row, e, o, _ in assumed]
        files = [f for *_, f in assumed]
        print("%s: %d files, a file %.0f, an audio stream %.0f, a video frame %.2f, an audio frame %.2f bytes"
              % (container, len(picked), *fit))
        print("  largest residual %.0f bytes (%.4f %%), largest error from the assumed frame counts %.0f bytes (%.4f %%)"
              % (max(map(abs, res)), 100 * max(abs(e) / f for e, f in zip(res, files)),
                 max(map(abs, pred)), 100 * max(abs(e) / f for e, f in zip(pred, files))))


main()
