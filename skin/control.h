// The Control base: registration in the Control registry, show and repaint, the shared
// hover text, the inclusive point test and the command message controls post.
#pragma once

#include <windows.h>

#include "skin/screen.h"

// Posted to the Setup window with wParam = the control's command number and lParam = 0.
const UINT WM_CONTROL_COMMAND = WM_USER + 0x100;

const int kHoverTextSize = 80;
const char kHoverTextSeparator = '@';

class Control {
 public:
  // Registers the control. A full registry (150 controls) leaves it unregistered: the Screen
  // then neither paints, feeds nor destroys it, and its creator deletes it.
  Control(ControlRegistry* registry, const char* hoverText);

  // Non-zero claims the message: DispatchMouse offers it to no later control.
  virtual int OnMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual void Paint(HDC dc) = 0;
  // The spare queries hold their places in the table of virtual operations, so that the value
  // query and setter keep the slots that the control classes were laid out with; no control
  // answers them yet.
  virtual int SpareQueryA();
  virtual int GetValue();
  virtual int SpareQueryB();
  virtual int SpareQueryC();
  virtual void SetValue(int value);
  virtual ~Control();
  // Added after the destructor, so that the operations above keep their slots.
  // The area the control covers in client pixels: what the focus mark frames and what screen
  // readers are told. Empty for a control that covers none.
  virtual RECT Bounds() const;

  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  bool registered() const { return registered_; }
  bool shown() const { return shown_; }    // PaintScreen paints the control
  bool active() const { return active_; }  // DispatchMouse offers it the mouse
  bool focused() const { return focused_; }  // holds the keyboard focus
  bool marked() const { return focused_ && marked_; }  // and shows its mark

  // Shows (and turns mouse handling on) or hides (and off), then repaints the control.
  void Show(bool show);
  // Sets both flags without painting, for a caller that repaints the whole window next. An
  // inactive control loses the keyboard focus.
  void SetShownAndActive(bool shown, bool active);
  void Repaint();
  // Gives (with or without its mark) or takes the keyboard focus, drawing or removing the mark
  // at once.
  void SetFocused(bool focused, bool marked = true);
  // The focus mark around the bounds while it shows, else the skin there. One pixel of inverted
  // dots on the skin; two solid pixels in the highlight colour in high contrast.
  void PaintFocusMark(HDC dc);
  // 0 clears the hover-text rectangle, 1 shows the text before the separator, 2 the rest.
  void ShowHoverText(int state);

  // A left click just inside the top-left corner of the bounds, where every control takes one,
  // for the keyboard and screen readers: exactly what the mouse does there. Needs the paint
  // device context, as OnMouse does.
  void Press(HWND window);

  // Inclusive: every edge belongs to the rectangle. The point is read from a mouse lParam.
  static int PointInside(int left, int top, int right, int bottom, LPARAM lParam);

  char hoverText[kHoverTextSize];
  int hoverState;
  int command;  // 0: the control posts nothing
  ControlRegistry* registry;  // not owned

 protected:
  void PostCommand(HWND window, int number) const;

 private:
  bool registered_;
  bool active_;
  bool shown_;
  bool focused_;
  bool marked_;
  bool erased_;  // a hidden control already covered itself with the skin
};
