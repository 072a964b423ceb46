// ProfileCapture and the scan of its picture on the stand-in profile window of another process.
#include "capture/ProfileCapture_win.h"

#include <gtest/gtest.h>

#include "base/Gdi_win.h"
#include "capture/GlyphMatcher.h"
#include "ProfileBlock.h"
#include "e2e/Desktop_win.h"

namespace tesserin {
namespace {

// The index of the last matched template, carried from one scan to the next as the program's
// reader carries it; each test sets it where the case needs.
int LastGlyphIndex = 0;

using e2e::Process;
using e2e::TextOf;
using e2e::TopWindowOf;
using e2e::WaitFor;
using testing::CapturePicture;
using testing::DigitProfile;

// The stand-in's window once its title is set, which it does after its first paint.
HWND ProfileWindowOf(const Process& standIn, const std::wstring& title) {
  HWND window = nullptr;
  WaitFor([&] {
    window = TopWindowOf(standIn.Id(), L"TxGuiFoundation");
    return window && TextOf(window) == title;
  });
  return window;
}

int Differences(const PixelReader& a, const PixelReader& b) {
  int differences = 0;
  for (int y = -1; y <= 316; ++y) {
    for (int x = -1; x <= 162; ++x) differences += a.Pixel(x, y) != b.Pixel(x, y);
  }
  return differences;
}

TEST(ProfileCapture, CopiesTheBlockOfAProfileWindowPixelForPixel) {
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 甲 --age 25 --month 12 --day 28 --at 20,40");
  HWND window = ProfileWindowOf(standIn, L"甲的资料");
  ASSERT_TRUE(window);
  PixelImage expected = CapturePicture(DigitProfile("25", "12", "28"));
  int differences = -1;
  WaitFor([&] {
    EXPECT_TRUE(ProfileCapture(window));
    differences = Differences(expected, CaptureImage());
    return differences == 0;
  });
  EXPECT_EQ(0, differences) << "pixels unlike the stand-in's block, of 162 x 318 looked at";
  EXPECT_EQ(kOutside, CaptureImage().Pixel(161, 0));
  EXPECT_EQ(kWhite, CaptureImage().Pixel(160, 0)) << "the column right of the block stays white";
  LastGlyphIndex = 0;
  EXPECT_EQ((ScanTexts{"25", "12", "28"}), ScanBlock(CaptureImage(), LastGlyphIndex).texts);
}

TEST(ProfileCapture, AWindowThatIsGoneIsNotCopiedAndTheEarlierPictureIsGone) {
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 乙 --age 31 --month 7 --day 5 --at 20,40");
  HWND window = ProfileWindowOf(standIn, L"乙的资料");
  ASSERT_TRUE(window);
  PixelImage expected = CapturePicture(DigitProfile("31", "7", "5"));
  ASSERT_TRUE(WaitFor([&] {
    ProfileCapture(window);
    return Differences(expected, CaptureImage()) == 0;
  }));
  standIn.Kill();
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(window); }));
  EXPECT_FALSE(ProfileCapture(window));
  EXPECT_EQ(0, Differences(PixelImage(161, 315, kWhite), CaptureImage()))
      << "nothing of the earlier window stays";
  LastGlyphIndex = 0;
  EXPECT_EQ((ScanTexts{"", "", ""}), ScanBlock(CaptureImage(), LastGlyphIndex).texts);
  EXPECT_FALSE(ProfileCapture(nullptr));
}

// Where a new GDI object and a new kernel handle go: both tables hand out the slot freed last
// (GDI) or the lowest free one (handles), so after work that gives back all it takes, a new
// object lands where it did before. Wine reports no object counts (GetGuiResources and
// GetProcessHandleCount give 0), so these slots are what shows a leak there.
struct Slots {
  std::uintptr_t gdi;
  std::uintptr_t handle;
  bool operator==(const Slots&) const = default;
};

Slots NextSlots() {
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  Slots slots{reinterpret_cast<std::uintptr_t>(brush) & 0xFFFF,
              reinterpret_cast<std::uintptr_t>(event)};
  CloseHandle(event);
  DeleteObject(brush);
  return slots;
}

struct Counts {
  DWORD gdi, user, handles;
  bool operator==(const Counts&) const = default;
};

Counts CurrentCounts() {
  HANDLE self = GetCurrentProcess();
  Counts counts{GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS), 0};
  GetProcessHandleCount(self, &counts.handles);
  return counts;
}

TEST(ProfileCapture, ThousandCapturesLeaveTheObjectsAndHandlesAsTheyWere) {
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 丙 --at 20,40");
  HWND window = ProfileWindowOf(standIn, L"丙的资料");
  ASSERT_TRUE(window);
  ProfileCapture(window);  // the capture picture is made once, by the first capture

  // The probes see one leaked object of either kind.
  ScopedDC screen(nullptr);
  Slots clean = NextSlots();
  HBITMAP leakedBitmap = CreateCompatibleBitmap(screen.get(), 1, 1);
  EXPECT_NE(clean.gdi, NextSlots().gdi) << "a leaked bitmap goes unnoticed";
  DeleteObject(leakedBitmap);
  HANDLE leakedEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  EXPECT_NE(clean.handle, NextSlots().handle) << "a leaked handle goes unnoticed";
  CloseHandle(leakedEvent);

  Slots before = NextSlots();
  Counts countsBefore = CurrentCounts();
  for (int i = 0; i < 1000; ++i) ProfileCapture(window);
  EXPECT_EQ(countsBefore, CurrentCounts());
  EXPECT_EQ(before, NextSlots());
}

}  // namespace
}  // namespace tesserin
