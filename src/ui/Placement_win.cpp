// Where the form's windows go for the current DPI: the window's size, the tab control's page
// area, and each control's rectangle (a label fits its text; the memo shows its scroll bar
// only for a text longer than the box).
#include "ui/Placement_win.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "base/Dpi_win.h"
#include "ui/FormState_win.h"
#include "ui/Frame_win.h"
#include "ui/MemoScrollBar_win.h"
#include "ui/RecordPage_win.h"
#include "ui/TextExtent_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {

// A control's place on its page for the current DPI; a label fits its text.
RECT ControlRect(const ControlSpec& layout, std::wstring_view text) {
  const FormState& state = Form1State();
  SIZE size{Scale(layout.width, state.dpi), Scale(layout.height, state.dpi)};
  if (layout.kind == Kind::Label) {
    const LONG widest = size.cx;
    size = LabelExtent(state.fonts->Get(layout.font), text);
    if (widest > 0) size.cx = std::min(size.cx, widest);
  }
  const int x = Scale(layout.x, state.dpi), y = Scale(layout.y, state.dpi);
  return {x, y, x + size.cx, y + size.cy};
}

// The page area of the tab control at its current size and font.
RECT PageArea() {
  RECT display;
  GetClientRect(Form1State().pageControl, &display);
  TabCtrl_AdjustRect(Form1State().pageControl, FALSE, &display);
  return display;
}

void SizeWindow(UINT dpi) {
  const SIZE window = WindowSizeFor({Scale(kClientWidth, dpi), Scale(kClientHeight, dpi)}, dpi);
  SetWindowPos(Form1State().form, nullptr, 0, 0, window.cx, window.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void LayOut(UINT dpi) {
  FormState& state = Form1State();
  auto fonts = std::make_unique<FontSet>(dpi);
  state.dpi = dpi;
  SizeWindow(dpi);
  const SIZE client{Scale(kClientWidth, dpi), Scale(kClientHeight, dpi)};
  SendMessageW(state.pageControl, WM_SETFONT, reinterpret_cast<WPARAM>(fonts->Get(FontRole::Form)), FALSE);
  SetWindowPos(state.pageControl, nullptr, 0, 0, client.cx, client.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT display = PageArea();
  for (HWND page : state.pages)
    SetWindowPos(page, nullptr, display.left, display.top, display.right - display.left,
                 display.bottom - display.top, SWP_NOZORDER | SWP_NOACTIVATE);

  for (const ControlSpec& layout : kControls)
    SendMessageW(Control(layout.id), WM_SETFONT, reinterpret_cast<WPARAM>(fonts->Get(layout.font)), FALSE);
  state.fonts = std::move(fonts);  // the old fonts go only after no control uses them
  for (const ControlSpec& layout : kControls) PlaceControl(layout.id);
  RedrawWindow(state.form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void PlaceControl(Ctl id) {
  HWND control = Control(id);
  const RECT r = ControlRect(SpecOf(id), WindowText(control));
  SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (SpecOf(id).kind == Kind::Memo) FitMemoScrollBar(control);
  if (SpecOf(id).kind == Kind::List) FitRecordColumns(control);
}

}  // namespace tesserin::ui
