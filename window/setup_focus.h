// The Setup window's keyboard focus: the Tab cycle through the folder list and the skinned
// controls, and the keys that press the focused control. While a skinned control has the focus,
// the system's focus rests on the hidden (named) focus button, so no key reaches the folder list.
#pragma once

#include <windows.h>

#include "skin/screen.h"
#include "window/setup_controls.h"

// Moves the focus to the next (or, backwards, the previous) part of the cycle that can take it:
// the folder list while choosing, then the plug-in check, Install, Cancel, Finish and the help
// link while they are shown and active. With the focus on no part, the first or the last part
// takes it. True when the folder list took it.
bool MoveFocusInCycle(HWND window, Screen& screen, const SetupControls& controls, bool choosing,
                      bool backwards);

// Space presses the focused skinned control, Enter a focused button or link. True when the key
// was theirs (a held key's repeats included, which press nothing); false leaves it to the dialog
// manager, for which Enter is IDOK.
bool PressFocusedControl(Screen& screen, const SetupControls& controls, WPARAM key, bool repeat);

// Whether the folder list or a skinned control has the keyboard focus.
bool FocusInCycle(HWND window, const Screen& screen);

// Gives the control in the slot the keyboard focus, with its mark shown or not (for the mouse),
// and tells screen readers.
void FocusSkinnedControl(HWND window, Screen& screen, const SetupControls& controls, int slot,
                         bool marked);

// Puts the system's focus on the hidden focus button, which screen readers know by the window's
// name: off the folder list, onto no visible part.
void MoveFocusOffFolderList(HWND window);
