#!/usr/bin/env python3
"""Draws the program's GIF icons and the About box logo.

Writes src/app/icons/*.gif and src/ui/AboutLogo.cpp from the pixel art below (standard library only).
With --sheet FILE it also writes an enlarged PNG contact sheet of every picture for review.
"""
import math
import os
import struct
import sys
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
ICON_DIR = os.path.join(ROOT, "src", "app", "icons")
LOGO_SOURCE = os.path.join(ROOT, "src", "ui", "AboutLogo.cpp")

# Palette entry written for transparent pixels. It is also the toolkit's default transparent colour, so an
# icon masked by colour instead of by the GIF's transparency flag still comes out right; no opaque pixel uses it.
TRANSPARENT_RGB = (192, 192, 192)

# Colours of the pixel art; '.' is transparent.
LEGEND = {
    "K": (40, 40, 40),      # outline
    "S": (150, 150, 150),   # grey
    "s": (214, 214, 214),   # light grey
    "W": (255, 255, 255),
    "O": (150, 96, 20),     # folder outline
    "Y": (255, 218, 100),   # folder front
    "y": (232, 176, 52),    # folder back
    "N": (20, 55, 130),     # navy
    "B": (40, 100, 200),    # blue
    "b": (130, 175, 240),   # light blue
    "T": (196, 136, 70),    # clipboard board
    "t": (132, 84, 34),     # clipboard edge
    "G": (40, 150, 60),     # green
}

ARROW_RGB = (30, 130, 70)          # rotation arrows
FINE_ARROW_RGB = (90, 176, 116)   # fine rotation arrows: same hue, lighter
UNDO_RGB = (40, 100, 200)


class Canvas:
    """A picture of optional (r, g, b) pixels; None is transparent."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[None] * width for _ in range(height)]

    def put(self, x, y, rgb):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = rgb

    def fill(self, inside, rgb):
        """Colours every pixel whose centre satisfies inside(px, py)."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = rgb

    def outline(self, inside, rgb):
        """Colours the pixels of a shape that have a 4-neighbour outside it."""
        for y in range(self.height):
            for x in range(self.width):
                cx, cy = x + 0.5, y + 0.5
                if inside(cx, cy) and not all(inside(cx + dx, cy + dy)
                                              for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                    self.pixels[y][x] = rgb

    def rect(self, x0, y0, x1, y1, rgb):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, rgb)

    def mirrored(self):
        out = Canvas(self.width, self.height)
        out.pixels = [list(reversed(row)) for row in self.pixels]
        return out


def from_art(rows, legend=LEGEND):
    canvas = Canvas(len(rows[0]), len(rows))
    for y, row in enumerate(rows):
        assert len(row) == canvas.width, "ragged row %d: %r" % (y, row)
        for x, ch in enumerate(row):
            canvas.pixels[y][x] = None if ch == "." else legend[ch]
    return canvas


def in_polygon(points):
    """Even-odd test for a closed polygon given as (x, y) corners."""
    def inside(px, py):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            (xi, yi), (xj, yj) = points[i], points[j]
            if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def in_arc(cx, cy, r_in, r_out, a0, a1):
    """Ring sector between angles a0 and a1 (degrees, counter-clockwise on screen, 0 = east)."""
    def inside(px, py):
        d = math.hypot(px - cx, py - cy)
        a = math.degrees(math.atan2(cy - py, px - cx)) % 360
        return r_in <= d <= r_out and (a - a0) % 360 <= (a1 - a0) % 360
    return inside


def arrow_head(cx, cy, radius, angle, length, half_width):
    """Triangle at the counter-clockwise end of an arc, pointing along the direction of travel."""
    t = math.radians(angle)
    bx, by = cx + radius * math.cos(t), cy - radius * math.sin(t)
    dx, dy = -math.sin(t), -math.cos(t)      # screen direction of counter-clockwise travel
    nx, ny = math.cos(t), -math.sin(t)       # outward normal
    return in_polygon([(bx + nx * half_width, by + ny * half_width),
                       (bx + dx * length, by + dy * length),
                       (bx - nx * half_width, by - ny * half_width)])


def rotation_arrow(canvas, cx, cy, radius, thickness, a0, a1, head, rgb):
    """A counter-clockwise arc arrow from angle a0 to a1 with its head at a1."""
    canvas.fill(in_arc(cx, cy, radius - thickness / 2, radius + thickness / 2, a0, a1), rgb)
    canvas.fill(arrow_head(cx, cy, radius, a1, head, head * 0.85), rgb)


def picture_frame(canvas, x0, y0, x1, y1):
    """A small landscape picture: dark frame, sky and hill."""
    canvas.rect(x0, y0, x1, y1, LEGEND["K"])
    canvas.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, LEGEND["b"])
    canvas.fill(lambda px, py: x0 + 1 < px < x1 and py < y1 and py > y1 - 2.2 - 1.6 * math.sin(
        math.pi * (px - x0) / (x1 - x0)), LEGEND["G"])
    canvas.put(x1 - 2, y0 + 2, (255, 230, 60))


def icon_open():
    return from_art([
        "................",
        "................",
        ".OOOO...........",
        "OyyyyO..........",
        "OyyyyyOOOOOOO...",
        "OyyyyyyyyyyyO...",
        "OyyyyyyyyyyyO...",
        "OyyOOOOOOOOOOOOO",
        "OyOYYYYYYYYYYYYO",
        "OyOYYYYYYYYYYYO.",
        "OOYYYYYYYYYYYYO.",
        "OOYYYYYYYYYYYO..",
        "OYYYYYYYYYYYYO..",
        "OOOOOOOOOOOOO...",
        "................",
        "................",
    ])


def icon_paste():
    return from_art([
        "......KKKK......",
        ".tttttKssKttttt.",
        "tTTTTKsSSsKTTTTt",
        "tTTTKKKKKKKKTTTt",
        "tTWWWWWWWWWWWWTt",
        "tTWSSSSSSSSWWWTt",
        "tTWWWWWWWWWWWWTt",
        "tTWSSSSSSSSSSWTt",
        "tTWWWWWWWWWWWWTt",
        "tTWSSSSSSSWWWWTt",
        "tTWWWWWWWWWWWWTt",
        "tTWSSSSSSSSSWWTt",
        "tTWWWWWWWWWWWWTt",
        "tTTTTTTTTTTTTTTt",
        ".tttttttttttttt.",
        "................",
    ])


def icon_about():
    return from_art([
        ".....NNNNNN.....",
        "...NNbbBBBBNN...",
        "..NbbBBBBBBBBN..",
        ".NbBBBBWWBBBBBN.",
        ".NbBBBBWWBBBBBN.",
        "NBBBBBBBBBBBBBBN",
        "NBBBBBWWWBBBBBBN",
        "NBBBBBBWWBBBBBBN",
        "NBBBBBBWWBBBBBBN",
        "NBBBBBBWWBBBBBBN",
        "NBBBBBBWWBBBBBBN",
        ".NBBBBBWWBBBBBN.",
        ".NBBBBWWWWBBBBN.",
        "..NBBBBBBBBBBN..",
        "...NNBBBBBBNN...",
        ".....NNNNNN.....",
    ])


def icon_save():
    return from_art([
        "NNNNNNNNNNNNNN..",
        "NBBsssssssssBBN.",
        "NBBsssssKKssBBBN",
        "NBBsssssKKssBBBN",
        "NBBsssssKKssBBBN",
        "NBBsssssssssBBBN",
        "NBBBBBBBBBBBBBBN",
        "NBBBBBBBBBBBBBBN",
        "NBWWWWWWWWWWWWBN",
        "NBWWWWWWWWWWWWBN",
        "NBWSSSSSSSSSSWBN",
        "NBWWWWWWWWWWWWBN",
        "NBWSSSSSSSSSSWBN",
        "NBWWWWWWWWWWWWBN",
        "NBWWWWWWWWWWWWBN",
        "NNNNNNNNNNNNNNNN",
    ])


def icon_order():
    return from_art([
        "................",
        "..BB............",
        "..BB...NNN......",
        "..BB...NNN......",
        "..BB............",
        "..BB...NNNNN....",
        "..BB...NNNNN....",
        "..BB............",
        "..BB...NNNNNNN..",
        "..BB...NNNNNNN..",
        "BBBBBB..........",
        ".BBBB..NNNNNNNNN",
        "..BB...NNNNNNNNN",
        "................",
        "................",
        "................",
    ])


def draw_page(canvas, x0, y0, x1, y1):
    """A sheet of paper with a folded top-right corner and three lines of text."""
    fold = 3
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            cut = (x - (x1 - fold)) + (y0 - y)   # > 0 above the fold's diagonal
            if cut > 0:
                continue
            edge = x in (x0, x1) or y in (y0, y1) or cut == 0
            canvas.put(x, y, LEGEND["K"] if edge else LEGEND["W"])
    for i in range(fold):
        for j in range(i + 1):
            canvas.put(x1 - fold + 1 + j, y0 + 1 + i, LEGEND["s"])
    for line, y in enumerate(range(y0 + 4, y1 - 1, 2)):
        canvas.rect(x0 + 2, y, x1 - 2 - (2 if line % 2 else 0), y, LEGEND["S"])


def icon_copy():
    canvas = Canvas(16, 16)
    draw_page(canvas, 0, 0, 9, 11)
    draw_page(canvas, 5, 4, 14, 15)
    return canvas


def icon_clear():
    """An eraser lying at an angle, rubber end down-left, and the trail it leaves."""
    canvas = Canvas(16, 16)
    c, s = math.cos(math.radians(40)), math.sin(math.radians(40))

    def band(t0, t1):
        ax, ay, half = 7.8, 7.6, 3.2
        return in_polygon([(ax + c * t - s * w, ay - s * t - c * w) for t, w in
                           ((t0, -half), (t1, -half), (t1, half), (t0, half))])

    canvas.fill(band(-7.0, -0.5), (240, 120, 130))
    canvas.fill(band(-0.5, 7.0), LEGEND["B"])
    canvas.outline(band(-7.0, 7.0), LEGEND["K"])
    canvas.rect(6, 14, 14, 14, LEGEND["S"])
    return canvas


def icon_undo():
    """A U-turn arrow pointing left."""
    canvas = Canvas(16, 16)
    canvas.fill(in_arc(9.5, 8.5, 2.5, 4.6, 270, 90), UNDO_RGB)
    canvas.rect(5, 4, 9, 5, UNDO_RGB)
    canvas.rect(4, 11, 9, 12, UNDO_RGB)
    canvas.fill(in_polygon([(5.5, 0.4), (5.5, 9.6), (0.6, 5.0)]), UNDO_RGB)
    return canvas


def icon_rotate_ccw90():
    canvas = Canvas(16, 16)
    picture_frame(canvas, 5, 8, 15, 15)
    rotation_arrow(canvas, 8.0, 8.5, 5.5, 2.2, 20, 170, 3.6, ARROW_RGB)
    return canvas


def icon_rotate_ccw():
    canvas = Canvas(16, 16)
    rotation_arrow(canvas, 8.5, 8.5, 5.0, 2.2, 330, 170, 3.6, ARROW_RGB)
    return canvas


def icon_rotate_ccw_fine():
    canvas = Canvas(16, 16)
    rotation_arrow(canvas, 8.5, 8.5, 4.2, 1.3, 330, 170, 2.6, FINE_ARROW_RGB)
    return canvas


def icon_blank():
    return Canvas(1, 1)


class SuperCanvas:
    """An opaque RGB picture drawn at 4x4 subpixels per pixel and averaged down, for smooth lines."""
    SS = 4

    def __init__(self, size, background):
        self.size = size
        n = size * self.SS
        self.sub = [[background] * n for _ in range(n)]

    def paint(self, inside, rgb, bbox):
        """Colours every subpixel inside bbox (x0, y0, x1, y1 in pixels) whose centre satisfies inside."""
        ss = self.SS
        x0, y0, x1, y1 = bbox
        n = self.size * ss
        for sy in range(max(0, int(y0 * ss)), min(n, int(math.ceil(y1 * ss)))):
            for sx in range(max(0, int(x0 * ss)), min(n, int(math.ceil(x1 * ss)))):
                if inside((sx + 0.5) / ss, (sy + 0.5) / ss):
                    self.sub[sy][sx] = rgb

    def segment(self, ax, ay, bx, by, width, rgb):
        half = width / 2
        vx, vy = bx - ax, by - ay
        length2 = vx * vx + vy * vy or 1e-12

        def inside(px, py):
            t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / length2))
            return math.hypot(px - ax - t * vx, py - ay - t * vy) <= half

        self.paint(inside, rgb, (min(ax, bx) - half, min(ay, by) - half, max(ax, bx) + half, max(ay, by) + half))

    def polyline(self, points, width, rgb):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            self.segment(ax, ay, bx, by, width, rgb)

    def disc(self, cx, cy, radius, rgb):
        self.paint(lambda px, py: math.hypot(px - cx, py - cy) <= radius, rgb,
                   (cx - radius, cy - radius, cx + radius, cy + radius))

    def triangle(self, corners, rgb):
        xs, ys = [p[0] for p in corners], [p[1] for p in corners]
        self.paint(in_polygon(corners), rgb, (min(xs), min(ys), max(xs), max(ys)))

    def pixels(self):
        ss = self.SS
        out = []
        for y in range(self.size):
            row = []
            for x in range(self.size):
                block = [self.sub[y * ss + j][x * ss + i] for j in range(ss) for i in range(ss)]
                row.append(tuple(int(round(sum(p[k] for p in block) / len(block))) for k in range(3)))
            out.append(row)
        return out


def fitted_curve(u):
    """The curve of the plot pictures over u in [0, 1], rising and levelling off; returns height in [0, 1]."""
    return 0.05 + 0.9 * (1 - math.exp(-3.0 * u)) / (1 - math.exp(-3.0))


def draw_plot(size, background, points, axis_width, curve_width, point_radius):
    """A plot with arrowed axes, a light grid, a fitted curve and picked points (u, offset from the curve);
    pictures of 64 pixels and more also get tick marks. Widths and radii are in pixels of the finished picture."""
    canvas = SuperCanvas(size, background)
    k = size / 64.0
    left, right, top, bottom = round(9 * k), 60 * k, 4 * k, round(55 * k)   # axes on pixel edges stay crisp
    head = max(4.0, 6 * k)
    axis = (60, 60, 70)
    for i in range(1, 5):
        gx = left + (right - head - left) * i / 4
        gy = bottom - (bottom - top - head) * i / 4
        canvas.segment(gx, top + head, gx, bottom, 1.0, (218, 224, 234))
        canvas.segment(left, gy, right - head, gy, 1.0, (218, 224, 234))
        if size >= 64:
            canvas.segment(gx, bottom, gx, bottom + 3 * k, 1.6, axis)
            canvas.segment(left - 3 * k, gy, left, gy, 1.6, axis)
    canvas.segment(left, bottom, right - head / 2, bottom, axis_width, axis)
    canvas.segment(left, bottom, left, top + head / 2, axis_width, axis)
    canvas.triangle([(right, bottom), (right - head, bottom - head / 2), (right - head, bottom + head / 2)], axis)
    canvas.triangle([(left, top), (left - head / 2, top + head), (left + head / 2, top + head)], axis)

    def to_pixel(u, v):
        return left + 4 * k + u * (right - left - 12 * k), bottom - 4 * k - v * (bottom - top - 12 * k)

    curve = [to_pixel(i / 60, fitted_curve(i / 60)) for i in range(61)]
    canvas.polyline(curve, curve_width, (30, 90, 200))
    for u, dv in points:
        x, y = to_pixel(u, fitted_curve(u) + dv)
        canvas.disc(x, y, point_radius, (130, 20, 20))
        canvas.disc(x, y, point_radius - 0.9, (230, 50, 50))
    return canvas.pixels()


def icon_application():
    """32x32 program icon: the plot on a white card with rounded corners."""
    pixels = draw_plot(32, (255, 255, 255), [(0.15, -0.07), (0.5, 0.07), (0.88, -0.06)], 2.0, 2.2, 2.5)
    canvas = Canvas(32, 32)

    def card(px, py):
        dx, dy = max(0, abs(px - 16) - 12), max(0, abs(py - 16) - 12)
        return dx * dx + dy * dy <= 16

    for y in range(32):
        for x in range(32):
            if card(x + 0.5, y + 0.5):
                canvas.pixels[y][x] = pixels[y][x]
    canvas.outline(card, (110, 120, 140))
    return canvas


def about_logo():
    points = [(0.04, -0.06), (0.25, 0.07), (0.5, -0.06), (0.74, 0.05), (0.96, -0.04)]
    return draw_plot(64, (246, 248, 252), points, 2.0, 2.6, 3.4)


def quantize(canvas):
    """Palette of at most 255 opaque colours (coarsening smooth shades if needed) plus the transparent entry."""
    for step in (1, 4, 8, 16, 32):
        def snap(rgb):
            return tuple(min(255, int(round(c / step)) * step) for c in rgb) if step > 1 else rgb
        colours = sorted({snap(p) for row in canvas.pixels for p in row if p is not None})
        if len(colours) <= 255:
            break
    assert TRANSPARENT_RGB not in colours, "an opaque pixel uses the transparent colour"
    palette = [TRANSPARENT_RGB] + colours
    index = {rgb: i for i, rgb in enumerate(palette)}
    data = [0 if p is None else index[snap(p)] for row in canvas.pixels for p in row]
    return palette, data


def lzw_encode(data, min_size):
    """GIF variable-width LZW, codes packed least significant bit first."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits = bytearray(), 0, 0
    size = min_size + 1

    def emit(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    table, next_code = {}, end + 1
    emit(clear)
    prefix = data[0]
    for symbol in data[1:]:
        key = (prefix, symbol)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix)
        if next_code > (1 << size) - 1 and size < 12:
            size += 1
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
        else:
            emit(clear)
            table, next_code, size = {}, end + 1, min_size + 1
        prefix = symbol
    emit(prefix)
    if next_code > (1 << size) - 1 and size < 12:
        size += 1
    emit(end)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif_bytes(canvas):
    palette, data = quantize(canvas)
    bits = max(1, math.ceil(math.log2(len(palette))))
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    min_size = max(2, bits)
    stream = lzw_encode(data, min_size)
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", canvas.width, canvas.height, 0xF0 | (bits - 1), 0, 0)
    out += b"".join(bytes(rgb) for rgb in palette)
    out += b"\x21\xF9\x04\x01\x00\x00\x00\x00"   # graphic control: palette entry 0 is transparent
    out += b"\x2C" + struct.pack("<HHHHB", 0, 0, canvas.width, canvas.height, 0)
    out.append(min_size)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    out += b"\x00\x3B"
    return bytes(out)


def logo_source(pixels):
    values = [c for row in pixels for rgb in row for c in rgb]
    assert len(values) == 64 * 64 * 3
    lines = ["// The About box logo: 64x64 pixels, row by row, red, green, blue. Written by scripts/make-icons.py.",
             '#include "ui/AboutLogo.h"', "", "const unsigned char aboutLogoRgb[64 * 64 * 3] = {"]
    per_line = 8 * 3
    for i in range(0, len(values), per_line):
        lines.append("    " + ",".join(str(v) for v in values[i:i + per_line]) + ",")
    lines.append("};")
    return "\n".join(lines) + "\n"


def icons():
    """Every icon by file name, with its required size."""
    ccw90, ccw, fine = icon_rotate_ccw90(), icon_rotate_ccw(), icon_rotate_ccw_fine()
    return [
        ("open", icon_open(), 16), ("paste", icon_paste(), 16), ("about", icon_about(), 16),
        ("undo", icon_undo(), 16),
        ("rotate_ccw90", ccw90, 16), ("rotate_cw90", ccw90.mirrored(), 16),
        ("rotate_ccw_fine", fine, 16), ("rotate_cw_fine", fine.mirrored(), 16),
        ("rotate_ccw", ccw, 16), ("rotate_cw", ccw.mirrored(), 16),
        ("save", icon_save(), 16), ("clear", icon_clear(), 16), ("copy", icon_copy(), 16),
        ("order", icon_order(), 16), ("blank", icon_blank(), 1), ("application", icon_application(), 32),
    ]


def png_bytes(rows):
    raw = b"".join(b"\x00" + bytes(c for rgb in row for c in rgb) for row in rows)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def contact_sheet(entries, logo):
    """Every icon at 8x on a checkerboard and again on a tool bar grey, then the logo at 4x, in rows."""
    checker = None
    pictures = [(c.pixels, 8, backdrop) for backdrop in (checker, (240, 240, 240)) for _, c, _ in entries]
    pictures.append((logo, 4, checker))
    width, gap = 1200, 12
    placed, x, y, row_height = [], gap, gap, 0
    for pixels, zoom, backdrop in pictures:
        w, h = len(pixels[0]) * zoom, len(pixels) * zoom
        if x + w + gap > width:
            x, y, row_height = gap, y + row_height + gap, 0
        placed.append((x, y, pixels, zoom, backdrop))
        x, row_height = x + w + gap, max(row_height, h)
    sheet = [[(90, 90, 90)] * width for _ in range(y + row_height + gap)]
    for ox, oy, pixels, zoom, backdrop in placed:
        for py in range(len(pixels) * zoom):
            for px in range(len(pixels[0]) * zoom):
                p = pixels[py // zoom][px // zoom]
                if p is None:
                    p = backdrop or ((255, 255, 255) if (px // 8 + py // 8) % 2 else (200, 200, 200))
                sheet[oy + py][ox + px] = p
    return png_bytes(sheet)


def main():
    entries = icons()
    os.makedirs(ICON_DIR, exist_ok=True)
    for name, canvas, size in entries:
        assert canvas.width == canvas.height == size, name
        with open(os.path.join(ICON_DIR, name + ".gif"), "wb") as f:
            f.write(gif_bytes(canvas))
    logo = about_logo()
    with open(LOGO_SOURCE, "w") as f:
        f.write(logo_source(logo))
    if len(sys.argv) == 3 and sys.argv[1] == "--sheet":
        with open(sys.argv[2], "wb") as f:
            f.write(contact_sheet(entries, logo))


if __name__ == "__main__":
    main()
