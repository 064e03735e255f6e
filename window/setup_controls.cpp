// Making the Setup window's controls and reading and switching them as a group.
#include "window/setup_controls.h"

#include <new>

#include "discovery/folder_tables.h"
#include "resources/resource_ids.h"
#include "skin/bitmap_button.h"
#include "skin/link_label.h"
#include "skin/multi_state_check.h"
#include "window/setup_texts.h"

namespace {

const int kCheckMaximum = -3;  // cycling through 0 to 3; even values are the stable ones
const int kCheckCleared = 0;
const int kCheckTicked = 2;
// The plug-in's name on the Exclusion list when its check is cleared.
const char kPlugInKey[] = "Glimmerion";

// A control the full registry refused would be drawn and freed by no one.
Control* Registered(Control* control) {
  if (control && !control->registered()) {
    delete control;
    return nullptr;
  }
  return control;
}

BitmapButton* NewButton(ControlRegistry* registry, int left, int top, unsigned image,
                        int command) {
  RECT rect;
  MakeRect(&rect, left, top, 0, 0);
  BitmapButton* button =
      new (std::nothrow) BitmapButton(registry, &rect, image, image, command, "", nullptr, nullptr);
  return static_cast<BitmapButton*>(Registered(button));
}

}  // namespace

bool CreateSetupControls(SetupControls& controls, ControlRegistry* registry,
                         const SetupLayout& layout) {
  for (Control*& slot : controls.slots) slot = nullptr;
  const int top = layout.buttonTop;
  Control** slots = controls.slots;
  slots[kCancelSlot] = NewButton(registry, layout.cancelLeft, top, IDB_CANCEL, CMD_CANCEL);
  slots[kInstallSlot] = NewButton(registry, layout.installLeft, top, IDB_INSTALL, CMD_INSTALL);
  slots[kFinishSlot] = NewButton(registry, layout.finishLeft, top, IDB_FINISH, CMD_CANCEL);
  if (slots[kFinishSlot]) slots[kFinishSlot]->Show(false);

  const RECT linkPosition = {layout.helpLink.x, layout.helpLink.y, 0, 0};
  slots[kHelpLinkSlot] = Registered(
      new (std::nothrow) LinkLabel(registry, &linkPosition, kHelpSiteText, CMD_HELP_LINK, ""));

  BitmapButton* logo = NewButton(registry, layout.logo.x, layout.logo.y, IDB_LOGO, CMD_LOGO);
  if (logo) {
    logo->directDraw = true;
    logo->SetShownAndActive(false, false);
  }
  slots[kLogoSlot] = logo;

  MultiStateCheck* check = new (std::nothrow) MultiStateCheck(
      registry, &layout.checkArea, IDB_CHECK_STRIP, layout.checkLabelOffsets, kPlugInLabel,
      kCheckCleared, kCheckMaximum, kPlugInHoverText, CMD_CHECK_TOGGLED,
      MultiStateCheck::kPlainStrip, kPlugInKey);
  if (Registered(check) && check->strip) {
    check->SetValue(kCheckTicked);
    slots[kFirstCheckSlot] = check;
  }
  for (int slot = 0; slot <= kFirstCheckSlot; ++slot)
    if (!slots[slot]) return false;
  return true;
}

int SumCheckValues(const SetupControls& controls) {
  int sum = 0;
  for (int slot = kFirstCheckSlot; slot < kSetupControlSlots; ++slot) {
    if (controls.slots[slot]) sum += controls.slots[slot]->GetValue();
  }
  return sum;
}

void ExcludeClearedChecks(const SetupControls& controls) {
  for (int slot = kFirstCheckSlot; slot < kSetupControlSlots; ++slot) {
    MultiStateCheck* check = static_cast<MultiStateCheck*>(controls.slots[slot]);
    if (!check || check->GetValue() != 0) continue;
    // The key is one of the program's own ASCII names.
    wchar_t key[ARRAYSIZE(check->key)];
    if (MultiByteToWideChar(CP_ACP, 0, check->key, -1, key, ARRAYSIZE(key))) AddExclusion(key);
  }
}

void SetCompletionFlags(SetupControls& controls) {
  for (Control* control : controls.slots) {
    if (control) control->SetShownAndActive(false, false);
  }
  controls.slots[kHelpLinkSlot]->SetShownAndActive(true, true);
  controls.slots[kFinishSlot]->SetShownAndActive(true, true);
  controls.slots[kLogoSlot]->SetShownAndActive(true, false);
}
