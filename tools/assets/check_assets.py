#!/usr/bin/env python3
"""Checks the generated sound clips and pictures against Abacolo's catalogue.

Usage: check_assets.py [assets-dir]    (default: the repository's assets/)

For every catalogue entry it verifies that the file exists under its exact
name and has the right format: WAVE clips are 16-bit PCM with the expected
channels and rate, start at once and peak near -3 dBFS; pictures are BMP
with the exact size and bit depth (24-bit, 8-bit with a palette of at most
256 colours, or for the pictures shown at start-up 32-bit top-down with every
fourth byte 255, ready for the screen). A few content checks catch gross mistakes (the counted animals
stand on black, the ordering sets on a light background, no picture is a
single flat colour). Unknown .wav/.bmp files in the checked folders are
reported too. Exits 1 on any mismatch, 0 when everything matches.
Standard library only.
"""

import math
import os
import struct
import sys

# ----------------------------------------------------------------- catalogue

SOUNDS = {"vright": (2, 44100), "vwrong": (2, 44100), "cat": (2, 44100)}
SOUNDS.update({f"numvoice{d}": (1, 22050) for d in range(10)})
# The activities' spoken requests.
REQUESTS = [f"find_{shape}" for shape in ("circle", "square", "triangle", "rectangle", "oval",
                                           "star", "diamond", "pentagon", "hexagon")]
REQUESTS += ["which_more", "choose_sign", "what_time", "find_pairs", "move_half", "find_half_cut",
             "make_balance"]
REQUESTS += ["which_wrong"]
REQUESTS += ["which_most", "which_fewest"]
REQUESTS += [f"go_{h}_{n}" for h in ("right", "left") for n in range(1, 6)]
REQUESTS += [f"go_{v}_{n}" for v in ("up", "down") for n in range(1, 5)]
REQUESTS += ["path_1_5", "path_1_8", "path_1_10"]
# The times tables: each rhyme and its question.
REQUESTS += [f"{kind}_{a}_{b}" for kind in ("rhyme", "times") for b in range(1, 10)
             for a in range(1, b + 1)]
# A count with its question, or two instructions in one clip, need a breath more.
LONG_REQUESTS = ["count_by_2", "count_by_5", "count_by_10", "path_2_16", "build_bar_graph"]
LONG_REQUESTS += [f"go_{a}_{n}_{v}_{m}" for a in ("right", "left") for v in ("up", "down")
                  for n in range(1, 4) for m in range(1, 4)]
REQUESTS += LONG_REQUESTS
REQUESTS += [f"set_{h}_{m}" for h in range(1, 13) for m in ("00", "30")]
SOUNDS.update({name: (1, 22050) for name in REQUESTS})
CUES = ("vright", "vwrong", "cat", *REQUESTS)  # short cues: under about two seconds

PICTURES = {}  # name -> (width, height, bits)
for n in range(1, 39):
    PICTURES[f"picgame{n}"] = (50, 50, 24)
PICTURES["aqua1"] = PICTURES["aqua2"] = (50, 50, 24)
for n in range(1, 13):
    PICTURES[f"flag{n}"] = (120, 65 if n == 7 else 70, 8)
ANIMALS = {"t": 68, "k": 131, "x": 72, "f": 65, "ff": 142, "h": 66}
for stem, height in ANIMALS.items():
    for frame in (1, 2):
        PICTURES[f"{stem}{frame}"] = (150, height, 24)
ORDERING = {"sp": (128, 128), "hm": (80, 130), "ld": (128, 127), "cannon": (88, 124),
            "Xmas": (128, 128)}
for stem, (w, h) in ORDERING.items():
    for k in range(1, 6):
        PICTURES[f"{stem}{k}"] = (w, h, 24)

# Header, background and splash are shown at start-up: 32-bit, stored top-down.
LAYOUT = {"header": (1018, 97, 32), "background": (1019, 646, 32), "strip": (11, 633, 24),
          "splash": (400, 200, 32), "start": (110, 80, 24)}


class Problems:
    def __init__(self):
        self.items = []

    def add(self, path, message):
        self.items.append(f"{path}: {message}")


# --------------------------------------------------------------------- WAVE

def read_wave(path):
    """Returns (channels, rate, bits, format_tag, samples as list of ints)."""
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 12 or data[0:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("not a RIFF WAVE file")
    pos, fmt, body = 12, None, None
    while pos + 8 <= len(data):
        cid, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
        chunk = data[pos + 8:pos + 8 + size]
        if cid == b"fmt ":
            fmt = chunk
        elif cid == b"data":
            body = chunk
        pos += 8 + size + (size & 1)
    if fmt is None or body is None:
        raise ValueError("fmt or data chunk missing")
    tag, channels, rate, _, _, bits = struct.unpack_from("<HHIIHH", fmt, 0)
    if tag == 0xFFFE and len(fmt) >= 40:  # extensible: take the sub-format
        tag = struct.unpack_from("<H", fmt, 24)[0]
    samples = []
    if bits == 16:
        count = len(body) // 2
        samples = list(struct.unpack_from(f"<{count}h", body, 0))
    return channels, rate, bits, tag, samples


def check_sound(path, name, problems):
    want_channels, want_rate = SOUNDS[name]
    try:
        channels, rate, bits, tag, samples = read_wave(path)
    except (OSError, ValueError, struct.error) as e:
        problems.add(path, f"unreadable: {e}")
        return
    if tag != 1:
        problems.add(path, f"format tag {tag}, want 1 (PCM)")
    if bits != 16:
        problems.add(path, f"{bits} bits per sample, want 16")
    if channels != want_channels:
        problems.add(path, f"{channels} channels, want {want_channels}")
    if rate != want_rate:
        problems.add(path, f"{rate} Hz, want {want_rate}")
    if bits != 16 or not samples or channels < 1:
        problems.add(path, "no 16-bit audio data")
        return
    frames = len(samples) // channels
    seconds = frames / rate
    if seconds < 0.2:
        problems.add(path, f"only {seconds:.2f} s long")
    longest = 3.2 if name in LONG_REQUESTS else 2.2
    if name in CUES and seconds > longest:
        problems.add(path, f"{seconds:.2f} s long, want under about {longest - 0.2:.0f} s")
    peak = max(abs(s) for s in samples) / 32768.0
    peak_db = 20 * math.log10(peak) if peak > 0 else -200.0
    if not -4.5 <= peak_db <= -1.5:
        problems.add(path, f"peak {peak_db:.1f} dBFS, want about -3")
    # the sound must start at once: first sample above 1% of full scale
    first = next((i for i, s in enumerate(samples) if abs(s) > 328), len(samples))
    start_ms = 1000.0 * (first // channels) / rate
    if start_ms > 10:
        problems.add(path, f"sound starts after {start_ms:.0f} ms of silence")


# ---------------------------------------------------------------------- BMP

def read_bmp(path):
    """Returns (width, height, bits, colours used, pixel(x, y) -> (r, g, b), bottom-up,
    pixel offset, whether a 32-bit picture is opaque throughout)."""
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 54 or data[0:2] != b"BM":
        raise ValueError("not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    header_size = struct.unpack_from("<I", data, 14)[0]
    if header_size < 40:
        raise ValueError(f"old-style header of {header_size} bytes")
    width, height, planes, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    colours_used = struct.unpack_from("<I", data, 46)[0]
    if planes != 1 or compression != 0:
        raise ValueError(f"planes {planes}, compression {compression}: want 1, 0")
    bottom_up = height > 0
    height = abs(height)
    stride = ((width * bits + 31) // 32) * 4
    if offset + stride * height > len(data):
        raise ValueError("pixel data truncated")
    palette = []
    if bits == 8:
        count = colours_used or 256
        base = 14 + header_size
        palette = [tuple(data[base + 4 * i + 2 - c] for c in range(3)) for i in range(count)]

    def pixel(x, y):
        row = (height - 1 - y) if bottom_up else y
        at = offset + row * stride
        if bits == 24:
            b, g, r = data[at + 3 * x:at + 3 * x + 3]
            return r, g, b
        if bits == 8:
            return palette[data[at + x]]
        if bits == 32:
            b, g, r = data[at + 4 * x:at + 4 * x + 3]
            return r, g, b
        raise ValueError(f"{bits}-bit pixels not supported here")

    opaque = bits != 32 or set(data[offset + 3:offset + stride * height:4]) <= {255}
    return width, height, bits, colours_used, pixel, bottom_up, offset, opaque


def luminance(rgb):
    r, g, b = rgb
    return 0.299 * r + 0.587 * g + 0.114 * b


def check_picture(path, name, want, problems):
    want_w, want_h, want_bits = want
    try:
        width, height, bits, colours_used, pixel, bottom_up, offset, all_opaque = read_bmp(path)
    except (OSError, ValueError, struct.error) as e:
        problems.add(path, f"unreadable: {e}")
        return
    if (width, height) != (want_w, want_h):
        problems.add(path, f"{width} x {height}, want {want_w} x {want_h}")
        return
    if bits != want_bits:
        problems.add(path, f"{bits}-bit, want {want_bits}-bit")
        return
    if bits == 8 and colours_used > 256:
        problems.add(path, f"{colours_used} palette colours, want at most 256")
    if bits == 32 and (bottom_up or offset % 4 or not all_opaque):
        problems.add(path, "32-bit pictures are stored top-down, aligned, every pixel opaque")
    colours = {pixel(x, y) for y in range(0, height, 3) for x in range(0, width, 3)}
    if len(colours) < 4:
        problems.add(path, "almost a single flat colour")
    corners = [pixel(0, 0), pixel(width - 1, 0), pixel(0, height - 1),
               pixel(width - 1, height - 1)]
    stem = name.rstrip("0123456789")
    if stem in ANIMALS and any(luminance(c) > 40 for c in corners):
        problems.add(path, "counted animals must stand on a black background")
    if stem in ORDERING and any(luminance(c) < 200 for c in corners):
        problems.add(path, "ordering pictures must stand on a light background")


# --------------------------------------------------------------------- main

def check_folder(folder, expected, extension, check, problems):
    present = {}
    if os.path.isdir(folder):
        for entry in sorted(os.listdir(folder)):
            stem, ext = os.path.splitext(entry)
            if ext.lower() == extension:
                present[stem] = os.path.join(folder, entry)
    for name in expected:
        path = present.pop(name, None)
        if path is None:
            problems.add(os.path.join(folder, name + extension), "missing (exact name)")
        else:
            check(path, name)
    for stem, path in present.items():
        problems.add(path, "not in the catalogue")


def main(argv):
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")
    assets = os.path.normpath(argv[1] if len(argv) > 1 else default)
    problems = Problems()
    check_folder(os.path.join(assets, "sounds"), SOUNDS, ".wav",
                 lambda p, n: check_sound(p, n, problems), problems)
    check_folder(os.path.join(assets, "pictures"), PICTURES, ".bmp",
                 lambda p, n: check_picture(p, n, PICTURES[n], problems), problems)
    check_folder(os.path.join(assets, "layout"), LAYOUT, ".bmp",
                 lambda p, n: check_picture(p, n, LAYOUT[n], problems), problems)
    total = len(SOUNDS) + len(PICTURES) + len(LAYOUT)
    if problems.items:
        for item in problems.items:
            print(item)
        print(f"check_assets: {len(problems.items)} problem(s) in {assets}")
        return 1
    print(f"check_assets: all {total} files match the catalogue "
          f"({len(SOUNDS)} clips, {len(PICTURES)} pictures, {len(LAYOUT)} layout pictures)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
