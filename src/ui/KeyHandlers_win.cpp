// Key handling of the date fields. The rules see every typed character (WM_CHAR) except Tab,
// which moves the focus as usual. A dialog would take Enter (and Escape) before the field sees
// them, so the fields ask for all keys but Tab through WM_GETDLGCODE.
#include "ui/KeyHandlers_win.h"

#include <commctrl.h>

#include "base/Gbk.h"
#include "ui/UserReadings_win.h"
#include "ui/MessageBoxes_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// The dialog whose Tab order the focus follows: the form, above the page that holds the field.
HWND DialogOf(HWND edit) { return GetAncestor(edit, GA_ROOT); }

LRESULT CharMessage(HWND edit, KeyRule rule, WPARAM wParam, LPARAM lParam) {
  const GbkString text = GbkFromWide(WindowText(edit));
  const auto key = static_cast<char32_t>(wParam);
  const KeyOutcome outcome = KeyPress(rule, text, key);
  // The focus moves before the field takes the character: the character still lands here.
  if (outcome.moveFocus) SendMessageW(DialogOf(edit), WM_NEXTDLGCTL, 0, 0);
  LRESULT result = 0;
  // A single-line edit has nothing to do with Enter but beep.
  if (!outcome.discard && key != kEnter) result = DefSubclassProc(edit, WM_CHAR, wParam, lParam);
  if (outcome.runLunar) RunTypedAnalysis(CalendarMode::Lunar);
  return result;
}

LRESULT CALLBACK DateFieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR refData) {
  try {
    switch (message) {
      case WM_GETDLGCODE: {
        LRESULT code = DefSubclassProc(edit, message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam != VK_TAB) code |= DLGC_WANTALLKEYS;
        return code;
      }
      case WM_CHAR:
        return CharMessage(edit, static_cast<KeyRule>(refData), wParam, lParam);
      case WM_NCDESTROY:
        RemoveWindowSubclass(edit, DateFieldProc, kSubclassId);
        break;
      default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
  } catch (...) {
    ReportCurrentException(DialogOf(edit));
    return 0;
  }
}

LRESULT CALLBACK MemoProc(HWND memo, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  if (message == WM_GETDLGCODE)
    return DefSubclassProc(memo, message, wParam, lParam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(memo, MemoProc, kSubclassId);
  return DefSubclassProc(memo, message, wParam, lParam);
}

}  // namespace

void AttachKeyHandler(HWND edit, KeyRule rule) {
  SetWindowSubclass(edit, DateFieldProc, kSubclassId, static_cast<DWORD_PTR>(rule));
}

void AttachMemoKeys(HWND memo) { SetWindowSubclass(memo, MemoProc, kSubclassId, 0); }

}  // namespace tesserin::ui
