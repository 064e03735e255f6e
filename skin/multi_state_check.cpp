// The Multi-state check: cycling presses and releases, non-cycling steps, grid cells.
#include "skin/multi_state_check.h"

#include "skin/dpi_scale.h"
#include "skin/grid_picker.h"
#include "text/bounded_text.h"

MultiStateCheck::MultiStateCheck(ControlRegistry* registry, const RECT* rect, unsigned stripId,
                                 unsigned labelOffsets, const char* label, int initialValue,
                                 int maximum, const char* hoverText, int command, int modes,
                                 const char* key)
    : Control(registry, hoverText), value(0), hitRect(), areaRect(), modes(modes), strip(nullptr),
      minimum(0), maximum(0), cycling(false), labelOffsetX(0), labelOffsetY(0), labelRect() {
  CopyField(this->key, sizeof this->key, key);
  this->label[0] = '\0';
  if (modes & kInert) return;

  hitRect = *rect;
  strip = NewBitmapImage(registry->instance, registry->paintDc, stripId, registry->dpi);
  const int cellSize = GridCellSize(registry->dpi);
  areaRect.left = rect->left;
  areaRect.top = rect->top;
  areaRect.right = rect->left + rect->right;
  areaRect.bottom = rect->top + rect->bottom;
  // Without a strip the frame has no height; its hit rectangle is then a single point.
  int stripHeight = strip ? strip->height : 0;
  if (modes & kGrid)
    hitRect.right = rect->left + cellSize;
  else if (modes & kDoubleWidth)
    hitRect.right = rect->left + 2 * stripHeight;
  else
    hitRect.right = rect->left + stripHeight;
  hitRect.bottom = rect->top + ((modes & kGrid) ? cellSize : stripHeight);

  minimum = initialValue;
  this->command = command;
  if (maximum > 0) {
    this->maximum = maximum;
  } else {
    this->maximum = -maximum;
    cycling = true;
  }
  value = initialValue;
  labelOffsetX = static_cast<int>(labelOffsets >> 16) - 0x8000;
  labelOffsetY = static_cast<int>(labelOffsets & 0xFFFF) - 0x8000;
  CopyField(this->label, sizeof this->label, label);
}

MultiStateCheck::~MultiStateCheck() { DeleteBitmapImage(strip); }

int GridCellSize(int dpi) { return ScaleToDpi(kGridCellSize, dpi); }

int MultiStateCheck::GetValue() { return (modes & kInert) ? value : value - minimum; }

void MultiStateCheck::SetValue(int newValue) {
  if (modes & kInert) {
    value = newValue;
    return;
  }
  value = newValue + minimum;
  if (value < minimum) value = minimum;
  if (value > maximum) value = maximum;
}

RECT MultiStateCheck::Bounds() const {
  RECT bounds = hitRect;
  if (labelRect.right > bounds.right) bounds.right = labelRect.right;
  if (labelRect.bottom > bounds.bottom) bounds.bottom = labelRect.bottom;
  return bounds;
}

void MultiStateCheck::Wrap() {
  if (value > maximum) value = minimum;
  if (value < 0) value = maximum;
}

int MultiStateCheck::Step(HWND window, int step, bool posts) {
  value += step;
  Wrap();
  Paint(registry->paintDc);
  if (posts) PostCommand(window, command);
  return 1;
}

int MultiStateCheck::OnMouse(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (modes & kInert) return 0;
  UINT number = message & 0xFFFF;
  if (!PointInside(hitRect.left, hitRect.top, hitRect.right, hitRect.bottom, lParam)) {
    if (number == WM_MOUSEMOVE) ShowHoverText(0);
    if (cycling && (value & 1)) {
      --value;
      Paint(registry->paintDc);
    }
    return 0;
  }
  bool grid = (modes & kGrid) != 0;
  switch (number) {
    case WM_MOUSEMOVE:
      ShowHoverText(1);
      return 0;
    case WM_LBUTTONDOWN:
      if (grid) return TakeGridChoice(window, RunGridPicker(this, window));
      return Step(window, 1, !cycling);
    case WM_RBUTTONDOWN:
      if (grid) {
        if (command) PostCommand(window, command + 1);
        return 0;
      }
      return Step(window, -1, !cycling);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if (grid || !cycling || !(value & 1)) return 0;
      return Step(window, number == WM_LBUTTONUP ? 1 : -1, true);
    default:
      return 0;
  }
}

int MultiStateCheck::TakeGridChoice(HWND window, LPARAM choice) {
  if (choice == 0) return 0;
  const int dpi = registry->dpi;
  int column = (static_cast<int>(LOWORD(choice)) - ScaleToDpi(kGridPickerCellX, dpi)) /
               ScaleToDpi(kGridPickerColumnStep, dpi);
  int row = (static_cast<int>(HIWORD(choice)) - ScaleToDpi(kGridPickerCellY, dpi)) /
            ScaleToDpi(kGridPickerRowStep, dpi);
  if (column < 0) column = 0;
  // The popup's right margin lies past the fourth column; it still means the fourth.
  if (column > kGridPickerColumns - 1) column = kGridPickerColumns - 1;
  if (row < 0) row = 0;
  value = column + kGridPickerColumns * row;
  if (value > maximum) value = maximum;
  Wrap();
  Paint(registry->paintDc);
  PostCommand(window, command);
  return 1;
}

void MultiStateCheck::PaintGridCell(HDC dc) {
  const int cellSize = GridCellSize(registry->dpi);
  int sourceX = cellSize * (value % kGridPickerColumns);
  int sourceY = cellSize * (value / kGridPickerColumns);
  if (modes & kTransposed)
    strip->DrawRegionTransposed(registry->backBufferDc, hitRect, sourceX, sourceY);
  else
    strip->DrawRegion(registry->backBufferDc, hitRect, sourceX, sourceY);
  CopyFromBackBuffer(dc, registry->backBufferDc, hitRect);
}

void MultiStateCheck::Paint(HDC dc) {
  if (modes & kInert) return;
  BitmapImage* skin = registry->skin;
  if (!shown()) {
    if (skin) skin->TileBitmap(dc, areaRect);
    return;
  }
  int labelX = hitRect.left + labelOffsetX;
  int labelY = hitRect.top - labelOffsetY;
  if (!strip) {
    if (skin) skin->TileBitmap(dc, hitRect);
    char number[16];
    wsprintfA(number, "%0.2i", value);
    PutText(dc, labelX, labelY, number);
    return;
  }
  if (modes & kGrid) {
    PaintGridCell(dc);
    return;
  }
  int frameWidth = (modes & kDoubleWidth) ? 2 * strip->height : strip->height;
  int first = value * frameWidth;
  int end = (value + 1) * frameWidth;
  // A value past the strip (or below it) has no frame; nothing is drawn, not even the label.
  if (value < 0 || end > strip->width) return;
  HDC backBufferDc = registry->backBufferDc;
  if (modes & kTransposed) {
    strip->DrawFrameTransposed(backBufferDc, first, hitRect.left, end, hitRect.top);
  } else if (modes & kTransparent) {
    if (skin) skin->TileBitmap(backBufferDc, hitRect);
    strip->DrawFrameTransparent(backBufferDc, first, hitRect.left, end, hitRect.top);
  } else {
    strip->DrawFrame(backBufferDc, first, hitRect.left, end, hitRect.top);
  }
  CopyFromBackBuffer(dc, backBufferDc, hitRect);
  PutText(dc, labelX, labelY, label);
  labelRect = TextBounds(dc, labelX, labelY, label);
}
