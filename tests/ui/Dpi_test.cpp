// Layout for the monitor's DPI. Wine reports 96 DPI for every monitor, so the change of
// monitor is simulated with the message Windows sends then, WM_DPICHANGED, carrying 144 DPI.
#include <windows.h>

#include "FormFixture_win.h"
#include "ui/FormState_win.h"

namespace tesserin::ui::test {
namespace {

int FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

using DpiTest = FormTest;

TEST_F(DpiTest, LayoutScalesWithTheMonitorsDpiAndBack) {
  struct Case {
    UINT dpi;
    int clientWidth, clientHeight;
    RECT edit4, button1;
    int formFont, starsFont;
  };
  // 150 %, halves rounded up: 527 × 362 becomes 791 × 543, Edit4 at 190, 11 (43 × 21) at 285, 17 (65 × 32).
  const Case cases[] = {
      {144, 791, 543, {285, 17, 285 + 65, 17 + 32}, {302, 371, 302 + 189, 371 + 38}, -20, -36},
      {96, 527, 362, {190, 11, 190 + 43, 11 + 21}, {201, 247, 201 + 126, 247 + 25}, -13, -24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    ChangeDpi(form, c.dpi);
    EXPECT_EQ(FormDpi(), c.dpi);
    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, c.clientWidth);
    EXPECT_EQ(client.bottom, c.clientHeight);
    RECT tab;
    GetClientRect(Form1State().pageControl, &tab);
    EXPECT_EQ(tab.right, c.clientWidth) << "the page control still fills the client area";
    const RECT edit4 = RectInParent(Control(Ctl::YearField)), button1 = RectInParent(Control(Ctl::SolarButton));
    EXPECT_EQ(edit4.left, c.edit4.left);
    EXPECT_EQ(edit4.top, c.edit4.top);
    EXPECT_EQ(edit4.right, c.edit4.right);
    EXPECT_EQ(edit4.bottom, c.edit4.bottom);
    EXPECT_EQ(button1.left, c.button1.left);
    EXPECT_EQ(button1.bottom, c.button1.bottom);
    EXPECT_EQ(FontHeight(Control(Ctl::YearField)), c.formFont);
    EXPECT_EQ(FontHeight(Control(Ctl::LibidoStars)), c.starsFont);
  }
}

}  // namespace
}  // namespace tesserin::ui::test
