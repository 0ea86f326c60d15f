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
from the frame counts the calculator assumes, as bytes and as a share of the file. Files with
several audio tracks (codecs joined by "+", from TRACKS) are not fitted: each track counts as
an audio stream of its own, the interleave is the calculator's rule for several streams, and
their errors are printed apart.
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


def interleave(rates, seconds):
    """Runs and run changes of streams at these rates, interleaved by time, as core/container.cpp counts them."""
    runs = changes = 0.0
    for i, own in enumerate(rates):
        others = sorted(set(r for j, r in enumerate(rates) if j != i))
        if not others:
            continue
        if others[-1] >= own:
            runs += seconds * own
            continue
        hits, missed = 0.0, 1.0
        for other in others:
            hits += missed * other
            missed *= 1 - other / own
        length = own / hits
        f = length - math.floor(length)
        runs += seconds * hits
        changes += seconds * hits * 2 * min(f, 1 - f)
    return runs, changes


def mp4_interleave(fps, codecs, seconds, audio_frames):
    if not codecs:
        return 0
    runs, changes = interleave([fps] + [48000 / SAMPLES[c] for c in codecs], seconds)
    variable = sum(n for c, n in zip(codecs, audio_frames) if c == "aac")
    return 4 * runs + 12 * changes + 4 * variable


def main():
    rows = list(csv.DictReader(open(sys.argv[1])))
    given = sys.argv[2:]
    for container in ("avi", "mkv", "mp4"):
        picked = [r for r in rows if r["container"] == container]
        if not picked:
            continue
        xs, ys, assumed, tracks = [], [], [], []
        for r in picked:
            fps, seconds = rate(r["fps"]), float(r["seconds"])
            codecs = [] if r["codec"] == "none" else r["codec"].split("+")
            v, a = int(r["video_packets"]), [int(n) for n in r["audio_packets"].split("+")]
            extra = mp4_interleave(fps, codecs, seconds, a) if container == "mp4" else 0
            x = [1, len(codecs), v, sum(a)]
            aa = [seconds * 48000 / SAMPLES[c] for c in codecs]
            extra_assumed = mp4_interleave(fps, codecs, seconds, aa) if container == "mp4" else 0
            row = ([1, len(codecs), fps * seconds, sum(aa)], extra_assumed, int(r["overhead_bytes"]),
                   int(r["file_bytes"]))
            if len(codecs) > 1:
                tracks.append((r, x, int(r["overhead_bytes"]) - extra, row))
                continue
            xs.append(x)
            ys.append(int(r["overhead_bytes"]) - extra)
            assumed.append(row)
        if given and container in given:
            i = given.index(container)
            fit = [float(x) for x in given[i + 1:i + 5]]
        elif xs:
            fit = least_squares(xs, ys)
        else:
            print("%s: no file of one track to fit; give the table's figures" % container)
            continue
        if xs:
            res = [y - sum(c * x for c, x in zip(fit, row)) for row, y in zip(xs, ys)]
            pred = [o - e - sum(c * x for c, x in zip(fit, row)) for row, e, o, _ in assumed]
            files = [f for *_, f in assumed]
            print("%s: %d files, a file %.0f, an audio stream %.0f, a video frame %.2f, an audio frame %.2f bytes"
                  % (container, len(xs), *fit))
            print("  largest residual %.0f bytes (%.4f %%), largest error from the assumed frame counts %.0f bytes (%.4f %%)"
                  % (max(map(abs, res)), 100 * max(abs(e) / f for e, f in zip(res, files)),
                     max(map(abs, pred)), 100 * max(abs(e) / f for e, f in zip(pred, files))))
        if tracks:
            errors = [(o - e - sum(c * x for c, x in zip(fit, row)), f, r) for r, _, _, (row, e, o, f) in tracks]
            worst = max(errors, key=lambda t: abs(t[0]) / t[1])
            print("  %d files of several tracks, predicted from the assumed frame counts: largest error %.0f bytes"
                  " (%.4f %%, %s at %s fps, %s s), mean %+.4f %%"
                  % (len(tracks), max(abs(t[0]) for t in errors), 100 * abs(worst[0]) / worst[1], worst[2]["codec"],
                     worst[2]["fps"], worst[2]["seconds"], 100 * sum(t[0] / t[1] for t in errors) / len(errors)))


main()
