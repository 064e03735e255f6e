// Message texts for an Install that could not be completed.
#include "window/install_report.h"

#include "text/path_text.h"

const wchar_t kProductTitle[] = L"Glimmerion Setup";

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
  (Message() << L"Please choose the folder to install Glimmerion in: pick one from the list, or "
                L"choose the browse entry to look for one.")
      .Show(owner);
}

void ReportUnusableFolder(HWND owner, const wchar_t* folder) {
  (Message() << L"Glimmerion cannot be installed in the folder\n\n"
             << folder
             << L"\n\nbecause it can be neither opened nor created. Please choose another folder.")
      .Show(owner);
}

void ReportUnwrittenPayload(HWND owner, const PayloadJob& job) {
  Message message;
  message << L"Setup could not write ";
  if (job.firstFailedName[0]) {
    message << L"the file " << job.firstFailedName;
  } else {
    message << L"the plug-in";
  }
  message << L" into the folder\n\n" << job.installPath << L"\n\n";
  // Nothing is written through a link that someone else may have put in place of the folder or
  // the plug-in.
  if (job.firstError == kLinkRefusedError) {
    message << (job.firstFailedName[0] ? L"because the file" : L"because the folder")
            << L" is a link to another place. Please choose another folder.";
  } else {
    wchar_t systemText[kSystemTextSize] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   job.firstError, 0, systemText, kSystemTextSize, nullptr);
    message << systemText
            << L"\nIf your image editor is running, close it and try again, or choose another "
               L"folder.";
  }
  message.Show(owner);
}
