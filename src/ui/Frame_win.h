// The form's frame, drawn by the program: a caption bar with the title and three caption
// buttons (minimise to tray, minimise, close), a one-pixel border, and no maximise. The
// window is a WS_POPUP window whose non-client area is computed, painted and hit-tested here,
// so the client area keeps its exact size and the frame looks the same on every system. The
// form hands the frame its DPI, caption font and state with every message.
#pragma once

#include <windows.h>

#include "form/MenuCommands.h"

namespace tesserin::ui {

enum class CaptionButton { None, Tray, Minimise, Close };

// What the frame shows and tracks; part of the form's state (FormState_win.h).
struct FrameState {
  bool active = false;
  CaptionButton hot = CaptionButton::None;      // under the pointer
  CaptionButton pressed = CaptionButton::None;  // pressed, tracked until the button is let go
  bool trackingLeave = false;
};

// The window size that gives this client size.
SIZE WindowSizeFor(SIZE client, UINT dpi);

// What the frame is drawn and measured with: the form's DPI and the caption bar's font.
struct FrameLook {
  UINT dpi;
  HFONT titleFont;
};

// A caption button's rectangle in screen coordinates.
RECT CaptionButtonRect(HWND form, UINT dpi, CaptionButton button);

// Sets up the window menu: minimise to tray added, maximise and size removed.
void InstallFrame(HWND form);

// Handles the frame's messages. Returns true, with the message's result, when it did. The
// tray button sends the window menu's command "最小化到托盘", which the tray handles.
bool HandleFrameMessage(HWND form, const FrameLook& look, FrameState& frame, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result);

}  // namespace tesserin::ui
