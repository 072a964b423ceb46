// The Windows tests run on a real display (Xvfb under Wine): a window can be created, what it
// paints reaches the screen, and the Chinese fonts the window asks for have the glyphs it shows.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kFill = RGB(12, 34, 56);

// Lets the window paint; returns the colour at (x, y) of the screen once it is kFill, or the last
// colour seen after about 2 s.
COLORREF ScreenPixelOnceFilled(int x, int y) {
  COLORREF seen = CLR_INVALID;
  for (int i = 0; i < 100 && seen != kFill; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    HDC screen = GetDC(nullptr);
    seen = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    if (seen != kFill) Sleep(20);
  }
  return seen;
}

TEST(Display, WindowPaintsOnScreen) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HBRUSH fill = CreateSolidBrush(kFill);
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hbrBackground = fill;
  wc.lpszClassName = L"TesserinDisplayTest";
  ASSERT_NE(0, RegisterClassW(&wc)) << "RegisterClassW error " << GetLastError();

  HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"显示测试", WS_POPUP | WS_VISIBLE,
                                100, 100, 64, 48, nullptr, nullptr, instance, nullptr);
  ASSERT_NE(nullptr, window) << "CreateWindowExW error " << GetLastError()
                             << " (no display reaches the test?)";
  UpdateWindow(window);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(kFill, ScreenPixelOnceFilled(132, 124));

  DestroyWindow(window);
  UnregisterClassW(wc.lpszClassName, instance);
  DeleteObject(fill);
}

// The window's texts are in 宋体 and 微软雅黑; whatever font the system puts in their place must
// draw Chinese, the stars and digits rather than empty boxes.
TEST(Display, ChineseFontsHaveTheGlyphs) {
  struct Face {
    const char* what;
    const wchar_t* name;
  };
  const Face kFaces[] = {
      {"SimSun by its Chinese name", L"宋体"},
      {"SimSun", L"SimSun"},
      {"Microsoft YaHei by its Chinese name", L"微软雅黑"},
      {"Microsoft YaHei", L"Microsoft YaHei"},
  };
  const wchar_t kText[] = L"八字：★☆1990";
  HDC screen = GetDC(nullptr);
  for (const Face& face : kFaces) {
    SCOPED_TRACE(face.what);
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, face.name);
    ASSERT_NE(nullptr, font);
    HGDIOBJ old = SelectObject(screen, font);
    WORD glyphs[ARRAYSIZE(kText) - 1];
    ASSERT_NE(GDI_ERROR, GetGlyphIndicesW(screen, kText, ARRAYSIZE(glyphs), glyphs,
                                          GGI_MARK_NONEXISTING_GLYPHS));
    for (size_t i = 0; i < ARRAYSIZE(glyphs); ++i) {
      EXPECT_NE(0xFFFF, glyphs[i]) << "no glyph for character " << i;
    }
    SelectObject(screen, old);
    DeleteObject(font);
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
