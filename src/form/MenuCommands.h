// The form's own commands, as the window menu and the tray icon's menu send them to the form
// (WM_SYSCOMMAND). The system's commands are 0xF000 and up, and the low four bits are the
// system's, so these are multiples of 16 below that.
#pragma once

namespace tesserin::ui {

inline constexpr unsigned kSysCommandTray = 0x0010;         // "最小化到托盘"
inline constexpr unsigned kSysCommandCopyReading = 0x0020;  // "复制结果"

}  // namespace tesserin::ui
