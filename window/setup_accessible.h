// The Setup window as screen readers see it: the IAccessible of its client area, a dialog whose
// children are the prompt, the folder list, the plug-in check, the buttons, the lines of the
// completion text and the help link, each with its role, name, state, place and default action;
// and the folder list's own object, named by the prompt.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include "skin/screen.h"
#include "window/setup_controls.h"
#include "window/setup_layout.h"

// What the object describes; all of it is the Setup window's own and lives as long as it.
struct AccessibleSetup {
  HWND window;
  Screen* screen;                 // not owned
  const SetupControls* controls;  // not owned
  const SetupLayout* layout;      // not owned
  const bool* completed;          // not owned
  // Set when a reader moves the focus to the folder list: the arrow keys then keep it there, as
  // for the list reached with Tab.
  bool* listFromKeyboard;  // not owned
};

// The child id under which screen readers know the control in the slot; 0 for none.
LONG AccessibleChildOfSlot(int slot);

// The folder list's child id, which is also the part its own object stands for.
const LONG kFolderListChildId = 2;
// The completion lines' child ids, from the first.
const LONG kFirstCompletionChildId = 6;

class SetupAccessible final : public IAccessible {
 public:
  // Starts with one reference, the caller's. self: the part the object stands for, CHILDID_SELF
  // for the client area with all its parts, kFolderListChildId for the folder list alone.
  SetupAccessible(const AccessibleSetup& setup, LONG self);
  SetupAccessible(const SetupAccessible&) = delete;
  SetupAccessible& operator=(const SetupAccessible&) = delete;

  // Cuts the object off before the window and its controls go: a client that still holds it
  // then gets CO_E_OBJNOTCONNECTED, or RPC_E_DISCONNECTED from another process.
  void Disconnect();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

 private:
  ~SetupAccessible() = default;  // through Release only

  // The child id a VARIANT names (CHILDID_SELF: the part the object stands for), after checking
  // that the object is still connected: S_OK, CO_E_OBJNOTCONNECTED or E_INVALIDARG.
  HRESULT Child(const VARIANT& child, LONG* id) const;
  HWND OwnWindow() const;
  LONG State(LONG id) const;  // STATE_SYSTEM_ flags
  RECT ScreenRect(LONG id) const;
  Control* ControlOf(LONG id) const;  // null for the window, the texts and the folder list
  HWND FolderList() const;

  LONG references_;
  AccessibleSetup setup_;
  LONG self_;
  bool connected_;
};
