#!/usr/bin/env python3
"""Draws the program icon: fractions approaching a number.

A blue line stands for the target; dark bars above it and red bars below it
narrow towards the line from left to right, as the fractions of growing
denominators do in the graph. Writes 16-colour indexed PNGs of 16 and 32
pixels and a scalable SVG of the same design. Run it from this folder.
"""
import struct
import zlib

# Colours of the classic 16-colour palette that the design uses.
PALETTE = [
    (0, 0, 0),        # 0 transparent (see tRNS)
    (255, 255, 255),  # 1 white
    (128, 128, 128),  # 2 dark grey, border
    (0, 0, 128),      # 3 navy, the target line
    (0, 0, 0),        # 4 black, upper bars
    (255, 0, 0),      # 5 red, lower bars
    (192, 192, 192),  # 6 silver
    (0, 0, 255),      # 7 blue
    (128, 0, 0), (0, 128, 0), (128, 128, 0), (128, 0, 128),
    (0, 128, 128), (0, 255, 0), (255, 255, 0), (0, 255, 255),
]

# (size, target row, bar width, bar gap, upper heights, lower heights)
DESIGNS = {
    32: (16, 3, 1, [12, 9, 6, 4, 3, 2, 1], [11, 8, 5, 4, 2, 1, 1]),
    16: (8, 2, 1, [6, 4, 2, 1, 1], [6, 3, 2, 1, 1]),
}


def bars(size):
    row, width, gap, uppers, lowers = DESIGNS[size]
    x = 2 if size == 32 else 1
    for up, down in zip(uppers, lowers):
        yield x, width, row - up, up, 4      # dark bar above the line
        yield x, width, row + 1, down, 5     # red bar below the line
        x += width + gap


def pixels(size):
    grid = [[0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            edge = x in (0, size - 1) or y in (0, size - 1)
            grid[y][x] = 2 if edge else 1
    row = DESIGNS[size][0]
    for x in range(1, size - 1):
        grid[row][x] = 3
    for x0, w, y0, h, colour in bars(size):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                grid[y][x] = colour
    return grid


def png(size, path):
    grid = pixels(size)
    raw = b""
    for line in grid:
        raw += b"\x00"
        for i in range(0, size, 2):
            raw += bytes([(line[i] << 4) | line[i + 1]])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(c) for c in PALETTE)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"PLTE", palette))
        out.write(chunk(b"tRNS", b"\x00"))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def svg(path):
    size = 32
    row = DESIGNS[size][0]
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        '  <title>Rationale Velnorit</title>',
        '  <rect x="0.5" y="0.5" width="31" height="31" fill="#ffffff" stroke="#808080" stroke-width="1"/>',
        f'  <rect x="1" y="{row}" width="30" height="1" fill="#000080"/>',
    ]
    for x0, w, y0, h, colour in bars(size):
        fill = "#000000" if colour == 4 else "#ff0000"
        parts.append(f'  <rect x="{x0}" y="{y0}" width="{w}" height="{h}" fill="{fill}"/>')
    parts.append("</svg>")
    with open(path, "w") as out:
        out.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    png(32, "velnorit-32.png")
    png(16, "velnorit-16.png")
    svg("velnorit.svg")
