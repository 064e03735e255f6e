// The Setup window's texts.
#include "window/setup_texts.h"

const wchar_t kProductTitle[] = L"Glimmerion Setup";
const char kPromptText[] = "Select folder where setup will install files:";
// The first line's spaces centre it over the others.
const char* const kCompletionLines[kCompletionLineCount] = {"   Installation completed. Please",
                                                            "restart your image editor to",
                                                            "activate the plug-ins installed."};
const char kHelpSiteText[] = "www.tarnwell.com";
const char kPlugInLabel[] = "Glimmerion plug-in";
const char kPlugInHoverText[] = "Select to install Glimmerion filter";
const wchar_t kHelpPage[] = L"https://www.tarnwell.com/installgt.htm";
const wchar_t kPickerTitle[] = L"Please Select Your Plug-Ins Folder";

const char kInstallName[] = "Install";
const char kCancelName[] = "Cancel";
const char kFinishName[] = "Finish";
const char kCheckAction[] = "Check";
const char kUncheckAction[] = "Uncheck";
const char kJumpAction[] = "Jump";
const char kPressAction[] = "Press";
const wchar_t kBrowseEntryName[] = L"Browse for another folder";

const wchar_t kNoFolderChosenText[] =
    L"Please choose the folder to install Glimmerion in: pick one from the list, or choose the "
    L"browse entry to look for one.";
const wchar_t kUnusableFolderText[] = L"Glimmerion cannot be installed in the folder\n\n";
const wchar_t kUnusableFolderReasonText[] =
    L"\n\nbecause it can be neither opened nor created. Please choose another folder.";
const wchar_t kUnwrittenText[] = L"Setup could not write ";
const wchar_t kUnwrittenFileText[] = L"the file ";
const wchar_t kUnwrittenPlugInText[] = L"the plug-in";
const wchar_t kUnwrittenFolderText[] = L" into the folder\n\n";
const wchar_t kLinkedFileText[] = L"because the file";
const wchar_t kLinkedFolderText[] = L"because the folder";
const wchar_t kLinkReasonText[] = L" is a link to another place. Please choose another folder.";
const wchar_t kRetryText[] =
    L"\nIf your image editor is running, close it and try again, or choose another folder.";
