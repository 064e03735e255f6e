// Answers the folder picker of this process from a second thread, as a user would: by choosing a
// folder and pressing OK, or by cancelling.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

class PickerAnswer {
 public:
  // folder: the folder to choose (UTF-8); empty: cancel the picker. The answer is given to the first
  // picker that appears within a few seconds.
  explicit PickerAnswer(std::string folder);
  ~PickerAnswer();
  PickerAnswer(const PickerAnswer&) = delete;
  PickerAnswer& operator=(const PickerAnswer&) = delete;

  // Waits for the answering thread; true when a picker appeared and was answered.
  bool Answered();
  // The picker showed the title text the installer asked for.
  bool ShowedTitle(const char* title);

 private:
  void Run();
  std::string folder_;
  std::string texts_;  // static texts seen in the picker, one per line
  std::atomic<bool> answered_{false};
  std::thread thread_;
};
