// The floor for the start-up figures of tesserin.exe: a window with the same kinds and number
// of controls as the main form (a tab control and its three pages, the labels, date fields,
// memo, button, check box and report list view, from the form's own table), the same eight
// fonts, and the program's resources (the manifest loads common controls 6), linked with the
// same libraries. A tray icon (Shell_NotifyIconW) and a tooltip window come, as in the form,
// when they are first needed: on minimising, and on the pointer's first move over the caption.
// Built a second time with EAGER_EXTRAS, it makes both before it shows the window.
//
// None of the program's logic: no reading, no watcher, no search for installed Chinese fonts
// (the faces are asked for by name), labels measured with one GetTextExtentPoint32W each, no
// subclassed fields, no drawn frame (the system's caption), no record behind the list.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <string>

#include "form/Layout.h"
#include "form/ReadingRecord.h"
#include "ui/resource.h"

namespace {

using namespace tesserin::ui;

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr int kFirstId = 1000;

struct Floor {
  HINSTANCE instance = nullptr;
  HWND form = nullptr;
  HWND tabs = nullptr;
  std::array<HWND, kPageCount> pages{};
  std::array<HFONT, kFonts.size()> fonts{};
  HWND firstField = nullptr;  // the focus at start
  HWND tip = nullptr;
  bool inTray = false;
} floor;

HFONT FontOf(FontRole role) { return floor.fonts[static_cast<int>(role)]; }

void CreateFonts() {
  for (size_t i = 0; i < kFonts.size(); ++i)
    floor.fonts[i] = CreateFontW(-kFonts[i].pixels, 0, 0, 0, kFonts[i].bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                 FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE,
                                 kFonts[i].family == Family::SongTi ? L"宋体" : L"微软雅黑");
}

SIZE TextSize(HDC dc, HFONT font, const std::wstring& text) {
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  return size;
}

struct WindowKind {
  const wchar_t* windowClass;
  DWORD style, exStyle;
};

WindowKind KindOf(Kind kind) {
  switch (kind) {
    case Kind::Label: return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case Kind::WrappedLabel: return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case Kind::Edit: return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::Memo:
      return {L"EDIT", WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0};
    case Kind::CheckBox: return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case Kind::Button: return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case Kind::List: return {WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", 0, 0};
}

void AddColumns(HWND list) {
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
  for (int c = 0; c < kRecordColumnCount; ++c) {
    const std::string_view utf8 = kRecordCaptions[c].shown;
    wchar_t caption[32] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), caption, 31);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = caption;
    column.cx = 80;  // the record sizes its columns to their texts once rows come
    column.iSubItem = c;
    ListView_InsertColumn(list, c, &column);
  }
}

void CreateControls(HWND form) {
  CreateFonts();
  RECT client;
  GetClientRect(form, &client);
  floor.tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0,
                               client.right, client.bottom, form, nullptr, floor.instance, nullptr);
  SendMessageW(floor.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(FontRole::Form)), FALSE);
  for (int i = 0; i < kPageCount; ++i) {
    std::wstring caption(kPageCaptions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    TabCtrl_InsertItem(floor.tabs, i, &item);
  }
  RECT area = client;
  TabCtrl_AdjustRect(floor.tabs, FALSE, &area);
  for (int i = 0; i < kPageCount; ++i)
    floor.pages[i] = CreateWindowExW(WS_EX_CONTROLPARENT, L"FloorPage", L"", WS_CHILD | WS_CLIPSIBLINGS | (i ? 0 : WS_VISIBLE),
                                     area.left, area.top, area.right - area.left, area.bottom - area.top, form,
                                     nullptr, floor.instance, nullptr);
  SetWindowPos(floor.tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  HDC screen = GetDC(nullptr);
  for (const ControlSpec& row : kControls) {
    const WindowKind kind = KindOf(row.kind);
    const std::wstring text(row.text);
    SIZE size{row.width, row.height};
    if (row.kind == Kind::Label) size = TextSize(screen, FontOf(row.font), text);
    HWND control = CreateWindowExW(kind.exStyle, kind.windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
                                   row.x, row.y, size.cx, size.cy, floor.pages[static_cast<int>(row.page)],
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + static_cast<int>(row.id))),
                                   floor.instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row.font)), FALSE);
    if (row.kind == Kind::List) AddColumns(control);
    if (row.kind == Kind::Edit && !floor.firstField) floor.firstField = control;
  }
  ReleaseDC(nullptr, screen);
}

NOTIFYICONDATAW TrayIcon() {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = floor.form;
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = static_cast<HICON>(LoadImageW(floor.instance, MAKEINTRESOURCEW(IDI_TESSERIN), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  lstrcpynW(data.szTip, L"Tesserin", 64);
  return data;
}

void AddTrayIcon() {
  if (floor.inTray) return;
  NOTIFYICONDATAW data = TrayIcon();
  floor.inTray = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void RemoveTrayIcon() {
  if (!floor.inTray) return;
  NOTIFYICONDATAW data = TrayIcon();
  Shell_NotifyIconW(NIM_DELETE, &data);
  floor.inTray = false;
}

// A tooltip for the caption, as the form has one for each caption button.
void AddTooltip() {
  if (floor.tip) return;
  floor.tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, floor.form, nullptr,
                              floor.instance, nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = floor.form;
  tool.uId = 1;
  tool.lpszText = const_cast<wchar_t*>(L"最小化到托盘");
  SendMessageW(floor.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      floor.form = form;
      CreateControls(form);
#ifdef EAGER_EXTRAS
      AddTooltip();
      AddTrayIcon();
#endif
      return 0;
    case WM_NCMOUSEMOVE:
      AddTooltip();
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) AddTrayIcon();
      break;
    case kTrayMessage:
      if (LOWORD(lParam) == WM_LBUTTONUP) ShowWindow(form, SW_RESTORE);
      return 0;
    case WM_COMMAND:
      return 0;
    case WM_CLOSE:
      DestroyWindow(form);
      return 0;
    case WM_DESTROY:
      RemoveTrayIcon();
      PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefDlgProcW(form, message, wParam, lParam);
}

bool RegisterClasses() {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = FormProc;
  form.cbWndExtra = DLGWINDOWEXTRA;
  form.hInstance = floor.instance;
  form.hIcon = static_cast<HICON>(
      LoadImageW(floor.instance, MAKEINTRESOURCEW(IDI_TESSERIN), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = L"FloorForm";
  WNDCLASSEXW page = form;
  page.lpfnWndProc = DefWindowProcW;
  page.cbWndExtra = 0;
  page.hIcon = nullptr;
  page.lpszClassName = L"FloorPage";
  return RegisterClassExW(&form) && RegisterClassExW(&page);
}

}  // namespace

// startup_phases_probe builds the floor in under another name.
#ifndef FLOOR_ENTRY_POINT
#define FLOOR_ENTRY_POINT wWinMain
#endif

extern "C" int WINAPI FLOOR_ENTRY_POINT(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  floor.instance = instance;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterClasses()) return 1;
  constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT r{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, kStyle, FALSE, WS_EX_CONTROLPARENT);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HWND form = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, L"FloorForm", L"Tesserin", kStyle,
                              (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                              width, height, nullptr, nullptr, instance, nullptr);
  if (!form) return 1;
  ShowWindow(form, showCommand);
  UpdateWindow(form);
  SetFocus(floor.firstField);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(form, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
