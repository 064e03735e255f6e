// The Setup window's Tab cycle and the keys of its skinned controls.
#include "window/setup_focus.h"

#include "resources/resource_ids.h"
#include "window/setup_accessible.h"

namespace {

// The cycle in Tab order: the folder list at index 0, then these slots of the control table.
// Hidden and inactive controls are skipped, so the same cycle serves both states.
const int kCycleSlots[] = {kFirstCheckSlot, kInstallSlot, kCancelSlot, kFinishSlot, kHelpLinkSlot};
const int kCycleLength = 1 + sizeof kCycleSlots / sizeof kCycleSlots[0];

HWND FolderList(HWND window) { return GetDlgItem(window, IDC_FOLDER_LIST); }

Control* CycleControl(const SetupControls& controls, int index) {
  return controls.slots[kCycleSlots[index - 1]];
}

// The cycle index of the part with the focus, or -1 for none. A focus without its mark (given
// to Finish after a mouse user's Install) counts as none: the first Tab starts the cycle.
int FocusedIndex(HWND window, const Screen& screen, const SetupControls& controls) {
  if (GetFocus() == FolderList(window)) return 0;
  const Control* focused = screen.FocusedControl();
  if (focused && !focused->marked()) focused = nullptr;
  for (int index = 1; focused && index < kCycleLength; ++index) {
    if (CycleControl(controls, index) == focused) return index;
  }
  return -1;
}

}  // namespace

bool MoveFocusInCycle(HWND window, Screen& screen, const SetupControls& controls, bool choosing,
                      bool backwards) {
  const int step = backwards ? kCycleLength - 1 : 1;
  int index = FocusedIndex(window, screen, controls);
  if (index < 0) index = backwards ? 0 : kCycleLength - 1;
  for (int tried = 0; tried < kCycleLength; ++tried) {
    index = (index + step) % kCycleLength;
    if (index == 0) {
      if (!choosing) continue;
      screen.FocusControl(nullptr);
      SetFocus(FolderList(window));
      return true;
    }
    const Control* control = CycleControl(controls, index);
    if (control && control->shown() && control->active()) {
      FocusSkinnedControl(window, screen, controls, kCycleSlots[index - 1], true);
      return false;
    }
  }
  return false;
}

bool PressFocusedControl(Screen& screen, const SetupControls& controls, WPARAM key, bool repeat) {
  Control* focused = screen.FocusedControl();
  if (!focused) return false;
  // Enter on the check box is the dialog's Enter, as for any check box.
  const bool isCheck = focused == controls.slots[kFirstCheckSlot];
  if (key != VK_SPACE && (key != VK_RETURN || isCheck)) return false;
  if (!repeat) screen.PressControl(focused);
  return true;
}

bool FocusInCycle(HWND window, const Screen& screen) {
  return screen.FocusedControl() || GetFocus() == FolderList(window);
}

void FocusSkinnedControl(HWND window, Screen& screen, const SetupControls& controls, int slot,
                         bool marked) {
  MoveFocusOffFolderList(window);
  screen.FocusControl(controls.slots[slot], marked);
  NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, AccessibleChildOfSlot(slot));
}

// Clicking the hidden button takes the keyboard focus off the folder list.
void MoveFocusOffFolderList(HWND window) {
  SendDlgItemMessageW(window, IDC_FOCUS_BUTTON, BM_CLICK, 0, 0);
}
