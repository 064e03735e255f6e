// The Screen (the window's drawing surface and back buffer) and the Control registry that it
// shares with every control.
#pragma once

#include <windows.h>

#include "skin/bitmap_cache.h"
#include "win32/handle_guards.h"

class Control;

const int kMaxControls = 150;

// The shared drawing record. The Screen and every control keep a pointer to it, and reach the
// window's state, the fonts, the cursor and the hover-text colour only through it.
struct ControlRegistry {
  int controlCount;
  HINSTANCE instance;
  HWND window;
  // Non-null only while one message is handled: a paint, a DispatchMouse, or the Setup
  // window's initialisation (which sets and clears it itself).
  HDC paintDc;
  HDC backBufferDc;  // owned by the Screen
  BitmapImage* skin;  // owned by the Screen
  Control* controls[kMaxControls];  // registration order; each owned through the Screen
  RECT hoverTextRect;
  HFONT textFont;        // owned by the Screen
  HFONT underlinedFont;  // owned by the Screen
  HCURSOR handCursor;  // the shared resource cursor at 100 %, else owned by the Screen
  COLORREF hoverTextColour;  // black until the window chooses one
  int dpi;  // of the monitor the window is on: what the art, fonts and layout are made for
  // High contrast: texts, links and the focus mark take the user's system colours.
  bool systemColours;
};

class Screen {
 public:
  Screen(ControlRegistry* registry, HINSTANCE instance);
  // Releases the skin, destroys every registered control, then frees the back buffer and fonts.
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  ControlRegistry* registry() const { return registry_; }
  // Destroys every registered control, so that new ones can be made (at another scale).
  void DestroyControls();

  // hoverTextRect may be null (the rectangle is then empty). The fonts and the cursor are made by
  // the first SetUp and kept by later ones.
  void SetUp(HWND window, unsigned skinId, unsigned cursorId, const RECT* hoverTextRect);
  void CreateBackBuffer(HWND window);
  // Makes a new text font for everything drawn from now on, the back buffer included, and frees
  // the one it replaces. When the font cannot be made the old one stays. The height is in 100 %
  // pixels: the font is made at the registry's DPI.
  void SwitchTextFont(const char* faceName, int height);
  // Makes the fonts and the cursor for another DPI (96 is 100 %). The skin and back buffer follow
  // with the next SetUp, the controls' images with the controls made next.
  void SetDpi(int dpi);

  // WM_PAINT: BeginScreenPaint, PaintScreen, any DrawScreenText, EndScreenPaint.
  HDC BeginScreenPaint();
  void PaintScreen();
  void DrawScreenText(int x, int y, const char* text);
  void EndScreenPaint();

  // Offers mouse messages WM_MOUSEMOVE to WM_MBUTTONDBLCLK to the active controls in registration
  // order until one claims it. Returns 1 when claimed, else 0. A button press first takes the
  // keyboard focus off the controls, so its mark goes as soon as the mouse is used.
  int DispatchMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // The control that holds the keyboard focus, or null.
  Control* FocusedControl() const;
  // Moves the keyboard focus to the control (null: to none), moving its mark with it; unmarked,
  // the control has the focus without showing it (the mouse is in use).
  void FocusControl(Control* control, bool marked = true);
  // Does what a click on the control does, with a device context lent as DispatchMouse lends one.
  void PressControl(Control* control);

 private:
  void LoadHandCursor();

  ControlRegistry* registry_;  // not owned
  PAINTSTRUCT paint_;
  char textFace_[LF_FACESIZE];
  int textHeight_;  // in 100 % pixels
  unsigned cursorId_;
  OwnedCursor scaledCursor_;
  GdiObject<HFONT> textFont_;
  GdiObject<HFONT> underlinedFont_;
  GdiObject<HBITMAP> backBuffer_;
  MemDc backBufferDc_;  // after the bitmap and fonts, so it is deleted before them
  WindowDc paintDc_;    // the paint's own device context, from BeginScreenPaint to EndScreenPaint
  HDC paintDcBeforePaint_;
};

// Readies a device context of the window for controls: the text font and colour, transparent
// text.
void PrepareControlDc(const ControlRegistry& registry, HDC dc);
// Black on the skin, the user's window text colour in high contrast.
COLORREF TextColour(const ControlRegistry& registry);

// Lends the controls a prepared device context of the window while it lives, then puts back the
// one lent before (a paint may be under way).
class LentPaintDc {
 public:
  LentPaintDc(ControlRegistry& registry, HWND window);
  ~LentPaintDc() { registry_.paintDc = outerDc_; }
  LentPaintDc(const LentPaintDc&) = delete;
  LentPaintDc& operator=(const LentPaintDc&) = delete;

 private:
  ControlRegistry& registry_;
  HDC outerDc_;
  WindowDc dc_;
};

HFONT CreateTextFont(const char* faceName, int height, bool underline);

// Each input is cut to its low 16 bits, sign-extended; right = x + width, bottom = y + height.
RECT MakeRect(RECT* rect, int x, int y, int width, int height);
void PutText(HDC dc, int x, int y, const char* text);
// Where PutText puts the text, in the device context's current font.
RECT TextBounds(HDC dc, int x, int y, const char* text);
// The back buffer uses client coordinates, so the rectangle lands on the same place.
BOOL CopyFromBackBuffer(HDC target, HDC backBufferDc, const RECT& rect);
