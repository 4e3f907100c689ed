#!/usr/bin/env python3
"""Draws the Tilesmith icon: tilesmith.svg and PNG sizes under icons/.

The icon is a 2 x 2 grid of tiles in a dark frame, the fourth tile in the
transparent magenta with a selection frame around it. It is made of
axis-aligned rectangles only, so the PNGs are painted here by exact pixel
coverage and need no SVG renderer. Run from any folder; it writes beside itself.
"""
import os
import struct
import zlib

VIEW = 64  # design units per side

# (x, y, width, height, colour, opacity), painted in order.
RECTS = []


def rect(x, y, w, h, colour, opacity=1.0):
    RECTS.append((x, y, w, h, colour, opacity))


def tile(x, y, face, light, dark):
    size = 26
    rect(x, y, size, size, face)
    # Raised edges, as the 3D button effect draws them.
    rect(x, y, size, 2, light)
    rect(x, y, 2, size, light)
    rect(x, y + size - 2, size, 2, dark)
    rect(x + size - 2, y, 2, size, dark)


rect(2, 2, 60, 60, "#2b2f36")
tile(5, 5, "#c8a15a", "#e6c98c", "#8a6a30")    # sandstone
tile(33, 5, "#5b8c3a", "#8dbd68", "#3a5e22")   # moss
tile(5, 33, "#3a7bbf", "#74a8dc", "#234f7e")   # water
tile(33, 33, "#ff00ff", "#ff80ff", "#b000b0")  # transparent colour
# Selection frame around the fourth tile.
rect(31, 31, 30, 2, "#ffffff")
rect(31, 59, 30, 2, "#ffffff")
rect(31, 31, 2, 30, "#ffffff")
rect(59, 31, 2, 30, "#ffffff")


def write_svg(path):
    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (VIEW, VIEW, VIEW, VIEW)]
    for x, y, w, h, colour, opacity in RECTS:
        extra = '' if opacity == 1.0 else ' fill-opacity="%g"' % opacity
        lines.append('  <rect x="%g" y="%g" width="%g" height="%g" fill="%s"%s/>'
                     % (x, y, w, h, colour, extra))
    lines.append('</svg>')
    with open(path, 'w') as out:
        out.write('\n'.join(lines) + '\n')


def render(size):
    scale = size / VIEW
    # Premultiplied RGBA in floats.
    pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]
    for x, y, w, h, colour, opacity in RECTS:
        r, g, b = (int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5))
        x0, y0, x1, y1 = x * scale, y * scale, (x + w) * scale, (y + h) * scale
        for py in range(int(y0), min(size, int(-(-y1 // 1)))):
            cy = max(0.0, min(py + 1, y1) - max(py, y0))
            for px in range(int(x0), min(size, int(-(-x1 // 1)))):
                cx = max(0.0, min(px + 1, x1) - max(px, x0))
                a = cx * cy * opacity
                if a <= 0:
                    continue
                p = pixels[py * size + px]
                p[0] = r * a + p[0] * (1 - a)
                p[1] = g * a + p[1] * (1 - a)
                p[2] = b * a + p[2] * (1 - a)
                p[3] = a + p[3] * (1 - a)
    rows = bytearray()
    for py in range(size):
        rows.append(0)  # filter: none
        for px in range(size):
            r, g, b, a = pixels[py * size + px]
            if a > 0:
                r, g, b = r / a, g / a, b / a
            rows += bytes(round(v * 255) for v in (r, g, b, a))
    return rows


def write_png(path, size):
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))
    png = b'\x89PNG\r\n\x1a\n'
    png += chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(bytes(render(size)), 9))
    png += chunk(b'IEND', b'')
    with open(path, 'wb') as out:
        out.write(png)


here = os.path.dirname(os.path.abspath(__file__))
write_svg(os.path.join(here, 'tilesmith.svg'))
os.makedirs(os.path.join(here, 'icons'), exist_ok=True)
for size in (16, 32, 48, 64, 128, 256):
    write_png(os.path.join(here, 'icons', 'tilesmith-%d.png' % size), size)
