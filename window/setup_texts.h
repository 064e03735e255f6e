// The texts that the Setup window paints and reads out to screen readers.
#pragma once

const int kCompletionLineCount = 3;

// Painted while choosing a folder.
extern const char kPromptText[];
// Painted once the plug-in is installed, one line below the other.
extern const char* const kCompletionLines[kCompletionLineCount];
