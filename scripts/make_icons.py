#!/usr/bin/env python3
"""Draws the program's icons (.ico, 16/32/48 px, 32-bit with alpha).

Each icon is described once in a 32 x 32 design grid as a list of shapes and
rasterised with 4 x 4 supersampling at every size, so the small sizes stay
crisp enough to read in a menu or the tray.
"""
import math
import struct
import sys
from pathlib import Path

SIZES = (16, 32, 48)
SS = 4  # supersampling per axis


def rect(x0, y0, x1, y1, colour):
    return lambda x, y: colour if x0 <= x < x1 and y0 <= y < y1 else None


def circle(cx, cy, r, colour, inner=0.0):
    def f(x, y):
        d = math.hypot(x - cx, y - cy)
        return colour if inner <= d <= r else None
    return f


def line(x0, y0, x1, y1, width, colour):
    def f(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return colour if math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2 else None
    return f


WHITE = (255, 255, 255)
DARK = (40, 48, 64)
RED = (204, 40, 40)
BLUE = (40, 96, 200)
GOLD = (232, 176, 32)
GREEN = (40, 150, 70)
GREY = (150, 156, 168)


def calendar_page(header):
    shapes = [rect(3, 5, 29, 29, DARK), rect(4, 6, 28, 28, WHITE), rect(4, 6, 28, 12, header),
              rect(9, 3, 11, 8, DARK), rect(21, 3, 23, 8, DARK)]
    for row in range(3):
        for col in range(4):
            x, y = 6 + col * 5.5, 14 + row * 4.5
            shapes.append(rect(x, y, x + 3.5, y + 3, GREY))
    return shapes


def alarm_clock():
    return [line(6, 4, 10, 8, 4, GOLD), line(26, 4, 22, 8, 4, GOLD), line(9, 28, 11, 25, 2.5, DARK),
            line(23, 28, 21, 25, 2.5, DARK), circle(16, 17, 12, DARK), circle(16, 17, 10.5, WHITE),
            line(16, 17, 16, 10, 2.2, DARK), line(16, 17, 21, 19, 2.2, RED), circle(16, 17, 1.6, DARK)]


def task_list():
    shapes = [rect(5, 3, 27, 30, DARK), rect(6, 4, 26, 29, WHITE)]
    for i, done in enumerate((True, True, False, False)):
        y = 8 + i * 5.5
        shapes += [rect(8, y, 12, y + 4, DARK), rect(9, y + 1, 11, y + 3, WHITE), rect(14, y + 1.5, 24, y + 2.8, GREY)]
        if done:
            shapes += [line(8.5, y + 2, 10, y + 3.5, 1.5, GREEN), line(10, y + 3.5, 13, y - 0.5, 1.5, GREEN)]
    return shapes


def dayloom():
    # A calendar page with a small clock face over its corner.
    return calendar_page(BLUE) + [circle(22, 22, 8.5, DARK), circle(22, 22, 7, WHITE),
                                  line(22, 22, 22, 17, 1.8, DARK), line(22, 22, 25.5, 23.5, 1.8, RED)]


ICONS = {
    "Dayloom.ico": dayloom(),
    "tray.ico": dayloom(),
    "events.ico": calendar_page(RED),
    "alarms.ico": alarm_clock(),
    "tasks.ico": task_list(),
}


def render(shapes, size):
    """Rows bottom-up of BGRA pixels, as an icon's DIB wants them."""
    rows = []
    scale = 32.0 / size
    for py in reversed(range(size)):
        row = bytearray()
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SS):
                for sx in range(SS):
                    x = (px + (sx + 0.5) / SS) * scale
                    y = (py + (sy + 0.5) / SS) * scale
                    colour = None
                    for shape in shapes:  # later shapes paint over earlier ones
                        c = shape(x, y)
                        if c is not None:
                            colour = c
                    if colour is not None:
                        acc[0] += colour[2]; acc[1] += colour[1]; acc[2] += colour[0]; acc[3] += 255
            n = SS * SS
            cover = acc[3] // n
            if cover:
                row += bytes((acc[0] * 255 // acc[3], acc[1] * 255 // acc[3], acc[2] * 255 // acc[3], cover))
            else:
                row += b"\0\0\0\0"
        rows.append(bytes(row))
    return rows


def dib(shapes, size):
    pixels = b"".join(render(shapes, size))
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_stride * size)  # alpha carries the shape; the AND mask is all opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def ico(shapes):
    images = [dib(shapes, s) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    target = Path(sys.argv[1])
    target.mkdir(parents=True, exist_ok=True)
    for name, shapes in ICONS.items():
        (target / name).write_bytes(ico(shapes))


if __name__ == "__main__":
    main()
