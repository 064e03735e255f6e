// The Setup window's art in the user's system colours, and giving the skin's art back.
#include "window/system_colour_art.h"

#include "skin/bitmap_button.h"
#include "skin/multi_state_check.h"
#include "window/setup_texts.h"

namespace {

// The hover text stands white on the skin's dark bottom band.
const COLORREF kSkinHoverTextColour = 0xFFFFFF;
// How far the tick stands inside the check box's frame.
const int kTickInset = 3;

enum class Look { kWindow, kButton, kCheck };

struct ArtPart {
  Look look;
  const char* caption;  // a button's
};

// In the order of the images that UseSystemColours gathers.
const ArtPart kParts[kSystemColourArtCount] = {
    {Look::kWindow, nullptr},  {Look::kButton, kCancelName}, {Look::kButton, kInstallName},
    {Look::kButton, kFinishName}, {Look::kWindow, nullptr},  {Look::kCheck, nullptr},
};

void DrawButton(HDC dc, RECT rect, const char* caption, HFONT font) {
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNTEXT));
  SelectGuard selected(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextA(dc, caption, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Square frames side by side: empty, being ticked, ticked, being cleared.
void DrawCheckFrames(HDC dc, int width, int size) {
  for (int left = 0, frame = 0; size > 0 && left + size <= width; left += size, ++frame) {
    RECT box = {left, 0, left + size, size};
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(dc, &box, GetSysColorBrush(COLOR_WINDOWTEXT));
    InflateRect(&box, -kTickInset, -kTickInset);
    if (frame >= 2) FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOWTEXT));
  }
}

GdiObject<HBITMAP> Redrawn(const BitmapImage& image, const ArtPart& part, HFONT font) {
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(image.dc, image.width, image.height));
  MemDc dc(CreateCompatibleDC(image.dc));
  if (!bitmap.get() || !dc.get()) return GdiObject<HBITMAP>();
  SelectGuard selected(dc.get(), bitmap.get());
  const RECT whole = {0, 0, image.width, image.height};
  if (part.look == Look::kButton)
    DrawButton(dc.get(), whole, part.caption, font);
  else if (part.look == Look::kCheck)
    DrawCheckFrames(dc.get(), image.width, image.height);
  else
    FillRect(dc.get(), &whole, GetSysColorBrush(COLOR_WINDOW));
  return bitmap;
}

const BitmapImage* ButtonImage(const SetupControls& controls, int slot) {
  const BitmapButton* button = static_cast<const BitmapButton*>(controls.slots[slot]);
  return button ? button->normalImage : nullptr;
}

}  // namespace

bool HighContrastOn() {
  HIGHCONTRASTW contrast = {};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

// Images of one id share one device context, so the pressed look of a button changes with it.
void UseSystemColours(SystemColourArt& art, ControlRegistry& registry,
                      const SetupControls& controls, bool on) {
  const MultiStateCheck* check = static_cast<const MultiStateCheck*>(controls.slots[kFirstCheckSlot]);
  const BitmapImage* images[kSystemColourArtCount] = {
      registry.skin,
      ButtonImage(controls, kCancelSlot),
      ButtonImage(controls, kInstallSlot),
      ButtonImage(controls, kFinishSlot),
      ButtonImage(controls, kLogoSlot),
      check ? check->strip : nullptr,
  };
  for (int i = 0; i < kSystemColourArtCount; ++i) {
    ArtSwap& swap = art.swaps[i];
    if (swap.dc) {
      SelectObject(swap.dc, swap.own);
      swap.dc = nullptr;
      swap.drawn.reset(nullptr);
    }
    const BitmapImage* image = images[i];
    if (!on || !image || !image->dc) continue;
    swap.drawn = Redrawn(*image, kParts[i], registry.textFont);
    if (!swap.drawn.get()) continue;
    swap.dc = image->dc;
    swap.own = static_cast<HBITMAP>(SelectObject(image->dc, swap.drawn.get()));
  }
  registry.systemColours = on;
  registry.hoverTextColour = on ? GetSysColor(COLOR_WINDOWTEXT) : kSkinHoverTextColour;
}
