// The form's contents: the tab control with its three pages, child windows placed over the tab
// control's display area, and every control made in place for the monitor's DPI.
#include "ui/Pages_win.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "base/Dpi_win.h"
#include "ui/CopyReading_win.h"
#include "ui/FormState_win.h"
#include "ui/Frame_win.h"
#include "ui/KeyHandlers_win.h"
#include "ui/MemoScrollBar_win.h"
#include "ui/Placement_win.h"
#include "ui/RecordPage_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {
namespace {

HWND CreateControl(const ControlSpec& layout, HWND page, HINSTANCE instance) {
  const RECT r = ControlRect(layout, layout.text);
  const wchar_t* windowClass = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  switch (layout.kind) {
    case Kind::Label:
      style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX;
      if (layout.width > 0) style |= SS_NOTIFY;  // shortened to its width: a tooltip tells it whole
      break;
    case Kind::WrappedLabel: style |= SS_LEFT | SS_NOPREFIX; break;
    case Kind::Edit:
      windowClass = L"EDIT";
      style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case Kind::Memo:  // flat: a one-pixel border instead of the sunken edge
      windowClass = L"EDIT";
      // Made with the scroll bar, so that the edit control keeps it up to date; it shows only
      // while the text is longer than the box.
      style |= WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
      break;
    case Kind::CheckBox:
      windowClass = L"BUTTON";
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case Kind::Button:
      windowClass = L"BUTTON";
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
    case Kind::List:
      windowClass = WC_LISTVIEWW;
      style |= WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_OWNERDATA;
      exStyle = WS_EX_CLIENTEDGE;
      break;
  }
  const std::wstring text(layout.text);
  HWND control = CreateWindowExW(exStyle, windowClass, text.c_str(), style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, page,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(layout.id))),
                                 instance, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Form1State().fonts->Get(layout.font)), FALSE);
  return control;
}

// Creates the tab control, the pages and every control in place for the current DPI. (Every
// window is made in its place at once: each call that moves a window costs a round trip to
// the window system, which start-up feels under Wine.)
void CreateControls(HWND form) {
  FormState& state = Form1State();
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE));
  state.fonts = std::make_unique<FontSet>(state.dpi);
  SizeWindow(state.dpi);
  const std::wstring pageControlName(kPageControlName);
  state.pageControl = CreateWindowExW(0, WC_TABCONTROLW, pageControlName.c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0,
                                      Scale(kClientWidth, state.dpi), Scale(kClientHeight, state.dpi), form,
                                      nullptr, instance, nullptr);
  SendMessageW(state.pageControl, WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts->Get(FontRole::Form)), FALSE);
  for (int i = 0; i < kPageCount; ++i) {
    const std::wstring caption(kPageCaptions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    TabCtrl_InsertItem(state.pageControl, i, &item);
  }
  const RECT display = PageArea();
  for (int i = 0; i < kPageCount; ++i) {
    const std::wstring name(kPageNames[i]);
    state.pages[i] = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClassName, name.c_str(), WS_CHILD | WS_CLIPSIBLINGS,
                                     display.left, display.top, display.right - display.left,
                                     display.bottom - display.top, form, nullptr, instance, nullptr);
  }
  // The pages lie above the tab control, which would otherwise paint over them; the tab
  // control thereby comes last in Tab order.
  SetWindowPos(state.pageControl, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  for (const ControlSpec& layout : kControls) {
    HWND control = CreateControl(layout, TabSheet(layout.page), instance);
    state.controls[static_cast<int>(layout.id)] = control;
    if (layout.keys != KeyRule::None) AttachKeyHandler(control, layout.keys);
    if (layout.kind == Kind::Memo) {
      AttachMemoKeys(control);
      AttachMemoScrollBar(control);
      FitMemoScrollBar(control);
    }
    if (layout.kind == Kind::List) SetUpRecordList(control);
  }
}

}  // namespace

void ShowPage(Page page) {
  const FormState& state = Form1State();
  if (!state.form) return;
  TabCtrl_SetCurSel(state.pageControl, static_cast<int>(page));
  ShowWindow(TabSheet(page), SW_SHOW);
  HWND focus = GetFocus();
  for (HWND sheet : state.pages) {
    if (sheet == TabSheet(page)) continue;
    if (focus && IsChild(sheet, focus)) SetFocus(state.pageControl);
    ShowWindow(sheet, SW_HIDE);
  }
}

Page ShownPage() {
  const int tab = TabCtrl_GetCurSel(Form1State().pageControl);
  return tab >= 0 && tab < kPageCount ? static_cast<Page>(tab) : Page::Main;
}

void FormCreate(HWND form) {
  CreateControls(form);
  SetTimer(form, kWatcherTimerId, kWatcherTimerInterval, nullptr);
  InstallFrame(form);
  AddCopyReadingCommand(form);
  ShowPage(Page::Main);
}

}  // namespace tesserin::ui
