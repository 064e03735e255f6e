// Message texts for an Install that could not be completed.
#include "window/install_report.h"

#include "text/path_text.h"

const char kProductTitle[] = "Glimmerion Setup";

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
  (Message() << "Please choose the folder to install Glimmerion in: pick one from the list, or "
                "choose the browse entry to look for one.")
      .Show(owner);
}

void ReportUnusableFolder(HWND owner, const char* folder) {
  (Message() << "Glimmerion cannot be installed in the folder\n\n"
             << folder
             << "\n\nbecause it can be neither opened nor created. Please choose another folder.")
      .Show(owner);
}

void ReportUnwrittenPayload(HWND owner, const PayloadJob& job) {
  Message message;
  message << "Setup could not write ";
  if (job.firstFailedName[0]) {
    message << "the file " << job.firstFailedName;
  } else {
    message << "the plug-in";
  }
  message << " into the folder\n\n" << job.installPath << "\n\n";
  // Nothing is written through a link that someone else may have put in place of the folder or
  // the plug-in.
  if (job.firstError == kLinkRefusedError) {
    message << (job.firstFailedName[0] ? "because the file" : "because the folder")
            << " is a link to another place. Please choose another folder.";
  } else {
    char systemText[kSystemTextSize] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   job.firstError, 0, systemText, sizeof systemText, nullptr);
    message << systemText
            << "\nIf your image editor is running, close it and try again, or choose another "
               "folder.";
  }
  message.Show(owner);
}
