// A stand-in for the messenger's profile window, for the end-to-end tests: a top-level window
// of class "TxGuiFoundation" titled "<nickname>的资料" that paints a profile block laid out from
// the glyph templates at client point (60, 306), and closes itself when clicked at its
// close-button point (21 pixels left of its right edge, 13 below its top).
//
//   profile_standin [options]
//     --nickname TEXT      nickname (default 小明)
//     --title TEXT         the whole title instead of "<nickname>的资料"
//     --class NAME         window class (default TxGuiFoundation)
//     --age A --month M --day D     digits of the 6-pixel font (default 25, 3, 14)
//     --wide-month L --wide-day L1,L2   a date in 12-pixel characters (labels of the templates)
//     --no-marker          no marker in column 3
//     --blank              the block's cells stay blank for ever
//     --paint-after MS     plain white client until MS after the start, then the block
//     --blank-until MS     the block with blank cells until MS after the start, then the glyphs
//     --ink RRGGBB --paper RRGGBB --marker RRGGBB   colours (hexadecimal, red first)
//     --at X,Y             top-left corner on the screen (default 300,100)
//     --title-first        set the title before the first paint (default: after it, since a
//                          title is visible to other programs before its paint reaches the screen)
//     --title-after MS     set the title MS after the first paint
//     --minimised          show minimised
//     --size W,H           window size (default 300,640)
//     --report-clicks      on any left-button press, the title becomes "clicked at X,Y" (client
//                          coordinates): a window laid beneath another shows a click that
//                          missed the one above
//     --click-through      layered, half transparent and passed over by clicks, as the shadows
//                          some programs lay round their windows
// Exit code 0 when closed by the click.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Gbk.h"
#include "base/Gdi_win.h"
#include "ProfileBlock.h"

namespace {

using namespace tesserin;
using namespace tesserin::testing;

constexpr int kCloseFromRight = 21, kCloseFromTop = 13;
constexpr UINT_PTR kPaintTimer = 1;
constexpr UINT_PTR kTitleTimer = 2;

struct Options {
  std::wstring title;
  std::wstring className = L"TxGuiFoundation";
  ProfileBlock block = DigitProfile("25", "3", "14");
  bool neverGlyphs = false;
  int paintAfter = 0;  // ms of a plain white client
  int blankUntil = 0;  // ms of blank cells
  int x = 300, y = 100;
  bool titleFirst = false;
  bool minimised = false;
  int titleAfter = 0;
  int width = 300, height = 640;
  bool reportClicks = false;
  bool clickThrough = false;
};

Options options;
bool started = false;  // the block is due (after --paint-after)
bool glyphsDue = false;

std::string Narrow(const std::wstring& wide) { return std::string(wide.begin(), wide.end()); }

std::int32_t Colour(const std::wstring& rrggbb) {
  unsigned long v = std::wcstoul(rrggbb.c_str(), nullptr, 16);
  return static_cast<std::int32_t>(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
}

std::vector<std::string> SplitComma(const std::wstring& text) {
  std::vector<std::string> parts(1);
  for (wchar_t c : text) {
    if (c == L',') {
      parts.emplace_back();
    } else {
      parts.back() += static_cast<char>(c);
    }
  }
  return parts;
}

void ParseOptions() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring nickname = L"小明";
  std::string age = "25", month = "3", day = "14", wideMonth;
  std::vector<std::string> wideDay;
  bool noMarker = false;
  std::int32_t ink = kBlack, paper = kWhite, marker = kBlack;
  for (int i = 1; i < argc; ++i) {
    std::wstring a = argv[i];
    auto next = [&]() -> std::wstring { return i + 1 < argc ? argv[++i] : L""; };
    if (a == L"--nickname") nickname = next();
    else if (a == L"--title") options.title = next();
    else if (a == L"--class") options.className = next();
    else if (a == L"--age") age = Narrow(next());
    else if (a == L"--month") month = Narrow(next());
    else if (a == L"--day") day = Narrow(next());
    else if (a == L"--wide-month") wideMonth = Narrow(next());
    else if (a == L"--wide-day") wideDay = SplitComma(next());
    else if (a == L"--no-marker") noMarker = true;
    else if (a == L"--blank") options.neverGlyphs = true;
    else if (a == L"--paint-after") options.paintAfter = _wtoi(next().c_str());
    else if (a == L"--blank-until") options.blankUntil = _wtoi(next().c_str());
    else if (a == L"--ink") ink = Colour(next());
    else if (a == L"--paper") paper = Colour(next());
    else if (a == L"--marker") marker = Colour(next());
    else if (a == L"--at") {
      std::vector<std::string> xy = SplitComma(next());
      options.x = std::atoi(xy[0].c_str());
      options.y = xy.size() > 1 ? std::atoi(xy[1].c_str()) : options.y;
    } else if (a == L"--size") {
      std::vector<std::string> wh = SplitComma(next());
      options.width = std::atoi(wh[0].c_str());
      options.height = wh.size() > 1 ? std::atoi(wh[1].c_str()) : options.height;
    } else if (a == L"--report-clicks") options.reportClicks = true;
    else if (a == L"--click-through") options.clickThrough = true;
    else if (a == L"--title-first") options.titleFirst = true;
    else if (a == L"--minimised") options.minimised = true;
    else if (a == L"--title-after") options.titleAfter = _wtoi(next().c_str());
  }
  LocalFree(argv);
  if (options.title.empty()) options.title = nickname + L"的资料";
  options.block = wideMonth.empty() ? DigitProfile(age, month, day)
                                    : WideProfile(age, wideMonth, wideDay);
  if (noMarker) options.block.markerRow = -1;
  options.block.ink = ink;
  options.block.paper = paper;
  options.block.marker = marker;
}

void PaintPicture(HDC dc, const PixelImage& picture, int left, int top) {
  // COLORREF 0x00BBGGRR to the DIB's 0x00RRGGBB.
  std::vector<std::uint32_t> bits;
  bits.reserve(picture.Values().size());
  for (std::int32_t v : picture.Values()) {
    auto u = static_cast<std::uint32_t>(v);
    bits.push_back(((u & 0xFF) << 16) | (u & 0xFF00) | ((u >> 16) & 0xFF));
  }
  const BITMAPINFO info = TopDownBitmapInfo(picture.Width(), picture.Height());
  SetDIBitsToDevice(dc, left, top, picture.Width(), picture.Height(), 0, 0, 0,
                    picture.Height(), bits.data(), &info, DIB_RGB_COLORS);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  // The close button: a dark square around its point.
  RECT button{options.width - kCloseFromRight - 7, kCloseFromTop - 7, options.width - kCloseFromRight + 7,
              kCloseFromTop + 7};
  FillRect(dc, &button, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  if (started) {
    ProfileBlock block = options.block;
    block.blankCells = options.neverGlyphs || !glyphsDue;
    PaintPicture(dc, PaintBlock(block), kBlockLeft, kBlockTop);
  }
  EndPaint(window, &ps);
}

bool OnCloseButton(LPARAM lParam) {
  int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  return std::abs(x - (options.width - kCloseFromRight)) <= 7 && std::abs(y - kCloseFromTop) <= 7;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_TIMER: {
      if (wParam == kTitleTimer) {
        KillTimer(window, kTitleTimer);
        SetWindowTextW(window, options.title.c_str());
        return 0;
      }
      DWORD elapsed = GetTickCount() - static_cast<DWORD>(GetWindowLongPtrW(window, GWLP_USERDATA));
      bool wasStarted = started, hadGlyphs = glyphsDue;
      started = static_cast<int>(elapsed) >= options.paintAfter;
      glyphsDue = started && static_cast<int>(elapsed) >= options.blankUntil;
      if (started != wasStarted || glyphsDue != hadGlyphs) InvalidateRect(window, nullptr, FALSE);
      if (glyphsDue) KillTimer(window, kPaintTimer);
      return 0;
    }
    case WM_LBUTTONDOWN:
      if (options.reportClicks) {
        std::wstring title = L"clicked at " + std::to_wstring(static_cast<short>(LOWORD(lParam))) + L"," +
                             std::to_wstring(static_cast<short>(HIWORD(lParam)));
        SetWindowTextW(window, title.c_str());
      }
      return 0;
    case WM_LBUTTONUP:
      if (OnCloseButton(lParam)) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  ParseOptions();
  started = options.paintAfter <= 0;
  glyphsDue = started && options.blankUntil <= 0;

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = options.className.c_str();
  if (!RegisterClassExW(&wc)) return 2;

  const DWORD clickThrough = WS_EX_LAYERED | WS_EX_TRANSPARENT;
  HWND window = CreateWindowExW(options.clickThrough ? clickThrough : 0, options.className.c_str(),
                                options.titleFirst ? options.title.c_str() : L"", WS_POPUP,
                                options.x, options.y, options.width, options.height, nullptr, nullptr, instance,
                                nullptr);
  if (!window) return 3;
  if (options.clickThrough) SetLayeredWindowAttributes(window, 0, 128, LWA_ALPHA);
  SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(GetTickCount()));
  ShowWindow(window, options.minimised ? SW_SHOWMINIMIZED : SW_SHOW);
  UpdateWindow(window);
  GdiFlush();
  if (options.titleAfter > 0) {
    SetTimer(window, kTitleTimer, static_cast<UINT>(options.titleAfter), nullptr);
  } else if (!options.titleFirst) {
    SetWindowTextW(window, options.title.c_str());
  }
  if (!glyphsDue) SetTimer(window, kPaintTimer, 50, nullptr);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
