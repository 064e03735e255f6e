// Every text of the Setup window: what it paints, its message boxes, the folder picker's title,
// and what screen readers are told.
#pragma once

const int kCompletionLineCount = 3;

// The window's caption, and the caption of its message boxes.
extern const wchar_t kProductTitle[];
// Painted while choosing a folder.
extern const char kPromptText[];
// Painted once the plug-in is installed, one line below the other.
extern const char* const kCompletionLines[kCompletionLineCount];
// The help link's text and the plug-in check's label and hover text; screen readers read the
// first two out too.
extern const char kHelpSiteText[];
extern const char kPlugInLabel[];
extern const char kPlugInHoverText[];
// The maker's help page, opened by the help link.
extern const wchar_t kHelpPage[];
extern const wchar_t kPickerTitle[];

// Screen-reader names of the skinned buttons, and their default actions.
extern const char kInstallName[];
extern const char kCancelName[];
extern const char kFinishName[];
extern const char kCheckAction[];
extern const char kUncheckAction[];
extern const char kJumpAction[];
extern const char kPressAction[];
// What the browse entry of the folder list does, read out in place of its row of stars.
extern const wchar_t kBrowseEntryName[];

// The message boxes of an Install that could not be completed, in the order of their parts.
extern const wchar_t kNoFolderChosenText[];
extern const wchar_t kUnusableFolderText[];         // then the folder
extern const wchar_t kUnusableFolderReasonText[];
extern const wchar_t kUnwrittenText[];              // then the file or the plug-in
extern const wchar_t kUnwrittenFileText[];          // then the file's name
extern const wchar_t kUnwrittenPlugInText[];
extern const wchar_t kUnwrittenFolderText[];        // then the folder, and a blank line
extern const wchar_t kLinkedFileText[];             // or the folder, then the link's reason
extern const wchar_t kLinkedFolderText[];
extern const wchar_t kLinkReasonText[];
extern const wchar_t kRetryText[];                  // after the system's text of the error
