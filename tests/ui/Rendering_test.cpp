// The window shows its Chinese text in real glyphs: the pixels of labels on the screen are
// read back and each character cell must hold ink, and cells of different characters must
// differ. A missing font shows either nothing or the same empty box for every character.
#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "FormFixture_win.h"
#include "ui/FormState_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui::test {
namespace {

bool IsInk(COLORREF c, COLORREF background) {
  auto d = [](int a, int b) { return a > b ? a - b : b - a; };
  return d(GetRValue(c), GetRValue(background)) + d(GetGValue(c), GetGValue(background)) +
             d(GetBValue(c), GetBValue(background)) > 200;
}

// The ink pattern of a cell as a string of '#' and '.', for comparing cells.
std::string Cell(const Pixels& p, int left, int width, COLORREF background) {
  std::string pattern;
  for (int y = 0; y < p.height; ++y)
    for (int x = left; x < left + width && x < p.width; ++x) pattern += IsInk(p.At(x, y), background) ? '#' : '.';
  return pattern;
}

using RenderingTest = FormTest;

TEST_F(RenderingTest, ChineseLabelsShowDistinctGlyphs) {
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
  struct Case {
    Ctl label;
    int characters;  // all full-width: each takes one square cell
  };
  const Case cases[] = {{Ctl::BornCaption, 4}, {Ctl::PersonalityCaption, 5}, {Ctl::PillarLine, 3}, {Ctl::KindnessCaption, 5}};
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8Of(WindowText(Control(c.label))));
    const Pixels p = Capture(Control(c.label));
    const int cell = p.width / c.characters;
    std::set<std::string> distinct;
    for (int i = 0; i < c.characters - 1; ++i) {  // the last one is the colon "："
      const std::string pattern = Cell(p, i * cell, cell, background);
      const auto ink = std::count(pattern.begin(), pattern.end(), '#');
      EXPECT_GE(ink, cell) << "character " << i << " is (nearly) blank";
      distinct.insert(pattern);
    }
    EXPECT_EQ(distinct.size(), static_cast<size_t>(c.characters - 1)) << "characters look alike: empty boxes?";
  }
}

// One past the rightmost column with ink, for ink of any colour on the background.
int InkRight(const Pixels& p, COLORREF background) {
  for (int x = p.width - 1; x >= 0; --x)
    for (int y = 0; y < p.height; ++y)
      if (IsInk(p.At(x, y), background)) return x + 1;
  return 0;
}

// The text drawn with the label's font, unclipped, black on white.
Pixels DrawnFreely(HWND label) {
  const std::wstring text = WindowText(label);
  Pixels p;
  p.width = 400;
  p.height = 40;
  HDC memory = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  HGDIOBJ oldFont = SelectObject(memory, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  RECT all{0, 0, p.width, p.height};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &all, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.data.push_back(GetPixel(memory, x, y));
  SelectObject(memory, oldFont);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return p;
}

TEST_F(RenderingTest, NoLabelClipsItsText) {
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
  for (const ControlSpec& layout : kControls) {
    if (layout.kind != Kind::Label || layout.page != Page::Main || layout.text == L" ") continue;
    SCOPED_TRACE(Utf8Of(std::wstring(layout.name)));
    HWND label = Control(layout.id);
    // At least as far right as the free drawing: a clipped glyph ends early. (A neighbour
    // may overlap the label's blank end, as Edit4 overlaps the colon of Label6.)
    EXPECT_GE(InkRight(Capture(label), GetSysColor(COLOR_BTNFACE)) + 1, InkRight(DrawnFreely(label), RGB(255, 255, 255)));
  }
}

}  // namespace
}  // namespace tesserin::ui::test
