// Active Accessibility calls of a screen reader, from the test's process.
#include "tests/app/screen_reader.h"

#include "resources/resource_ids.h"

namespace {

VARIANT ChildVariant(long child) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  return id;
}

std::string Narrow(BSTR text) {
  std::string narrow;
  for (UINT i = 0; text && i < SysStringLen(text); ++i) narrow += static_cast<char>(text[i]);
  SysFreeString(text);
  return narrow;
}

long Number(HRESULT result, const VARIANT& value) {
  return SUCCEEDED(result) && value.vt == VT_I4 ? value.lVal : -1;
}

}  // namespace

ScreenReader::ScreenReader(HWND window) : window_(window) {
  comEntered_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  // __uuidof: the 64-bit oleacc library gives IID_IAccessible as an import thunk.
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&object_));
}

ScreenReader::~ScreenReader() {
  if (object_) object_->Release();
  if (comEntered_) CoUninitialize();
}

long ScreenReader::ChildCount() const {
  long count = -1;
  return SUCCEEDED(object_->get_accChildCount(&count)) ? count : -1;
}

std::string ScreenReader::Name(long child) const {
  BSTR name = nullptr;
  object_->get_accName(ChildVariant(child), &name);
  return Narrow(name);
}

long ScreenReader::Role(long child) const {
  VARIANT role;
  VariantInit(&role);
  return Number(object_->get_accRole(ChildVariant(child), &role), role);
}

long ScreenReader::State(long child) const {
  VARIANT state;
  VariantInit(&state);
  return Number(object_->get_accState(ChildVariant(child), &state), state);
}

RECT ScreenReader::Location(long child) const {
  long left = 0, top = 0, width = 0, height = 0;
  object_->accLocation(&left, &top, &width, &height, ChildVariant(child));
  return RECT{left, top, left + width, top + height};
}

HRESULT ScreenReader::DoDefaultAction(long child) const {
  return object_->accDoDefaultAction(ChildVariant(child));
}

std::string ScreenReader::FocusedName() const {
  VARIANT focus;
  VariantInit(&focus);
  if (FAILED(object_->get_accFocus(&focus))) return "";
  if (focus.vt == VT_I4) return Name(focus.lVal);
  if (focus.vt != VT_DISPATCH) return "";
  // Wine's standard object of a combo box gives the client role, so the object is known by its
  // window.
  IAccessible* object = nullptr;
  HWND objectWindow = nullptr;
  if (SUCCEEDED(focus.pdispVal->QueryInterface(__uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object)))) {
    WindowFromAccessibleObject(object, &objectWindow);
    object->Release();
  }
  VariantClear(&focus);
  return objectWindow == GetDlgItem(window_, IDC_FOLDER_LIST) ? "folder list" : "another object";
}
