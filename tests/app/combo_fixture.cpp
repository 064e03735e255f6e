// A real combo box for folder-list tests.
#include "tests/app/combo_fixture.h"

std::vector<std::string> ComboEntries(HWND combo) {
  std::vector<std::string> entries;
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    std::string text(length > 0 ? length + 1 : 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length > 0 ? length : 0);
    entries.push_back(text);
  }
  return entries;
}

void ComboFixture::SetUp() {
  parent_ = CreateWindowExA(0, "STATIC", "folder list test", WS_POPUP | WS_VISIBLE, 0, 0, 500, 300,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(parent_, nullptr);
  combo_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 16, 232,
                           469, 200, parent_, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(combo_, nullptr);
}

void ComboFixture::TearDown() {
  if (parent_) DestroyWindow(parent_);
}

int ComboFixture::Selection() const {
  return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0));
}
