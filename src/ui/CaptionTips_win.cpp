#include "ui/CaptionTips_win.h"

#include <commctrl.h>

#include <string>

namespace tesserin::ui {
namespace {

constexpr UINT_PTR kToolId = 1;
constexpr UINT_PTR kDelayTimerId = 0x5449;  // clear of the watcher's timer id

struct CaptionTip {
  HWND form = nullptr;
  HWND tip = nullptr;
  std::wstring text;
  POINT at{};
} state;

TTTOOLINFOW Tool() {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = state.form;
  tool.uId = kToolId;
  tool.lpszText = state.text.data();
  return tool;
}

HWND TipWindow(HWND form) {
  if (state.tip && state.form == form) return state.tip;
  state.form = form;
  state.tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE)), nullptr);
  if (state.tip) {
    TTTOOLINFOW tool = Tool();
    SendMessageW(state.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return state.tip;
}

void CALLBACK DelayOver(HWND form, UINT, UINT_PTR id, DWORD) {
  KillTimer(form, id);
  if (!state.tip) return;
  TTTOOLINFOW tool = Tool();
  SendMessageW(state.tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(state.tip, TTM_TRACKPOSITION, 0, MAKELPARAM(state.at.x, state.at.y));
  SendMessageW(state.tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void ShowCaptionTip(HWND form, const wchar_t* text, const RECT& button) {
  HideCaptionTip();
  if (!TipWindow(form)) return;
  state.text = text;
  state.at = {button.left, button.bottom + 2};
  const auto delay = static_cast<UINT>(SendMessageW(state.tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
  SetTimer(form, kDelayTimerId, delay > 0 ? delay : 1, DelayOver);
}

void HideCaptionTip() {
  if (!state.tip) return;
  KillTimer(state.form, kDelayTimerId);
  TTTOOLINFOW tool = Tool();
  SendMessageW(state.tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void ForgetCaptionTip() { state = CaptionTip{}; }

}  // namespace tesserin::ui
