// The Setup window's accessible object: what screen readers are told about its parts, which
// part lies at a point, and the default actions that they can take, each the same as a click.
#include "window/setup_accessible.h"

#include "resources/resource_ids.h"
#include "window/folder_list.h"
#include "window/oleacc_functions.h"
#include "window/setup_focus.h"
#include "window/setup_texts.h"

namespace {

enum ChildId : LONG {
  kPromptChild = 1,
  kFolderListChild = kFolderListChildId,
  kPlugInChild,
  kInstallChild,
  kCancelChild,
  kFirstCompletionChild = kFirstCompletionChildId,  // one static text for each painted line
  kFinishChild = kFirstCompletionChild + kCompletionLineCount,
  kHelpLinkChild,
};
const LONG kChildCount = kHelpLinkChild;

const int kNoSlot = -1;

struct ChildPart {
  const char* name;  // null: a completion line
  LONG role;
  int slot;  // kNoSlot: not a skinned control
};

// In the order a reader goes through them: the parts of the choosing state, then those of the
// completed state; the help link is in both. The folder list is named by the prompt above it.
const ChildPart kParts[kChildCount] = {
    {kPromptText, ROLE_SYSTEM_STATICTEXT, kNoSlot},
    {kPromptText, ROLE_SYSTEM_COMBOBOX, kNoSlot},
    {kPlugInLabel, ROLE_SYSTEM_CHECKBUTTON, kFirstCheckSlot},
    {kInstallName, ROLE_SYSTEM_PUSHBUTTON, kInstallSlot},
    {kCancelName, ROLE_SYSTEM_PUSHBUTTON, kCancelSlot},
    {nullptr, ROLE_SYSTEM_STATICTEXT, kNoSlot},
    {nullptr, ROLE_SYSTEM_STATICTEXT, kNoSlot},
    {nullptr, ROLE_SYSTEM_STATICTEXT, kNoSlot},
    {kFinishName, ROLE_SYSTEM_PUSHBUTTON, kFinishSlot},
    {kHelpSiteText, ROLE_SYSTEM_LINK, kHelpLinkSlot},
};

const ChildPart& PartOf(LONG id) { return kParts[id - 1]; }

bool IsCompletionLine(LONG id) { return id >= kFirstCompletionChild && id < kFinishChild; }

const char* Unpadded(const char* text) {
  while (*text == ' ') ++text;
  return text;
}

// Every text told is one of the program's own, in plain ASCII: each byte is one character. The
// spaces that centre a painted line are left out.
HRESULT PutText(const char* text, BSTR* out) {
  text = Unpadded(text);
  const UINT length = lstrlenA(text);
  *out = SysAllocStringLen(nullptr, length);
  if (!*out) return E_OUTOFMEMORY;
  for (UINT i = 0; i < length; ++i) (*out)[i] = static_cast<unsigned char>(text[i]);
  return S_OK;
}

HRESULT PutNumber(LONG number, VARIANT* out) {
  out->vt = VT_I4;
  out->lVal = number;
  return S_OK;
}

HRESULT PutObject(HRESULT found, VARIANT* out) {
  if (SUCCEEDED(found)) out->vt = VT_DISPATCH;
  return found;
}

// The system's standard object for a part of a window: the Setup window's frame, or the folder
// list's combo box.
HRESULT StandardObject(HWND window, LONG part, IDispatch** object) {
  return LoadedAccessibleObjectFromWindow(window, static_cast<DWORD>(part), __uuidof(IDispatch),
                                          reinterpret_cast<void**>(object));
}

}  // namespace

LONG AccessibleChildOfSlot(int slot) {
  for (LONG id = 1; id <= kChildCount; ++id) {
    if (PartOf(id).slot == slot) return id;
  }
  return CHILDID_SELF;
}

SetupAccessible::SetupAccessible(const AccessibleSetup& setup, LONG self)
    : references_(1), setup_(setup), self_(self), connected_(true) {}

void SetupAccessible::Disconnect() {
  connected_ = false;
  CoDisconnectObject(this, 0);
}

// Interface ids come from __uuidof: mingw's 64-bit oleacc library gives IID_IAccessible as an
// import thunk, whose address is code, not the id.
HRESULT SetupAccessible::QueryInterface(REFIID id, void** object) {
  *object = nullptr;
  if (!IsEqualIID(id, __uuidof(IAccessible)) && !IsEqualIID(id, __uuidof(IDispatch)) &&
      !IsEqualIID(id, __uuidof(IUnknown)))
    return E_NOINTERFACE;
  *object = static_cast<IAccessible*>(this);
  AddRef();
  return S_OK;
}

ULONG SetupAccessible::AddRef() { return InterlockedIncrement(&references_); }

ULONG SetupAccessible::Release() {
  const LONG references = InterlockedDecrement(&references_);
  if (references == 0) delete this;
  return references;
}

// Screen readers use the IAccessible methods; the dispatch interface describes none of them.
HRESULT SetupAccessible::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}
HRESULT SetupAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT SetupAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT SetupAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                UINT*) {
  return E_NOTIMPL;
}

HRESULT SetupAccessible::Child(const VARIANT& child, LONG* id) const {
  if (!connected_) return CO_E_OBJNOTCONNECTED;
  const LONG last = self_ == CHILDID_SELF ? kChildCount : CHILDID_SELF;
  if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > last) return E_INVALIDARG;
  *id = child.lVal == CHILDID_SELF ? self_ : child.lVal;
  return S_OK;
}

HWND SetupAccessible::FolderList() const { return GetDlgItem(setup_.window, IDC_FOLDER_LIST); }

HWND SetupAccessible::OwnWindow() const {
  return self_ == kFolderListChild ? FolderList() : setup_.window;
}

Control* SetupAccessible::ControlOf(LONG id) const {
  if (id == CHILDID_SELF || PartOf(id).slot == kNoSlot) return nullptr;
  return setup_.controls->slots[PartOf(id).slot];
}

LONG SetupAccessible::State(LONG id) const {
  if (id == CHILDID_SELF) return 0;
  if (Control* control = ControlOf(id)) {
    if (!control->shown()) return STATE_SYSTEM_INVISIBLE;
    LONG state = control->active() ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
    if (control->focused()) state |= STATE_SYSTEM_FOCUSED;
    if (id == kPlugInChild && control->GetValue() != 0) state |= STATE_SYSTEM_CHECKED;
    return state;
  }
  // The completion lines show once completed; the prompt and the folder list until then.
  if (*setup_.completed != IsCompletionLine(id)) return STATE_SYSTEM_INVISIBLE;
  if (id != kFolderListChild) return STATE_SYSTEM_READONLY;
  return STATE_SYSTEM_FOCUSABLE | (GetFocus() == FolderList() ? STATE_SYSTEM_FOCUSED : 0);
}

RECT SetupAccessible::ScreenRect(LONG id) const {
  RECT rect;
  if (id == kFolderListChild) {
    GetWindowRect(FolderList(), &rect);
    return rect;
  }
  if (const Control* control = ControlOf(id)) {
    rect = control->Bounds();
  } else if (id == CHILDID_SELF) {
    GetClientRect(setup_.window, &rect);
  } else {
    // A line of painted text, as far as it is drawn in the window's font of the moment.
    POINT origin = setup_.layout->prompt;
    const char* text = kPromptText;
    if (id != kPromptChild) {
      origin = setup_.layout->completionText;
      origin.y += (id - kFirstCompletionChild) * setup_.layout->completionLineHeight;
      text = kCompletionLines[id - kFirstCompletionChild];
    }
    WindowDc dc(setup_.window);
    SelectGuard font(dc.get(), setup_.screen->registry()->textFont);
    rect = TextBounds(dc.get(), origin.x, origin.y, text);
  }
  ClientToScreen(setup_.window, reinterpret_cast<POINT*>(&rect.left));
  ClientToScreen(setup_.window, reinterpret_cast<POINT*>(&rect.right));
  return rect;
}

HRESULT SetupAccessible::get_accParent(IDispatch** parent) {
  *parent = nullptr;
  if (!connected_) return CO_E_OBJNOTCONNECTED;
  return StandardObject(OwnWindow(), OBJID_WINDOW, parent);
}

HRESULT SetupAccessible::get_accChildCount(LONG* count) {
  *count = self_ == CHILDID_SELF ? kChildCount : 0;
  return connected_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

// The folder list is a stock combo box: its own standard object describes it, entries and all.
// The other parts are simple elements, described by this object under their child ids.
HRESULT SetupAccessible::get_accChild(VARIANT child, IDispatch** object) {
  *object = nullptr;
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  if (id == self_) return E_INVALIDARG;
  if (id != kFolderListChild) return S_FALSE;
  return StandardObject(FolderList(), OBJID_CLIENT, object);
}

HRESULT SetupAccessible::get_accName(VARIANT child, BSTR* name) {
  *name = nullptr;
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  if (id == CHILDID_SELF) {
    *name = SysAllocString(kProductTitle);
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  const char* text = PartOf(id).name;
  return PutText(text ? text : kCompletionLines[id - kFirstCompletionChild], name);
}

HRESULT SetupAccessible::get_accRole(VARIANT child, VARIANT* role) {
  role->vt = VT_EMPTY;
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  // A dialog: readers read its texts out when it opens.
  return PutNumber(id == CHILDID_SELF ? ROLE_SYSTEM_DIALOG : PartOf(id).role, role);
}

HRESULT SetupAccessible::get_accState(VARIANT child, VARIANT* state) {
  state->vt = VT_EMPTY;
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  return PutNumber(State(id), state);
}

HRESULT SetupAccessible::get_accFocus(VARIANT* child) {
  child->vt = VT_EMPTY;
  if (!connected_) return CO_E_OBJNOTCONNECTED;
  if (self_ == kFolderListChild)
    return GetFocus() == FolderList() ? PutNumber(CHILDID_SELF, child) : S_FALSE;
  if (GetFocus() == FolderList())
    return PutObject(StandardObject(FolderList(), OBJID_CLIENT, &child->pdispVal), child);
  for (LONG id = 1; id <= kChildCount; ++id) {
    if (State(id) & STATE_SYSTEM_FOCUSED) return PutNumber(id, child);
  }
  return S_FALSE;
}

HRESULT SetupAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  *action = nullptr;
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  if (!ControlOf(id)) return DISP_E_MEMBERNOTFOUND;
  const LONG role = PartOf(id).role;
  if (role == ROLE_SYSTEM_CHECKBUTTON)
    return PutText((State(id) & STATE_SYSTEM_CHECKED) ? kUncheckAction : kCheckAction, action);
  return PutText(role == ROLE_SYSTEM_LINK ? kJumpAction : kPressAction, action);
}

// A click on the control: its command is posted, and the window acts on it once this call has
// returned, as for the mouse.
HRESULT SetupAccessible::accDoDefaultAction(VARIANT child) {
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  Control* control = ControlOf(id);
  if (!control) return DISP_E_MEMBERNOTFOUND;
  // While a picker or message box holds the window disabled, nothing may act in it.
  if (!control->shown() || !control->active() || !IsWindowEnabled(setup_.window)) return E_FAIL;
  setup_.screen->PressControl(control);
  return S_OK;
}

HRESULT SetupAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                     VARIANT child) {
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  const RECT rect = ScreenRect(id);
  *left = rect.left;
  *top = rect.top;
  *width = rect.right - rect.left;
  *height = rect.bottom - rect.top;
  return S_OK;
}

// The folder list's value is its chosen entry; Finish's description is the completion text,
// which a reader then says with the focus that comes to Finish after Install.
HRESULT SetupAccessible::get_accValue(VARIANT child, BSTR* value) {
  *value = nullptr;
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  if (id != kFolderListChild) return DISP_E_MEMBERNOTFOUND;
  wchar_t entry[kFolderTextSize] = L"";
  HWND list = FolderList();
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, selected, 0);
  if (selected != CB_ERR && length != CB_ERR && length < static_cast<LRESULT>(kFolderTextSize))
    SendMessageW(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(entry));
  *value = SysAllocString(lstrcmpW(entry, kBrowseEntryText) == 0 ? kBrowseEntryName : entry);
  return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT SetupAccessible::get_accDescription(VARIANT child, BSTR* description) {
  *description = nullptr;
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  if (id != kFinishChild) return DISP_E_MEMBERNOTFOUND;
  // The lines joined by single spaces, without the spaces that centre the first.
  UINT length = 0;
  for (const char* line : kCompletionLines) length += lstrlenA(Unpadded(line)) + 1;
  *description = SysAllocStringLen(nullptr, length - 1);
  if (!*description) return E_OUTOFMEMORY;
  BSTR out = *description;
  for (const char* line : kCompletionLines) {
    if (out != *description) *out++ = L' ';
    for (const char* c = Unpadded(line); *c; ++c) *out++ = static_cast<unsigned char>(*c);
  }
  return S_OK;
}

// SELFLAG_TAKEFOCUS moves the focus as Tab would, mark and all.
HRESULT SetupAccessible::accSelect(LONG flags, VARIANT child) {
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  if (!(flags & SELFLAG_TAKEFOCUS)) return DISP_E_MEMBERNOTFOUND;
  if (!(State(id) & STATE_SYSTEM_FOCUSABLE) || !IsWindowEnabled(setup_.window)) return E_FAIL;
  if (id == kFolderListChild) {
    setup_.screen->FocusControl(nullptr);
    SetFocus(FolderList());
    *setup_.listFromKeyboard = true;
  } else {
    FocusSkinnedControl(setup_.window, *setup_.screen, *setup_.controls, PartOf(id).slot, true);
  }
  return S_OK;
}

// The shown part drawn at the point: a child id, the folder list's own object, or CHILDID_SELF
// for the rest of the object's area.
HRESULT SetupAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
  child->vt = VT_EMPTY;
  if (!connected_) return CO_E_OBJNOTCONNECTED;
  const POINT point = {x, y};
  for (LONG id = 1; self_ == CHILDID_SELF && id <= kChildCount; ++id) {
    const RECT rect = ScreenRect(id);
    if ((State(id) & STATE_SYSTEM_INVISIBLE) || !PtInRect(&rect, point)) continue;
    if (id == kFolderListChild)
      return PutObject(StandardObject(FolderList(), OBJID_CLIENT, &child->pdispVal), child);
    return PutNumber(id, child);
  }
  const RECT own = ScreenRect(self_);
  return PtInRect(&own, point) ? PutNumber(CHILDID_SELF, child) : S_FALSE;
}

// What the parts do not have: help, shortcuts, selection, navigation and new names or values.
HRESULT SetupAccessible::get_accHelp(VARIANT, BSTR* help) {
  *help = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}
HRESULT SetupAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  *file = nullptr;
  *topic = -1;
  return DISP_E_MEMBERNOTFOUND;
}
HRESULT SetupAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  *shortcut = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}
HRESULT SetupAccessible::get_accSelection(VARIANT* children) {
  children->vt = VT_EMPTY;
  return DISP_E_MEMBERNOTFOUND;
}
HRESULT SetupAccessible::accNavigate(LONG, VARIANT, VARIANT* end) {
  end->vt = VT_EMPTY;
  return DISP_E_MEMBERNOTFOUND;
}
HRESULT SetupAccessible::put_accName(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }
HRESULT SetupAccessible::put_accValue(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }
