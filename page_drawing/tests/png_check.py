"""Checks that a screenshot of one of the suite's pages shows the picture:
the PNG decodes, and the given colours (by default the overview's five, of
the SNP classes and the stretches without reads: the legend's swatches at
least) are among its pixels.

    python3 png_check.py SCREENSHOT.png [RRGGBB...]
"""
import struct
import sys
import zlib

COLOURS = {(0xD5, 0x5E, 0x00), (0xE6, 0x9F, 0x00), (0x56, 0xB4, 0xE9), (0x00, 0x9E, 0x73), (0xCC, 0x79, 0xA7)}


def pixels(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"png_check.py: {path} is no PNG")
    at, chunks = 8, {}
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks[kind] = chunks.get(kind, b"") + data[at + 8:at + 8 + length]
        at += 12 + length
    width, height, depth, colour_type = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    if depth != 8 or colour_type not in (2, 6):
        sys.exit(f"png_check.py: {path} is not 8-bit RGB or RGBA")
    step = 3 if colour_type == 2 else 4
    raw, stride, rows, previous = zlib.decompress(chunks[b"IDAT"]), width * step, [], bytearray(width * step)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b, c = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                near = a if abs(p - a) <= abs(p - b) and abs(p - a) <= abs(p - c) else b if abs(p - b) <= abs(p - c) else c
                line[i] = (line[i] + near) & 255
        rows.append(line)
        previous = line
    return {tuple(row[i:i + 3]) for row in rows for i in range(0, stride, step)}


if len(sys.argv) > 2:
    COLOURS = {tuple(bytes.fromhex(colour)) for colour in sys.argv[2:]}
seen = pixels(sys.argv[1])
missing = COLOURS - seen
if missing or len(seen) < 50:
    sys.exit(f"png_check.py: {sys.argv[1]} shows {len(seen)} colours, not those of the picture: missing {sorted(missing)}")
print(f"{sys.argv[1]}: {len(seen)} colours, the picture's among them")
