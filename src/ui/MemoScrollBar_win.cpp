#include "ui/MemoScrollBar_win.h"

#include <commctrl.h>

namespace tesserin::ui {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr wchar_t kWrapProperty[] = L"TesserinMemoWrap";

// The size and font the memo's wrapping width was last set for.
struct Wrap {
  SIZE window{};
  HFONT font = nullptr;
};

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

bool BarShown(HWND memo) { return (GetWindowLongW(memo, GWL_STYLE) & WS_VSCROLL) != 0; }

// The edit control never learns that its client area changed: the bar would change it.
LRESULT CALLBACK WrapProc(HWND memo, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_SIZE) return 0;
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(memo, WrapProc, kSubclassId);
    delete static_cast<Wrap*>(RemovePropW(memo, kWrapProperty));
  }
  return DefSubclassProc(memo, message, wParam, lParam);
}

Wrap* WrapOf(HWND memo) { return static_cast<Wrap*>(GetPropW(memo, kWrapProperty)); }

// The text wraps at the width of the client area beside the bar.
void SetWrapWidth(HWND memo, Wrap& wrap, SIZE window, HFONT font) {
  if (!BarShown(memo)) ShowScrollBar(memo, SB_VERT, TRUE);
  RECT client{};
  GetClientRect(memo, &client);
  SendMessageW(memo, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&client));
  wrap = {window, font};
}

}  // namespace

void AttachMemoScrollBar(HWND memo) {
  auto* wrap = new Wrap;
  if (!SetPropW(memo, kWrapProperty, wrap)) {
    delete wrap;
    return;
  }
  SetWindowSubclass(memo, WrapProc, kSubclassId, 0);
}

void FitMemoScrollBar(HWND memo) {
  if (!memo) return;
  if (Wrap* wrap = WrapOf(memo)) {
    RECT r{};
    GetWindowRect(memo, &r);
    const SIZE window{r.right - r.left, r.bottom - r.top};
    const auto font = reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0));
    if (window.cx != wrap->window.cx || window.cy != wrap->window.cy || font != wrap->font)
      SetWrapWidth(memo, *wrap, window, font);
  }
  const bool needed = TextLongerThanBox(memo);
  if (needed != BarShown(memo)) ShowScrollBar(memo, SB_VERT, needed);
}

}  // namespace tesserin::ui
