"""The installer window's bitmaps: skin 222, buttons 203/219/220, logo 213, check strip 128."""
from .canvas import Canvas, ramp
from . import palette as P
from . import pixel_font, title_font
from .scene import draw_picture

SKIN_SIZE = (500, 292)
BAND_TOP_ROW = 266   # the dark band holds the buttons (rows 271-290) and the hover text (row 273)
PICTURE = (16, 16, 240, 172)
TITLE_LEFT, TITLE_TOP, TITLE_SCALE = 290, 42, 2.7
CHECK_FRAME_SIZE = 13


def skin():
    width, height = SKIN_SIZE
    c = Canvas(width, height, P.PANEL)
    _frame(c, width, height)
    _band(c, width, height)
    _picture(c)
    _title(c)
    c.fill(16, 197, 484, 198, P.PANEL_RULE)
    return c


def _frame(c, width, height):
    c.fill(0, 0, width, height, P.EDGE)
    c.fill(1, 1, width - 1, BAND_TOP_ROW, P.FRAME)
    c.fill(1, 1, width - 1, 2, P.FRAME_LIGHT)
    c.fill(1, 1, 2, BAND_TOP_ROW, P.FRAME_LIGHT)
    c.fill(3, 3, width - 3, BAND_TOP_ROW, P.FRAME_SHADOW)
    c.fill(4, 4, width - 4, BAND_TOP_ROW, P.PANEL)


def _band(c, width, height):
    c.fill(1, BAND_TOP_ROW, width - 1, BAND_TOP_ROW + 1, P.GOLD)
    c.vertical_gradient(1, BAND_TOP_ROW + 1, width - 1, height - 1,
                        [(0.0, P.BAND_TOP), (1.0, P.BAND_BOTTOM)])


def _picture(c):
    left, top, w, h = PICTURE
    for i, colour in enumerate([(236, 226, 204), (222, 210, 186)]):
        c.fill(left - 1 + 2 + i, top + h + 1 + i, left + w + 2 + i, top + h + 2 + i, colour)
        c.fill(left + w + 1 + i, top - 1 + 2 + i, left + w + 2 + i, top + h + 2 + i, colour)
    c.fill(left - 1, top - 1, left + w + 1, top + h + 1, P.GOLD_DARK)
    c.paste(draw_picture(w, h), left, top)


def _title(c):
    segments, dots, width = title_font.layout('Glimmerion', TITLE_SCALE, TITLE_LEFT + 2, TITLE_TOP)
    c.stroke(segments, P.INK, 3.0, TITLE_LEFT - 4, TITLE_TOP - 6, TITLE_LEFT + int(width) + 10,
             TITLE_TOP + int(10 * TITLE_SCALE) + 6)
    for x, y in dots:
        c.star(x + 0.5, y, 6.5, (226, 164, 40))
    subtitle = 'SPARKLE FILTER PLUG-IN'
    pixel_font.draw_text(c, TITLE_LEFT + 2, TITLE_TOP + int(10 * TITLE_SCALE) + 9, subtitle,
                         P.INK_SOFT, spacing=2)


BUTTON_STYLES = {
    'quiet': dict(outline=(52, 74, 128), top=(238, 242, 250), bottom=(182, 196, 226),
                  shine=(250, 252, 254)),
    'gold': dict(outline=P.GOLD_DARK, top=(255, 230, 150), bottom=(224, 166, 58),
                 shine=(255, 244, 204)),
}


def button(width, caption, style):
    """A 19-pixel-high rounded button; its cut corners are pure white so the band shows through."""
    height = 19
    s = BUTTON_STYLES[style]
    c = Canvas(width, height)
    for y in range(height):
        for x in range(width):
            cx = min(x, width - 1 - x)
            cy = min(y, height - 1 - y)
            if cx + cy < 2:
                colour = P.WHITE
            elif cx == 0 or cy == 0 or (cx == 1 and cy == 1):
                colour = s['outline']
            elif y == 1:
                colour = s['shine']
            else:
                colour = ramp([(0.0, s['top']), (1.0, s['bottom'])], (y - 2) / (height - 4))
            c.set(x, y, colour)
    text_width = pixel_font.text_width(caption, spacing=1, bold=True)
    pixel_font.draw_text(c, (width - text_width) // 2, 6, caption, P.INK, spacing=1, bold=True)
    return c


def logo():
    return Canvas(40, 40, P.WHITE)


def check_strip():
    """Four frames: empty, empty lit, ticked, ticked lit; drawn opaquely over the cream panel."""
    size = CHECK_FRAME_SIZE
    c = Canvas(size * 4, size, P.PANEL)
    tick = [(3.2, 6.6, 5.4, 9.0), (5.4, 9.0, 9.9, 3.6)]
    for frame in range(4):
        lit, ticked = frame % 2 == 1, frame >= 2
        left = frame * size
        border = P.GOLD_DARK if lit else (44, 66, 124)
        fill = [(0.0, (255, 246, 212)), (1.0, (246, 212, 128))] if lit else \
               [(0.0, (253, 252, 248)), (1.0, (226, 230, 242))]
        for y in range(size):
            for x in range(size):
                edge_x, edge_y = min(x, size - 1 - x), min(y, size - 1 - y)
                if edge_x == 0 and edge_y == 0:
                    continue
                if edge_x == 0 or edge_y == 0:
                    c.set(left + x, y, border)
                else:
                    c.set(left + x, y, ramp(fill, (y - 1) / (size - 3)))
        if ticked:
            c.stroke([(left + ax, ay, left + bx, by) for ax, ay, bx, by in tick], P.INK, 1.9,
                     left + 1, 1, left + size - 1, size - 1)
    return c
