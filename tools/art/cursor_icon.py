"""The hand cursor of the help link (group 120) and the program icon (MAINICON)."""
import math

from .canvas import clamp, ramp
from . import palette as P
from .scale import Scale

HAND_HOT_SPOT = (13, 10)
GLINT = [(0.0, (255, 252, 236)), (0.35, P.GOLD_LIGHT), (1.0, (232, 170, 52))]


def _hand_inside(x, y):
    fingers = [(12, 15, 11), (17, 20, 16), (22, 25, 17), (27, 29, 19)]   # left, right, top row
    for left, right, top in fingers:
        if left <= x <= right and top <= y <= 23:
            tip = y == top and (x == left or x == right)
            return not tip
    if 12 <= x <= 29 and 22 <= y <= 27:
        return True
    if 13 <= x <= 28 and y == 28:
        return True
    if 14 <= x <= 27 and 29 <= y <= 30:
        return True
    thumb = {19: (5, 7), 20: (5, 8), 21: (6, 11), 22: (7, 11), 23: (8, 11), 24: (9, 11),
             25: (10, 11), 26: (11, 11)}
    return y in thumb and thumb[y][0] <= x <= thumb[y][1]


def hand_rows(s=Scale()):
    """32 x 32 rows (at 100 %) of ' ' (transparent), '#' (black outline) and '.' (white fill).
    The outline stays one pixel wide at every scale."""
    size = s(32)

    def inside(x, y):
        return 0 <= x < size and 0 <= y < size and _hand_inside(s.cell(x), s.cell(y))

    rows = []
    for y in range(size):
        row = ''
        for x in range(size):
            if inside(x, y):
                row += '.'
            elif any(inside(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                row += '#'
            else:
                row += ' '
        rows.append(row)
    # A line across the wrist sets the cuff off from the hand.
    wrist = s(28)
    rows[wrist] = rows[wrist][:s(13)] + '#' * (s(29) - s(13)) + rows[wrist][s(29):]
    return rows


def hand_hot_spot(s=Scale()):
    return s(HAND_HOT_SPOT[0]), s(HAND_HOT_SPOT[1])


def _star_inside(x, y, cx, cy, r):
    return math.sqrt(abs(x - cx)) + math.sqrt(abs(y - cy)) <= math.sqrt(r)


def _rounded_inside(x, y, size, inset, radius):
    lo, hi = inset, size - inset
    nx = min(max(x, lo + radius), hi - radius)
    ny = min(max(y, lo + radius), hi - radius)
    return lo <= x <= hi and lo <= y <= hi and math.hypot(x - nx, y - ny) <= radius


def icon_image(size, samples=4):
    """Rows of (r, g, b, a): a blue tile with a gold rim and a large and a small glint."""
    inset = 0.5 if size <= 16 else size / 32.0
    radius = size * 0.2
    rim = max(1.0, size / 24.0)
    big = (size * 0.44, size * 0.56, size * 0.40)
    small = (size * 0.76, size * 0.25, size * 0.17)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            cover = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = px + (sx + 0.5) / samples
                    y = py + (sy + 0.5) / samples
                    if not _rounded_inside(x, y, size, inset, radius):
                        continue
                    cover += 1
                    if not _rounded_inside(x, y, size, inset + rim, radius - rim):
                        colour = P.GOLD
                    elif _star_inside(x, y, *big) or _star_inside(x, y, *small):
                        cx, cy, r = big if _star_inside(x, y, *big) else small
                        d = math.hypot(x - cx, y - cy) / r
                        colour = ramp(GLINT, d)
                    else:
                        colour = ramp([(0.0, (34, 62, 142)), (1.0, (12, 24, 72))], y / size)
                    for i in range(3):
                        acc[i] += colour[i]
            if cover == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(clamp(v / cover / 255.0) * 255.0 + 0.5) for v in acc) +
                           (int(255.0 * cover / (samples * samples) + 0.5),))
        rows.append(row)
    return rows
