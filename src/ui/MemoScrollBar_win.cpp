#include "ui/MemoScrollBar_win.h"

namespace tesserin::ui {
namespace {

int LineHeight(HWND memo) {
  HDC dc = GetDC(memo);
  if (!dc) return 1;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(memo, dc);
  return metrics.tmHeight > 0 ? metrics.tmHeight : 1;
}

bool TextLongerThanBox(HWND memo) {
  RECT box{};
  SendMessageW(memo, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&box));
  const int visibleLines = (box.bottom - box.top) / LineHeight(memo);
  return SendMessageW(memo, EM_GETLINECOUNT, 0, 0) > visibleLines;
}

}  // namespace

void FitMemoScrollBar(HWND memo) {
  if (!memo) return;
  // Measured without the bar, at the memo's full width; the bar only makes the lines narrower,
  // so a text that needs it still needs it once it shows.
  ShowScrollBar(memo, SB_VERT, FALSE);
  if (TextLongerThanBox(memo)) ShowScrollBar(memo, SB_VERT, TRUE);
}

}  // namespace tesserin::ui
