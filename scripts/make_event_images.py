#!/usr/bin/env python3
"""Draws the event images: 16 x 16 bitmaps "Image<n>.bmp" for the calendar's
icon palette. Magenta (0xFF00FF) is the transparent colour, so nothing is
anti-aliased against the background; Image0 is blank (number 0 is "no icon").

    make_event_images.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys

SIZE = 16
MAGENTA = (255, 0, 255)

# Colours (r, g, b); never pure magenta.
BLACK = (32, 32, 32)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (200, 200, 200)
RED = (220, 40, 40)
DARKRED = (140, 20, 30)
PINK = (250, 150, 180)
ORANGE = (245, 140, 30)
YELLOW = (250, 215, 40)
GOLD = (215, 165, 20)
GREEN = (50, 160, 60)
DARKGREEN = (25, 100, 35)
LIME = (140, 210, 60)
BLUE = (50, 100, 220)
NAVY = (25, 45, 120)
SKY = (120, 190, 245)
BROWN = (140, 85, 40)
TAN = (215, 170, 110)
PURPLE = (140, 60, 180)
CREAM = (250, 240, 210)


# ---- masks: sets of (x, y) pixels, tested at pixel centres ----

def mask(test):
    return {(x, y) for y in range(SIZE) for x in range(SIZE) if test(x + 0.5, y + 0.5)}


def rect(x0, y0, x1, y1):
    """Pixels x0..x1, y0..y1 inclusive."""
    return {(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)}


def disc(cx, cy, r):
    return mask(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r)


def ellipse(cx, cy, rx, ry):
    return mask(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0)


def polygon(points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                hit = not hit
        return hit
    return mask(inside)


def segment(xa, ya, xb, yb, width=1.0):
    def near(x, y):
        dx, dy = xb - xa, yb - ya
        length2 = dx * dx + dy * dy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - xa) * dx + (y - ya) * dy) / length2))
        px, py = xa + t * dx, ya + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return mask(near)


def ring(cx, cy, r_out, r_in):
    return disc(cx, cy, r_out) - disc(cx, cy, r_in)


def star_points(cx, cy, r_out, r_in, points=5, turn=-90):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def edge(m):
    """The pixels of m that touch a pixel outside it."""
    return {(x, y) for (x, y) in m
            if any((x + dx, y + dy) not in m for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))}


# ---- pictures: each returns a list of (mask, fill, outline or None) layers ----

def cake():
    return [(rect(2, 8, 13, 14), PINK, DARKRED), (rect(2, 8, 13, 9), CREAM, None),
            (rect(7, 4, 8, 7), YELLOW, None), (rect(7, 2, 8, 3), ORANGE, None),
            (rect(4, 5, 4, 7), SKY, None), (rect(11, 5, 11, 7), LIME, None),
            (rect(4, 11, 5, 11), RED, None), (rect(10, 11, 11, 11), RED, None)]


def star():
    return [(polygon(star_points(8, 8.5, 7.5, 3.2)), YELLOW, GOLD)]


def heart():
    shape = disc(5, 6, 3.6) | disc(11, 6, 3.6) | polygon([(1.5, 7), (14.5, 7), (8, 14.5)])
    return [(shape, RED, DARKRED), (rect(4, 4, 5, 5), PINK, None)]


def phone():
    return [(rect(4, 1, 11, 14), BLACK, None), (rect(5, 3, 10, 10), SKY, None),
            (rect(7, 12, 8, 12), GREY, None)]


def car():
    body = rect(1, 7, 14, 11) | polygon([(4, 7.5), (5.5, 3.5), (10.5, 3.5), (12, 7.5)])
    return [(body, RED, DARKRED), (polygon([(5, 7), (6.2, 4.5), (7.5, 4.5), (7.5, 7)]), SKY, None),
            (polygon([(8.5, 7), (8.5, 4.5), (9.8, 4.5), (11, 7)]), SKY, None),
            (disc(4.5, 12, 2.2), BLACK, None), (disc(11.5, 12, 2.2), BLACK, None),
            (rect(4, 11, 4, 11), GREY, None), (rect(11, 11, 11, 11), GREY, None)]


def plane():
    shape = (ellipse(8, 8, 1.8, 7.3) | polygon([(0.5, 9.5), (7, 5.5), (9, 5.5), (15.5, 9.5), (15.5, 10.5), (0.5, 10.5)])
             | polygon([(4.5, 14.5), (7, 12), (9, 12), (11.5, 14.5), (11.5, 15.5), (4.5, 15.5)]))
    return [(shape, LIGHT, NAVY), (rect(7, 2, 8, 3), SKY, None)]


def book():
    return [(rect(2, 2, 13, 14), BLUE, NAVY), (rect(4, 2, 4, 14), NAVY, None),
            (rect(6, 5, 11, 5), WHITE, None), (rect(6, 7, 10, 7), WHITE, None),
            (rect(3, 13, 13, 13), CREAM, None)]


def music_note():
    shape = ellipse(4.5, 12.5, 2.6, 2) | ellipse(11.5, 10.5, 2.6, 2) | rect(6, 3, 6, 12) | rect(13, 1, 13, 10)
    shape |= polygon([(6, 2.5), (14, 0.5), (14, 3.5), (6, 5.5)])
    return [(shape, BLACK, None)]


def bell():
    shape = polygon([(3, 12), (4.5, 10), (4.5, 6), (6, 3), (10, 3), (11.5, 6), (11.5, 10), (13, 12)])
    return [(shape | rect(2, 11, 13, 12), YELLOW, GOLD), (disc(8, 13.5, 1.6), BROWN, None),
            (rect(7, 1, 8, 2), GOLD, None)]


def gift():
    return [(rect(2, 6, 13, 14), RED, DARKRED), (rect(1, 5, 14, 7), RED, DARKRED),
            (rect(7, 5, 8, 14), YELLOW, None), (rect(1, 6, 14, 6), YELLOW, None),
            (ellipse(5.5, 3.5, 2.3, 1.6) | ellipse(10.5, 3.5, 2.3, 1.6), YELLOW, GOLD)]


def flag():
    cloth = polygon([(4, 2), (14, 2), (12, 5), (14, 8), (4, 8)])
    return [(rect(2, 1, 3, 15), BROWN, None), (cloth, RED, DARKRED)]


def clock():
    return [(disc(8, 8, 7.2), WHITE, BLACK), (segment(8, 8, 8, 3.5, 1.2), BLACK, None),
            (segment(8, 8, 11, 9.5, 1.2), RED, None), (rect(7, 7, 8, 8), BLACK, None)]


def house():
    return [(rect(3, 8, 12, 14), CREAM, BROWN), (polygon([(0.5, 8.5), (8, 1.5), (15.5, 8.5)]), RED, DARKRED),
            (rect(7, 10, 9, 14), BROWN, None), (rect(4, 9, 5, 10), SKY, None), (rect(10, 9, 11, 10), SKY, None)]


def sun():
    rays = set()
    for i in range(8):
        a = math.radians(i * 45)
        rays |= segment(8 + 5 * math.cos(a), 8 + 5 * math.sin(a), 8 + 7.5 * math.cos(a), 8 + 7.5 * math.sin(a), 1.5)
    return [(rays, ORANGE, None), (disc(8, 8, 4.2), YELLOW, ORANGE)]


def moon():
    return [(disc(8, 8, 6.5) - disc(11, 6, 5.2), YELLOW, GOLD)]


def cloud():
    shape = disc(5, 10, 3.2) | disc(9, 7, 4) | disc(12, 10, 3) | rect(5, 10, 12, 13)
    return [(shape, WHITE, GREY)]


def umbrella():
    top = disc(8, 8, 7) & rect(0, 0, 15, 7)
    return [(top, PURPLE, NAVY), (rect(8, 7, 8, 13), BLACK, None), (segment(8, 13.5, 6, 13.5, 1.2), BLACK, None),
            (rect(5, 12, 5, 13), BLACK, None)]


def envelope():
    body = rect(1, 3, 14, 12)
    flap = segment(1.5, 3.5, 8, 8.5, 1.1) | segment(14.5, 3.5, 8, 8.5, 1.1)
    return [(body, WHITE, GREY), (flap, GREY, None)]


def key():
    shape = ring(4.5, 8, 3.6, 1.5) | rect(7, 7, 15, 9) | rect(12, 9, 13, 11) | rect(14, 9, 15, 12)
    return [(shape, GOLD, BROWN)]


def cup():
    handle = ring(12, 8, 3, 1.5) & rect(12, 0, 15, 15)
    return [(handle, BROWN, None), (polygon([(2, 4), (13, 4), (12, 13), (3, 13)]), TAN, BROWN),
            (rect(3, 5, 11, 5), BROWN, None), (rect(1, 14, 14, 14), BROWN, None)]


def tree():
    crown = polygon([(8, 0.5), (13, 7), (10.5, 7), (14, 12), (2, 12), (5.5, 7), (3, 7)])
    return [(rect(7, 12, 8, 15), BROWN, None), (crown, GREEN, DARKGREEN)]


def flower():
    petals = disc(8, 3.5, 2.4) | disc(4, 6.5, 2.4) | disc(12, 6.5, 2.4) | disc(5.5, 10, 2.4) | disc(10.5, 10, 2.4)
    return [(rect(8, 11, 8, 15) | ellipse(10.5, 13.5, 2, 1), GREEN, None), (petals, PINK, RED),
            (disc(8, 7.2, 2), YELLOW, None)]


def balloon():
    return [(segment(8, 12, 7, 15.5, 1), GREY, None), (ellipse(8, 6.5, 5, 6), RED, DARKRED),
            (polygon([(7, 12), (9, 12), (8, 13.5)]), DARKRED, None), (rect(5, 3, 6, 4), PINK, None)]


def camera():
    return [(rect(1, 5, 14, 13), GREY, BLACK), (rect(5, 3, 10, 5), GREY, BLACK),
            (disc(8, 9, 3), BLACK, None), (disc(8, 9, 1.6), SKY, None), (rect(11, 6, 12, 7), YELLOW, None)]


def check_mark():
    return [(segment(2.5, 8.5, 6, 12.5, 2.6) | segment(6, 12.5, 13.5, 3, 2.6), GREEN, DARKGREEN)]


def exclamation():
    return [(polygon([(8, 0.5), (15.5, 14.5), (0.5, 14.5)]), YELLOW, BLACK),
            (rect(7, 5, 8, 10), BLACK, None), (rect(7, 12, 8, 13), BLACK, None)]


def question():
    glyph = ["  ####  ",
             " ##  ## ",
             "     ## ",
             "    ##  ",
             "   ##   ",
             "   ##   ",
             "        ",
             "   ##   "]
    mark = {(4 + x, 4 + y) for y, line in enumerate(glyph) for x, c in enumerate(line) if c == "#"}
    return [(disc(8, 8, 7.5), BLUE, NAVY), (mark, WHITE, None)]


def banknote():
    note = rect(0, 3, 15, 12)
    return [(note, LIME, DARKGREEN), (disc(8, 7.5, 3), GREEN, DARKGREEN), (rect(2, 5, 3, 5) | rect(12, 10, 13, 10), DARKGREEN, None)]


def medical():
    return [(rect(1, 1, 14, 14), WHITE, GREY), (rect(6, 3, 9, 12) | rect(3, 6, 12, 9), RED, None)]


def pencil():
    body = polygon([(11, 1), (15, 5), (6, 14), (2, 10)])
    tip = polygon([(2, 10), (6, 14), (1, 15)])
    return [(body, YELLOW, GOLD), (tip, TAN, BROWN), (polygon([(11, 1), (15, 5), (13.5, 6.5), (9.5, 2.5)]), PINK, None),
            (rect(1, 14, 2, 15), BLACK, None)]


def light_bulb():
    return [(disc(8, 6, 5.2) | polygon([(5, 9), (11, 9), (10, 12), (6, 12)]), YELLOW, GOLD),
            (rect(6, 12, 10, 14), GREY, BLACK), (rect(6, 4, 6, 5), WHITE, None)]


def snowflake():
    shape = set()
    for i in range(3):
        a = math.radians(90 + i * 60)
        dx, dy = 7 * math.cos(a), 7 * math.sin(a)
        shape |= segment(8 - dx, 8 - dy, 8 + dx, 8 + dy, 1.4)
    for i in range(6):
        a = math.radians(90 + i * 60)
        bx, by = 8 + 4.5 * math.cos(a), 8 + 4.5 * math.sin(a)
        for side in (-40, 40):
            b = math.radians(90 + i * 60 + side)
            shape |= segment(bx, by, bx + 2.5 * math.cos(b), by + 2.5 * math.sin(b), 1.1)
    return [(shape, SKY, None)]


def lightning():
    return [(polygon([(10, 0.5), (3, 9), (7.5, 9), (5, 15.5), (13, 6), (8.5, 6), (11.5, 0.5)]), YELLOW, ORANGE)]


def fish():
    body = ellipse(7, 8, 5.5, 4) | polygon([(11, 8), (15.5, 3.5), (15.5, 12.5)])
    return [(body, ORANGE, BROWN), (disc(4.5, 7, 1), BLACK, None)]


def ball():
    seams = (rect(7, 1, 8, 14) | rect(1, 7, 14, 8) | (ring(1, 8, 6, 4.9) & disc(8, 8, 7))
             | (ring(15, 8, 6, 4.9) & disc(8, 8, 7)))
    return [(disc(8, 8, 7), ORANGE, BROWN), (seams, BROWN, None)]


def shopping_bag():
    handle = ring(8, 5, 3.5, 2) & rect(0, 0, 15, 5)
    return [(handle, BROWN, None), (rect(2, 5, 13, 14), TAN, BROWN), (rect(4, 5, 4, 6) | rect(11, 5, 11, 6), BROWN, None)]


def push_pin():
    return [(segment(8, 9, 8, 15.5, 1.2), GREY, None), (rect(4, 8, 11, 9), RED, DARKRED),
            (rect(5, 1, 10, 8), RED, DARKRED), (rect(6, 2, 6, 6), PINK, None)]


def calendar_page():
    return [(rect(1, 2, 14, 14), WHITE, GREY), (rect(1, 2, 14, 5), RED, DARKRED),
            (rect(4, 1, 4, 3) | rect(11, 1, 11, 3), BLACK, None),
            (rect(3, 7, 4, 8) | rect(7, 7, 8, 8) | rect(11, 7, 12, 8) | rect(3, 11, 4, 12) | rect(7, 11, 8, 12),
             GREY, None), (rect(11, 11, 12, 12), RED, None)]


def smiley():
    mouth = ring(8, 8, 4.5, 3.3) & rect(0, 9, 15, 15)
    return [(disc(8, 8, 7.3), YELLOW, GOLD), (rect(5, 5, 6, 6) | rect(10, 5, 11, 6), BLACK, None), (mouth, BLACK, None)]


def boat():
    hull = polygon([(0.5, 10), (15.5, 10), (12.5, 14.5), (3, 14.5)])
    sail = polygon([(8, 1), (8, 9), (13.5, 9)]) | polygon([(7, 3), (7, 9), (3, 9)])
    return [(sail, WHITE, GREY), (rect(7, 1, 7, 10), BROWN, None), (hull, BROWN, (90, 50, 20))]


def apple():
    return [(disc(5.5, 9, 4.5) | disc(10.5, 9, 4.5) | ellipse(8, 12, 4, 3), RED, DARKRED),
            (rect(8, 2, 8, 5), BROWN, None), (ellipse(10.5, 3, 2.3, 1.2), GREEN, None), (rect(4, 7, 5, 8), PINK, None)]


def candle():
    return [(rect(5, 6, 10, 14), CREAM, TAN), (rect(3, 14, 12, 15), GOLD, None),
            (ellipse(7.5, 3, 1.8, 2.8), ORANGE, None), (ellipse(7.5, 3.8, 0.9, 1.5), YELLOW, None),
            (rect(7, 5, 8, 5), BLACK, None)]


def briefcase():
    handle = rect(5, 2, 10, 4) - rect(7, 3, 8, 4)
    return [(handle, BROWN, None), (rect(1, 5, 14, 14), BROWN, (90, 50, 20)), (rect(1, 9, 14, 9), (90, 50, 20), None),
            (rect(7, 8, 8, 10), GOLD, None)]


def wrench():
    head = disc(11.5, 4.5, 3.8) - polygon([(10.5, 0), (15, 0), (15, 5), (12, 5)])
    return [(head | segment(2.5, 13.5, 10, 6, 2.8), GREY, BLACK)]


def paw():
    return [(ellipse(8, 11, 3.8, 3.2), BROWN, None), (disc(3.5, 7, 1.8) | disc(6.5, 4, 1.8) | disc(9.5, 4, 1.8)
                                                        | disc(12.5, 7, 1.8), BROWN, None)]


def diamond_ring():
    return [(ring(8, 10.5, 5, 3.4), GOLD, BROWN), (polygon([(5, 3), (11, 3), (12.5, 4.5), (8, 8), (3.5, 4.5)]), SKY, BLUE)]


def bus():
    return [(rect(1, 2, 14, 12), YELLOW, BROWN), (rect(2, 4, 5, 7) | rect(7, 4, 9, 7) | rect(11, 4, 13, 7), SKY, None),
            (disc(4, 13, 1.8) | disc(12, 13, 1.8), BLACK, None), (rect(1, 9, 14, 9), BROWN, None)]


def glasses():
    return [(ring(4.5, 9, 3.4, 2.2) | ring(11.5, 9, 3.4, 2.2) | rect(7, 8, 9, 8)
             | segment(1.5, 8, 0.5, 5, 1) | segment(14.5, 8, 15.5, 5, 1), BLACK, None),
            (disc(4.5, 9, 2.2) | disc(11.5, 9, 2.2), SKY, None)]


def hourglass():
    glass = polygon([(3, 2), (13, 2), (8.5, 8), (13, 14), (3, 14), (7.5, 8)])
    sand = polygon([(5, 4), (11, 4), (8, 7.5)]) | polygon([(8, 10), (11.5, 13), (4.5, 13)])
    return [(glass, SKY, NAVY), (sand, TAN, None), (rect(2, 1, 13, 1) | rect(2, 14, 13, 14), BROWN, None)]


def trophy():
    handles = ring(3.5, 5.5, 2.5, 1.3) | ring(12.5, 5.5, 2.5, 1.3)
    return [(handles, GOLD, None), (polygon([(3.5, 2), (12.5, 2), (11, 8), (9, 10), (7, 10), (5, 8)]), YELLOW, GOLD),
            (rect(7, 10, 8, 12), GOLD, None), (rect(4, 13, 11, 14), BROWN, None)]


def music_headphones():
    band = ring(8, 9, 6.5, 5.2) & rect(0, 0, 15, 9)
    return [(band, BLACK, None), (rect(1, 9, 4, 14) | rect(11, 9, 14, 14), RED, DARKRED)]


def leaf():
    shape = polygon([(2, 14), (3, 7), (7, 3), (14, 2), (13, 9), (9, 13)])
    return [(shape, LIME, DARKGREEN), (segment(2.5, 13.5, 11, 5, 1), DARKGREEN, None)]


def pizza():
    slice_ = polygon([(8, 15), (1.5, 2.5), (14.5, 2.5)])
    return [(slice_, YELLOW, ORANGE), (rect(2, 1, 13, 3), TAN, BROWN),
            (disc(6, 6, 1.3) | disc(10, 6, 1.3) | disc(8, 10, 1.3), RED, None)]


def globe():
    return [(disc(8, 8, 7.2), SKY, NAVY),
            (polygon([(4, 4), (8, 3), (8, 7), (5, 9), (3, 7)]) | polygon([(9, 9), (13, 8), (12, 12), (9, 13)]),
             GREEN, None)]


PICTURES = [
    cake, star, heart, phone, car, plane, book, music_note, bell, gift,
    flag, clock, house, sun, moon, cloud, umbrella, envelope, key, cup,
    tree, flower, balloon, camera, check_mark, exclamation, question, banknote, medical, pencil,
    light_bulb, snowflake, lightning, fish, ball, shopping_bag, push_pin, calendar_page, smiley, boat,
    apple, candle, briefcase, wrench, paw, diamond_ring, bus, glasses, hourglass, trophy,
    music_headphones, leaf, pizza, globe,
]


def render(layers):
    pixels = [[MAGENTA] * SIZE for _ in range(SIZE)]
    for shape, fill, outline in layers:
        shape = {(x, y) for (x, y) in shape if 0 <= x < SIZE and 0 <= y < SIZE}
        border = edge(shape) if outline else set()
        for (x, y) in shape:
            pixels[y][x] = outline if (x, y) in border else fill
    return pixels


def write_bmp(path, pixels):
    """24-bit bottom-up BMP; a row of 16 pixels is 48 bytes, already aligned."""
    rows = b"".join(bytes(c for (r, g, b) in row for c in (b, g, r)) for row in reversed(pixels))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + rows)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, "Image0.bmp"), render([]))
    for number, picture in enumerate(PICTURES, start=1):
        write_bmp(os.path.join(folder, "Image%d.bmp" % number), render(picture()))


if __name__ == "__main__":
    main()
