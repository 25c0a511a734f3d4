#!/usr/bin/python3
"""Draws the program's two pictures and its window icon.

Writes picture1.gif (a landscape photograph with a drop shadow),
picture2.gif (the club's name as a banner), tfcc.ico and tfcc.png, the same
icon for the desktop's menus, beside this script.
The landscape grows from a fixed seed, so every run writes the same bytes.
Needs Pillow and the Liberation fonts.

Pillow's own GIF and ICO writers shrink palettes, add extensions and store
PNG inside icons, so the files are put together byte by byte here.
"""

import math
import random
import struct
import zlib
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = Path(__file__).resolve().parent
FONT_DIR = Path("/usr/share/fonts/truetype/liberation")
SEED = 1999

# Everything is drawn this many times larger, then scaled down, for smooth edges.
SCALE = 4

PICTURE1_SIZE = (153, 103)
SHADOW = 4
PHOTO_SIZE = (PICTURE1_SIZE[0] - SHADOW, PICTURE1_SIZE[1] - SHADOW)
WHITE = (255, 255, 255)

BANNER_SIZE = (549, 49)
BANNER_TEXT = "Tamarisk Flats Computer Club"
BANNER_FONT = FONT_DIR / "LiberationSerif-Bold.ttf"
BANNER_OUTLINE = 2
BANNER_SHADOW = 3
BANNER_COLOURS = 32
BANNER_TRANSPARENT = BANNER_COLOURS - 1
# Paler pixels at the letters' edges become see-through rather than a halo.
BANNER_INK = 242

ICON_SIZE = 32


# --- GIF, ICO and PNG writers ---------------------------------------------------

def lzw_encode(indices, min_code_size):
    """Compresses colour indices into the variable-length codes of a GIF."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bits = 0
    nbits = 0

    def emit(code, size):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    def fresh_table():
        return {(i,): i for i in range(clear)}

    table = fresh_table()
    next_code = end + 1
    size = min_code_size + 1
    emit(clear, size)
    run = ()
    for index in indices:
        longer = run + (index,)
        if longer in table:
            run = longer
            continue
        emit(table[run], size)
        if next_code < 4096:
            table[longer] = next_code
            # The decoder's table lags one entry behind ours, so the code
            # width grows only once the new code needs the extra bit.
            if next_code == 1 << size and size < 12:
                size += 1
            next_code += 1
        else:
            emit(clear, size)
            table = fresh_table()
            next_code = end + 1
            size = min_code_size + 1
        run = (index,)
    emit(table[run], size)
    emit(end, size)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def gif_bytes(size, palette, indices, background, transparent=None):
    """One-frame GIF89a with a full global colour table of 2**n entries."""
    count = len(palette)
    depth = count.bit_length() - 1
    assert count == 1 << depth and 2 <= count <= 256
    width, height = size
    assert len(indices) == width * height
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height,
                       0x80 | (depth - 1) << 4 | (depth - 1), background, 0)
    for colour in palette:
        out += bytes(colour)
    if transparent is not None:
        out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, transparent, 0)
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    min_code_size = max(2, depth)
    out.append(min_code_size)
    out += sub_blocks(lzw_encode(indices, min_code_size))
    out.append(0x3B)
    return bytes(out)


def ico_bytes(palette, indices, transparent_columns):
    """A one-image icon: a 256-colour DIB, upside down, and its AND mask."""
    side = ICON_SIZE
    assert len(palette) == 256 and len(indices) == side * side
    pixels = bytearray()
    mask = bytearray()
    for y in reversed(range(side)):
        pixels += bytes(indices[y * side:(y + 1) * side])
        row = 0
        for x in range(side):
            if x in transparent_columns:
                row |= 1 << (side - 1 - x)
        mask += row.to_bytes(side // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, side, 2 * side, 1, 8, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    image = header + colours + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", side, side, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + image


def png_bytes(size, palette, indices, transparent):
    """An 8-bit palette PNG in which one entry is see-through."""
    width, height = size
    assert len(indices) == width * height and transparent < len(palette)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))

    rows = b"".join(b"\0" + bytes(indices[y * width:(y + 1) * width])
                    for y in range(height))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(colour) for colour in palette))
            + chunk(b"tRNS", bytes([255] * transparent + [0]))
            + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


# --- Drawing helpers -------------------------------------------------------

def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def rgb(c):
    return tuple(int(round(clamp(v, 0, 255))) for v in c)


def smooth_noise(rng, size, cells, octaves=4):
    """Fractal value noise in 0..1, one value per pixel, row by row."""
    width, height = size
    total = [0.0] * (width * height)
    amplitude = 1.0
    weight = 0.0
    for octave in range(octaves):
        gw = cells * 2 ** octave + 2
        gh = max(2, round(gw * height / width)) + 1
        grid = Image.new("L", (gw, gh))
        grid.putdata([rng.randrange(256) for _ in range(gw * gh)])
        layer = grid.resize(size, Image.BICUBIC).getdata()
        for i, v in enumerate(layer):
            total[i] += amplitude * v
        weight += amplitude * 255
        amplitude *= 0.5
    return [v / weight for v in total]


def ridge(rng, width, base, height, waves):
    """A hill line: the y of its top edge for every column."""
    phases = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.5, 1.0))
              for _ in range(waves)]
    line = []
    for x in range(width):
        t = x / width
        v = sum(a * math.sin(t * math.pi * (i + 1.3) * 1.7 + p) / (i + 1)
                for i, (p, a) in enumerate(phases))
        line.append(base - height * (0.5 + 0.35 * v))
    return line


def draw_conifer(draw, rng, x, base, h, colour):
    w = h * rng.uniform(0.28, 0.38)
    tiers = rng.randint(3, 5)
    for i in range(tiers):
        top = base - h + h * i / (tiers + 1)
        bottom = base - h * 0.08 + (h * 0.1 * i / tiers) - h * 0.5 * (1 - (i + 1) / tiers)
        half = w * (0.45 + 0.55 * (i + 1) / tiers) / 2
        shade = rgb(mix(colour, (0, 0, 0), 0.12 * (tiers - i) / tiers))
        draw.polygon([(x, top), (x - half, bottom), (x + half, bottom)], fill=shade)
        # Sunlit flank on the left.
        light = rgb(mix(colour, (170, 200, 90), 0.25))
        draw.polygon([(x, top), (x - half, bottom), (x - half * 0.3, bottom)], fill=light)
    draw.rectangle([x - h * 0.02, base - h * 0.1, x + h * 0.02, base], fill=(60, 45, 30))


def draw_broadleaf(draw, rng, x, base, h, colour):
    trunk = (75, 58, 40)
    draw.rectangle([x - h * 0.035, base - h * 0.45, x + h * 0.035, base], fill=trunk)
    crown = h * rng.uniform(0.55, 0.7)
    cy = base - h + crown / 2
    for _ in range(14):
        r = crown * rng.uniform(0.22, 0.36)
        ox = rng.uniform(-0.32, 0.32) * crown
        oy = rng.uniform(-0.3, 0.3) * crown
        lit = clamp(0.5 - (ox + oy) / crown)
        shade = rgb(mix(mix(colour, (0, 20, 0), 0.35), mix(colour, (190, 210, 110), 0.3), lit))
        draw.ellipse([x + ox - r, cy + oy - r, x + ox + r, cy + oy + r], fill=shade)


# --- The landscape ---------------------------------------------------------

def landscape(rng):
    """The photograph at SCALE times its size, without the shadow."""
    w, h = PHOTO_SIZE[0] * SCALE, PHOTO_SIZE[1] * SCALE
    shore = int(h * 0.62)
    img = Image.new("RGB", (w, h))
    px = img.load()

    # Sky: deep blue overhead, hazy near the horizon, with fair-weather clouds.
    top, horizon = (38, 92, 182), (196, 216, 232)
    clouds = smooth_noise(rng, (w, shore), 3, octaves=5)
    for y in range(shore):
        t = y / shore
        base = mix(top, horizon, t ** 0.8)
        band = clamp(1 - abs(t - 0.33) / 0.38)
        for x in range(w):
            d = clouds[y * w + x]
            cover = clamp((d - 0.5) * 6 * band)
            if cover:
                below = clouds[min(shore - 1, y + 6) * w + x]
                lit = clamp(0.75 + (d - below) * 9)
                cloud = mix((150, 160, 182), (252, 252, 250), lit)
                px[x, y] = rgb(mix(base, cloud, cover))
            else:
                px[x, y] = rgb(base)

    # Distant hills, paler the further away they are; woods dapple the near one.
    draw = ImageDraw.Draw(img)
    woods = smooth_noise(rng, (w, shore), 20, octaves=3)
    ranges = [
        (ridge(rng, w, shore - 14 * SCALE, 28 * SCALE, 4), (128, 146, 176), (150, 164, 192), 0.2),
        (ridge(rng, w, shore - 3 * SCALE, 26 * SCALE, 5), (62, 96, 80), (98, 124, 124), 0.6),
    ]
    for line, near, far, texture in ranges:
        for x in range(w):
            for y in range(max(0, int(line[x])), shore):
                t = clamp((y - line[x]) / (24 * SCALE))
                colour = mix(far, near, t)
                shade = (woods[y * w + x] - 0.5) * 2 * texture
                px[x, y] = rgb(mix(colour, (30, 60, 40) if shade > 0 else (160, 178, 170), abs(shade)))

    # Far shore: a band of trees along the water.
    greens = [(44, 88, 40), (56, 102, 46), (38, 76, 44), (70, 110, 50), (50, 92, 58)]
    x = -4 * SCALE
    while x < w + 4 * SCALE:
        hgt = rng.uniform(7, 13) * SCALE
        colour = rgb(mix(rng.choice(greens), (120, 140, 140), 0.25))
        if rng.random() < 0.55:
            draw_conifer(draw, rng, x, shore + SCALE, hgt, colour)
        else:
            draw_broadleaf(draw, rng, x, shore + SCALE, hgt * 0.9, colour)
        x += rng.uniform(2.5, 5) * SCALE

    # A wooded point on the right, nearer and taller.
    for _ in range(30):
        x = rng.uniform(0.70, 1.05) * w
        hgt = lerp(16, 38, clamp((x / w - 0.66) / 0.34)) * SCALE * rng.uniform(0.75, 1.1)
        colour = rgb(mix(rng.choice(greens), (16, 34, 18), rng.uniform(0, 0.45)))
        if rng.random() < 0.4:
            draw_conifer(draw, rng, x, shore + 2 * SCALE, hgt, colour)
        else:
            draw_broadleaf(draw, rng, x, shore + 2 * SCALE, hgt, colour)

    # A thin strip of sand and grass where the trees meet the water.
    for x in range(w):
        sand = mix((128, 120, 84), (92, 104, 60), woods[shore // 2 * w + x])
        for y in range(shore - SCALE // 2, shore + SCALE):
            px[x, y] = rgb(mix(sand, (0, 0, 0), 0.1 * (y - shore) / SCALE))

    # Water: the scene mirrored, softened, darker and greener, broken by ripples.
    ripples = smooth_noise(rng, (w, h - shore), 10, octaves=3)
    water = (30, 64, 86)
    mirror = img.filter(ImageFilter.GaussianBlur(SCALE * 0.6)).load()
    for y in range(shore + SCALE, h):
        depth = (y - shore) / (h - shore)
        for x in range(w):
            r = ripples[(y - shore) * w + x]
            wave = math.sin(y * (0.6 + depth) / SCALE * 2 + r * 12)
            sx = int(clamp(x + wave * SCALE * (0.4 + 1.2 * depth), 0, w - 1))
            sy = int(clamp(2 * shore - y + wave * SCALE * 0.6, 0, shore - 1))
            colour = mix(mirror[sx, sy], water, 0.25 + 0.4 * depth)
            # Sky glints on the crests.
            if wave > 0.97 and r > 0.55:
                colour = mix(colour, (200, 216, 230), 0.3)
            px[x, y] = rgb(colour)
    return img


def grain(rng, photo):
    """A little film grain, as in a scanned print."""
    noisy = [tuple(int(clamp(v + rng.gauss(0, 2), 0, 255)) for v in p)
             for p in photo.getdata()]
    out = Image.new("RGB", photo.size)
    out.putdata(noisy)
    return out


def with_shadow(photo):
    """Puts the photo on white with a soft grey shadow to its lower right."""
    w, h = PICTURE1_SIZE
    mask = Image.new("L", (w * SCALE, h * SCALE), 0)
    ImageDraw.Draw(mask).rectangle(
        [SHADOW * SCALE, SHADOW * SCALE, w * SCALE - 1, h * SCALE - 1], fill=255)
    mask = mask.filter(ImageFilter.GaussianBlur(SCALE * 1.2)).resize((w, h), Image.BOX)
    # A few flat greys keep the shadow from eating palette entries.
    mask = mask.point(lambda v: round(v / 255 * 4) * 255 // 4)
    picture = Image.new("RGB", (w, h), WHITE)
    picture.paste(Image.new("RGB", (w, h), (128, 128, 128)), (0, 0), mask)
    picture.paste(photo, (0, 0))
    return picture


def picture1_indexed(picture):
    """Exactly 256 distinct colours, every one of them used by some pixel."""
    w, h = PICTURE1_SIZE
    pw, ph = PHOTO_SIZE
    fixed = sorted({picture.getpixel((x, y)) for y in range(h) for x in range(w)
                    if x >= pw or y >= ph}, reverse=True)
    slots = 256 - len(fixed)
    photo = picture.crop((0, 0, pw, ph))
    quantized = photo.quantize(slots, Image.Quantize.MEDIANCUT,
                               dither=Image.Dither.FLOYDSTEINBERG)
    raw = quantized.getpalette()
    colours = [tuple(raw[i:i + 3]) for i in range(0, 3 * slots, 3)]
    pixels = list(photo.getdata())
    indices = list(quantized.getdata())
    users = [0] * slots
    for i in indices:
        users[i] += 1

    # Two entries of one colour would make the palette ambiguous.
    taken = set(fixed)
    for i in range(slots):
        if users[i]:
            while colours[i] in taken:
                colours[i] = colours[i][:2] + (colours[i][2] ^ 1,)
            taken.add(colours[i])

    # Entries the quantizer left unused take the colours it matched worst.
    spare = [i for i in range(slots) if not users[i]]
    def error(p):
        return sum((a - b) ** 2 for a, b in zip(pixels[p], colours[indices[p]]))
    for p in sorted(range(len(pixels)), key=lambda p: (-error(p), p)):
        if not spare:
            break
        if pixels[p] in taken or users[indices[p]] < 2:
            continue
        users[indices[p]] -= 1
        indices[p] = spare.pop(0)
        colours[indices[p]] = pixels[p]
        taken.add(pixels[p])

    palette = colours + fixed
    full = []
    for y in range(h):
        for x in range(w):
            if x < pw and y < ph:
                full.append(indices[y * pw + x])
            else:
                full.append(palette.index(picture.getpixel((x, y))))
    assert len(set(palette)) == 256 and len(set(full)) == 256, "unused colours"
    return palette, full


def icon_indexed(photo):
    """A detail of the landscape; index 0 is black, behind the clear edges."""
    fw, fh = photo.size
    # Where the wooded point meets its reflection.
    left, top, width = int(fw * 0.62), int(fh * 0.36), int(fw * 0.26)
    box = (left, top, left + width, top + width * ICON_SIZE // (ICON_SIZE - 2))
    detail = photo.crop(box).resize((ICON_SIZE - 2, ICON_SIZE), Image.LANCZOS)
    quantized = detail.quantize(255, Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    raw = quantized.getpalette()
    raw += [0] * (3 * 255 - len(raw))
    palette = [(0, 0, 0)] + [tuple(raw[i:i + 3]) for i in range(0, 3 * 255, 3)]
    inner = list(quantized.getdata())
    indices = []
    for y in range(ICON_SIZE):
        indices.append(0)
        indices += [1 + inner[y * (ICON_SIZE - 2) + x] for x in range(ICON_SIZE - 2)]
        indices.append(0)
    return palette, indices


# --- The banner ------------------------------------------------------------

def banner_font():
    """The largest size at which the outlined, shadowed name fits."""
    width, height = BANNER_SIZE
    size = 10 * SCALE
    while True:
        font = ImageFont.truetype(str(BANNER_FONT), size + 1)
        left, top, right, bottom = font.getbbox(BANNER_TEXT)
        extra = (2 * BANNER_OUTLINE + BANNER_SHADOW + 2) * SCALE
        if right - left + extra > width * SCALE or bottom - top + extra > height * SCALE:
            return ImageFont.truetype(str(BANNER_FONT), size)
        size += 1


def banner():
    width, height = BANNER_SIZE
    font = banner_font()
    left, top, right, bottom = font.getbbox(BANNER_TEXT)
    text_w = right - left + (2 * BANNER_OUTLINE + BANNER_SHADOW) * SCALE
    text_h = bottom - top + (2 * BANNER_OUTLINE + BANNER_SHADOW) * SCALE
    x = (width * SCALE - text_w) // 2 - left + BANNER_OUTLINE * SCALE
    y = (height * SCALE - text_h) // 2 - top + BANNER_OUTLINE * SCALE
    big = Image.new("RGB", (width * SCALE, height * SCALE), WHITE)
    draw = ImageDraw.Draw(big)
    stroke = BANNER_OUTLINE * SCALE
    offset = BANNER_SHADOW * SCALE
    draw.text((x + offset, y + offset), BANNER_TEXT, font=font, fill=(128, 128, 128),
              stroke_width=stroke, stroke_fill=(128, 128, 128))
    draw.text((x, y), BANNER_TEXT, font=font, fill=(255, 230, 0),
              stroke_width=stroke, stroke_fill=(0, 40, 190))
    return big.resize(BANNER_SIZE, Image.LANCZOS)


def banner_indexed(picture):
    """31 colours for the letters; the last entry is white, the see-through one."""
    pixels = list(picture.getdata())
    ink = [c for c in pixels if min(c) < BANNER_INK]
    strip = Image.new("RGB", (len(ink), 1))
    strip.putdata(ink)
    quantized = strip.quantize(BANNER_TRANSPARENT, Image.Quantize.MEDIANCUT,
                               dither=Image.Dither.NONE)
    raw = quantized.getpalette()
    raw += [0] * (3 * BANNER_TRANSPARENT - len(raw))
    palette = [tuple(raw[i:i + 3]) for i in range(0, 3 * BANNER_TRANSPARENT, 3)]
    palette.append(WHITE)
    letters = iter(quantized.getdata())
    indices = [next(letters) if min(c) < BANNER_INK else BANNER_TRANSPARENT
               for c in pixels]
    assert WHITE not in palette[:BANNER_TRANSPARENT]
    return palette, indices


def main():
    rng = random.Random(SEED)
    big_photo = landscape(rng)
    photo = grain(rng, big_photo.resize(PHOTO_SIZE, Image.LANCZOS))

    palette, indices = picture1_indexed(with_shadow(photo))
    white = palette.index(WHITE)
    (HERE / "picture1.gif").write_bytes(gif_bytes(PICTURE1_SIZE, palette, indices, white))

    palette, indices = banner_indexed(banner())
    (HERE / "picture2.gif").write_bytes(gif_bytes(
        BANNER_SIZE, palette, indices, BANNER_TRANSPARENT, BANNER_TRANSPARENT))

    palette, indices = icon_indexed(big_photo)
    (HERE / "tfcc.ico").write_bytes(ico_bytes(palette, indices, {0, ICON_SIZE - 1}))
    # Launchers and docks show PNG icons only; index 0 fills just the clear edges.
    (HERE / "tfcc.png").write_bytes(png_bytes((ICON_SIZE, ICON_SIZE), palette, indices, 0))


if __name__ == "__main__":
    main()
