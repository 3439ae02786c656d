"""Checks a chart's balance line. In the SVG, the line falls from the top left
corner of its plot (the first axis drawn) to the bottom right one, never
rising. In the picture drawn of that SVG, a PPM as pdftoppm writes it, the
line's own colour shows at every one of its points.
Usage: balance_line_in_picture.py CHART.svg PICTURE.ppm"""
import re
import sys
import xml.etree.ElementTree as ET

NEAR = 2  # pixels around a point where its stroke must show
TOLERANCE = 40  # a colour channel's blending into the background


def read_ppm(path):
    """The width, the height and the rows of RGB bytes of a picture."""
    magic, size, depth, pixels = open(path, "rb").read().split(b"\n", 3)
    width, height = map(int, size.split())
    assert magic == b"P6" and depth == b"255", f"{path} is not an 8-bit PPM"
    return width, height, [pixels[y * width * 3:(y + 1) * width * 3] for y in range(height)]


def main(svg_path, picture_path):
    svg = ET.parse(svg_path).getroot()
    paths = list(svg.iter("{http://www.w3.org/2000/svg}path"))
    axes = (re.fullmatch(r"M(\S+) (\S+)V(\S+)H(\S+)", p.get("d")) for p in paths)
    left, top, bottom, right = map(float, next(filter(None, axes)).groups())
    line = next(p for p in paths if p.get("fill") == "none" and "L" in p.get("d"))
    numbers = list(map(float, re.findall(r"-?[\d.]+", line.get("d"))))
    points = list(zip(numbers[::2], numbers[1::2]))

    failures = []
    if points[0] != (left, top) or points[-1] != (right, bottom):
        failures.append(f"the line runs from {points[0]} to {points[-1]}, not from the plot's "
                        f"top left {(left, top)} to its bottom right {(right, bottom)}")
    outside = [p for p in points if not (left <= p[0] <= right and top <= p[1] <= bottom)]
    rising = [b for a, b in zip(points, points[1:]) if b[0] <= a[0] or b[1] < a[1]]
    if outside or rising:
        failures.append(f"points outside the plot {outside[:3]}, or not falling {rising[:3]}")

    width, height, rows = read_ppm(picture_path)
    view_left, view_top, view_width, _ = map(float, svg.get("viewBox").split())
    scale = width / view_width
    colour = bytes.fromhex(line.get("stroke").lstrip("#"))

    def stroked(x, y):
        px, py = round((x - view_left) * scale), round((y - view_top) * scale)
        return any(all(abs(rows[j][3 * i + k] - colour[k]) <= TOLERANCE for k in range(3))
                   for j in range(max(py - NEAR, 0), min(py + NEAR + 1, height))
                   for i in range(max(px - NEAR, 0), min(px + NEAR + 1, width)))

    unseen = [p for p in points if not stroked(*p)]
    if unseen:
        failures.append(f"{len(unseen)} of {len(points)} points show no line, {unseen[:3]}...")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if not failures:
        print(f"PASS: the balance line falls across the plot through {len(points)} drawn points")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
