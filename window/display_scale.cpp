// Keeping the Setup window's state across a change of display scale.
#include "window/display_scale.h"

#include "skin/bitmap_button.h"
#include "skin/link_label.h"

ControlMemory RememberControls(const SetupControls& controls, const Screen& screen) {
  ControlMemory memory = {controls.slots[kFirstCheckSlot]->GetValue(),
                          static_cast<LinkLabel*>(controls.slots[kHelpLinkSlot])->visited, -1};
  const Control* focused = screen.FocusedControl();
  for (int slot = 0; slot < kSetupControlSlots; ++slot) {
    if (focused && controls.slots[slot] == focused) memory.focusedSlot = slot;
  }
  return memory;
}

void RestoreControls(SetupControls& controls, Screen& screen, const ControlMemory& memory,
                     bool completed) {
  controls.slots[kFirstCheckSlot]->SetValue(memory.checkValue);
  static_cast<LinkLabel*>(controls.slots[kHelpLinkSlot])->visited = memory.linkVisited;
  if (completed) {
    SetCompletionFlags(controls);
  } else if (SumCheckValues(controls) == 0) {
    controls.slots[kInstallSlot]->SetShownAndActive(false, false);
  }
  if (memory.focusedSlot >= 0 && controls.slots[memory.focusedSlot]->active())
    screen.FocusControl(controls.slots[memory.focusedSlot]);
}

void KeepOnWorkArea(HWND window) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  RECT frame;
  GetWindowRect(window, &frame);
  int left = frame.left;
  int top = frame.top;
  if (frame.right > work.right) left -= frame.right - work.right;
  if (frame.bottom > work.bottom) top -= frame.bottom - work.bottom;
  if (left < work.left) left = work.left;
  if (top < work.top) top = work.top;
  if (left != frame.left || top != frame.top)
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SizeClientInPlace(HWND window, int width, int height) {
  RECT frame;
  RECT client;
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  SetWindowPos(window, nullptr, 0, 0, width + (frame.right - frame.left) - client.right,
               height + (frame.bottom - frame.top) - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
