// Program start: the main form, shown on page 主界面, then the message loop until it closes.
#include <windows.h>

#include "ui/TForm1_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  if (!tesserin::ui::CreateTForm1(instance)) return 1;
  tesserin::ui::ShowTForm1(showCommand);
  return tesserin::ui::RunMessageLoop();
}
