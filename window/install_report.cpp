// Message texts for an Install that could not be completed.
#include "window/install_report.h"

#include "text/path_text.h"
#include "window/setup_texts.h"

namespace {

const int kMessageSize = 1200;
const int kSystemTextSize = 256;

class Message {
 public:
  Message() { text_[0] = L'\0'; }
  Message& operator<<(const wchar_t* part) {
    // A part that does not fit is left out; the folder and file names always fit.
    AppendText(text_, kMessageSize, part);
    return *this;
  }
  void Show(HWND owner) const { MessageBoxW(owner, text_, kProductTitle, MB_OK | MB_ICONWARNING); }

 private:
  wchar_t text_[kMessageSize];
};

}  // namespace

void ReportNoFolderChosen(HWND owner) {
  (Message() << kNoFolderChosenText).Show(owner);
}

void ReportUnusableFolder(HWND owner, const wchar_t* folder) {
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
  message << kUnwrittenFolderText << job.installPath << L"\n\n";
  // Nothing is written through a link that someone else may have put in place of the folder or
  // the plug-in.
  if (job.firstError == kLinkRefusedError) {
    message << (job.firstFailedName[0] ? kLinkedFileText : kLinkedFolderText) << kLinkReasonText;
  } else {
    wchar_t systemText[kSystemTextSize] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   job.firstError, 0, systemText, kSystemTextSize, nullptr);
    message << systemText << kRetryText;
  }
  message.Show(owner);
}
