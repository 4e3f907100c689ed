#!/usr/bin/python3
"""Writes a test picture of the PNG benchmark, a texture package of 256 x 256
pages, in one of three kinds:
  photo CORPUS_DIR    pages cut from the test corpus' photographs, each turned,
                      tinted by a gradient and grained by noise, as a
                      high-definition texture pack looks;
  pattern LEVEL       flat synthetic pages (tiles of plain colour, stripes and
                      checks), compressed at zlib level LEVEL;
  levels PAGES...     the pages of real levels, read from the PNGs given.
Usage: png_picture.py KIND ARGUMENT... WIDTH HEIGHT OUT.png"""
import random
import sys

from PIL import Image, ImageChops, ImageDraw

kind, rest = sys.argv[1], sys.argv[2:]
width, height, out = int(rest[-3]), int(rest[-2]), rest[-1]
random.seed(28)
turns = [None, Image.Transpose.FLIP_LEFT_RIGHT, Image.Transpose.FLIP_TOP_BOTTOM, Image.Transpose.ROTATE_90,
         Image.Transpose.ROTATE_180, Image.Transpose.ROTATE_270]


def photo_pages(corpus):
    sources = [Image.open(f"{corpus}/jpeg/{name}.jpg").convert("RGB")
               for name in ("hopper", "testorig", "iptc", "pil_sample_rgb", "app13-multiple", "junk_jpeg_header")]
    pages = []
    for i in range(24):
        src = random.choice(sources)
        side = random.randint(96, min(src.size))
        x, y = random.randint(0, src.size[0] - side), random.randint(0, src.size[1] - side)
        page = src.crop((x, y, x + side, y + side)).resize((256, 256), Image.Resampling.BICUBIC)
        turn = random.choice(turns)
        if turn is not None:
            page = page.transpose(turn)
        tint = Image.merge("RGB", [Image.linear_gradient("L").rotate(random.choice((0, 90, 180, 270)))
                                   .resize((256, 256)) for _ in range(3)])
        page = Image.blend(page, tint, 0.15)
        grain = Image.merge("RGB", [Image.effect_noise((256, 256), 6).point(lambda v: v - 128 + 8)] * 3)
        pages.append(ImageChops.add(page, grain, 1.0, -8))
    return pages


def pattern_pages():
    colour = lambda: tuple(random.randrange(256) for _ in range(3))
    pages = []
    for i in range(24):
        page = Image.new("RGB", (256, 256))
        draw = ImageDraw.Draw(page)
        for top in range(0, 256, 64):
            for left in range(0, 256, 64):
                a, b, step = colour(), colour(), random.choice((4, 8, 16))
                draw.rectangle((left, top, left + 63, top + 63), fill=a)
                style = random.randrange(3)
                for k in range(0, 64, 2 * step):
                    if style == 0:
                        draw.rectangle((left + k, top, left + k + step - 1, top + 63), fill=b)
                    elif style == 1:
                        draw.rectangle((left, top + k, left + 63, top + k + step - 1), fill=b)
                    else:
                        for j in range(0, 64, 2 * step):
                            draw.rectangle((left + k, top + j, left + k + step - 1, top + j + step - 1), fill=b)
        pages.append(page)
    return pages


def level_pages(files):
    pages = []
    for name in files:
        level = Image.open(name).convert("RGB")
        pages += [level.crop((0, top, 256, top + 256)) for top in range(0, level.size[1] - 255, 256)]
    return pages


pages = photo_pages(rest[0]) if kind == "photo" else pattern_pages() if kind == "pattern" else level_pages(rest[:-3])
picture = Image.new("RGB", (width, height))
for top in range(0, height, 256):
    for left in range(0, width, 256):
        picture.paste(random.choice(pages), (left, top))
picture.save(out, **({"compress_level": int(rest[0])} if kind == "pattern" else {}))
