#!/usr/bin/env python3
"""Draws the plug-in's icons and writes them as .ico files (16x16 and 32x32, 32-bit with alpha and an
AND mask), so that they can be made again exactly: `python3 resources/tools/make_icons.py`.

Each icon is a list of filled shapes in a 16x16 design grid, painted in order and sampled 4x4 times per
pixel; the 32x32 image is the same drawing at twice the scale."""
import os
import struct
import sys

SAMPLES = 4  # per pixel and axis


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner < (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def polygon(*points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def line(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def star(cx, cy, outer, inner):
    import math
    points = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = -math.pi / 2 + k * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return polygon(*points)


# Colours (R, G, B, A).
OUTLINE = (70, 70, 80, 255)
WHITE = (255, 255, 255, 255)
PAPER = (250, 250, 245, 255)
FOLDER_BACK = (222, 170, 40, 255)
FOLDER_FRONT = (250, 206, 84, 255)
FOLDER_EDGE = (160, 112, 20, 255)
BLUE = (40, 96, 190, 255)
BLUE_DARK = (24, 60, 130, 255)
GOLD = (255, 200, 40, 255)
GOLD_EDGE = (170, 110, 0, 255)
RED = (210, 30, 30, 255)
RED_DARK = (140, 10, 10, 255)
GREY = (120, 120, 130, 255)
TRANSPARENT = (0, 0, 0, 0)


HOST_FOLDER_BACK = (150, 170, 196, 255)
HOST_FOLDER_FRONT = (204, 218, 236, 255)
HOST_FOLDER_EDGE = (90, 106, 132, 255)


def folder(x0, y0, x1, y1, back=FOLDER_BACK, front=FOLDER_FRONT, edge=FOLDER_EDGE):
    """A folder with a tab, filling the given box."""
    tab = (x1 - x0) * 0.4
    lip = (y1 - y0) * 0.2
    return [
        (round_rect(x0, y0, x0 + tab, y0 + lip * 2, 0.6), edge),
        (round_rect(x0, y0 + lip, x1, y1, 0.6), edge),
        (round_rect(x0 + 0.7, y0 + lip + 0.7, x1 - 0.7, y1 - 0.7, 0.3), back),
        (polygon((x0 + 0.7, y1 - 0.7), (x0 + 1.8, y0 + lip * 2), (x1 - 0.7, y0 + lip * 2),
                 (x1 - 0.7, y1 - 0.7)), front),
    ]


ICONS = {
    # 107: a mail (envelope).
    "mail": [
        (rect(1, 3, 15, 13), OUTLINE),
        (rect(2, 4, 14, 12), PAPER),
        (line(2.2, 4.4, 8, 8.8, 1.1), OUTLINE),
        (line(8, 8.8, 13.8, 4.4, 1.1), OUTLINE),
    ],
    # 112: a folder.
    "folder": folder(1, 2.5, 15, 13.5),
    # 114: the plug-in itself: a gold star on a blue tile.
    "application": [
        (round_rect(0.5, 0.5, 15.5, 15.5, 3), BLUE_DARK),
        (round_rect(1.5, 1.5, 14.5, 14.5, 2.2), BLUE),
        (star(8, 8.6, 6.6, 2.7), GOLD_EDGE),
        (star(8, 8.6, 5.3, 2.1), GOLD),
    ],
    # 132: a folder of the host that is no favorite: the same folder in the greys of a plain one.
    "hostfolder": folder(1, 2.5, 15, 13.5, HOST_FOLDER_BACK, HOST_FOLDER_FRONT, HOST_FOLDER_EDGE),
    # 117: a folder tree: a folder with two folders branching from it.
    "foldertree": folder(1, 1, 9, 7) + [
        (rect(3, 7, 4, 14), GREY),
        (rect(3, 9, 8, 10), GREY),
        (rect(3, 13, 8, 14), GREY),
    ] + folder(8, 7, 15, 11) + folder(8, 11, 15, 15),
    # 125: a key.
    "key": [
        (ring(4.8, 8, 3.9, 1.5), GOLD_EDGE),
        (ring(4.8, 8, 3.0, 2.2), GOLD),
        (rect(8.3, 6.8, 15.2, 9.2), GOLD_EDGE),
        (rect(11.5, 9, 13, 12), GOLD_EDGE),
        (rect(13.7, 9, 15.2, 11), GOLD_EDGE),
        (rect(8.6, 7.3, 14.9, 8.7), GOLD),
    ],
    # 128: the failure mark, drawn over another icon: a red disc with a white cross, bottom right.
    "failure": [
        (circle(11.5, 11.5, 4.3), RED_DARK),
        (circle(11.5, 11.5, 3.5), RED),
        (line(10, 10, 13, 13, 1.5), WHITE),
        (line(13, 10, 10, 13, 1.5), WHITE),
    ],
    # 130: a window state: a window with a title bar.
    "windowstate": [
        (rect(1, 2, 15, 14), BLUE_DARK),
        (rect(2, 3, 14, 5), BLUE),
        (rect(2, 6, 14, 13), WHITE),
        (rect(11, 3.5, 13, 4.5), WHITE),
        (rect(3, 7, 7, 12), (215, 225, 240, 255)),
    ],
}


def render(shapes, size):
    """RGBA rows, top row first, of the shapes drawn at size x size pixels."""
    scale = 16.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            sums = [0.0, 0.0, 0.0, 0.0]  # premultiplied colour and alpha
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = TRANSPARENT
                    for inside, paint in shapes:
                        if inside(x, y):
                            colour = paint
                    alpha = colour[3] / 255.0
                    for c in range(3):
                        sums[c] += colour[c] * alpha
                    sums[3] += alpha
            n = SAMPLES * SAMPLES
            alpha = sums[3] / n
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(sums[c] / n / alpha) for c in range(3)) + (round(alpha * 255),))
        rows.append(row)
    return rows


def icon_image(rows):
    """One .ico image: BITMAPINFOHEADER, BGRA pixels bottom-up, then the AND mask bottom-up."""
    size = len(rows)
    mask_stride = ((size + 31) // 32) * 4
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            pixels += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def write_icon(path, shapes):
    images = [icon_image(render(shapes, size)) for size in (16, 32)]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32), images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        data += image
    with open(path, "wb") as out:
        out.write(data)


def main():
    folder_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "icons")
    os.makedirs(folder_path, exist_ok=True)
    for name, shapes in ICONS.items():
        write_icon(os.path.join(folder_path, name + ".ico"), shapes)


if __name__ == "__main__":
    main()
