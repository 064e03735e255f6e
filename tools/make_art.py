#!/usr/bin/env python3
"""Draws the installer window's art and writes it as the resource files the build compiles.

Run from anywhere: writes resources/art/ (BMP, CUR, ICO at 100 %; PNG sets drawn at 150 and 200 %)
and the PNG previews in docs/art/.
With --check it writes nothing and fails when the committed resource files differ from a fresh run.
"""
import os
import sys

sys.dont_write_bytecode = True  # keeps the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art import cursor_icon, formats, pieces, previews  # noqa: E402
from art.scale import SET_DPIS, Scale  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# 16 and 32 at 100 %, 24 and 48 at 150 %, 32 and 64 at 200 %.
ICON_SIZES = (64, 48, 32, 24, 16)
ICON_PNG_FROM = 64


def enlarged_png(pixels):
    return formats.png(previews.enlarged(pixels, 4))


def draw_bitmaps(s):
    """The window's bitmaps at the scale s, by file name."""
    bitmaps = {'skin': pieces.skin(s), 'logo': pieces.logo(s), 'check-strip': pieces.check_strip(s),
               'button-cancel': pieces.button(58, 'CANCEL', 'quiet', s),
               'button-install': pieces.button(60, 'INSTALL', 'gold', s),
               'button-finish': pieces.button(60, 'FINISH', 'gold', s)}
    return bitmaps


def build(with_previews=True):
    """Returns (resource files, preview files) as {path relative to the repository: bytes}."""
    bitmaps = draw_bitmaps(Scale())
    skin, check = bitmaps['skin'], bitmaps['check-strip']
    buttons = {name: bitmaps['button-' + name] for name in ('cancel', 'install', 'finish')}
    hand = cursor_icon.hand_rows()
    icons = [cursor_icon.icon_image(size) for size in ICON_SIZES]

    resources = {'resources/art/%s.bmp' % name: formats.bmp24(image.to_bytes_rgb())
                 for name, image in bitmaps.items()}
    larger = {dpi: draw_bitmaps(Scale(dpi)) for dpi in SET_DPIS[1:]}
    for dpi, images in larger.items():
        for name, image in images.items():
            path = 'resources/art/%s-%d.png' % (name, dpi * 100 // 96)
            resources[path] = formats.png(image.to_bytes_rgb())
    resources['resources/art/hand.cur'] = formats.cursor(
        [(cursor_icon.hand_rows(Scale(dpi)),) + cursor_icon.hand_hot_spot(Scale(dpi))
         for dpi in SET_DPIS])
    resources['resources/art/glimmerion.ico'] = formats.icon(icons, ICON_PNG_FROM)

    if not with_previews:
        return resources, {}
    docs = {'docs/art/skin.png': formats.png(skin.to_bytes_rgb())}
    for name in ('button-cancel', 'button-install', 'button-finish', 'logo', 'check-strip'):
        docs['docs/art/%s-x4.png' % name] = enlarged_png(bitmaps[name].to_bytes_rgb())
    docs['docs/art/hand-cursor-x4.png'] = enlarged_png(previews.cursor_pixels(hand))
    for size, image in zip(ICON_SIZES, icons):
        docs['docs/art/icon-%d-x4.png' % size] = enlarged_png(image)
    docs['docs/art/window-mock.png'] = formats.png(
        previews.window(skin, buttons, check, completed=False).to_bytes_rgb())
    docs['docs/art/window-mock-completed.png'] = formats.png(
        previews.window(skin, buttons, check, completed=True).to_bytes_rgb())
    return resources, docs


def main(argv):
    checking = argv[1:] == ['--check']
    resources, docs = build(with_previews=not checking)
    if checking:
        stale = []
        for path, data in sorted(resources.items()):
            try:
                with open(os.path.join(ROOT, path), 'rb') as f:
                    if f.read() != data:
                        stale.append(path)
            except OSError:
                stale.append(path)
        for path in stale:
            print('out of date: %s (run tools/make_art.py)' % path)
        return 1 if stale else 0
    for path, data in sorted({**resources, **docs}.items()):
        os.makedirs(os.path.dirname(os.path.join(ROOT, path)), exist_ok=True)
        with open(os.path.join(ROOT, path), 'wb') as f:
            f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
