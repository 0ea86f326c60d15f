#!/usr/bin/env python3
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Prints the sizes of an MP4 file's boxes that grow with its samples, track by track.

For each track (its handler, "vide" or "soun"): the bytes and entries of the time-to-sample
(stts), composition offset (ctts), sample-to-chunk (stsc), sample size (stsz), chunk offset
(stco or co64), sync sample (stss), sample group (sgpd, sbgp) and edit list (elst) boxes, and
the stts entries' durations, most frequent first. Then the file's size, its mdat payload and
the rest: what the container itself costs.
  python3 tools/mp4-boxes.py FILE.mp4 [--csv LABEL]
With --csv, prints one line a track instead: LABEL,handler,samples,stts entries,stts bytes,
ctts entries,ctts bytes,stsc entries,stsc bytes,stsz bytes,chunk offset bytes,file bytes,
payload bytes.
"""
import struct
import sys
from collections import Counter

CONTAINERS = {b"moov", b"trak", b"mdia", b"minf", b"stbl", b"edts", b"dinf", b"udta"}
TABLES = (b"stts", b"ctts", b"stsc", b"stsz", b"stco", b"co64", b"stss", b"sgpd", b"sbgp", b"elst")


def boxes(data, start, end):
    """Yields (type, start, size, header size) of the boxes between start and end."""
    at = start
    while at + 8 <= end:
        size, kind = struct.unpack_from(">I4s", data, at)
        header = 8
        if size == 1:
            size = struct.unpack_from(">Q", data, at + 8)[0]
            header = 16
        elif size == 0:
            size = end - at
        if size < header or at + size > end:
            raise ValueError("box %r at %d overruns its parent" % (kind, at))
        yield kind, at, size, header
        at += size


def entries(data, kind, at, header):
    """The entry count after a full box's version and flags, and after a sample group's type
    (and, by version, its default length or parameter); stsz's is its sample count."""
    skip = 4
    if kind == b"stsz":
        skip = 8
    elif kind in (b"sgpd", b"sbgp"):
        skip = 8 + (4 if data[at + header] >= 1 else 0) + (4 if kind == b"sgpd" and data[at + header] >= 2 else 0)
    return struct.unpack_from(">I", data, at + header + skip)[0]


def track_tables(data, trak_at, trak_size):
    found = {"handler": "?"}

    def walk(start, end):
        for kind, at, size, header in boxes(data, start, end):
            if kind in CONTAINERS:
                walk(at + header, at + size)
            elif kind == b"hdlr":
                found["handler"] = data[at + header + 8:at + header + 12].decode("latin-1")
            elif kind in TABLES:
                count = entries(data, kind, at, header)
                found[kind.decode()] = (size, count)
                if kind == b"stts":
                    durations = Counter()
                    samples = 0
                    for i in range(count):
                        n, d = struct.unpack_from(">II", data, at + header + 8 + 8 * i)
                        durations[d] += n
                        samples += n
                    found["durations"] = durations
                    found["samples"] = samples

    walk(trak_at + 8, trak_at + trak_size)
    return found


def main():
    path = sys.argv[1]
    label = sys.argv[3] if len(sys.argv) > 3 and sys.argv[2] == "--csv" else None
    data = open(path, "rb").read()
    tracks, payload = [], 0
    for kind, at, size, header in boxes(data, 0, len(data)):
        if kind == b"mdat":
            payload += size - header
        if kind == b"moov":
            for sub, sat, ssize, _ in boxes(data, at + header, at + size):
                if sub == b"trak":
                    tracks.append(track_tables(data, sat, ssize))
    # mdat also holds nothing but samples when ffmpeg writes it, so the rest is the container's.
    for t in tracks:
        get = lambda k: t.get(k, (0, 0))  # noqa: E731
        offsets = get("stco") if "stco" in t else get("co64")
        if label is not None:
            print(",".join(str(x) for x in (
                label, t["handler"], t.get("samples", 0), get("stts")[1], get("stts")[0], get("ctts")[1],
                get("ctts")[0], get("stsc")[1], get("stsc")[0], get("stsz")[0], offsets[0], len(data),
                payload)))
            continue
        print("track %s: %d samples" % (t["handler"], t.get("samples", 0)))
        for k in ("stts", "ctts", "stsc", "stsz", "stco", "co64", "stss", "sgpd", "sbgp", "elst"):
            if k in t:
                print("  %s: %d bytes, %d entries" % (k, t[k][0], t[k][1]))
        common = ", ".join("%d x %d" % (n, d) for d, n in t.get("durations", Counter()).most_common(6))
        print("  durations: %s" % common)
    if label is None:
        print("file %d bytes, payload %d, the rest %d" % (len(data), payload, len(data) - payload))


main()
