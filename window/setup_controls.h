// The Setup window's skinned controls: the control table, the plug-in check boxes in it, and the
// flags of the two states.
#pragma once

#include "skin/control.h"
#include "window/setup_layout.h"

const int kSetupControlSlots = 19;
const int kCancelSlot = 0;
const int kInstallSlot = 1;
const int kFinishSlot = 2;
const int kHelpLinkSlot = 3;
const int kLogoSlot = 4;
const int kFirstCheckSlot = 5;  // slots 5 to 18 hold plug-in check boxes

struct SetupControls {
  Control* slots[kSetupControlSlots];  // not owned: the Screen destroys registered controls
};

// Empties the table, then makes the six controls in their painting order where the layout puts
// them. Needs the registry's paint device context. False when one of them could not be made;
// those made stay registered.
bool CreateSetupControls(SetupControls& controls, ControlRegistry* registry,
                         const SetupLayout& layout);

// Sum of the plug-in check boxes' values: 0 when none is selected.
int SumCheckValues(const SetupControls& controls);

// Puts the key of every cleared plug-in check box on the Exclusion list.
void ExcludeClearedChecks(const SetupControls& controls);

// Completed state, flags only: the help link and the Finish button stay, the logo shows.
void SetCompletionFlags(SetupControls& controls);
