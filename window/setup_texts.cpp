// The Setup window's painted texts.
#include "window/setup_texts.h"

const char kPromptText[] = "Select folder where setup will install files:";
// The first line's spaces centre it over the others.
const char* const kCompletionLines[kCompletionLineCount] = {"   Installation completed. Please",
                                                            "restart your image editor to",
                                                            "activate the plug-ins installed."};
