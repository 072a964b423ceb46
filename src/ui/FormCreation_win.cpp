// The main form TForm1 is a dialog-class window (DLGWINDOWEXTRA, DefDlgProcW) so that the
// dialog manager gives it Tab order, WM_NEXTDLGCTL and default focus handling; its two pages
// are child windows placed over the tab control's display area. Controls are laid out in
// pixels scaled for the monitor's DPI, not in dialog units, which depend on the installed fonts.
#include "ui/FormCreation_win.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "ui/CopyReading_win.h"
#include "ui/Dpi_win.h"
#include "ui/Form1_win.h"
#include "ui/FormDispatch_win.h"
#include "ui/FormState_win.h"
#include "ui/Frame_win.h"
#include "ui/KeyHandlers_win.h"
#include "ui/MemoScrollBar_win.h"
#include "ui/TextExtent_win.h"
#include "ui/WindowText_win.h"
#include "ui/resource.h"

namespace tesserin::ui {
namespace {

constexpr wchar_t kFormClass[] = L"TForm1";
constexpr wchar_t kPageClass[] = L"TTabSheet";
constexpr DWORD kFormStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// A control's place on its page for the current DPI; a label fits its text.
RECT ControlRect(const ControlSpec& layout, std::wstring_view text) {
  const FormState& state = Form1State();
  SIZE size{Scale(layout.width, state.dpi), Scale(layout.height, state.dpi)};
  if (layout.kind == Kind::Label) size = LabelExtent(state.fonts->Get(layout.font), text);
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

HWND CreateControl(const ControlSpec& layout, HWND page, HINSTANCE instance) {
  const RECT r = ControlRect(layout, layout.text);
  const wchar_t* windowClass = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  switch (layout.kind) {
    case Kind::Label: style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX; break;
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
  state.pageControl = CreateWindowExW(0, WC_TABCONTROLW, L"PageControl1",
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0,
                                      Scale(kClientWidth, state.dpi), Scale(kClientHeight, state.dpi), form,
                                      nullptr, instance, nullptr);
  SendMessageW(state.pageControl, WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts->Get(FontRole::Form)), FALSE);
  const std::wstring captions[] = {std::wstring(kMainPageCaption), std::wstring(kHelpPageCaption)};
  for (int i = 0; i < 2; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(captions[i].c_str());
    TabCtrl_InsertItem(state.pageControl, i, &item);
  }
  const RECT display = PageArea();
  for (int i = 0; i < 2; ++i)
    state.pages[i] = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, i == 0 ? L"TabSheet1" : L"TabSheet4",
                                     WS_CHILD | WS_CLIPSIBLINGS, display.left, display.top,
                                     display.right - display.left, display.bottom - display.top, form, nullptr,
                                     instance, nullptr);
  // The pages lie above the tab control, which would otherwise paint over them; the tab
  // control thereby comes last in Tab order.
  SetWindowPos(state.pageControl, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  for (const ControlSpec& layout : kControls) {
    HWND control = CreateControl(layout, TabSheet(layout.page), instance);
    state.controls[static_cast<int>(layout.id)] = control;
    if (layout.keys != KeyRule::None) AttachKeyHandler(control, layout.keys);
    if (layout.kind == Kind::Memo) {
      AttachMemoKeys(control);
      FitMemoScrollBar(control);
    }
  }
}

void CentreOnScreen(HWND form) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT w;
  GetWindowRect(form, &w);
  const RECT& s = monitor.rcMonitor;
  SetWindowPos(form, nullptr, s.left + ((s.right - s.left) - (w.right - w.left)) / 2,
               s.top + ((s.bottom - s.top) - (w.bottom - w.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.style = CS_DBLCLKS;
  form.lpfnWndProc = FormProc;
  form.cbWndExtra = DLGWINDOWEXTRA;
  form.hInstance = instance;
  form.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TESSERIN), IMAGE_ICON, 0, 0,
                                             LR_DEFAULTSIZE | LR_SHARED));
  form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TESSERIN), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = kFormClass;

  WNDCLASSEXW page{};
  page.cbSize = sizeof page;
  page.lpfnWndProc = PageProc;
  page.hInstance = instance;
  page.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  page.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  page.lpszClassName = kPageClass;

  for (const WNDCLASSEXW* wc : {&form, &page})
    if (!RegisterClassExW(wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  return true;
}

}  // namespace

HWND CreateForm1(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterClasses(instance)) return nullptr;
  const std::wstring title(kAppTitle);
  // Created on the primary monitor, whose DPI the first layout uses; centred when shown.
  return CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, kFormClass, title.c_str(), kFormStyle,
                         0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

void ShowForm1(int showCommand) {
  HWND form = FormHandle();
  if (!form) return;
  CentreOnScreen(form);
  ShowWindow(form, showCommand);
  UpdateWindow(form);
  SendMessageW(form, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(Ctl::Edit1)), TRUE);
}

void ShowPage(Page page) {
  const FormState& state = Form1State();
  if (!state.form) return;
  TabCtrl_SetCurSel(state.pageControl, page == Page::Main ? 0 : 1);
  HWND shown = TabSheet(page);
  HWND hidden = TabSheet(page == Page::Main ? Page::Help : Page::Main);
  ShowWindow(shown, SW_SHOW);
  HWND focus = GetFocus();
  if (focus && IsChild(hidden, focus)) SetFocus(state.pageControl);
  ShowWindow(hidden, SW_HIDE);
}

void FormCreate(HWND form) {
  CreateControls(form);
  SetTimer(form, kTimer1Id, kTimer1Interval, nullptr);
  InstallFrame(form);
  AddCopyReadingCommand(form);
  ShowPage(Page::Main);
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
}

}  // namespace tesserin::ui
