"""Stroke outlines of the lower-case product name, for the large smooth title on the skin."""
import math

# Units: cap height 10, x-height 7, baseline at y = 10 (y grows downwards).


def _arc(cx, cy, rx, ry, start, end, steps=24):
    """Segments along an elliptic arc from angle start to end in degrees (0 = right, 90 = up)."""
    points = []
    for i in range(steps + 1):
        a = math.radians(start + (end - start) * i / steps)
        points.append((cx + rx * math.cos(a), cy - ry * math.sin(a)))
    return [(ax, ay, bx, by) for (ax, ay), (bx, by) in zip(points, points[1:])]


def _line(ax, ay, bx, by):
    return [(ax, ay, bx, by)]


_STROKES = {
    'G': lambda: (_arc(4.2, 5, 4.2, 5, 38, 360) + _line(8.4, 5, 8.4, 9.2) +
                  _line(8.4, 5.6, 5.2, 5.6)),
    'l': lambda: _line(0, 0, 0, 10),
    'i': lambda: _line(0, 3, 0, 10),
    'm': lambda: (_line(0, 3, 0, 10) + _arc(2.1, 5.4, 2.1, 2.4, 180, 0) + _line(4.2, 5.4, 4.2, 10) +
                  _arc(6.3, 5.4, 2.1, 2.4, 180, 0) + _line(8.4, 5.4, 8.4, 10)),
    'e': lambda: _line(0, 6.6, 6, 6.6) + _arc(3, 6.5, 3, 3.5, 0, 315),
    'r': lambda: _line(0, 3, 0, 10) + _arc(3.6, 6.6, 3.6, 3.4, 180, 78),
    'o': lambda: _arc(3.1, 6.5, 3.1, 3.5, 0, 360, 36),
    'n': lambda: _line(0, 3, 0, 10) + _arc(2.9, 5.9, 2.9, 2.9, 180, 0) + _line(5.8, 5.9, 5.8, 10),
}

_ADVANCE = {'G': 8.4, 'l': 0, 'i': 0, 'm': 8.4, 'e': 6.0, 'r': 4.4, 'o': 6.2, 'n': 5.8}
_GAP = 2.3


def layout(word, scale, left, top):
    """Segments of the word in pixels and the centres of its i-dots, and the word's width."""
    segments, dots = [], []
    x = 0.0
    for ch in word:
        for ax, ay, bx, by in _STROKES[ch]():
            segments.append((left + (x + ax) * scale, top + ay * scale,
                             left + (x + bx) * scale, top + by * scale))
        if ch == 'i':
            dots.append((left + x * scale, top + 0.9 * scale))
        x += _ADVANCE[ch] + _GAP
    return segments, dots, (x - _GAP) * scale
