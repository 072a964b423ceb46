// Program start: the main form, shown on page 主界面, then the message loop until it closes.
#include <windows.h>

#include "ui/MainWindow_win.h"
#include "ui/MessageLoop_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  if (!tesserin::ui::CreateMainWindow(instance)) return 1;
  tesserin::ui::ShowMainWindow(showCommand);
  return tesserin::ui::RunMessageLoop();
}
