// A fixture that opens the real main form in this process and drives it through real
// messages: keys are posted to the focused control and pass the same dialog handling as in
// the program's message loop; message boxes are handled from inside their own modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/Desktop_win.h"
#include "form/Layout.h"

namespace tesserin::ui::test {

// What a message box showed.
struct BoxSeen {
  std::wstring caption;
  std::wstring text;
  bool stopIcon = false;
};

class FormTest : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  // Dispatches every pending message as the program's loop does.
  static void Pump();
  // A key press (down and up) posted to the focused control, then dispatched.
  static void PressKey(UINT vk);
  // Each character as a key press: digits, letters, '\r' Enter, '\b' Backspace, '\t' Tab,
  // '\x1b' Escape.
  static void Type(std::wstring_view keys);
  // A key with Ctrl held, as the keyboard gives it to the focused control.
  static void PressWithCtrl(UINT vk);
  // The clipboard's text as another process reads it; nothing when it holds no text. The form
  // keeps handling its messages meanwhile.
  static std::optional<std::wstring> ClipboardSeenElsewhere();

  // Dispatches messages until the condition holds or the input has long been handled; real
  // input reaches the queue asynchronously.
  static bool PumpUntil(const std::function<bool()>& done);

  static std::wstring TextOf(Ctl id);
  static void SetTextOf(Ctl id, const std::wstring& text);
  static void FocusOn(Ctl id);
  // The control that has the focus, as a table id; Ctl::Count for none of them.
  static Ctl Focused();

  // A date set into the three date fields from outside: no key rules run.
  static void EnterDate(const wchar_t* year, const wchar_t* month, const wchar_t* day);
  // Enter in the day field, the caret at its end as after typing the day: the lunar reading.
  static void ReadByEnterInDayField();
  // A click on the solar button: the solar reading.
  static void ClickSolarButton();
  // What the watcher does with a profile it read: her nickname, the date fields filled in; then
  // the lunar reading.
  static void FillFromProfile(const char* nickname, const wchar_t* year, const wchar_t* month, const wchar_t* day);
  static void FromProfile(const char* nickname, const wchar_t* year, const wchar_t* month, const wchar_t* day);

  // Runs `trigger`, which must open a message box owned by the form. While the box is open,
  // each step runs on its own tick of the box's modal loop (so messages posted by one step are
  // dispatched by that loop before the next). After the steps the box is closed with OK.
  // Returns what the box showed.
  BoxSeen WithBox(const std::function<void()>& trigger,
                  std::vector<std::function<void(HWND box)>> steps = {});

  HWND form = nullptr;

  // The visible message boxes owned by the form.
  static std::vector<HWND> OpenBoxes();
};

using e2e::MouseAt;
using e2e::MouseButton;

std::string Utf8Of(const std::wstring& text);

// The pixels of a window as they are on the screen (its frame included), one COLORREF-like
// value per pixel.
struct Pixels {
  int width = 0, height = 0;
  std::vector<COLORREF> data;
  COLORREF At(int x, int y) const { return data[static_cast<size_t>(y * width + x)]; }
  bool operator==(const Pixels&) const = default;
};
Pixels Capture(HWND window);
inline POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// The form moved to a monitor of another DPI, as Windows tells it (Wine reports 96 DPI for every
// monitor, so the tests send the message themselves).
void ChangeDpi(HWND form, UINT dpi);

}  // namespace tesserin::ui::test
