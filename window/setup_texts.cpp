// The Setup window's texts.
#include "window/setup_texts.h"

const char kProductTitle[] = "Glimmerion Setup";
const char kPromptText[] = "Select folder where setup will install files:";
// The first line's spaces centre it over the others.
const char* const kCompletionLines[kCompletionLineCount] = {"   Installation completed. Please",
                                                            "restart your image editor to",
                                                            "activate the plug-ins installed."};
const char kHelpSiteText[] = "www.tarnwell.com";
const char kPlugInLabel[] = "Glimmerion plug-in";
const char kPlugInHoverText[] = "Select to install Glimmerion filter";
const wchar_t kHelpPage[] = L"https://www.tarnwell.com/installgt.htm";
const char kPickerTitle[] = "Please Select Your Plug-Ins Folder";

const char kInstallName[] = "Install";
const char kCancelName[] = "Cancel";
const char kFinishName[] = "Finish";
const char kCheckAction[] = "Check";
const char kUncheckAction[] = "Uncheck";
const char kJumpAction[] = "Jump";
const char kPressAction[] = "Press";

const char kNoFolderChosenText[] =
    "Please choose the folder to install Glimmerion in: pick one from the list, or choose the "
    "browse entry to look for one.";
const char kUnusableFolderText[] = "Glimmerion cannot be installed in the folder\n\n";
const char kUnusableFolderReasonText[] =
    "\n\nbecause it can be neither opened nor created. Please choose another folder.";
const char kUnwrittenText[] = "Setup could not write ";
const char kUnwrittenFileText[] = "the file ";
const char kUnwrittenPlugInText[] = "the plug-in";
const char kUnwrittenFolderText[] = " into the folder\n\n";
const char kLinkedFileText[] = "because the file";
const char kLinkedFolderText[] = "because the folder";
const char kLinkReasonText[] = " is a link to another place. Please choose another folder.";
const char kRetryText[] =
    "\nIf your image editor is running, close it and try again, or choose another folder.";
