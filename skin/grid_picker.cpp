// The grid picker popup of a grid-mode Multi-state check.
#include "skin/grid_picker.h"

#include "skin/multi_state_check.h"
#include "win32/handle_guards.h"

namespace {

// The popup serves one check at a time; its dialog procedure finds the check here.
struct GridPickerState {
  MultiStateCheck* check;
  LPARAM choice;
  POINT anchor;  // screen point that becomes the popup's bottom-right corner
};

GridPickerState g_gridPicker;

void PaintGridPicker(HWND popup) {
  PAINTSTRUCT paint;
  BeginPaint(popup, &paint);
  {
    WindowDc dc(popup);
    MultiStateCheck* check = g_gridPicker.check;
    ControlRegistry* registry = check->registry;
    const int dpi = registry->dpi;
    const int cellSize = GridCellSize(dpi);
    PrepareControlDc(*registry, dc.get());
    if (registry->skin) registry->skin->TileBitmap(dc.get(), paint.rcPaint);
    for (int n = 0; n <= check->maximum; ++n) {
      int column = n % kGridPickerColumns;
      int row = n / kGridPickerColumns;
      int x = ScaleToDpi(kGridPickerColumnStep * column, dpi);
      int y = ScaleToDpi(kGridPickerRowStep * row, dpi);
      const int cellLeft = x + ScaleToDpi(kGridPickerCellLeft, dpi);
      const int cellTop = y + ScaleToDpi(kGridPickerCellTop, dpi);
      RECT cell = {cellLeft, cellTop, cellLeft + cellSize, cellTop + cellSize};
      if (check->strip) {
        int sourceX = cellSize * column;
        int sourceY = cellSize * row;
        if (check->modes & MultiStateCheck::kTransposed)
          check->strip->DrawRegionTransposed(dc.get(), cell, sourceX, sourceY);
        else
          check->strip->DrawRegion(dc.get(), cell, sourceX, sourceY);
      }
      char number[16];
      int length = wsprintfA(number, "%0.2i", n + 1);
      TextOutA(dc.get(), x + ScaleToDpi(kGridPickerNumberLeft, dpi),
               y + ScaleToDpi(kGridPickerNumberTop, dpi), number, length);
    }
  }
  EndPaint(popup, &paint);
}

INT_PTR CALLBACK GridPickerProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const int dpi = g_gridPicker.check->registry->dpi;
      const int width = ScaleToDpi(kGridPickerWidth, dpi);
      const int height = GridPickerHeight(g_gridPicker.check->maximum, dpi);
      SetWindowPos(popup, nullptr, g_gridPicker.anchor.x - width, g_gridPicker.anchor.y - height,
                   width, height, SWP_NOZORDER);
      g_gridPicker.choice = 0;
      return TRUE;
    }
    case WM_PAINT:
      PaintGridPicker(popup);
      return TRUE;
    case WM_LBUTTONUP:
      g_gridPicker.choice = lParam;
      EndDialog(popup, 1);
      return TRUE;
    case WM_RBUTTONDOWN:
      EndDialog(popup, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) EndDialog(popup, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int GridPickerHeight(int maximum, int dpi) {
  return ScaleToDpi(kGridPickerRowStep * (maximum / kGridPickerColumns) + kGridPickerLastRowHeight,
                    dpi);
}

LPARAM RunGridPicker(MultiStateCheck* check, HWND owner) {
  g_gridPicker.check = check;
  g_gridPicker.choice = 0;

  RECT client;
  GetClientRect(owner, &client);
  POINT origin = {client.left, client.top};
  ClientToScreen(owner, &origin);
  int height = GridPickerHeight(check->maximum, check->registry->dpi);
  g_gridPicker.anchor.x = check->hitRect.left + origin.x - 1;
  g_gridPicker.anchor.y = check->hitRect.top < height ? origin.y + check->hitRect.bottom + height
                                                     : check->hitRect.top + origin.y - 1;

  // An in-memory template: a bordered popup without items, menu, class, title or size. The
  // three empty arrays that follow the header are one WORD each.
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } dialog = {};
  dialog.header.style = WS_POPUP | WS_BORDER | DS_MODALFRAME;
  DialogBoxIndirectParamA(check->registry->instance, &dialog.header, owner, GridPickerProc, 0);
  return g_gridPicker.choice;
}
