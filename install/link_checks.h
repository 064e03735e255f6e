// Telling links (junctions, mount points, symbolic links) from plain folders and files, on
// Windows and on file systems that follow a link even when asked not to.
#pragma once

#include <windows.h>

// Install refuses to write through a link: ERROR_STOPPED_ON_SYMLINK, which mingw's headers lack.
const DWORD kLinkRefusedError = 681;
// Room for a final path ("\\?\D:\..."): the install folder's, with a backslash and a file name.
const int kFinalPathSize = 1024;

// The attributes of an open file or folder itself: one opened with FILE_FLAG_OPEN_REPARSE_POINT
// shows FILE_ATTRIBUTE_REPARSE_POINT when it is a link. INVALID_FILE_ATTRIBUTES when unreadable.
DWORD HandleAttributes(HANDLE handle);

// True when the folder's own entry (a text that may end in a backslash) is a link. A drive root
// is the entry of no folder and never counts.
bool FolderEntryIsLink(const wchar_t* folder);

// True when the open file, opened without following links where the file system allows it, is a
// link; path is the final path ("\\?\D:\...") it has unless it was followed.
bool OpenedFileIsLink(HANDLE file, const wchar_t* path);
