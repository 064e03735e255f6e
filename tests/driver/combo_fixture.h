// A real drop-down-list combo box in a real top-level window, and readers of its entries.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Reads every entry of a combo box, in this process or another (CB_GETCOUNT, CB_GETLBTEXT).
std::vector<std::string> ComboEntries(HWND combo);

class ComboFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND combo() const { return combo_; }
  std::vector<std::string> Entries() const { return ComboEntries(combo_); }
  int Selection() const;

 private:
  HWND parent_ = nullptr;
  HWND combo_ = nullptr;
};
