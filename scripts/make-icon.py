#!/usr/bin/env python3
"""Draws the program icon station/res/orva.ico from the vector design below.

The icon is drawn, not scaled: at 150-200 % display scaling Windows picks the
20, 24, 40, 64 or 256 pixel image, and a stretched 48 blurs. Every size is
drawn with anti-aliasing (coverage from supersampling); the small ones have
their edges and line widths on whole pixels, and the 16 pixel wave is drawn
one pixel wide on the pixel grid, so it stays a line instead of a grey smear.

Regenerate the icon (after a change to the design) with:
    python3 scripts/make-icon.py
Check that the committed icon is what this script draws (exit 1 if not):
    python3 scripts/make-icon.py --check [ICON]

Standard library only, so any machine with Python 3 can regenerate it.
"""
import math
import os
import struct
import sys
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
ICON = os.path.join(ROOT, 'station', 'res', 'orva.ico')
# 16-64 as 32-bit DIBs that Windows XP reads; 256 as PNG for Vista and later.
SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
PNG_FROM = 256

BLUE = (0x1F, 0x5F, 0xBF)
WHITE = (0xFF, 0xFF, 0xFF)
ORANGE = (0xFF, 0xB0, 0x30)

# The design on a 48 unit grid: a blue rounded square filling the icon, one
# period of a white sine wave (crest first) and an orange bar below it.
GRID = 48.0
CORNER = 9.0
WAVE_LEFT = 6.5           # centre line's ends; the round caps reach past them
WAVE_TOP = 5.0            # outer edge of the crest
WAVE_STROKE = 4.5
WAVE_BAR_GAP = 1.5        # between the trough's outer edge and the bar
BAR_LEFT = 6.0
BAR_BOTTOM = 41.5
BAR_HEIGHT = 4.0


def rnd(v):
    return int(math.floor(v + 0.5))


def layout(size):
    """Pixel geometry for one size. Up to 64 pixels every edge that runs
    along the grid (bar, crest and trough, stroke width, corner radius) is
    put on whole pixels, so those edges are sharp instead of half-covered."""
    k = size / GRID
    snap = rnd if size <= 64 else (lambda v: v)
    g = {'size': size}
    g['corner'] = snap(CORNER * k)
    bar_bottom = snap(BAR_BOTTOM * k)
    bar_height = max(1, snap(BAR_HEIGHT * k))
    g['bar'] = (snap(BAR_LEFT * k), bar_bottom - bar_height,
                size - snap(BAR_LEFT * k), bar_bottom)
    # At 16 the design's 1.5 pixels would round to 2, and a 2 pixel wave
    # leaves the crest almost no inside: one pixel there.
    stroke = 1 if size < 20 else max(1, snap(WAVE_STROKE * k))
    g['stroke'] = stroke
    top = snap(WAVE_TOP * k)
    bottom = g['bar'][1] - max(1, snap(WAVE_BAR_GAP * k))
    hi, lo = top + stroke / 2.0, bottom - stroke / 2.0
    g['wave_y'] = (hi + lo) / 2.0
    g['amplitude'] = (lo - hi) / 2.0
    g['wave_x'] = (snap(WAVE_LEFT * k), size - snap(WAVE_LEFT * k))
    g['pixel_wave'] = size < 20
    return g


def wave_y(g, x):
    x0, x1 = g['wave_x']
    return g['wave_y'] - g['amplitude'] * math.sin(2 * math.pi * (x - x0) / (x1 - x0))


def rounded_square_cover(g, n=8):
    """Coverage of the rounded square; only pixels near a corner are not 1."""
    s, r = g['size'], g['corner']
    cover = [[1.0] * s for _ in range(s)]
    if r <= 0:
        return cover
    for y in range(s):
        for x in range(s):
            # The four corners are mirror images: work in the top left one.
            cx, cy = min(x, s - 1 - x), min(y, s - 1 - y)
            if cx >= r or cy >= r:
                continue
            hit = 0
            for j in range(n):
                for i in range(n):
                    px, py = cx + (i + 0.5) / n, cy + (j + 0.5) / n
                    dx, dy = max(r - px, 0.0), max(r - py, 0.0)
                    hit += dx * dx + dy * dy <= r * r
            cover[y][x] = hit / (n * n)
    return cover


def bar_cover(g):
    """Exact area of the bar in each pixel (edges are whole pixels up to 64)."""
    s = g['size']
    x0, y0, x1, y1 = g['bar']
    cover = [[0.0] * s for _ in range(s)]
    for y in range(int(y0), min(s, int(math.ceil(y1)))):
        oy = min(y + 1, y1) - max(y, y0)
        for x in range(int(x0), min(s, int(math.ceil(x1)))):
            cover[y][x] = oy * (min(x + 1, x1) - max(x, x0))
    return cover


def pixel_wave_cover(g):
    """The wave one pixel wide on the pixel grid: a row per column at the
    curve's height, and where the curve drops more than a row between two
    columns, the rows between are shared out to the two, so the line is
    connected and every pixel of it is fully white. The odd row goes to the
    column farther from the centre line, which keeps the crest and the trough
    mirror images of each other."""
    s = g['size']
    x0, x1 = g['wave_x']
    mid = g['wave_y']
    # One column past either end, so the ends bend towards the centre line.
    cols = list(range(x0 - 1, x1 + 1))
    rows = [int(math.floor(wave_y(g, c + 0.5))) for c in cols]
    lo, hi = rows[:], rows[:]
    for i in range(len(cols) - 1):
        d = rows[i + 1] - rows[i]
        gap = abs(d) - 1
        if gap <= 0:
            continue
        far_i = abs(rows[i] + 0.5 - mid) >= abs(rows[i + 1] + 0.5 - mid)
        mine = gap // 2 + (gap % 2 if far_i else 0)
        theirs = gap - mine
        step = 1 if d > 0 else -1
        for j, reach, sign in ((i, mine, step), (i + 1, theirs, -step)):
            end = rows[j] + sign * reach
            lo[j], hi[j] = min(lo[j], end), max(hi[j], end)
    cover = [[0.0] * s for _ in range(s)]
    for i in range(1, len(cols) - 1):
        for y in range(lo[i], hi[i] + 1):
            cover[y][cols[i]] = 1.0
    return cover


def stroke_cover(g, n):
    """Coverage of the wave as a stroke of the given width with round caps:
    n x n samples per pixel, each inside when it is within half the width of
    the centre line (a polyline of half pixel steps, within 0.03 of a pixel
    of the sine at 20 and closer at the larger sizes)."""
    s = g['size']
    x0, x1 = g['wave_x']
    half = g['stroke'] / 2.0
    steps = max(8, int(math.ceil(x1 - x0)) * 2)
    pts = [(x0 + (x1 - x0) * i / steps, 0.0) for i in range(steps + 1)]
    pts = [(x, wave_y(g, x)) for x, _ in pts]
    segs = []
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        dx, dy = bx - ax, by - ay
        segs.append((ax, ay, dx, dy, dx * dx + dy * dy))
    seg_w = (x1 - x0) / steps

    def dist2(px, py, lo, hi):
        best = float('inf')
        for ax, ay, dx, dy, ll in segs[lo:hi]:
            t = ((px - ax) * dx + (py - ay) * dy) / ll
            t = 0.0 if t < 0 else 1.0 if t > 1 else t
            ex, ey = px - ax - t * dx, py - ay - t * dy
            d = ex * ex + ey * ey
            if d < best:
                best = d
        return best

    def window(px, reach):
        lo = int(math.floor((px - reach - x0) / seg_w)) - 1
        hi = int(math.ceil((px + reach - x0) / seg_w)) + 1
        return max(0, lo), min(len(segs), hi)

    cover = [[0.0] * s for _ in range(s)]
    ys = [y for _, y in pts]
    top = max(0, int(math.floor(min(ys) - half - 1)))
    bottom = min(s, int(math.ceil(max(ys) + half + 1)))
    left = max(0, int(math.floor(x0 - half - 1)))
    right = min(s, int(math.ceil(x1 + half + 1)))
    edge = 0.75  # a pixel's corners are within 0.71 of its centre
    for y in range(top, bottom):
        for x in range(left, right):
            lo, hi = window(x + 0.5, half + edge)
            d = math.sqrt(dist2(x + 0.5, y + 0.5, lo, hi))
            if d <= half - edge:
                cover[y][x] = 1.0
            elif d < half + edge:
                hit = 0
                for j in range(n):
                    for i in range(n):
                        px, py = x + (i + 0.5) / n, y + (j + 0.5) / n
                        hit += dist2(px, py, lo, hi) <= half * half
                cover[y][x] = hit / (n * n)
    return cover


def render(size):
    """RGBA rows, top row first, straight (not premultiplied) alpha."""
    g = layout(size)
    square = rounded_square_cover(g)
    bar = bar_cover(g)
    wave = pixel_wave_cover(g) if g['pixel_wave'] else \
        stroke_cover(g, 8 if size <= 64 else 4)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            alpha = rnd(255 * square[y][x])
            if alpha == 0:  # black where the mask makes it transparent
                row.append((0, 0, 0, 0))
                continue
            c = BLUE
            for paint, cov in ((WHITE, wave[y][x]), (ORANGE, bar[y][x])):
                if cov > 0:
                    c = tuple(c[i] + (paint[i] - c[i]) * min(cov, 1.0) for i in range(3))
            row.append(tuple(rnd(v) for v in c) + (alpha,))
        rows.append(row)
    return rows


def dib_entry(size, rows):
    """BITMAPINFOHEADER (height doubled for the mask), BGRA rows bottom-up,
    then the 1-bit AND mask (set where the pixel is fully transparent)."""
    head = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                       size * size * 4, 0, 0, 0, 0)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows)
                      for r, g, b, a in row)
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return head + pixels + bytes(mask)


def png_bytes(width, height, rows):
    """8-bit RGBA PNG; each row filtered the way that leaves the least to
    compress (the usual sum-of-differences rule)."""
    raw = bytearray()
    prev = bytes(width * 4)
    for row in rows:
        cur = bytes(v for p in row for v in p)
        best = None
        for ft in range(5):
            out = bytearray(len(cur))
            for i, v in enumerate(cur):
                a = cur[i - 4] if i >= 4 else 0
                b = prev[i]
                c = prev[i - 4] if i >= 4 else 0
                if ft == 0:
                    pred = 0
                elif ft == 1:
                    pred = a
                elif ft == 2:
                    pred = b
                elif ft == 3:
                    pred = (a + b) // 2
                else:
                    pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                    pred = a if pa <= pb and pa <= pc else b if pb <= pc else c
                out[i] = (v - pred) & 0xFF
            score = sum(v if v < 128 else 256 - v for v in out)
            if best is None or score < best[0]:
                best = (score, ft, out)
        raw.append(best[1])
        raw += best[2]
        prev = cur

    def chunk(tag, data):
        return (struct.pack('>I', len(data)) + tag + data +
                struct.pack('>I', zlib.crc32(tag + data) & 0xFFFFFFFF))
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def png_pixels(data):
    """Decodes the PNGs this script writes (8-bit RGBA, not interlaced)."""
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('no PNG signature')
    pos, idat, head = 8, b'', None
    while pos < len(data):
        n, tag = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if tag == b'IHDR':
            head = struct.unpack('>IIBBBBB', body)
        elif tag == b'IDAT':
            idat += body
        pos += 12 + n
    if head is None or head[2:] != (8, 6, 0, 0, 0):
        raise ValueError('not an 8-bit RGBA PNG')
    w, h = head[0], head[1]
    raw, stride = zlib.decompress(idat), w * 4
    prev, out = bytearray(stride), []
    for y in range(h):
        ft, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prev[i]
            c = prev[i - 4] if i >= 4 else 0
            if ft == 1:
                line[i] = (line[i] + a) & 0xFF
            elif ft == 2:
                line[i] = (line[i] + b) & 0xFF
            elif ft == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif ft == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        out.append(bytes(line))
        prev = line
    return w, h, b''.join(out)


def build():
    """{size: entry bytes} for every size."""
    entries = {}
    for size in SIZES:
        rows = render(size)
        entries[size] = png_bytes(size, size, rows) if size >= PNG_FROM else dib_entry(size, rows)
    return entries


def ico_bytes(entries):
    sizes = sorted(entries)
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size in sizes:
        dim = 0 if size >= 256 else size  # 0 stands for 256 in a byte
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(entries[size]), offset)
        offset += len(entries[size])
    return out + b''.join(entries[s] for s in sizes)


def read_ico(data):
    """{size: entry bytes} of an icon file; ValueError on a malformed one."""
    if len(data) < 6:
        raise ValueError('shorter than an icon header')
    reserved, kind, count = struct.unpack('<HHH', data[:6])
    if reserved != 0 or kind != 1:
        raise ValueError('not an icon file')
    if len(data) < 6 + 16 * count:
        raise ValueError('directory runs past the end of the file')
    entries = {}
    for i in range(count):
        w, h, _, _, planes, bpp, length, offset = struct.unpack(
            '<BBBBHHII', data[6 + 16 * i:22 + 16 * i])
        w, h = w or 256, h or 256
        if w != h:
            raise ValueError('entry %d is %dx%d, not square' % (i, w, h))
        if offset < 6 + 16 * count or offset + length > len(data):
            raise ValueError('%dx%d entry lies outside the file' % (w, w))
        if w in entries:
            raise ValueError('%dx%d appears twice' % (w, w))
        body = data[offset:offset + length]
        if body[:8] == b'\x89PNG\r\n\x1a\n':
            if struct.unpack('>II', body[16:24]) != (w, w):
                raise ValueError('%dx%d entry holds a PNG of another size' % (w, w))
        else:
            head = struct.unpack('<IiiHHI', body[:20]) if len(body) >= 40 else None
            want = 40 + w * w * 4 + (w + 31) // 32 * 4 * w
            if head != (40, w, 2 * w, 1, 32, 0) or length != want:
                raise ValueError('%dx%d entry is not a 32-bit DIB of %d bytes' % (w, w, want))
        entries[w] = body
    return entries


def check(path):
    """One line on what is wrong with the icon at path, or None."""
    try:
        with open(path, 'rb') as f:
            data = f.read()
    except OSError as e:
        return 'cannot read %s: %s' % (path, e.strerror)
    try:
        found = read_ico(data)
    except ValueError as e:
        return '%s: %s' % (path, e)
    missing = [s for s in SIZES if s not in found]
    if missing:
        return '%s lacks the size%s %s' % (path, 's' if len(missing) > 1 else '',
                                           ', '.join('%dx%d' % (s, s) for s in missing))
    extra = [s for s in found if s not in SIZES]
    if extra:
        return '%s has a size this script does not draw: %s' % (
            path, ', '.join('%dx%d' % (s, s) for s in sorted(extra)))
    made = build()
    for size in SIZES:
        have, want = found[size], made[size]
        if have == want:
            continue
        if size >= PNG_FROM:
            # Another zlib may pack the same pixels differently: compare pixels.
            if have[:8] != b'\x89PNG\r\n\x1a\n':
                return '%s: the %dx%d entry is not a PNG' % (path, size, size)
            try:
                if png_pixels(have) == png_pixels(want):
                    made[size] = have
                    continue
            except (ValueError, zlib.error) as e:
                return '%s: the %dx%d PNG cannot be read: %s' % (path, size, size, e)
        return ('%s: the %dx%d image differs from what scripts/make-icon.py draws; '
                'regenerate with python3 scripts/make-icon.py' % (path, size, size))
    if data != ico_bytes(made):
        return '%s: its directory differs from what scripts/make-icon.py writes' % path
    return None


def shown(path):
    """The icon's own path relative to the work tree, others as given."""
    return os.path.relpath(ICON, ROOT) if os.path.abspath(path) == ICON else path


def main(argv):
    if argv[:1] == ['--check']:
        if len(argv) > 2:
            sys.exit('usage: make-icon.py [--check [ICON]]')
        path = argv[1] if len(argv) == 2 else ICON
        why = check(path)
        why = why and why.replace(path, shown(path))
        if why:
            print('icon check failed: ' + why)
            return 1
        print('icon check: %s holds %s, as drawn' % (
            shown(path), ', '.join(str(s) for s in SIZES)))
        return 0
    if argv:
        sys.exit('usage: make-icon.py [--check [ICON]]')
    data = ico_bytes(build())
    with open(ICON, 'wb') as f:
        f.write(data)
    print('wrote %s: %d bytes, sizes %s' % (shown(ICON), len(data), ', '.join(str(s) for s in SIZES)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
