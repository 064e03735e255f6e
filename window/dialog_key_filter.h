// Hands the keys of a modal dialog to the dialog's own handler before the dialog manager sees
// them: a message filter hook, which IsDialogMessage calls with MSGF_DIALOGBOX for every message
// of the dialog's loop. The skinned controls are no windows, so the dialog manager alone would
// move the focus only between the stock controls.
#pragma once

#include <windows.h>

#include "win32/handle_guards.h"

// True when the handler used the message; the dialog manager then never sees it.
using DialogKeyHandler = bool (*)(const MSG& message);

// Filters this thread's dialog messages through the handler while it lives. One at a time.
class DialogKeyFilter {
 public:
  explicit DialogKeyFilter(DialogKeyHandler handler);
  DialogKeyFilter(const DialogKeyFilter&) = delete;
  DialogKeyFilter& operator=(const DialogKeyFilter&) = delete;

 private:
  Hook hook_;
};
