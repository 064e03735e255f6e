// The Setup window's layout values and its sizing on the skin.
#include "window/setup_layout.h"

namespace {

POINT ScalePoint(POINT point, int dpi) {
  return {ScaleToDpi(point.x, dpi), ScaleToDpi(point.y, dpi)};
}

Placement ScalePlacement(const Placement& place, int dpi) {
  return {ScaleToDpi(place.x, dpi), ScaleToDpi(place.y, dpi), ScaleToDpi(place.width, dpi),
          ScaleToDpi(place.height, dpi)};
}

}  // namespace

SetupLayout MakeSetupLayout(int skinWidth, int skinHeight, int dpi) {
  const int margin = ScaleToDpi(kListMargin, dpi);
  const int listTop = skinHeight - ScaleToDpi(kFolderListAboveBottom, dpi);
  const int listWidth = skinWidth - 2 * margin + ScaleToDpi(1, dpi);
  const int textLeft = margin + ScaleToDpi(kPromptIndent, dpi);
  const int hoverTop = skinHeight - ScaleToDpi(kHoverTextAboveBottom, dpi);
  SetupLayout layout;
  layout.prompt = {textLeft, listTop - ScaleToDpi(kPromptAboveFolderList, dpi)};
  layout.textRight = margin + listWidth;
  layout.folderList = {margin, listTop, listWidth, ScaleToDpi(kFolderListHeight, dpi)};
  layout.hoverText = {textLeft, hoverTop,
                      margin + listWidth - ScaleToDpi(kHoverTextShortOfListEnd, dpi),
                      hoverTop + ScaleToDpi(kHoverTextHeight, dpi)};
  layout.buttonTop = skinHeight - ScaleToDpi(kButtonsAboveBottom, dpi);
  layout.cancelLeft = skinWidth - ScaleToDpi(kCancelFromRight, dpi);
  layout.installLeft = skinWidth - ScaleToDpi(kInstallFromRight, dpi);
  layout.finishLeft = skinWidth - ScaleToDpi(kFinishFromRight, dpi);
  layout.helpLink = ScalePoint(kHelpLinkPosition, dpi);
  layout.logo = ScalePoint(kLogoPosition, dpi);
  const Placement check = ScalePlacement(kCheckBoxArea, dpi);
  layout.checkArea = {check.x, check.y, check.width, check.height};
  // The check unpacks (x + 0x8000) << 16 | (0x8000 + y); the label stands level with the frame.
  layout.checkLabelOffsets =
      static_cast<unsigned>(ScaleToDpi(kCheckLabelRightOfFrame, dpi) + 0x8000) << 16 | 0x8000u;
  layout.completionText = ScalePoint(kCompletionTextOrigin, dpi);
  layout.completionLineHeight = ScaleToDpi(kCompletionLineHeight, dpi);
  layout.folderListOutOfSight = ScalePlacement(kFolderListOutOfSight, dpi);
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
