"""An RGB float canvas with the few drawing primitives the art needs, anti-aliased analytically."""
import math


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def ramp(stops, t):
    """Colour at t along [(t0, colour0), (t1, colour1), ...] with t0 < t1 < ..."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / length2)
    ex, ey = px - (ax + t * dx), py - (ay + t * dy)
    return math.sqrt(ex * ex + ey * ey)


def star_coverage(dx, dy, radius, samples=4):
    """Share of the pixel at offset (dx, dy) covered by the star |x|^.5 + |y|^.5 <= r^.5."""
    if radius <= 0:
        return 0.0
    inside = 0
    root = math.sqrt(radius)
    for sy in range(samples):
        for sx in range(samples):
            x = abs(dx + (sx + 0.5) / samples - 0.5)
            y = abs(dy + (sy + 0.5) / samples - 0.5)
            if math.sqrt(x) + math.sqrt(y) <= root:
                inside += 1
    return inside / (samples * samples)


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.rows = [[tuple(colour) for _ in range(width)] for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = tuple(colour)

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        self.rows[y][x] = mix(self.rows[y][x], colour, min(alpha, 1.0))

    def add(self, x, y, colour, amount):
        """Additive light, for glints and glows."""
        if amount <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        r, g, b = self.rows[y][x]
        self.rows[y][x] = (r + colour[0] * amount, g + colour[1] * amount, b + colour[2] * amount)

    def fill(self, x0, y0, x1, y1, colour):
        """Fills columns x0..x1-1 of rows y0..y1-1."""
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.rows[y][x] = tuple(colour)

    def vertical_gradient(self, x0, y0, x1, y1, stops):
        for y in range(y0, y1):
            t = (y - y0) / max(1, y1 - y0 - 1)
            self.fill(x0, y, x1, y + 1, ramp(stops, t))

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                self.set(left + x, top + y, other.get(x, y))

    def stroke(self, segments, colour, width, x0=0, y0=0, x1=None, y1=None, alpha=1.0):
        """Draws round-capped segments [(ax, ay, bx, by), ...] of the given width, anti-aliased,
        touching only pixels inside columns x0..x1-1 and rows y0..y1-1."""
        x1 = self.width if x1 is None else x1
        y1 = self.height if y1 is None else y1
        half = width / 2.0
        reach = half + 1.0
        nearest = {}
        for ax, ay, bx, by in segments:
            rows = range(max(y0, int(min(ay, by) - reach)),
                         min(y1, int(max(ay, by) + reach) + 1))
            columns = range(max(x0, int(min(ax, bx) - reach)),
                            min(x1, int(max(ax, bx) + reach) + 1))
            for y in rows:
                for x in columns:
                    d = segment_distance(x + 0.5, y + 0.5, ax, ay, bx, by)
                    if d < nearest.get((x, y), reach):
                        nearest[(x, y)] = d
        for (x, y), d in nearest.items():
            self.blend(x, y, colour, alpha * clamp(half + 0.5 - d))

    def star(self, cx, cy, radius, colour):
        """A solid four-pointed star, painted over what is there."""
        reach = int(radius) + 2
        for y in range(int(cy) - reach, int(cy) + reach + 1):
            for x in range(int(cx) - reach, int(cx) + reach + 1):
                self.blend(x, y, colour, star_coverage(x + 0.5 - cx, y + 0.5 - cy, radius))

    def sparkle(self, cx, cy, radius, colour, strength=1.0, halo=0.0):
        """A four-pointed glint of added light at (cx, cy), with an optional soft halo."""
        reach = int(max(radius, halo * 2.5)) + 2
        for y in range(int(cy) - reach, int(cy) + reach + 1):
            for x in range(int(cx) - reach, int(cx) + reach + 1):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                amount = star_coverage(dx, dy, radius)
                if halo > 0:
                    amount += 0.35 * math.exp(-(dx * dx + dy * dy) / (halo * halo))
                self.add(x, y, colour, strength * amount)

    def to_bytes_rgb(self):
        """Rows of quantised (r, g, b) byte triples, top row first."""
        out = []
        for row in self.rows:
            out.append([tuple(int(min(max(c, 0.0), 255.0) + 0.5) for c in px) for px in row])
        return out
