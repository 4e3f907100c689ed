#!/usr/bin/python3
"""Writes the PNG benchmark's test picture: a texture package of 256 x 256
pages cut from the test corpus' photographs, each page turned, tinted by a
gradient and grained by noise, as a high-definition texture pack looks.
Usage: png_picture.py CORPUS_DIR WIDTH HEIGHT OUT.png"""
import random
import sys

from PIL import Image, ImageChops

corpus, width, height, out = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
random.seed(28)
sources = [Image.open(f"{corpus}/jpeg/{name}.jpg").convert("RGB")
           for name in ("hopper", "testorig", "iptc", "pil_sample_rgb", "app13-multiple", "junk_jpeg_header")]
turns = [None, Image.Transpose.FLIP_LEFT_RIGHT, Image.Transpose.FLIP_TOP_BOTTOM, Image.Transpose.ROTATE_90,
         Image.Transpose.ROTATE_180, Image.Transpose.ROTATE_270]
pages = []
for i in range(24):
    src = random.choice(sources)
    side = random.randint(96, min(src.size))
    x, y = random.randint(0, src.size[0] - side), random.randint(0, src.size[1] - side)
    page = src.crop((x, y, x + side, y + side)).resize((256, 256), Image.Resampling.BICUBIC)
    turn = random.choice(turns)
    if turn is not None:
        page = page.transpose(turn)
    tint = Image.merge("RGB", [Image.linear_gradient("L").rotate(random.choice((0, 90, 180, 270))).resize((256, 256))
                               for _ in range(3)])
    page = Image.blend(page, tint, 0.15)
    grain = Image.merge("RGB", [Image.effect_noise((256, 256), 6).point(lambda v: v - 128 + 8)] * 3)
    page = ImageChops.add(page, grain, 1.0, -8)
    pages.append(page)
picture = Image.new("RGB", (width, height))
for top in range(0, height, 256):
    for left in range(0, width, 256):
        picture.paste(random.choice(pages), (left, top))
picture.save(out)
