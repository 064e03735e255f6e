// The Control base: registration in the Control registry, show and repaint, the shared
// hover text, the inclusive point test and the command message controls post.
#pragma once

#include <windows.h>

#include "skin/screen.h"

// Posted to the Setup window with wParam = the control's command number and lParam = 0.
const UINT WM_CONTROL_COMMAND = WM_USER + 0x100;

const int kHoverTextSize = 80;
const char kHoverTextSeparator = '@';

// Colour of the hover text; black until the Setup window chooses one.
extern COLORREF g_hoverTextColour;

class Control {
 public:
  // Registers the control. A full registry (150 controls) leaves it unregistered: the Screen
  // then neither paints, feeds nor destroys it, and its creator deletes it.
  Control(ControlRegistry* registry, const char* hoverText);

  // Non-zero claims the message: DispatchMouse offers it to no later control.
  virtual int OnMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual void Paint(HDC dc) = 0;
  virtual int SpareQueryA();
  virtual int GetValue();
  virtual int SpareQueryB();
  virtual int SpareQueryC();
  virtual void SetValue(int value);
  virtual ~Control();

  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  bool registered() const { return registered_; }

  void Show(int show);  // also turns mouse handling on or off
  void Repaint();
  // 0 clears the hover-text rectangle, 1 shows the text before the separator, 2 the rest.
  void ShowHoverText(int state);

  // Inclusive: every edge belongs to the rectangle. The point is read from a mouse lParam.
  static int PointInside(int left, int top, int right, int bottom, LPARAM lParam);

  char hoverText[kHoverTextSize];
  int active;
  int shown;
  int erased;  // a hidden control already covered itself with the skin
  int hoverState;
  int command;  // 0: the control posts nothing
  ControlRegistry* registry;  // not owned

 protected:
  void PostCommand(HWND window, int number) const;

 private:
  bool registered_;
};

// Copies text into a field of fieldSize bytes, cutting it to fit; null gives an empty text.
void CopyField(char* field, int fieldSize, const char* text);
