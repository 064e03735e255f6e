// A real combo box for folder-list tests.
#include "tests/driver/combo_fixture.h"

#include "tests/support/platform_fixtures.h"

std::vector<std::string> ComboEntries(HWND combo) {
  std::vector<std::string> entries;
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    // Read as UTF-16, the folder list's own text, and given as UTF-8.
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    std::wstring wide(length > 0 ? length + 1 : 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&wide[0]));
    entries.push_back(Utf8(wide.c_str()));
  }
  return entries;
}

void ComboFixture::SetUp() {
  // Unicode windows, as the Setup window's dialog makes them.
  parent_ = CreateWindowExW(0, L"STATIC", L"folder list test", WS_POPUP | WS_VISIBLE, 0, 0, 500, 300,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(parent_, nullptr);
  combo_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 16, 232,
                           469, 200, parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(combo_, nullptr);
}

void ComboFixture::TearDown() {
  if (parent_) DestroyWindow(parent_);
}

int ComboFixture::Selection() const {
  return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0));
}
