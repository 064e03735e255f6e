// Every text of the Setup window: what it paints, its message boxes, the folder picker's title,
// and what screen readers are told.
#pragma once

const int kCompletionLineCount = 3;

// The window's caption, and the caption of its message boxes.
extern const char kProductTitle[];
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
extern const char kPickerTitle[];

// Screen-reader names of the skinned buttons, and their default actions.
extern const char kInstallName[];
extern const char kCancelName[];
extern const char kFinishName[];
extern const char kCheckAction[];
extern const char kUncheckAction[];
extern const char kJumpAction[];
extern const char kPressAction[];

// The message boxes of an Install that could not be completed, in the order of their parts.
extern const char kNoFolderChosenText[];
extern const char kUnusableFolderText[];         // then the folder
extern const char kUnusableFolderReasonText[];
extern const char kUnwrittenText[];              // then the file or the plug-in
extern const char kUnwrittenFileText[];          // then the file's name
extern const char kUnwrittenPlugInText[];
extern const char kUnwrittenFolderText[];        // then the folder, and a blank line
extern const char kLinkedFileText[];             // or the folder, then the link's reason
extern const char kLinkedFolderText[];
extern const char kLinkReasonText[];
extern const char kRetryText[];                  // after the system's text of the error
