"""Display scales of the art: 100 % pixel sizes at a DPI, rounded as Windows' MulDiv rounds."""

BASE_DPI = 96
# The scales drawn for the window: 100 % as bitmaps, 150 and 200 % as PNG resources.
SET_DPIS = (96, 144, 192)


class Scale:
    def __init__(self, dpi=BASE_DPI):
        self.dpi = dpi
        self.f = dpi / BASE_DPI

    def __call__(self, v):
        """A 100 % size or position in pixels at this scale, halves rounded away from zero."""
        return (v * self.dpi + BASE_DPI // 2) // BASE_DPI

    def at(self, p):
        """The 100 % coordinate of pixel p's centre, such that at 100 % it is p itself."""
        return (p + 0.5) / self.f - 0.5

    def cell(self, p):
        """The 100 % pixel that pixel p lies in."""
        return int((p + 0.5) / self.f)
