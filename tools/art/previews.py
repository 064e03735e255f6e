"""PNG previews for reviewers: every piece (small ones enlarged) and the window in both states."""
from .canvas import Canvas
from . import palette as P
from . import pixel_font

BLACK = (0, 0, 0)
LINK_BLUE = (0, 0, 255)


def enlarged(pixels, factor):
    return [[px for px in row for _ in range(factor)] for row in pixels for _ in range(factor)]


def cursor_pixels(rows):
    colours = {' ': (0, 0, 0, 0), '#': (0, 0, 0, 255), '.': (255, 255, 255, 255)}
    return [[colours[ch] for ch in row] for row in rows]


def _draw_transparent(c, image, left, top):
    """Pure white is skipped, as the toolkit's pixel copies do."""
    pixels = image.to_bytes_rgb()
    for y in range(image.height):
        for x in range(image.width):
            if pixels[y][x] != P.WHITE:
                c.set(left + x, top + y, image.get(x, y))


def _text(c, x, y, text, colour, underline=False):
    # The window's 13-pixel font has its capitals about two rows below the cell's top.
    pixel_font.draw_text(c, x, y + 2, text, colour)
    if underline:
        c.fill(x, y + 11, x + pixel_font.text_width(text), y + 12, colour)


def _folder_list(c):
    left, top, width, height = 16, 232, 469, 21
    c.fill(left, top, left + width, top + height, (128, 128, 128))
    c.fill(left + 1, top + 1, left + width - 1, top + height - 1, (250, 250, 250))
    c.fill(left + width - 18, top + 2, left + width - 2, top + height - 2, (212, 208, 200))
    for i in range(4):
        c.fill(left + width - 13 + i, top + 9 + i, left + width - 6 - i, top + 10 + i, BLACK)
    _text(c, left + 4, top + 4, 'C:\\Program Files\\Image Editor\\Plug-ins\\Tarnwell\\', BLACK)


def window(skin, buttons, check, completed):
    c = Canvas(skin.width, skin.height)
    c.paste(skin, 0, 0)
    _text(c, 300, 20, 'www.tarnwell.example', LINK_BLUE, underline=True)
    if completed:
        _draw_transparent(c, buttons['finish'], 435, 271)
        lines = ['   Installation completed. Please', 'restart your image editor to',
                 'activate the plug-ins installed.']
        for i, line in enumerate(lines):
            _text(c, 274, 100 + 16 * i, line, BLACK)
        return c
    _draw_transparent(c, buttons['install'], 375, 271)
    _draw_transparent(c, buttons['cancel'], 437, 271)
    for y in range(check.height):
        for x in range(13):
            c.set(290 + x, 100 + y, check.get(26 + x, y))
    _text(c, 310, 100, 'Glimmerion plug-in', BLACK)
    _text(c, 20, 206, 'Select folder where setup will install files:', BLACK)
    _folder_list(c)
    _text(c, 20, 273, 'Select to install Glimmerion filter', (255, 255, 255))
    return c
