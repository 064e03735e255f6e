"""The product's colours, shared by every piece so that skin, buttons, check box and icon match."""

WHITE = (255, 255, 255)          # the one transparent colour of the toolkit's pixel copies
EDGE = (10, 22, 60)
FRAME = (40, 84, 166)
FRAME_LIGHT = (92, 140, 214)
FRAME_SHADOW = (22, 50, 114)
PANEL = (250, 245, 231)
PANEL_RULE = (226, 214, 188)
BAND_TOP = (28, 48, 110)
BAND_BOTTOM = (12, 26, 70)
GOLD = (214, 170, 78)
GOLD_DARK = (128, 88, 22)
GOLD_LIGHT = (255, 230, 150)
INK = (20, 34, 82)
INK_SOFT = (92, 104, 140)
