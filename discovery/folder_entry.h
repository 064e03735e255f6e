// A candidate folder as the installer offers it: the folder's text, with the maker's subfolder
// where the candidate's flag asks for one. The window lists it; the unattended mode installs there.
#pragma once

#include "discovery/folder_tables.h"

// Composes a candidate's entry in entry (kFolderTextSize characters): its text, with "Tarnwell\\"
// appended when the slot's flag is set. False, with entry empty, when it does not fit.
bool ComposeFolderEntry(const FolderSlot& slot, wchar_t* entry);
