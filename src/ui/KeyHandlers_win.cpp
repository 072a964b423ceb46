// Key handling of the date fields. The rules see every typed character (WM_CHAR) except Tab,
// which moves the focus as usual. A dialog would take Enter (and Escape) before the field sees
// them, so the fields ask for all keys but Tab through WM_GETDLGCODE.
#include "ui/KeyHandlers_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "base/Gbk.h"
#include "form/PastedDate.h"
#include "ui/Clipboard_win.h"
#include "ui/FormState_win.h"
#include "ui/UserReadings_win.h"
#include "ui/MessageBoxes_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// The dialog whose Tab order the focus follows: the form, above the page that holds the field.
HWND DialogOf(HWND edit) { return GetAncestor(edit, GA_ROOT); }

// The field's text before and after its caret, a selection left out: the key replaces it.
struct SplitText {
  GbkString before, after;
};
SplitText AroundCaret(HWND edit) {
  const std::wstring text = WindowText(edit);
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::size_t from = std::min<std::size_t>(start, text.size());
  const std::size_t to = std::clamp<std::size_t>(end, from, text.size());
  return {GbkFromWide(std::wstring_view(text).substr(0, from)), GbkFromWide(std::wstring_view(text).substr(to))};
}

LRESULT CharMessage(HWND edit, KeyRule rule, WPARAM wParam, LPARAM lParam) {
  const SplitText text = AroundCaret(edit);
  const auto key = static_cast<char32_t>(wParam);
  const KeyOutcome outcome = KeyPress(rule, {text.before, text.after}, key);
  // The focus moves before the field takes the character: the character still lands here.
  if (outcome.moveFocus) SendMessageW(DialogOf(edit), WM_NEXTDLGCTL, 0, 0);
  LRESULT result = 0;
  // A single-line edit has nothing to do with Enter but beep.
  if (!outcome.discard && key != kEnter) result = DefSubclassProc(edit, WM_CHAR, wParam, lParam);
  if (outcome.runLunar) RunTypedAnalysis(CalendarMode::Lunar);
  return result;
}

// A whole date pasted into any date field fills all three, and the focus goes to the day
// field, where Enter reads it. Any other text is pasted as the field's own.
bool PasteWholeDate(HWND edit) {
  const std::optional<std::wstring> pasted = ClipboardText(edit);
  if (!pasted) return false;
  const std::optional<std::array<std::string, 3>> date = PastedDate(Utf8(GbkFromWide(*pasted)));
  if (!date) return false;
  DateEntered((*date)[0], (*date)[1], (*date)[2]);
  HWND day = Control(Ctl::DayField);
  SendMessageW(DialogOf(edit), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(day), TRUE);
  SendMessageW(day, EM_SETSEL, 0, -1);
  SendMessageW(day, EM_SETSEL, static_cast<WPARAM>(-1), -1);  // the caret after the day, as after typing it
  return true;
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
      case WM_PASTE:
        if (PasteWholeDate(edit)) return 0;
        break;
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
