// The main form TForm1. It is a dialog-class window (DLGWINDOWEXTRA, DefDlgProcW) so that the
// dialog manager gives it Tab order, WM_NEXTDLGCTL and default focus handling; its two pages
// are child windows placed over the tab control's display area. Controls are laid out in
// pixels scaled for the monitor's DPI, not in dialog units, which depend on the installed fonts.
#include "ui/TForm1_win.h"

#include <commctrl.h>

#include <array>
#include <memory>

#include "ui/CopyReading_win.h"
#include "ui/Dpi_win.h"
#include "ui/Fonts_win.h"
#include "ui/Form1_win.h"
#include "ui/Frame_win.h"
#include "ui/KeyHandlers_win.h"
#include "ui/TextExtent_win.h"
#include "ui/Messages_win.h"
#include "ui/Tray_win.h"
#include "ui/resource.h"

namespace tesserin::ui {
namespace {

constexpr wchar_t kFormClass[] = L"TForm1";
constexpr wchar_t kPageClass[] = L"TTabSheet";
constexpr DWORD kFormStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

struct FormState {
  HWND form = nullptr;
  HWND pageControl = nullptr;
  std::array<HWND, 2> pages{};
  std::array<HWND, kCtlCount> controls{};
  UINT dpi = kBaseDpi;
  std::unique_ptr<FontSet> fonts;
};
FormState state;

int Index(Page page) { return page == Page::Main ? 0 : 1; }

bool SizesToText(const ControlSpec& layout) { return layout.kind == Kind::Label; }

// A control's place on its page for the current DPI; a label fits its text.
RECT ControlRect(const ControlSpec& layout, std::wstring_view text) {
  const UINT dpi = state.dpi;
  SIZE size{Scale(layout.width, dpi), Scale(layout.height, dpi)};
  if (SizesToText(layout)) size = LabelExtent(state.fonts->Get(layout.font), text);
  const int x = Scale(layout.x, dpi), y = Scale(layout.y, dpi);
  return {x, y, x + size.cx, y + size.cy};
}

void PlaceControl(const ControlSpec& layout) {
  HWND control = state.controls[static_cast<int>(layout.id)];
  const RECT r = ControlRect(layout, WindowText(control));
  SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The page area of the tab control at its current size and font.
RECT PageArea() {
  RECT display;
  GetClientRect(state.pageControl, &display);
  TabCtrl_AdjustRect(state.pageControl, FALSE, &display);
  return display;
}

void SizeWindow(UINT dpi) {
  const SIZE window = WindowSizeFor({Scale(kClientWidth, dpi), Scale(kClientHeight, dpi)}, dpi);
  SetWindowPos(state.form, nullptr, 0, 0, window.cx, window.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Lays the form out again for a new DPI: fonts, window size, tab control, pages and every
// control. (At creation every window is made in its place at once: each call that moves a
// window costs a round trip to the window system, which start-up feels under Wine.)
void LayOut(UINT dpi) {
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
    SendMessageW(state.controls[static_cast<int>(layout.id)], WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts->Get(layout.font)), FALSE);
  state.fonts = std::move(fonts);  // the old fonts go only after no control uses them
  for (const ControlSpec& layout : kControls) PlaceControl(layout);
  RedrawWindow(state.form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
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
      style |= WS_TABSTOP | WS_BORDER | ES_LEFT | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
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
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts->Get(layout.font)), FALSE);
  return control;
}

// Creates the tab control, the pages and every control in place for the current DPI.
void CreateControls(HWND form) {
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
    HWND control = CreateControl(layout, state.pages[Index(layout.page)], instance);
    state.controls[static_cast<int>(layout.id)] = control;
    if (layout.id == Ctl::Edit3 || layout.id == Ctl::Edit4 || layout.id == Ctl::Edit2) AttachKeyHandler(control, layout.id);
    if (layout.id == Ctl::Memo1) AttachMemoKeys(control);
  }
}

COLORREF InkColour(Ink ink) {
  switch (ink) {
    case Ink::Red: return RGB(255, 0, 0);
    case Ink::Blue: return RGB(0, 0, 255);
    case Ink::Purple: return RGB(128, 0, 128);
    case Ink::Green: return RGB(0, 128, 0);
    case Ink::Default:
    case Ink::WindowText: break;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

const ControlSpec* LayoutOfWindow(HWND control) {
  const int index = GetDlgCtrlID(control) - kFirstControlId;
  if (index < 0 || index >= kCtlCount || state.controls[index] != control) return nullptr;
  return &kControls[index];
}

// Labels and the read-only memo ask for their colours with WM_CTLCOLORSTATIC.
LRESULT StaticColours(HDC dc, HWND control) {
  const ControlSpec* layout = LayoutOfWindow(control);
  int background = COLOR_BTNFACE;
  if (layout && layout->kind == Kind::Memo) background = COLOR_WINDOW;
  if (layout && layout->page == Page::Help) background = COLOR_MENU;
  SetTextColor(dc, InkColour(layout ? layout->ink : Ink::Default));
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

void CentreOnScreen() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(state.form, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT w;
  GetWindowRect(state.form, &w);
  const RECT& s = monitor.rcMonitor;
  SetWindowPos(state.form, nullptr, s.left + ((s.right - s.left) - (w.right - w.left)) / 2,
               s.top + ((s.bottom - s.top) - (w.bottom - w.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// FormCreate: the frame, and the page 主界面 in front.
void FormCreate() {
  InstallFrame(state.form);
  AddCopyReadingCommand(state.form);
  ShowPage(Page::Main);
}

LRESULT FormMessage(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (state.form == form && HandleFrameMessage(form, message, wParam, lParam, result)) return result;
  if (state.form == form && HandleTrayMessage(form, message, wParam, lParam)) return 0;
  if (state.form == form && HandleCopyCommand(message, wParam)) return 0;
  switch (message) {
    case WM_NCCREATE:
      state.form = form;
      state.dpi = DpiOfWindow(form);
      break;
    case WM_CREATE:
      CreateControls(form);
      SetTimer(form, kTimer1Id, kTimer1Interval, nullptr);
      FormCreate();
      return 0;
    case WM_DPICHANGED: {
      LayOut(LOWORD(wParam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(form, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == Control(Ctl::Button1))
        Button1Click();
      return 0;  // IDOK and IDCANCEL from Enter and Escape: the form has no default buttons
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == state.pageControl && header->code == TCN_SELCHANGE)
        ShowPage(TabCtrl_GetCurSel(state.pageControl) == 0 ? Page::Main : Page::Help);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      return StaticColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
      if (wParam == kTimer1Id) form1::Timer1Timer();
      return 0;
    case WM_CLOSE:
      DestroyWindow(form);
      return 0;
    case WM_DESTROY:
      KillTimer(form, kTimer1Id);
      RemoveTrayIcon(form);
      PostQuitMessage(0);
      break;
    case WM_NCDESTROY:
      state = FormState{};  // the controls are gone; their fonts go with the state
      break;
    default:
      break;
  }
  return DefDlgProcW(form, message, wParam, lParam);
}

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return FormMessage(form, message, wParam, lParam);
  } catch (...) {
    ReportCurrentException();
    return message == WM_CREATE ? -1 : 0;
  }
}

// A page passes its controls' notifications and colour requests on to the form.
LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
      if (state.form) return SendMessageW(state.form, message, wParam, lParam);
      break;
    default:
      break;
  }
  return DefWindowProcW(page, message, wParam, lParam);
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

HWND CreateTForm1(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterClasses(instance)) return nullptr;
  const std::wstring title(kAppTitle);
  // Created on the primary monitor, whose DPI the first layout uses; centred when shown.
  return CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, kFormClass, title.c_str(), kFormStyle,
                         0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

void ShowTForm1(int showCommand) {
  if (!state.form) return;
  CentreOnScreen();
  ShowWindow(state.form, showCommand);
  UpdateWindow(state.form);
  SendMessageW(state.form, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(Ctl::Edit1)), TRUE);
}

HWND FormHandle() { return state.form; }
HWND Control(Ctl id) { return state.controls[static_cast<int>(id)]; }
HWND PageControl1() { return state.pageControl; }
HWND TabSheet(Page page) { return state.pages[Index(page)]; }
UINT FormDpi() { return state.dpi; }
HFONT FormFont(FontRole role) {
  return state.fonts ? state.fonts->Get(role) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void ShowPage(Page page) {
  if (!state.form) return;
  TabCtrl_SetCurSel(state.pageControl, Index(page));
  HWND shown = TabSheet(page);
  HWND hidden = TabSheet(page == Page::Main ? Page::Help : Page::Main);
  ShowWindow(shown, SW_SHOW);
  HWND focus = GetFocus();
  if (focus && IsChild(hidden, focus)) SetFocus(state.pageControl);
  ShowWindow(hidden, SW_HIDE);
}

bool PreTranslateFormMessage(MSG& msg) {
  HWND form = state.form;
  if (!form || (msg.hwnd != form && !IsChild(form, msg.hwnd))) return false;
  if (HandleCopyKey(msg)) return true;
  if (msg.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
      (msg.wParam == VK_TAB || msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT)) {
    ShowPage(TabCtrl_GetCurSel(state.pageControl) == 0 ? Page::Help : Page::Main);
    return true;
  }
  return IsDialogMessageW(form, &msg) != FALSE;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateFormMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool SetControlText(Ctl id, const std::wstring& text) {
  HWND control = Control(id);
  if (!control || WindowText(control) == text) return false;
  SetWindowTextW(control, text.c_str());
  const ControlSpec& layout = SpecOf(id);
  if (SizesToText(layout)) PlaceControl(layout);
  return true;
}

void Button1Click() { form1::RunAnalysis("0"); }

}  // namespace tesserin::ui
