// Making the Setup window's controls and reading and switching them as a group.
#include "app/setup_controls.h"

#include <new>

#include "discovery/folder_tables.h"
#include "skin/bitmap_button.h"
#include "skin/link_label.h"
#include "skin/multi_state_check.h"

namespace {

const unsigned kCancelImage = 203;
const unsigned kInstallImage = 219;
const unsigned kFinishImage = 220;
const unsigned kLogoImage = 213;
const unsigned kCheckStrip = 128;
const int kLogoCommand = 1;
const char kHelpSiteText[] = "www.tarnwell.com";
// The label stands 20 pixels right of the frame: (20 + 0x8000) << 16 | (0 + 0x8000).
const unsigned kCheckLabelOffsets = 0x80148000;
const int kCheckMaximum = -3;  // cycling through 0 to 3; even values are the stable ones
const int kCheckTicked = 2;

// A control the full registry refused would be drawn and freed by no one.
Control* Registered(Control* control) {
  if (control && !control->registered()) {
    delete control;
    return nullptr;
  }
  return control;
}

Control* NewButton(ControlRegistry* registry, int left, int top, unsigned image, int command) {
  RECT rect;
  MakeRect(&rect, left, top, 0, 0);
  return Registered(new (std::nothrow)
                        BitmapButton(registry, &rect, image, image, command, "", nullptr, nullptr));
}

}  // namespace

bool CreateSetupControls(SetupControls& controls, ControlRegistry* registry, int skinWidth,
                         int skinHeight) {
  for (Control*& slot : controls.slots) slot = nullptr;
  const int buttonTop = skinHeight - 21;
  Control** slots = controls.slots;
  slots[kCancelSlot] = NewButton(registry, skinWidth - 63, buttonTop, kCancelImage, kCancelCommand);
  slots[kInstallSlot] =
      NewButton(registry, skinWidth - 125, buttonTop, kInstallImage, kInstallCommand);
  slots[kFinishSlot] = NewButton(registry, skinWidth - 65, buttonTop, kFinishImage, kCancelCommand);
  if (slots[kFinishSlot]) slots[kFinishSlot]->Show(0);

  const RECT linkPosition = {300, 20, 0, 0};
  slots[kHelpLinkSlot] = Registered(
      new (std::nothrow) LinkLabel(registry, &linkPosition, kHelpSiteText, kHelpLinkCommand, ""));

  BitmapButton* logo =
      static_cast<BitmapButton*>(NewButton(registry, 6, 6, kLogoImage, kLogoCommand));
  if (logo) {
    logo->directDraw = 1;
    logo->active = 0;
    logo->shown = 0;
  }
  slots[kLogoSlot] = logo;

  // Read by the check as left, top, width, height: only left and top place the frame.
  const RECT checkRect = {290, 100, 310, 112};
  MultiStateCheck* check = new (std::nothrow) MultiStateCheck(
      registry, &checkRect, kCheckStrip, kCheckLabelOffsets, "Glimmerion plug-in", 0, kCheckMaximum,
      "Select to install Glimmerion filter", kCheckToggledCommand, 0, "Glimmerion");
  if (Registered(check) && check->strip) {
    check->value = kCheckTicked;
    slots[kFirstCheckSlot] = check;
  }
  for (int slot = 0; slot <= kFirstCheckSlot; ++slot)
    if (!slots[slot]) return false;
  return true;
}

int SumCheckValues(const SetupControls& controls) {
  int sum = 0;
  for (int slot = kFirstCheckSlot; slot < kSetupControlSlots; ++slot) {
    if (controls.slots[slot]) sum += static_cast<MultiStateCheck*>(controls.slots[slot])->value;
  }
  return sum;
}

void ExcludeClearedChecks(const SetupControls& controls) {
  for (int slot = kFirstCheckSlot; slot < kSetupControlSlots; ++slot) {
    MultiStateCheck* check = static_cast<MultiStateCheck*>(controls.slots[slot]);
    if (check && check->value == 0) AddExclusion(check->key);
  }
}

void SetCompletionFlags(SetupControls& controls) {
  for (Control* control : controls.slots) {
    if (control) control->active = control->shown = 0;
  }
  Control* helpLink = controls.slots[kHelpLinkSlot];
  helpLink->active = helpLink->shown = 1;
  Control* finish = controls.slots[kFinishSlot];
  finish->active = finish->shown = 1;
  controls.slots[kLogoSlot]->shown = 1;
}
