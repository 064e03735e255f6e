// The Setup window's accessible object: what screen readers are told about its parts, and the
// default actions that they can take, each the same as a click.
#include "window/setup_accessible.h"

#include "resources/resource_ids.h"
#include "window/oleacc_functions.h"
#include "window/setup_texts.h"

namespace {

enum ChildId : LONG {
  kPromptChild = 1,
  kFolderListChild,
  kPlugInChild,
  kInstallChild,
  kCancelChild,
  kFirstCompletionChild,  // one static text for each painted line
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

// Every text told is one of the program's own, in plain ASCII: each byte is one character. The
// spaces that centre a painted line are left out.
HRESULT PutText(const char* text, BSTR* out) {
  while (*text == ' ') ++text;
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

SetupAccessible::SetupAccessible(const AccessibleSetup& setup)
    : references_(1), setup_(setup), connected_(true) {}

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
  if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > kChildCount)
    return E_INVALIDARG;
  *id = child.lVal;
  return S_OK;
}

HWND SetupAccessible::FolderList() const { return GetDlgItem(setup_.window, IDC_FOLDER_LIST); }

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
    // A line of painted text, as far as the texts reach.
    POINT origin = setup_.layout->prompt;
    if (id != kPromptChild) {
      origin = kCompletionTextOrigin;
      origin.y += (id - kFirstCompletionChild) * kCompletionLineHeight;
    }
    SetRect(&rect, origin.x, origin.y, setup_.layout->textRight,
            origin.y + kCompletionLineHeight);
  }
  ClientToScreen(setup_.window, reinterpret_cast<POINT*>(&rect.left));
  ClientToScreen(setup_.window, reinterpret_cast<POINT*>(&rect.right));
  return rect;
}

HRESULT SetupAccessible::get_accParent(IDispatch** parent) {
  *parent = nullptr;
  if (!connected_) return CO_E_OBJNOTCONNECTED;
  return StandardObject(setup_.window, OBJID_WINDOW, parent);
}

HRESULT SetupAccessible::get_accChildCount(LONG* count) {
  *count = kChildCount;
  return connected_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

// The folder list is a stock combo box: its own standard object describes it, entries and all.
// The other parts are simple elements, described by this object under their child ids.
HRESULT SetupAccessible::get_accChild(VARIANT child, IDispatch** object) {
  *object = nullptr;
  LONG id;
  HRESULT result = Child(child, &id);
  if (FAILED(result)) return result;
  if (id == CHILDID_SELF) return E_INVALIDARG;
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
  return PutNumber(id == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : PartOf(id).role, role);
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
  if (GetFocus() == FolderList()) {
    const HRESULT result = StandardObject(FolderList(), OBJID_CLIENT, &child->pdispVal);
    if (SUCCEEDED(result)) child->vt = VT_DISPATCH;
    return result;
  }
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

// What the parts do not have: values, descriptions, help, shortcuts, selection, navigation, and
// a lookup by point (readers then take the window's client object).
HRESULT SetupAccessible::get_accValue(VARIANT, BSTR* value) {
  *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}
HRESULT SetupAccessible::get_accDescription(VARIANT, BSTR* description) {
  *description = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}
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
HRESULT SetupAccessible::accSelect(LONG, VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT SetupAccessible::accNavigate(LONG, VARIANT, VARIANT* end) {
  end->vt = VT_EMPTY;
  return DISP_E_MEMBERNOTFOUND;
}
HRESULT SetupAccessible::accHitTest(LONG, LONG, VARIANT* child) {
  child->vt = VT_EMPTY;
  return DISP_E_MEMBERNOTFOUND;
}
HRESULT SetupAccessible::put_accName(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }
HRESULT SetupAccessible::put_accValue(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }
