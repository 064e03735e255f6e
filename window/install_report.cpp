// Message texts for an Install that could not be completed.
#include "window/install_report.h"

#include "text/path_text.h"
#include "window/setup_texts.h"

namespace {

const int kMessageSize = 1200;
const int kSystemTextSize = 256;

class Message {
 public:
  Message() { text_[0] = '\0'; }
  Message& operator<<(const char* part) {
    // A part that does not fit is left out; the folder and file names always fit.
    AppendText(text_, sizeof text_, part);
    return *this;
  }
  void Show(HWND owner) const { MessageBoxA(owner, text_, kProductTitle, MB_OK | MB_ICONWARNING); }

 private:
  char text_[kMessageSize];
};

}  // namespace

void ReportNoFolderChosen(HWND owner) {
  (Message() << kNoFolderChosenText).Show(owner);
}

void ReportUnusableFolder(HWND owner, const char* folder) {
  (Message() << kUnusableFolderText << folder << kUnusableFolderReasonText).Show(owner);
}

void ReportUnwrittenPayload(HWND owner, const PayloadJob& job) {
  Message message;
  message << kUnwrittenText;
  if (job.firstFailedName[0]) {
    message << kUnwrittenFileText << job.firstFailedName;
  } else {
    message << kUnwrittenPlugInText;
  }
  message << kUnwrittenFolderText << job.installPath << "\n\n";
  // Nothing is written through a link that someone else may have put in place of the folder or
  // the plug-in.
  if (job.firstError == kLinkRefusedError) {
    message << (job.firstFailedName[0] ? kLinkedFileText : kLinkedFolderText) << kLinkReasonText;
  } else {
    char systemText[kSystemTextSize] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   job.firstError, 0, systemText, sizeof systemText, nullptr);
    message << systemText << kRetryText;
  }
  message.Show(owner);
}
