// Resource and command ids, shared by the resource scripts, the Setup window and the tests.
// Plain macros, because the resource compiler reads this file too.
#ifndef GLIMMERION_RESOURCE_IDS_H
#define GLIMMERION_RESOURCE_IDS_H

// Items of the dialog template "main".
#define IDC_FOLDER_LIST 1033
#define IDC_FOCUS_BUTTON 1034

// Bitmaps and the cursor of the window's art.
#define IDB_CHECK_STRIP 128
#define IDB_CANCEL 203
#define IDB_LOGO 213
#define IDB_INSTALL 219
#define IDB_FINISH 220
#define IDB_SKIN 222
#define IDC_HAND_CURSOR 120

// Command numbers that the skinned controls post with WM_CONTROL_COMMAND.
#define CMD_LOGO 1
#define CMD_CANCEL 2  // the Cancel and Finish buttons
#define CMD_HELP_KEY 215  // the window's own answer to F1: nothing
#define CMD_INSTALL 219
#define CMD_HELP_LINK 1029
#define CMD_CHECK_TOGGLED 2000  // a plug-in check box

#endif
