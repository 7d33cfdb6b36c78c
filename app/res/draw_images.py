#!/usr/bin/env python3
"""Draws the program's images: flat shapes, anti-aliased by supersampling.

Usage: draw_images.py OUTDIR. Writes one RGBA PNG per image and, for the
window frame, a PNG that make_images.sh turns into the bitmap resource.
"""
import math
import os
import struct
import sys
import zlib

SAMPLES = 4  # per axis, so 16 coverage samples per pixel

# One palette for every image.
BRAND = (0x0A, 0x7B, 0xD1)
BRAND_HOVER = (0x2E, 0x93, 0xE0)
BRAND_PRESS = (0x08, 0x63, 0xA9)
LINK = (0x00, 0x6D, 0xBA)
TEXT = (0x65, 0x79, 0x83)
MUTED = (0x9A, 0xA8, 0xB1)
DISABLED = (0xDC, 0xE1, 0xE4)
LINE = (0xC6, 0xD4, 0xD8)
LINE_SOFT = (0xE1, 0xE7, 0xEA)
BAND = (0xF2, 0xF4, 0xF5)
PANEL = (0xF7, 0xF9, 0xFA)
BORDER = (0xB9, 0xC7, 0xCE)
RED = (0xE8, 0x4B, 0x3C)
RED_PRESS = (0xC7, 0x37, 0x2A)
GREEN = (0x8C, 0xBF, 0x3F)
WHITE = (0xFF, 0xFF, 0xFF)


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        p = self.px[y * self.width + x]
        da = p[3]
        oa = alpha + da * (1 - alpha)
        for c in range(3):
            src = colour[c] / 255.0
            p[c] = (src * alpha + p[c] * da * (1 - alpha)) / oa if oa > 0 else 0
        p[3] = oa

    def fill(self, inside, box, colour, alpha=1.0):
        """Paints every pixel of box that the predicate inside(x, y) covers."""
        x0, y0, x1, y1 = box
        for y in range(max(0, int(math.floor(y0))), min(self.height, int(math.ceil(y1)))):
            for x in range(max(0, int(math.floor(x0))), min(self.width, int(math.ceil(x1)))):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES):
                            hits += 1
                if hits:
                    self.blend(x, y, colour, alpha * hits / (SAMPLES * SAMPLES))

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.fill(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1), colour, alpha)

    def round_rect(self, x0, y0, x1, y1, r, colour, alpha=1.0):
        def inside(x, y):
            if not (x0 <= x < x1 and y0 <= y < y1):
                return False
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        self.fill(inside, (x0, y0, x1, y1), colour, alpha)

    def circle(self, cx, cy, r, colour, alpha=1.0):
        self.fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                  (cx - r, cy - r, cx + r, cy + r), colour, alpha)

    def ring(self, cx, cy, r, width, colour, alpha=1.0):
        lo, hi = r - width / 2.0, r + width / 2.0
        self.fill(lambda x, y: lo * lo <= (x - cx) ** 2 + (y - cy) ** 2 <= hi * hi,
                  (cx - hi, cy - hi, cx + hi, cy + hi), colour, alpha)

    def line(self, points, width, colour, alpha=1.0):
        """A polyline with round joins and caps, drawn in one pass."""
        r = width / 2.0
        segs = list(zip(points, points[1:]))

        def near(x, y):
            for (ax, ay), (bx, by) in segs:
                dx, dy = bx - ax, by - ay
                t = ((x - ax) * dx + (y - ay) * dy) / float(dx * dx + dy * dy)
                t = min(1.0, max(0.0, t))
                if (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= r * r:
                    return True
            return False
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.fill(near, (min(xs) - r, min(ys) - r, max(xs) + r, max(ys) + r), colour, alpha)

    def polygon(self, points, colour, alpha=1.0):
        def inside(x, y):
            result = False
            n = len(points)
            for i in range(n):
                (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    result = not result
            return result
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.fill(inside, (min(xs), min(ys), max(xs), max(ys)), colour, alpha)

    def rgba_rows(self):
        rows = []
        for y in range(self.height):
            row = bytearray([0])  # filter: none
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                row += bytes([int(round(r * 255)), int(round(g * 255)),
                              int(round(b * 255)), int(round(a * 255))])
            rows.append(bytes(row))
        return b"".join(rows)


def write_png(path, canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(canvas.rgba_rows(), 9)) + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(data)


def cross(c, cx, cy, half, width, colour):
    c.line([(cx - half, cy - half), (cx + half, cy + half)], width, colour)
    c.line([(cx - half, cy + half), (cx + half, cy - half)], width, colour)


def close_button():
    # Normal, hover, pressed: a quiet cross that turns into a red tile.
    c = Canvas(105, 35)
    cross(c, 17.5, 17.5, 5, 1.6, TEXT)
    c.rect(35, 0, 70, 35, RED)
    cross(c, 52.5, 17.5, 5, 1.6, WHITE)
    c.rect(70, 0, 105, 35, RED_PRESS)
    cross(c, 87.5, 17.5, 5, 1.6, WHITE)
    return c


def install_button():
    # Normal, hover, pressed, disabled; the caption is a text element on top.
    c = Canvas(400, 31)
    for i, colour in enumerate((BRAND, BRAND_HOVER, BRAND_PRESS, DISABLED)):
        c.round_rect(i * 100 + 0.5, 0.5, i * 100 + 99.5, 30.5, 4, colour)
    return c


def connect_device():
    c = Canvas(15, 15)
    c.round_rect(3.5, 0.5, 11.5, 14.5, 2, TEXT)
    c.rect(4.7, 2.2, 10.3, 11.2, WHITE)
    c.circle(7.5, 12.8, 0.9, WHITE)
    return c


def product_logo(size=19):
    # A blue tile with an arrow going down into a tray: "install". Drawn on
    # a 19-unit grid, scaled for the program icon's sizes.
    k = size / 19.0
    c = Canvas(size, size)
    c.round_rect(0, 0, size, size, 4.5 * k, BRAND)
    c.line([(9.5 * k, 3.8 * k), (9.5 * k, 11.0 * k)], 2.0 * k, WHITE)
    c.line([(6.2 * k, 8.2 * k), (9.5 * k, 11.5 * k), (12.8 * k, 8.2 * k)], 2.0 * k, WHITE)
    c.line([(4.6 * k, 14.6 * k), (14.4 * k, 14.6 * k)], 1.8 * k, WHITE)
    return c


def write_ico(path, canvases):
    # Small sizes as 32-bit DIBs (every Windows reads them), 256 as PNG.
    entries, blobs = [], []
    for c in canvases:
        if c.width >= 256:
            png = path + ".tmp.png"
            write_png(png, c)
            with open(png, "rb") as f:
                blob = f.read()
            os.remove(png)
        else:
            def byte(v):
                return int(round(v * 255))
            bgra = b"".join(
                bytes((byte(b), byte(g), byte(r), byte(a)))
                for y in reversed(range(c.height))
                for (r, g, b, a) in c.px[y * c.width:(y + 1) * c.width])
            mask_stride = ((c.width + 31) // 32) * 4
            header = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0,
                                 len(bgra) + mask_stride * c.height, 0, 0, 0, 0)
            blob = header + bgra + bytes(mask_stride * c.height)
        entries.append((c.width, c.height, len(blob)))
        blobs.append(blob)
    offset = 6 + 16 * len(entries)
    out = struct.pack("<HHH", 0, 1, len(entries))
    for (w, h, n) in entries:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, n, offset)
        offset += n
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def arrows():
    # Cell 0 points down (permissions folded), cell 1 points up.
    c = Canvas(20, 10)
    c.line([(2.2, 3.5), (5, 6.3), (7.8, 3.5)], 1.5, LINK)
    c.line([(12.2, 6.5), (15, 3.7), (17.8, 6.5)], 1.5, LINK)
    return c


def track(width, height):
    # Scroll bar background: a soft band with a hairline on its left.
    c = Canvas(width, height)
    c.rect(0, 0, width, height, BAND)
    c.rect(0, 0, 1, height, LINE_SOFT)
    return c


def thumbs():
    # Normal, hover, pressed; rows 0 and 4 are the rounded ends, rows 1 to 3
    # the body that is stretched.
    c = Canvas(45, 5)
    for i, colour in enumerate(((0xC9, 0xD3, 0xD9), (0xA8, 0xB6, 0xBF), (0x88, 0x98, 0xA3))):
        x = i * 15
        c.rect(x + 4, 1, x + 11, 4, colour)
        c.rect(x + 5, 0, x + 10, 1, colour)
        c.rect(x + 4, 0, x + 5, 1, colour, 0.45)
        c.rect(x + 10, 0, x + 11, 1, colour, 0.45)
        c.rect(x + 5, 4, x + 10, 5, colour)
        c.rect(x + 4, 4, x + 5, 5, colour, 0.45)
        c.rect(x + 10, 4, x + 11, 5, colour, 0.45)
    return c


def wait_frames():
    # Eight dots on a circle; the bright head moves one dot per frame.
    c = Canvas(168, 21)
    for frame in range(8):
        cx = frame * 21 + 10.5
        for dot in range(8):
            angle = math.radians(dot * 45 - 90)
            age = (frame - dot) % 8  # 0 is the head, 7 the faintest tail
            alpha = max(0.18, 1.0 - age * 0.14)
            radius = 2.1 if age == 0 else 1.8
            c.circle(cx + 7 * math.cos(angle), 10.5 + 7 * math.sin(angle), radius, BRAND, alpha)
    return c


def package_icon(size):
    # Stand-in for packages without an icon: a green tile with a robot head.
    c = Canvas(size, size)
    s = size / 48.0
    c.round_rect(0, 0, size, size, 9 * s, GREEN)
    cx = size / 2.0
    # Head: the top half of a disc, above a flat chin.
    c.fill(lambda x, y: (x - cx) ** 2 + (y - 30 * s) ** 2 <= (15 * s) ** 2 and y <= 30 * s,
           (cx - 15 * s, 15 * s, cx + 15 * s, 30 * s), WHITE)
    c.line([(cx - 8 * s, 16.5 * s), (cx - 11 * s, 11 * s)], 2.0 * s, WHITE)
    c.line([(cx + 8 * s, 16.5 * s), (cx + 11 * s, 11 * s)], 2.0 * s, WHITE)
    c.circle(cx - 6 * s, 24 * s, 1.9 * s, GREEN)
    c.circle(cx + 6 * s, 24 * s, 1.9 * s, GREEN)
    c.round_rect(cx - 15 * s, 32 * s, cx + 15 * s, 38 * s, 1.5 * s, WHITE)
    return c


def scroll_arrow(up):
    # Normal, hover, pressed.
    c = Canvas(48, 16)
    for i, (bg, fg) in enumerate(((None, MUTED), (BAND, TEXT), (LINE_SOFT, LINK))):
        x = i * 16
        if bg:
            c.round_rect(x + 1, 1, x + 15, 15, 2, bg)
        if up:
            c.polygon([(x + 4, 10.5), (x + 8, 5.5), (x + 12, 10.5)], fg)
        else:
            c.polygon([(x + 4, 5.5), (x + 8, 10.5), (x + 12, 5.5)], fg)
    return c


def side_panel_handle():
    # The strip between list and side panel; the chevron folds the panel.
    c = Canvas(39, 279)
    middle = 139
    for i, (bg, fg) in enumerate(((BAND, MUTED), ((0xE6, 0xF1, 0xFA), LINK), ((0xD5, 0xE8, 0xF7), BRAND_PRESS))):
        x = i * 13
        c.rect(x, 0, x + 13, 279, bg)
        c.rect(x, 0, x + 1, 279, LINE_SOFT)
        c.rect(x + 12, 0, x + 13, 279, LINE_SOFT)
        c.line([(x + 8, middle - 5), (x + 4.5, middle), (x + 8, middle + 5)], 1.6, fg)
    return c


def delete_button():
    # Normal, hover, pressed.
    c = Canvas(72, 24)
    cross(c, 12, 12, 3.8, 1.6, MUTED)
    c.circle(36, 12, 9, RED)
    cross(c, 36, 12, 3.5, 1.6, WHITE)
    c.circle(60, 12, 9, RED_PRESS)
    cross(c, 60, 12, 3.5, 1.6, WHITE)
    return c


def window_frame():
    # 3 x 82: column 1 and row 35 stretch. Rows 0-34 are the title band,
    # rows 36-81 the footer with the install button.
    c = Canvas(3, 82)
    c.rect(0, 0, 3, 82, PANEL)
    c.rect(0, 34, 3, 35, LINE_SOFT)
    c.rect(0, 35, 3, 36, WHITE)
    c.rect(0, 36, 3, 37, LINE_SOFT)
    c.rect(0, 0, 3, 1, BORDER)
    c.rect(0, 81, 3, 82, BORDER)
    c.rect(0, 0, 1, 82, BORDER)
    c.rect(2, 0, 3, 82, BORDER)
    return c


IMAGES = {
    "close_button.png": close_button,
    "install_button.png": install_button,
    "connect_device.png": connect_device,
    "product_logo.png": product_logo,
    "fold_arrows.png": arrows,
    "scroll_track.png": lambda: track(15, 3),
    "slide_block.png": thumbs,
    "wait_frames.png": wait_frames,
    "default_icon.png": lambda: package_icon(48),
    "scroll_up.png": lambda: scroll_arrow(True),
    "scroll_down.png": lambda: scroll_arrow(False),
    "list_thumb.png": thumbs,
    "list_track.png": lambda: track(15, 3),
    "side_panel_handle.png": side_panel_handle,
    "delete_button.png": delete_button,
    "list_default_icon.png": lambda: package_icon(25),
    "window_frame.png": window_frame,
}


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, draw in IMAGES.items():
        write_png(os.path.join(out, name), draw())
    # The program's own icon, for Explorer, the task bar and the installer.
    write_ico(os.path.join(out, "program.ico"), [product_logo(n) for n in (16, 24, 32, 48, 256)])


if __name__ == "__main__":
    main()
