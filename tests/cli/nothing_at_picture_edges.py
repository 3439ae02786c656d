"""Checks that a rendered chart draws nothing in its outermost columns of
pixels: a label or title running off the picture leaves its cut ink there."""
import sys

from balance_line_in_picture import read_ppm

EDGE = 3  # columns on each side
WHITE = 250  # anti-aliasing aside, the background


def main(path):
    width, height, rows = read_ppm(path)
    edges = list(range(EDGE)) + list(range(width - EDGE, width))
    inked = [(x, y) for y in range(height) for x in edges
             if any(rows[y][3 * x + k] < WHITE for k in range(3))]
    if inked:
        print(f"FAIL: {path} is drawn on at its edges, at {inked[:5]}", file=sys.stderr)
        return 1
    print(f"PASS: nothing drawn at the edges of {width}x{height} pixels")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
