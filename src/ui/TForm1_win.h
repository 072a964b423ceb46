// The main form TForm1: creation, layout for the monitor's DPI, pages, and the message loop.
// Other code reaches the form through Form1_win.h; this header is for the window code itself
// and its tests.
#pragma once

#include <windows.h>

#include <string>

#include "ui/FormLayout.h"

namespace tesserin::ui {

inline constexpr UINT_PTR kTimer1Id = 1;
inline constexpr UINT kTimer1Interval = 500;  // ms
inline constexpr int kFirstControlId = 1000;  // clear of IDOK/IDCANCEL, which the form ignores

// Creates the form hidden, laid out for the DPI of the primary monitor, with Timer1 running.
// Returns nullptr when the window cannot be created.
HWND CreateTForm1(HINSTANCE instance);

// First show: centred on the screen, page 主界面 in front, focus in the first field.
void ShowTForm1(int showCommand);

HWND FormHandle();
HWND Control(Ctl id);
HWND PageControl1();
HWND TabSheet(Page page);
void ShowPage(Page page);
UINT FormDpi();
HFONT FormFont(FontRole role);

// Handles a message for the form's keyboard interface (dialog keys, Ctrl+Tab between pages).
// Returns false when the caller should translate and dispatch it as usual.
bool PreTranslateFormMessage(MSG& msg);

// The message loop: runs until WM_QUIT (posted when the form is destroyed); returns its code.
int RunMessageLoop();

// Window text helpers.
std::wstring WindowText(HWND hwnd);
// Sets the text only when it differs (WM_SETTEXT repaints even an unchanged text), and refits
// a label that sizes itself. Returns whether the text changed.
bool SetControlText(Ctl id, const std::wstring& text);

// The form's handlers, called inside its window procedures.
void Button1Click();

}  // namespace tesserin::ui
