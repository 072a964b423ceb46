#include "ui/CopyReading_win.h"

#include <cwchar>

#include "base/Gbk.h"
#include "reading/ReadingText.h"
#include "ui/Clipboard_win.h"
#include "ui/FormState_win.h"
#include "ui/ShortcutKey_win.h"

namespace tesserin::ui {
namespace {

constexpr wchar_t kMenuText[] = L"复制结果(&Y)\tCtrl+C";

// An edit field with a selection copies it itself.
bool EditHasSelection(HWND window) {
  wchar_t name[16] = {};
  if (!window || !GetClassNameW(window, name, 16) || _wcsicmp(name, L"Edit") != 0) return false;
  DWORD start = 0, end = 0;
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return start != end;
}

// Whether the result fields show a reading to copy.
bool HasReadingToCopy() { return Form1State().page.ShownReading().has_value(); }

// Puts the reading shown in the result fields on the clipboard. Returns false when there is
// no reading yet or the clipboard could not be written.
bool CopyReading() {
  const std::optional<Reading>& reading = Form1State().page.ShownReading();
  if (!reading) return false;
  return PutClipboardText(FormHandle(), WideFromGbk(ReadingText(*reading, "\r\n")));
}

}  // namespace

void AddCopyReadingCommand(HWND form) {
  HMENU menu = GetSystemMenu(form, FALSE);
  if (!menu) return;
  if (!InsertMenuW(menu, kSysCommandTray, MF_BYCOMMAND | MF_STRING, kSysCommandCopyReading, kMenuText))
    InsertMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, kSysCommandCopyReading, kMenuText);
  ShowCopyCommandState(form);
}

void ShowCopyCommandState(HWND form) {
  if (HMENU menu = form ? GetSystemMenu(form, FALSE) : nullptr)
    EnableMenuItem(menu, kSysCommandCopyReading, MF_BYCOMMAND | (HasReadingToCopy() ? MF_ENABLED : MF_GRAYED));
}

bool HandleCopyKey(const MSG& msg) {
  if (!IsCtrlShortcut(msg, 'C')) return false;
  if (EditHasSelection(GetFocus())) return false;
  CopyReading();
  return true;
}

bool HandleCopyCommand(UINT message, WPARAM wParam) {
  if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != kSysCommandCopyReading) return false;
  CopyReading();
  return true;
}

}  // namespace tesserin::ui
