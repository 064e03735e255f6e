// The Setup window in high contrast: its art redrawn in the user's system colours at the art's
// own sizes, so that the layout and the texts stay as they are.
#pragma once

#include <windows.h>

#include "win32/handle_guards.h"
#include "skin/screen.h"
#include "window/setup_controls.h"

// The skin, the three buttons, the logo and the check box's frames.
const int kSystemColourArtCount = 6;

// One image whose device context holds a redrawn bitmap instead of its own.
struct ArtSwap {
  HDC dc;      // the image's, not owned; null while it holds its own bitmap
  HBITMAP own;  // not owned: the image gives it back when it is released
  GdiObject<HBITMAP> drawn;
};

struct SystemColourArt {
  ArtSwap swaps[kSystemColourArtCount];
};

// Whether the user has high contrast on.
bool HighContrastOn();

// With on, redraws the window's art in the system colours of the moment (again on each call);
// without, gives every image back its own bitmap. Sets the registry's colours to match; the
// caller repaints the window. Call it with off before the controls go.
void UseSystemColours(SystemColourArt& art, ControlRegistry& registry,
                      const SetupControls& controls, bool on);
