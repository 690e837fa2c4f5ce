#!/usr/bin/python3
# Draws the covers of the demo collection (images/*.jpg): invented albums,
# drawn here from shapes and text. Needs python3-pil; run it again only to
# change a cover, the JPEG files are kept in the repository.
import math
import os
import random

from PIL import Image, ImageDraw, ImageFont

FONTS = "/usr/share/fonts/truetype/dejavu/"
W, H = 300, 420


def font(name, size):
    return ImageFont.truetype(FONTS + name, size)


def gradient(top, bottom):
    image = Image.new("RGB", (W, H))
    draw = ImageDraw.Draw(image)
    for y in range(H):
        t = y / (H - 1)
        draw.line([(0, y), (W, y)], fill=tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)))
    return image


def waves(draw, colour, rows):
    for row in range(rows):
        y0 = 250 + row * 22
        points = [(x, y0 + 8 * math.sin(x / 18 + row)) for x in range(0, W + 1, 4)]
        draw.line(points, fill=colour, width=3)


def stars(draw, colour, count, seed):
    rng = random.Random(seed)
    for _ in range(count):
        x, y, r = rng.randrange(W), rng.randrange(60, 300), rng.choice([1, 1, 2, 3])
        draw.ellipse([x - r, y - r, x + r, y + r], fill=colour)


def gears(draw, colour):
    for cx, cy, r in [(90, 200, 55), (185, 250, 38), (220, 160, 28)]:
        for k in range(12):
            a = k * math.pi / 6
            draw.line([(cx, cy), (cx + (r + 10) * math.cos(a), cy + (r + 10) * math.sin(a))], fill=colour, width=9)
        draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=colour)
        draw.ellipse([cx - r / 3, cy - r / 3, cx + r / 3, cy + r / 3], fill=(40, 30, 25))


def cover(path, series, title, volume, publisher, top, bottom, motif, ink=(255, 255, 255)):
    image = gradient(top, bottom)
    draw = ImageDraw.Draw(image)
    motif(draw)
    draw.rectangle([0, 0, W, 56], fill=(20, 20, 28))
    draw.text((W / 2, 28), series, font=font("DejaVuSerif-Bold.ttf", 21 if len(series) < 22 else 16),
              fill=(245, 225, 160), anchor="mm")
    draw.ellipse([W - 62, 66, W - 12, 116], fill=(20, 20, 28))
    draw.text((W - 37, 91), str(volume), font=font("DejaVuSans-Bold.ttf", 26), fill=(245, 225, 160), anchor="mm")
    lines = [""]
    for word in title.split():  # the title on lines of about 16 characters
        if lines[-1] and len(lines[-1]) + 1 + len(word) > 16:
            lines.append("")
        lines[-1] = (lines[-1] + " " + word).strip()
    for i, line in enumerate(lines):
        draw.text((W / 2, 340 + i * 28 - 14 * (len(lines) - 1)), line, font=font("DejaVuSans-Bold.ttf", 24),
                  fill=ink, anchor="mm", stroke_width=2, stroke_fill=(20, 20, 28))
    draw.text((W / 2, 405), publisher, font=font("DejaVuSans.ttf", 12), fill=ink, anchor="mm")
    image.save(path, quality=85)


def island_map(path):
    image = Image.new("RGB", (W, H), (222, 205, 160))
    draw = ImageDraw.Draw(image)
    coast = [(150 + (95 + 25 * math.sin(5 * a)) * math.cos(a), 200 + (140 + 20 * math.cos(3 * a)) * math.sin(a))
             for a in [k * math.pi / 60 for k in range(120)]]
    draw.polygon(coast, fill=(150, 170, 110), outline=(90, 70, 40))
    for x, y, name in [(120, 150, "Chapelle"), (180, 260, "Phare"), (140, 210, "Bourg")]:
        draw.ellipse([x - 4, y - 4, x + 4, y + 4], fill=(120, 30, 30))
        draw.text((x + 8, y), name, font=font("DejaVuSerif-Italic.ttf", 14), fill=(60, 40, 20), anchor="lm")
    draw.text((W / 2, 30), "Île de Kerlann", font=font("DejaVuSerif-Bold.ttf", 22), fill=(60, 40, 20), anchor="mm")
    image.save(path, quality=85)


here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "images")
cover(os.path.join(here, "Brumes de Kerlann 1.jpg"), "Les Brumes de Kerlann", "Le Sonneur de la baie", 1,
      "Éditions du Phare Bleu", (70, 90, 120), (20, 40, 60), lambda d: waves(d, (150, 180, 200), 4))
cover(os.path.join(here, "Capitaine Orphée 1.jpg"), "Capitaine Orphée", "Cap sur les Açores", 1,
      "Maison Coquelicot", (250, 190, 90), (40, 110, 160), lambda d: waves(d, (230, 240, 250), 3))
cover(os.path.join(here, "Héritage des Valmorel 1.jpg"), "L'Héritage des Valmorel", "1789 – La Lettre scellée", 1,
      "Éditions du Phare Bleu", (120, 40, 40), (40, 20, 20), lambda d: gears(d, (170, 120, 60)))
cover(os.path.join(here, "Station Ombrelune 1.jpg"), "Station Ombrelune", "Quarantaine orbitale", 1,
      "Éditions Nébuleuse", (10, 10, 40), (60, 20, 90), lambda d: stars(d, (255, 255, 220), 90, 7))
cover(os.path.join(here, "Zéphyrine 1.jpg"), "Zéphyrine et le dragon de poche", "Un dragon dans mon cartable", 1,
      "Les Ateliers Mirabeau", (140, 220, 140), (250, 240, 170), lambda d: stars(d, (255, 120, 90), 40, 3),
      ink=(255, 250, 235))
cover(os.path.join(here, "Copper Sentinel 1.jpg"), "The Copper Sentinel", "Rust and Thunder", 1,
      "Lanternfish Comics", (200, 110, 50), (50, 30, 25), lambda d: gears(d, (230, 150, 80)))
cover(os.path.join(here, "Hoshikuzu Ramen-ya 1.jpg"), "Hoshikuzu Ramen-ya", "Un bol sous les étoiles", 1,
      "Hanabi Éditions", (30, 30, 70), (200, 80, 60), lambda d: stars(d, (255, 230, 120), 60, 11))
island_map(os.path.join(here, "Kerlann carte.jpg"))
