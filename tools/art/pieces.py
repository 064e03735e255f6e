"""The installer window's bitmaps: skin 222, buttons 203/219/220, logo 213, check strip 128.

Each is drawn at a display scale (scale.Scale); positions and sizes below are 100 % pixels."""
from .canvas import Canvas, ramp
from . import palette as P
from . import pixel_font, title_font
from .scale import Scale
from .scene import draw_picture

SKIN_SIZE = (500, 292)
BAND_TOP_ROW = 266   # the dark band holds the buttons (rows 271-290) and the hover text (row 273)
PICTURE = (16, 16, 240, 172)
TITLE_LEFT, TITLE_TOP, TITLE_SCALE = 290, 42, 2.7
CHECK_FRAME_SIZE = 13
BUTTON_HEIGHT = 19


def skin(s=Scale()):
    width, height = s(SKIN_SIZE[0]), s(SKIN_SIZE[1])
    c = Canvas(width, height, P.PANEL)
    _frame(c, width, height, s)
    _band(c, width, height, s)
    _picture(c, s)
    _title(c, s)
    c.fill(s(16), s(197), s(484), s(198), P.PANEL_RULE)
    return c


def _frame(c, width, height, s):
    one, band = s(1), s(BAND_TOP_ROW)
    c.fill(0, 0, width, height, P.EDGE)
    c.fill(one, one, width - one, band, P.FRAME)
    c.fill(one, one, width - one, s(2), P.FRAME_LIGHT)
    c.fill(one, one, s(2), band, P.FRAME_LIGHT)
    c.fill(s(3), s(3), width - s(3), band, P.FRAME_SHADOW)
    c.fill(s(4), s(4), width - s(4), band, P.PANEL)


def _band(c, width, height, s):
    one, band, gold = s(1), s(BAND_TOP_ROW), s(BAND_TOP_ROW + 1)
    c.fill(one, band, width - one, gold, P.GOLD)
    c.vertical_gradient(one, gold, width - one, height - one,
                        [(0.0, P.BAND_TOP), (1.0, P.BAND_BOTTOM)])


def _picture(c, s):
    left, top, w, h = PICTURE

    def fill(x0, y0, x1, y1, colour):
        c.fill(s(x0), s(y0), s(x1), s(y1), colour)

    for i, colour in enumerate([(236, 226, 204), (222, 210, 186)]):
        fill(left - 1 + 2 + i, top + h + 1 + i, left + w + 2 + i, top + h + 2 + i, colour)
        fill(left + w + 1 + i, top - 1 + 2 + i, left + w + 2 + i, top + h + 2 + i, colour)
    fill(left - 1, top - 1, left + w + 1, top + h + 1, P.GOLD_DARK)
    c.paste(draw_picture(w, h, s), s(left), s(top))


def _title(c, s):
    f = s.f
    segments, dots, width = title_font.layout('Glimmerion', TITLE_SCALE * f,
                                              (TITLE_LEFT + 2) * f, TITLE_TOP * f)
    cap = int(10 * TITLE_SCALE)
    c.stroke(segments, P.INK, 3.0 * f, s(TITLE_LEFT - 4), s(TITLE_TOP - 6),
             s(TITLE_LEFT) + int(width) + s(10), s(TITLE_TOP + cap + 6))
    for x, y in dots:
        c.star(x + 0.5 * f, y, 6.5 * f, (226, 164, 40))
    subtitle = 'SPARKLE FILTER PLUG-IN'
    pixel_font.draw_text(c, s(TITLE_LEFT + 2), s(TITLE_TOP + cap + 9), subtitle, P.INK_SOFT,
                         spacing=2, scale=s)


BUTTON_STYLES = {
    'quiet': dict(outline=(52, 74, 128), top=(238, 242, 250), bottom=(182, 196, 226),
                  shine=(250, 252, 254)),
    'gold': dict(outline=P.GOLD_DARK, top=(255, 230, 150), bottom=(224, 166, 58),
                 shine=(255, 244, 204)),
}


def button(width, caption, style, s=Scale()):
    """A 19-pixel-high rounded button; its cut corners are pure white so the band shows through.
    The outline is one 100 % pixel wide at every scale."""
    st = BUTTON_STYLES[style]
    w, h = s(width), s(BUTTON_HEIGHT)
    c = Canvas(w, h)
    for y in range(h):
        # Distances of the pixel's centre from the nearest edges, in 100 % pixels.
        dy = (min(y, h - 1 - y) + 0.5) / s.f
        for x in range(w):
            dx = (min(x, w - 1 - x) + 0.5) / s.f
            if dx + dy < 3:
                colour = P.WHITE
            elif dx < 1 or dy < 1 or (dx < 2 and dy < 2):
                colour = st['outline']
            elif 1 <= (y + 0.5) / s.f < 2:
                colour = st['shine']
            else:
                t = (s.at(y) - 2) / (BUTTON_HEIGHT - 4)
                colour = ramp([(0.0, st['top']), (1.0, st['bottom'])], t)
            c.set(x, y, colour)
    text_width = pixel_font.text_width(caption, spacing=1, bold=True)
    pixel_font.draw_text(c, s((width - text_width) // 2), s(6), caption, P.INK, spacing=1,
                         bold=True, scale=s)
    return c


def logo(s=Scale()):
    return Canvas(s(40), s(40), P.WHITE)


def check_strip(s=Scale()):
    """Four frames: empty, empty lit, ticked, ticked lit; drawn opaquely over the cream panel."""
    size = s(CHECK_FRAME_SIZE)
    c = Canvas(size * 4, size, P.PANEL)
    tick = [(3.2, 6.6, 5.4, 9.0), (5.4, 9.0, 9.9, 3.6)]
    f = s.f
    for frame in range(4):
        lit, ticked = frame % 2 == 1, frame >= 2
        left = frame * size
        border = P.GOLD_DARK if lit else (44, 66, 124)
        fill = [(0.0, (255, 246, 212)), (1.0, (246, 212, 128))] if lit else \
               [(0.0, (253, 252, 248)), (1.0, (226, 230, 242))]
        for y in range(size):
            edge_y = (min(y, size - 1 - y) + 0.5) / f
            for x in range(size):
                edge_x = (min(x, size - 1 - x) + 0.5) / f
                if edge_x < 1 and edge_y < 1:
                    continue
                if edge_x < 1 or edge_y < 1:
                    c.set(left + x, y, border)
                else:
                    c.set(left + x, y, ramp(fill, (s.at(y) - 1) / (CHECK_FRAME_SIZE - 3)))
        if ticked:
            c.stroke([(left + ax * f, ay * f, left + bx * f, by * f) for ax, ay, bx, by in tick],
                     P.INK, 1.9 * f, left + s(1), s(1), left + size - s(1), size - s(1))
    return c
