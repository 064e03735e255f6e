"""The skin's sample picture: a lake at dusk whose water and sky glimmer with glints."""
import math

from .canvas import Canvas, clamp, mix, ramp
from .scale import Scale


class Lcg:
    """A fixed pseudo-random sequence, so every run draws the same glints."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x7FFFFFFF


SKY = [(0.0, (16, 22, 70)), (0.45, (58, 54, 128)), (0.78, (176, 110, 150)), (1.0, (250, 184, 132))]
WATER = [(0.0, (226, 150, 128)), (0.25, (120, 84, 140)), (1.0, (18, 26, 72))]
SUN = (255, 236, 184)
GLINT = (255, 246, 214)


def _ridge(u, waves):
    return sum(a * math.sin(u * f + p) for a, f, p in waves)


def draw_picture(width, height, s=Scale()):
    """The picture, width x height in 100 % pixels, drawn at the scale s."""
    f = s.f
    pw, ph = s(width), s(height)
    c = Canvas(pw, ph)
    horizon_px = s(int(height * 0.60))
    horizon = horizon_px / f  # in 100 % pixels, where the water starts
    sun_x, sun_y, sun_r = width * 0.66, int(height * 0.60) - 17.0, 9.0

    for y in range(horizon_px):
        v = s.at(y)
        for x in range(pw):
            u = s.at(x)
            colour = ramp(SKY, v / (horizon - 1))
            d = math.hypot(u + 0.5 - sun_x, v + 0.5 - sun_y)
            glow = math.exp(-d / 34.0) * 0.55
            colour = mix(colour, SUN, glow)
            colour = mix(colour, SUN, clamp((sun_r - d) * f + 0.5))
            c.set(x, y, colour)

    water_depth = height - horizon
    for y in range(horizon_px, ph):
        v = s.at(y)
        t = (v - horizon) / (water_depth - 1)
        for x in range(pw):
            u = s.at(x)
            colour = ramp(WATER, t)
            ripple = 0.5 + 0.5 * math.sin(v * 1.9 + 3.0 * math.sin(u * 0.045 + v * 0.31))
            colour = mix(colour, (10, 16, 52), 0.18 * ripple * t)
            dx = abs(u + 0.5 - sun_x)
            path = math.exp(-(dx / (6.0 + 30.0 * t)) ** 2)
            colour = mix(colour, (255, 214, 150), 0.55 * path * ripple * (1.0 - 0.5 * t))
            c.set(x, y, colour)

    _mountains(c, horizon_px, s)
    _shore(c, width, height, s)

    rng = Lcg(20261208)
    for _ in range(18):
        x, y = rng.next() * width, rng.next() * horizon * 0.55
        amount = 0.25 + 0.5 * rng.next()
        for py in range(s(int(y)), s(int(y) + 1)):
            for px in range(s(int(x)), s(int(x) + 1)):
                c.add(px, py, (255, 250, 230), amount)
    for x, y, r in [(0.16, 0.12, 3.2), (0.38, 0.07, 2.6), (0.86, 0.17, 3.6), (0.55, 0.24, 2.2),
                    (0.08, 0.33, 2.0), (0.94, 0.05, 2.0)]:
        c.sparkle(width * x * f, height * y * f, r * f, (255, 248, 226), 0.9)

    for _ in range(16):
        t = rng.next()
        y = horizon + 4 + t * (water_depth - 14)
        depth = (y - horizon) / water_depth
        x = sun_x + (rng.next() * 2.0 - 1.0) * (5.0 + 30.0 * depth)
        size = 1.8 + 3.2 * depth * rng.next()
        c.sparkle(x * f, y * f, size * f, GLINT, 0.8, halo=size * 0.6 * f)
    for x, y, r in [(0.62, 0.80, 8.5), (0.74, 0.70, 6.0), (0.57, 0.66, 4.5)]:
        c.sparkle(width * x * f, height * y * f, r * f, GLINT, 1.0, halo=r * 0.7 * f)
    return c


def _mountains(c, horizon, s):
    """A hazy far range across the view and a dark near range that falls away towards the middle."""
    f = s.f
    width = c.width / f
    far = [(5.0, 0.031, 0.4), (3.0, 0.083, 1.9), (1.4, 0.21, 0.7)]
    near = [(7.0, 0.022, 2.6), (3.2, 0.067, 0.3), (1.2, 0.19, 1.4)]
    for waves, base, colour, tapered in [(far, 22.0, (96, 78, 142), False),
                                         (near, 12.0, (42, 40, 96), True)]:
        for x in range(c.width):
            u = s.at(x)
            rise = base + _ridge(u + 0.5, waves)
            if tapered:
                rise *= clamp(1.4 - 4.2 * min(u, width - 1 - u) / width)
            top = horizon - rise * f
            for y in range(int(top), horizon):
                cover = clamp(y + 1 - top)
                c.blend(x, y, colour, cover)
                mirror = 2 * horizon - 1 - y
                if mirror < c.height:
                    c.blend(x, mirror, mix(colour, (20, 24, 70), 0.35), cover * 0.55)


def _shore(c, width, height, s):
    f = s.f
    for x in range(c.width):
        u = s.at(x)
        top = (height + 2 - 30 * clamp(1.0 - u / width * 2.4) ** 0.7 - 2.0 * math.sin(u * 0.12)) * f
        for y in range(int(top), c.height):
            c.blend(x, y, (12, 18, 46), clamp(y + 1 - top))
    for x0, h, lean in [(8, 34, 3.0), (13, 42, -2.0), (19, 30, 4.0), (25, 22, 2.0), (31, 16, -1.5)]:
        base = height - 12
        c.stroke([(x0 * f, base * f, (x0 + lean) * f, (base - h) * f)], (12, 18, 46), 1.3 * f,
                 x0=max(0, s(x0 - 6)), y0=max(0, s(base - h - 3)), x1=min(c.width, s(x0 + 7)),
                 y1=c.height)
