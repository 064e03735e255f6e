// The Screen (the window's drawing surface and back buffer) and the Control registry that it
// shares with every control.
#pragma once

#include <windows.h>

#include "skin/bitmap_cache.h"

class Control;

const int kMaxControls = 150;

// The shared drawing record. Controls keep a pointer to it to reach the window's state.
struct ControlRegistry {
  int controlCount;
  HINSTANCE instance;
  HWND window;
  // Non-null only while one message is handled: a paint, a DispatchMouse, or the Setup
  // window's initialisation (which sets and clears it itself).
  HDC paintDc;
  HDC backBufferDc;
  BitmapImage* skin;  // owned by the Screen
  Control* controls[kMaxControls];  // registration order; each owned through the Screen
  RECT hoverTextRect;
};

extern ControlRegistry g_controlRegistry;

// Process-wide drawing resources: made by the first SetUp, never deleted by the toolkit. The
// Setup window may replace g_textFont; later paints select whatever it holds then.
extern HFONT g_textFont;
extern HFONT g_underlinedFont;
extern HCURSOR g_handCursor;

class Screen {
 public:
  Screen(ControlRegistry* registry, HINSTANCE instance);
  ~Screen();  // releases the skin and the back buffer, then destroys every registered control
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // hoverTextRect may be null (the rectangle is then empty).
  void SetUp(HWND window, unsigned skinId, unsigned cursorId, const RECT* hoverTextRect);
  void CreateBackBuffer(HWND window);

  // WM_PAINT: BeginScreenPaint, PaintScreen, any DrawScreenText, EndScreenPaint.
  HDC BeginScreenPaint();
  void PaintScreen();
  void DrawScreenText(int x, int y, const char* text);
  void EndScreenPaint();

  // Offers mouse messages 0x200 to 0x209 to the active controls in registration order until
  // one claims it. Returns 1 when claimed, else 0.
  int DispatchMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  const RECT& backBufferExtent() const { return backBufferExtent_; }

 private:
  ControlRegistry* registry_;  // not owned
  PAINTSTRUCT paint_;
  RECT backBufferExtent_;
  HBITMAP backBuffer_;  // owned
  HDC paintDcBeforePaint_;
};

HFONT CreateTextFont(const char* faceName, int height, int underline);

// Each input is cut to its low 16 bits, sign-extended; right = x + width, bottom = y + height.
RECT MakeRect(RECT* rect, int x, int y, int width, int height);
void PutText(HDC dc, int x, int y, const char* text);
// The back buffer uses client coordinates, so the rectangle lands on the same place.
BOOL CopyFromBackBuffer(HDC target, HDC backBufferDc, const RECT& rect);
