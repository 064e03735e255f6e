// The Setup window's layout values and its sizing on the skin.
#include "app/setup_layout.h"

SetupLayout MakeSetupLayout(int skinWidth, int skinHeight) {
  const int listMargin = 16;
  const int listWidth = skinWidth - 2 * listMargin + 1;
  SetupLayout layout;
  layout.listMargin = listMargin;
  layout.prompt.x = 4 + listMargin;
  layout.prompt.y = -26 + (skinHeight - 60);
  layout.folderList = {listMargin, skinHeight - 60, listWidth, 10};
  layout.hoverText = {layout.prompt.x, skinHeight - 19, listMargin + listWidth - 130,
                      skinHeight - 19 + 20};
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
