// A real combo box for folder-list tests.
#include "tests/driver/combo_fixture.h"

std::vector<std::string> ComboEntries(HWND combo) {
  std::vector<std::string> entries;
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    // Read as UTF-16: Wine hands a UTF-16 text to CB_GETLBTEXT sent with SendMessageA from
    // another process, writing twice the bytes that the ANSI length promises.
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    std::wstring wide(length > 0 ? length + 1 : 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&wide[0]));
    char text[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
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
