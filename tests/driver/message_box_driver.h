// Finds, reads and answers the installer's message boxes, from another thread or process.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

struct SeenMessageBox {
  HWND owner = nullptr;
  std::string text;  // UTF-8
};

// Waits for a visible message box of the process with the given caption; null when none shows.
HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs);
// Its owner and text; then presses its OK button.
SeenMessageBox AnswerMessageBox(HWND box);

// Answers the first message box of this process with the caption, from a second thread, so that
// a test can send the message that shows it.
class MessageBoxAnswer {
 public:
  explicit MessageBoxAnswer(const char* caption);
  ~MessageBoxAnswer();
  MessageBoxAnswer(const MessageBoxAnswer&) = delete;
  MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

  // Waits for the answering thread; true when a box appeared and was answered.
  bool Answered();
  const SeenMessageBox& seen() const { return seen_; }

 private:
  std::string caption_;
  SeenMessageBox seen_;
  std::atomic<bool> answered_{false};
  std::thread thread_;
};
