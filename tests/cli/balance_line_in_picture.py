"""Checks that a rendered chart shows the balance line falling from the top
left corner of the plot to its bottom right one. Reads the PNG that
rsvg-convert writes (8 bits a channel, not interlaced) with the standard
library only."""
import struct
import sys
import zlib

# Where the chart puts the balance plot and the line's colour, in pixels of
# an unscaled rendering (schedule_chart.h).
LEFT, RIGHT, TOP, BOTTOM = 110, 770, 70, 290
LINE = (0x08, 0x30, 0x6B)
TOLERANCE = 40  # anti-aliased edges blend into the background


def read_png(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, "unexpected PNG kind"
            channels = 4 if colour == 6 else 3
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append(line)
        previous = line
    return width, height, channels, rows


def main(path):
    width, height, channels, rows = read_png(path)
    assert width >= RIGHT and height >= BOTTOM, f"picture is {width}x{height}"
    heights = []  # the line's mean height in each plot column that shows it
    for x in range(LEFT, RIGHT + 1):
        ys = [y for y in range(TOP - 3, BOTTOM + 4)
              if all(abs(rows[y][x * channels + k] - LINE[k]) <= TOLERANCE for k in range(3))]
        if ys:
            heights.append((x, sum(ys) / len(ys)))
    failures = []
    if len(heights) < 0.95 * (RIGHT - LEFT):
        failures.append(f"the line shows in {len(heights)} of {RIGHT - LEFT} columns")
    elif heights[0][0] > LEFT + 3 or abs(heights[0][1] - TOP) > 4:
        failures.append(f"the line starts at {heights[0]}, not at the top left ({LEFT}, {TOP})")
    elif heights[-1][0] < RIGHT - 3 or abs(heights[-1][1] - BOTTOM) > 4:
        failures.append(f"the line ends at {heights[-1]}, not at the bottom right ({RIGHT}, {BOTTOM})")
    else:
        rises = [(x, y) for (_, before), (x, y) in zip(heights, heights[1:]) if y < before - 1.5]
        if rises:
            failures.append(f"the line rises at {rises[:5]}")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if not failures:
        print(f"PASS: the balance line falls across {len(heights)} columns")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
