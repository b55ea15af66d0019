#!/usr/bin/env python3
"""Draws the diary's nine pictures into PNG files beside this script.

Run it after changing a drawing: python3 make_pictures.py
Only the standard library is needed. Shapes are sampled 5 x 5 times per pixel
for smooth edges. Every picture but the header is written image over mask: the
image in the top half, its mask in the bottom half as grey levels (black shows
the pixel, white hides it). Edge pixels keep the shape's own colour in the
image, so that the mask alone decides how much of it shows.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = 5


def rgb(value):
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def vertical(top, bottom, y0, y1):
    """A colour running from top at row y0 to bottom at row y1."""
    top, bottom = rgb(top), rgb(bottom)
    return lambda x, y: mix(top, bottom, (y - y0) / max(y1 - y0, 1e-9))


def flat(colour):
    colour = rgb(colour)
    return lambda x, y: colour


# Shapes: functions of a point answering whether it lies inside.

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def round_rect(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        dx = max(left + radius - x, 0, x - (right - radius))
        dy = max(top + radius - y, 0, y - (bottom - radius))
        return dx * dx + dy * dy <= radius * radius
    return inside


def segment_distance(x, y, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(x - ax - t * vx, y - ay - t * vy)


def stroke(points, width):
    """A polyline drawn with round ends and joins."""
    pairs = list(zip(points, points[1:]))
    half = width / 2.0
    return lambda x, y: any(segment_distance(x, y, *a, *b) <= half for a, b in pairs)


def polygon(points):
    def inside(x, y):
        result = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                result = not result
        return result
    return inside


def arc(cx, cy, radius, width, start, sweep):
    """A round-ended arc; angles in degrees clockwise from twelve o'clock."""
    half = width / 2.0

    def end(angle):
        a = math.radians(angle)
        return cx + radius * math.sin(a), cy - radius * math.cos(a)

    ends = [disc(*end(start), half), disc(*end(start + sweep), half)]

    def inside(x, y):
        if abs(math.hypot(x - cx, y - cy) - radius) <= half:
            angle = math.degrees(math.atan2(x - cx, cy - y)) % 360.0
            if (angle - start) % 360.0 <= sweep:
                return True
        return any(e(x, y) for e in ends)
    return inside


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def render(width, height, layers):
    """Composites (shape, colour, opacity) layers; answers rows of (r, g, b, a)."""
    offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            r = g = b = a = 0.0
            for shape, colour, opacity in layers:
                hits = sum(1 for oy in offsets for ox in offsets if shape(px + ox, py + oy))
                if not hits:
                    continue
                alpha = opacity * hits / (SAMPLES * SAMPLES)
                cr, cg, cb = colour(px + 0.5, py + 0.5)
                r, g, b = (cr * alpha + r * (1 - alpha), cg * alpha + g * (1 - alpha), cb * alpha + b * (1 - alpha))
                a = alpha + a * (1 - alpha)
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def image_over_mask(rows):
    """The picture's rows as stored: the image, then the mask below it."""
    image, mask = [], []
    for row in rows:
        image.append([(255, 255, 255) if a <= 0 else tuple(round(c / a) for c in (r, g, b)) for r, g, b, a in row])
        mask.append([(round(255 * (1 - a)),) * 3 for _, _, _, a in row])
    return image + mask


def write_png(name, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(min(max(int(c), 0), 255) for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(os.path.join(HERE, name), "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


# The goal icons: a 16-pixel disc centred in the 25 x 22 picture views of the
# history list, so that it lines up with the row's text.
ICON_W, ICON_H = 25, 22
CX, CY = 12.5, 11.0


def goal_icon(top, bottom, rim, mark, mark_colour):
    return [
        (disc(CX, CY, 8.0), flat(rim), 1.0),
        (disc(CX, CY, 7.0), vertical(top, bottom, 4, 18), 1.0),
        (mark, flat(mark_colour), 1.0),
    ]


def goal_hit():
    check = stroke([(8.6, 11.4), (11.4, 14.2), (16.6, 8.2)], 2.3)
    return goal_icon(0x5CD06A, 0x2E9A3D, 0x217A2D, check, 0xFFFFFF)


def goal_missed():
    cross = lambda x, y: stroke([(9.6, 8.1), (15.4, 13.9)], 2.3)(x, y) or stroke([(15.4, 8.1), (9.6, 13.9)], 2.3)(x, y)
    return goal_icon(0xEF6F6B, 0xC4302D, 0x9E2421, cross, 0xFFFFFF)


def goal_empty():
    dash = stroke([(9.5, 11.0), (15.5, 11.0)], 2.0)
    return goal_icon(0xFBFBFB, 0xDCDCDC, 0x9A9A9A, dash, 0x8A8A8A)


# The button faces: 22 x 22 rounded squares with a dark glyph, for the light
# entry area and the blue-grey toolbar alike.
BUTTON = 22
GLYPH = 0x2E4053


def button(glyph_layers):
    return [
        (round_rect(0, 0, 22, 22, 5.0), flat(0x5F7183), 1.0),
        (round_rect(1, 1, 21, 21, 4.0), vertical(0xFFFFFF, 0xD3DAE2, 1, 21), 1.0),
        (round_rect(4, 1.2, 18, 2.4, 0.6), flat(0xFFFFFF), 0.8),
    ] + glyph_layers


def add_button():
    plus = lambda x, y: (6 <= x <= 16 and 9.8 <= y <= 12.2) or (9.8 <= x <= 12.2 and 6 <= y <= 16)
    return button([(plus, flat(0x2E8A3B), 1.0)])


def back_button():
    return button([(polygon([(14.0, 6.0), (14.0, 16.0), (7.0, 11.0)]), flat(GLYPH), 1.0)])


def next_button():
    return button([(polygon([(8.0, 6.0), (8.0, 16.0), (15.0, 11.0)]), flat(GLYPH), 1.0)])


def today_button():
    # A calendar page: a solid binding, an outlined sheet and today's square.
    sheet = minus(round_rect(5, 6, 17, 17, 1.5), round_rect(6.3, 9.5, 15.7, 15.7, 0.5))
    return button([
        (sheet, flat(GLYPH), 1.0),
        (round_rect(5, 6, 17, 9.5, 1.5), flat(0xC4302D), 1.0),
        (round_rect(9.5, 11, 12.5, 14, 0.3), flat(GLYPH), 1.0),
    ])


def app_icon():
    # Two goal rings, calories outside and steps inside, on a slate tile.
    return [
        (round_rect(2, 2, 62, 62, 13), flat(0x22313F), 1.0),
        (round_rect(3, 3, 61, 61, 12), vertical(0x5F83A6, 0x2A3F55, 3, 61), 1.0),
        (ring(32, 32, 23.5, 16.5), flat(0x1B2836), 0.45),
        (arc(32, 32, 20, 7, 0, 280), vertical(0x6EDB7C, 0x2E9A3D, 10, 54), 1.0),
        (ring(32, 32, 13.5, 7.5), flat(0x1B2836), 0.45),
        (arc(32, 32, 10.5, 6, 0, 200), vertical(0xBFE3FF, 0x6FAEE6, 20, 44), 1.0),
    ]


def header(width=799, height=89):
    """The status bar's background, opaque: a deep slate gradient for white text."""
    top, bottom = rgb(0x4A6683), rgb(0x24364A)
    rows = []
    for y in range(height):
        colour = mix(top, bottom, y / (height - 1))
        if y < height * 0.45:  # a soft sheen over the upper half
            colour = mix(colour, (255, 255, 255), 0.05 * (1 - y / (height * 0.45)))
        if y == 0:
            colour = rgb(0x6C86A1)
        elif y == height - 1:
            colour = rgb(0x182533)
        rows.append([tuple(round(c) for c in colour)] * width)
    return rows


PICTURES = [
    ("goal_empty.png", goal_empty, ICON_W, ICON_H),
    ("goal_missed.png", goal_missed, ICON_W, ICON_H),
    ("goal_hit.png", goal_hit, ICON_W, ICON_H),
    ("add_button.png", add_button, BUTTON, BUTTON),
    ("back_button.png", back_button, BUTTON, BUTTON),
    ("today_button.png", today_button, BUTTON, BUTTON),
    ("next_button.png", next_button, BUTTON, BUTTON),
    ("app_icon.png", app_icon, 64, 64),
]

if __name__ == "__main__":
    for name, draw, width, height in PICTURES:
        write_png(name, image_over_mask(render(width, height, draw())))
    write_png("header_background.png", header())
