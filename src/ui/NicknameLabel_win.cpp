#include "ui/NicknameLabel_win.h"

#include <commctrl.h>

#include "base/Dpi_win.h"
#include "ui/FormState_win.h"
#include "ui/Placement_win.h"
#include "ui/TextExtent_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {
namespace {

constexpr wchar_t kEllipsis[] = L"…";

bool IsTrailSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The tooltip of the label, made when a nickname first needs it. The label answers the mouse
// (SS_NOTIFY), so the tooltip sees the pointer rest on it.
HWND NicknameTip() {
  FormState& state = Form1State();
  if (state.nicknameTip) return state.nicknameTip;
  HWND label = Control(Ctl::NicknameLabel);
  HWND page = GetParent(label);
  state.nicknameTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, state.form, nullptr,
                                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(state.form, GWLP_HINSTANCE)),
                                      nullptr);
  if (!state.nicknameTip) return nullptr;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = page;
  tool.uId = reinterpret_cast<UINT_PTR>(label);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(state.nicknameTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  return state.nicknameTip;
}

void Fit() {
  FormState& state = Form1State();
  HWND label = Control(Ctl::NicknameLabel);
  if (!label) return;
  const int widest = Scale(SpecOf(Ctl::NicknameLabel).width, state.dpi);
  const std::wstring shown = ShortenedToFit(FormFont(FontRole::Nickname), state.nickname, widest);
  state.nicknameTipText = shown == state.nickname ? std::wstring{} : state.nickname;
  if (ReplaceWindowText(label, shown)) PlaceControl(Ctl::NicknameLabel);
  if (!state.nicknameTipText.empty()) NicknameTip();
}

}  // namespace

std::wstring ShortenedToFit(HFONT font, std::wstring_view text, int widest) {
  if (LabelExtent(font, text).cx <= widest) return std::wstring(text);
  // The fitting start by halving: widths only grow with the length.
  std::size_t fits = 0, tooLong = text.size();
  while (tooLong - fits > 1) {
    const std::size_t mid = (fits + tooLong) / 2;
    std::wstring tried(text.substr(0, mid));
    tried += kEllipsis;
    (LabelExtent(font, tried).cx <= widest ? fits : tooLong) = mid;
  }
  if (fits > 0 && fits < text.size() && IsTrailSurrogate(text[fits])) --fits;
  return std::wstring(text.substr(0, fits)) + kEllipsis;
}

void ShowNickname(const GbkString& nickname) {
  Form1State().nickname = WideFromGbk(nickname);
  Fit();
}

void RefitNickname() { Fit(); }

const std::wstring& NicknameTipText() { return Form1State().nicknameTipText; }

}  // namespace tesserin::ui
