// The Setup window's layout values and its sizing on the skin.
#include "window/setup_layout.h"

SetupLayout MakeSetupLayout(int skinWidth, int skinHeight) {
  const int listTop = skinHeight - kFolderListAboveBottom;
  const int listWidth = skinWidth - 2 * kListMargin + 1;
  const int textLeft = kListMargin + kPromptIndent;
  const int hoverTop = skinHeight - kHoverTextAboveBottom;
  SetupLayout layout;
  layout.prompt = {textLeft, listTop - kPromptAboveFolderList};
  layout.textRight = kListMargin + listWidth;
  layout.folderList = {kListMargin, listTop, listWidth, kFolderListHeight};
  layout.hoverText = {textLeft, hoverTop, kListMargin + listWidth - kHoverTextShortOfListEnd,
                      hoverTop + kHoverTextHeight};
  layout.buttonTop = skinHeight - kButtonsAboveBottom;
  layout.cancelLeft = skinWidth - kCancelFromRight;
  layout.installLeft = skinWidth - kInstallFromRight;
  layout.finishLeft = skinWidth - kFinishFromRight;
  return layout;
}

void SizeClientAndCentre(HWND window, int width, int height) {
  RECT frame;
  RECT client;
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  const int frameWidth = (frame.right - frame.left) - client.right;
  const int frameHeight = (frame.bottom - frame.top) - client.bottom;
  const int left = (2 * frame.left + client.right - width) / 2;
  const int top = (2 * frame.top + client.bottom - height) / 2;
  MoveWindow(window, left, top, width + frameWidth, height + frameHeight, TRUE);
}
