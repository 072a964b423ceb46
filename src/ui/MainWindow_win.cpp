// Message dispatch of the form: the frame, the tray icon and the copy command take theirs
// first; then creation, DPI change, the button, changes of the date fields, the page tabs, the
// record's list, colours, the watcher's timer and closing.
// Every window procedure ends in a catch: no exception crosses into the system's code.
// Controls are laid out in pixels scaled for the monitor's DPI, not in dialog units, which
// depend on the installed fonts.
#include "ui/MainWindow_win.h"

#include <commctrl.h>

#include <optional>

#include "base/Dpi_win.h"
#include "ui/CopyReading_win.h"
#include "ui/FormState_win.h"
#include "ui/Frame_win.h"
#include "ui/MessageBoxes_win.h"
#include "ui/NicknameLabel_win.h"
#include "ui/Pages_win.h"
#include "ui/Placement_win.h"
#include "ui/ReadingBinding_win.h"
#include "ui/RecordPage_win.h"
#include "ui/Tray_win.h"
#include "ui/UserReadings_win.h"
#include "ui/WatcherBinding_win.h"
#include "ui/resource.h"

namespace tesserin::ui {
namespace {

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
  if (index < 0 || index >= kCtlCount || Control(static_cast<Ctl>(index)) != control) return nullptr;
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

LRESULT FormMessage(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  FormState& state = Form1State();
  if (state.form == form) {
    LRESULT result = 0;
    if (HandleFrameMessage(form, {state.dpi, FormFont(FontRole::Title)}, state.frame, message, wParam, lParam,
                           result))
      return result;
    if (HandleTrayMessage(form, state.tray, message, wParam, lParam)) return 0;
    if (HandleCopyCommand(message, wParam)) return 0;
  }
  switch (message) {
    case WM_NCCREATE:
      state.form = form;
      state.dpi = DpiOfWindow(form);
      break;
    case WM_CREATE:
      FormCreate(form);
      return 0;
    case WM_DPICHANGED: {
      LayOut(LOWORD(wParam));
      RefitNickname();
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(form, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == Control(Ctl::SolarButton))
        SolarButtonClick();
      if (HIWORD(wParam) == EN_CHANGE)
        if (const ControlSpec* control = LayoutOfWindow(reinterpret_cast<HWND>(lParam)))
          if (std::optional<Field> field = FieldOfControl(control->id)) FieldChanged(*field);
      return 0;  // IDOK and IDCANCEL from Enter and Escape: the form has no default buttons
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code == TTN_GETDISPINFOW && header->idFrom == reinterpret_cast<UINT_PTR>(Control(Ctl::NicknameLabel))) {
        reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = const_cast<wchar_t*>(NicknameTipText().c_str());
        return 0;
      }
      if (header->hwndFrom == state.pageControl && header->code == TCN_SELCHANGE) ShowPage(ShownPage());
      if (HandleRecordListNotify(*header)) return 0;
      if (std::optional<std::size_t> row = ActivatedRecordRow(*header))
        if (RecordRowDoubleClicked(state.record.Row(*row))) ShowPage(Page::Main);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      return StaticColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
      if (wParam == kWatcherTimerId) WatcherTick();
      return 0;
    case WM_CLOSE:
      DestroyWindow(form);
      return 0;
    case WM_DESTROY:
      KillTimer(form, kWatcherTimerId);
      RemoveTrayIcon(form, state.tray);
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
    ReportCurrentException(form);
    return message == WM_CREATE ? -1 : 0;
  }
}

LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
      if (HWND form = FormHandle()) return SendMessageW(form, message, wParam, lParam);
      break;
    default:
      break;
  }
  return DefWindowProcW(page, message, wParam, lParam);
}

constexpr wchar_t kFormClassName[] = L"TForm1";
constexpr DWORD kFormStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

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
  form.lpszClassName = kFormClassName;

  WNDCLASSEXW page{};
  page.cbSize = sizeof page;
  page.lpfnWndProc = PageProc;
  page.hInstance = instance;
  page.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  page.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  page.lpszClassName = kPageClassName;

  for (const WNDCLASSEXW* wc : {&form, &page})
    if (!RegisterClassExW(wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  return true;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterClasses(instance)) return nullptr;
  const std::wstring title(kAppTitle);
  // Created on the primary monitor, whose DPI the first layout uses; centred when shown.
  return CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, kFormClassName, title.c_str(), kFormStyle,
                         0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

void ShowMainWindow(int showCommand) {
  HWND form = FormHandle();
  if (!form) return;
  CentreOnScreen(form);
  ShowWindow(form, showCommand);
  UpdateWindow(form);
  // A date typed at once goes into the year field; the tab order stays as it is.
  SendMessageW(form, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(Ctl::YearField)), TRUE);
}

}  // namespace tesserin::ui
