// The profile watcher's decisions, driven tick by tick over a window list, main window and
// clock in memory.
#include "watcher/ProfileWatcher.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "FakeDesktop.h"

namespace tesserin {
namespace {

using std::chrono::milliseconds;
using testing::FakeClock;
using testing::FakeForm;
using testing::FakeProfileReader;
using testing::FakeWindowSystem;
using testing::Journal;

const ScanTexts kReadable{"25", "3", "14"};

class ProfileWatcherTest : public ::testing::Test {
 protected:
  void Tick(milliseconds after = milliseconds{500}) {
    clock.now += after;
    watcher.Tick();
  }
  Journal Take() {
    Journal taken;
    taken.swap(journal);
    return taken;
  }
  void ScanAlways(ScanTexts texts) {
    reader.scan = [texts](WindowHandle) { return texts; };
  }
  static std::string Capture(WindowHandle w) { return "capture " + std::to_string(w); }
  std::string Message() const { return "message=" + Utf8(UnreadableProfileMessage()); }

  Journal journal;
  FakeWindowSystem windows{journal};
  FakeProfileReader reader{journal};
  FakeForm form{journal};
  FakeClock clock;
  ProfileWatcher watcher{windows, reader, form, clock};
};

TEST_F(ProfileWatcherTest, WithoutProfileWindowsEveryTickWalksTheWholeListAndDoesNothing) {
  for (const char* title : {"", "Tesserin", "ABC的空间", "资料", "的 资料"}) windows.Add("X", title);
  windows.Add("TxGuiFoundation", "QQ");
  Tick();
  Tick();
  EXPECT_EQ(12, windows.titleReads);
  EXPECT_EQ(0, windows.lookups);
  EXPECT_TRUE(journal.empty());
  EXPECT_FALSE(watcher.State().WatcherBusy);
  EXPECT_EQ(kNoWindow, watcher.State().LastProfileWindow);
}

TEST_F(ProfileWatcherTest, ANewProfileWindowIsReadAndAnalysedInThatOrder) {
  windows.Add("X", "Tesserin", {700, 100, 1000, 400});
  WindowHandle profile = windows.AddProfile("ABC的资料");
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ((Journal{"nickname=ABC", Capture(profile), "age=25", "month=3", "day=14",
                     "year=1992", "analysis 1992-3-14"}),
            Take());
  EXPECT_EQ(profile, watcher.State().LastProfileWindow);
  EXPECT_FALSE(watcher.State().WatcherBusy);
}

TEST_F(ProfileWatcherTest, TheBirthYearComesFromTodayTheAgeAndTheBirthday) {
  struct Case {
    const char* what;
    ScanTexts scan;
    const char* year;
  };
  // Today 2017-05-20.
  const Case cases[] = {
      {"birthday month passed", {"25", "3", "28"}, "1992"},
      {"birthday month to come", {"25", "8", "1"}, "1991"},
      {"birthday today", {"25", "5", "20"}, "1992"},
      {"birthday tomorrow", {"25", "5", "21"}, "1991"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WindowHandle profile = windows.AddProfile("ABC的资料");
    ScanAlways(c.scan);
    Tick();
    EXPECT_EQ(c.year, form.year);
    windows.Remove(profile);
  }
}

TEST_F(ProfileWatcherTest, TheSameWindowIsHandledOnceAndOneLowerDownWaits) {
  WindowHandle first = windows.AddProfile("ABC的资料");
  WindowHandle second = windows.AddProfile("DEF的资料");
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ(Capture(first), Take().at(1));
  Tick();
  Tick();
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(3, windows.lookups) << "each tick stops at the first profile window";
  windows.Raise(second);
  Tick();
  EXPECT_EQ("nickname=DEF", Take().at(0));
  windows.Remove(second);
  Tick();
  EXPECT_EQ("nickname=ABC", Take().at(0)) << "handled again after another one was handled";
}

TEST_F(ProfileWatcherTest, TitlesOfSixOrMoreLeadingDigitsArePassedOver) {
  windows.AddProfile("123456的资料");
  windows.AddProfile("1234567的资料");
  WindowHandle profile = windows.AddProfile("12345的资料");
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ(1, windows.lookups);
  EXPECT_EQ("nickname=12345", journal.at(0));
  EXPECT_EQ(profile, watcher.State().LastProfileWindow);
}

TEST_F(ProfileWatcherTest, AProfileTitleOnAWindowOfAnotherClassIsPassedOver) {
  // Before and after a first profile window was handled: the other program's window is never
  // captured or clicked, and the walk goes on below it.
  form.checkBox1 = true;
  ScanAlways(kReadable);
  WindowHandle foreign = windows.Add("Notepad", "ABC的资料", {700, 100, 900, 300});
  Tick();
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(kNoWindow, watcher.State().LastProfileWindow);

  WindowHandle profile = windows.AddProfile("DEF的资料");
  Tick();
  Journal seen = Take();
  EXPECT_EQ("nickname=DEF", seen.at(0));
  EXPECT_EQ(Capture(profile), seen.at(1));
  EXPECT_EQ("click 379,113 back 640,512", seen.at(seen.size() - 2));

  windows.Remove(profile);
  windows.Raise(foreign);
  Tick();
  EXPECT_TRUE(Take().empty());
}

TEST_F(ProfileWatcherTest, TheLookupByTitleFindsTheProfileWindowBehindAForeignOneOfTheSameTitle) {
  windows.Add("Notepad", "ABC的资料", {700, 100, 1000, 400});
  WindowHandle profile = windows.AddProfile("ABC的资料");
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ(Capture(profile), journal.at(1));
  Tick();
  EXPECT_EQ(7u, journal.size()) << "found through the foreign window, still handled once";
}

TEST_F(ProfileWatcherTest, LongAndEmptyTitlesDoNotDisturbTheWalk) {
  windows.Add("X", "");
  windows.AddProfile("的资料" + std::string(300, 'a'));  // read only as its first 254 bytes
  windows.AddProfile(std::string(300, 'b') + "的资料");  // suffix beyond what is read
  WindowHandle fits = windows.AddProfile(std::string(245, 'c') + "的资料");  // 251 bytes
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ(1, windows.lookups);
  EXPECT_EQ(fits, watcher.State().LastProfileWindow);
  EXPECT_EQ("nickname=" + std::string(245, 'c'), journal.at(0));
}

TEST_F(ProfileWatcherTest, ATitleOfExactly254BytesIsReadWhole) {
  WindowHandle profile = windows.AddProfile(std::string(248, 'n') + "的资料");
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ(profile, watcher.State().LastProfileWindow);
}

TEST_F(ProfileWatcherTest, WindowsThatMoveDuringTheWalkAreLookedAtOnceWhereTheyStood) {
  windows.Add("X", "one");
  windows.Add("X", "ABC的资料");  // a profile title of another program: looked up, passed over
  windows.Add("X", "two");
  WindowHandle last = windows.AddProfile("DEF的资料");
  // While the walk is under way the last window comes to the top; the walk goes on over the
  // order it began with and meets it at its old place, last.
  windows.onLookup = [&] { windows.Raise(last); };
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ(4, windows.titleReads) << "each window once";
  EXPECT_EQ(2, windows.lookups);
  EXPECT_EQ(last, watcher.State().LastProfileWindow);
  EXPECT_FALSE(watcher.State().WatcherBusy);
}

TEST_F(ProfileWatcherTest, AWindowThatVanishesDuringTheWalkIsSkipped) {
  WindowHandle vanishing = windows.AddProfile("ABC的资料");
  WindowHandle profile = windows.AddProfile("DEF的资料");
  windows.onLookup = [&] { windows.Remove(vanishing); };
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ(profile, watcher.State().LastProfileWindow);
}

TEST_F(ProfileWatcherTest, AnUnreadProfileShowsTheMessageOnceTheRetriesAreOver) {
  struct Case {
    const char* what;
    ScanTexts scan;
  };
  const Case cases[] = {
      {"nothing read", {"", "", ""}},
      {"month without day", {"25", "3", ""}},
      {"day without month", {"25", "", "14"}},
      {"month and day without age", {"", "3", "14"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WindowHandle profile = windows.AddProfile("ABC的资料");
    form.year = "1990";
    ScanAlways(c.scan);
    Take();
    Tick();
    EXPECT_EQ((Journal{"nickname=ABC", Capture(profile)}), Take());
    for (int i = 1; i <= 3; ++i) {
      Tick();
      EXPECT_EQ(Journal{Capture(profile)}, Take()) << "retry " << i;
    }
    Tick();  // 2000 ms after the window was found
    EXPECT_EQ((Journal{Capture(profile), "age=" + c.scan.age, "month=" + c.scan.month,
                       "day=" + c.scan.day, Message()}),
              Take());
    EXPECT_EQ("1990", form.year);
    Tick();
    Tick();
    EXPECT_TRUE(Take().empty()) << "not tried again while it stays the first profile window";
    windows.Remove(profile);
  }
}

TEST_F(ProfileWatcherTest, AWindowReadableOnALaterTickIsReadWithoutAMessage) {
  WindowHandle profile = windows.AddProfile("ABC的资料");
  int scans = 0;
  reader.scan = [&](WindowHandle) {
    ++scans;
    if (scans == 1) return ScanTexts{"", "", ""};     // not painted yet
    if (scans == 2) return ScanTexts{"25", "", ""};   // half drawn
    return kReadable;
  };
  Tick();
  Tick();
  EXPECT_EQ((Journal{"nickname=ABC", Capture(profile), Capture(profile)}), Take());
  EXPECT_TRUE(watcher.Retrying());
  Tick();
  EXPECT_EQ((Journal{Capture(profile), "age=25", "month=3", "day=14", "year=1992",
                     "analysis 1992-3-14"}),
            Take());
  EXPECT_FALSE(watcher.Retrying());
  Tick();
  EXPECT_TRUE(Take().empty());
}

TEST_F(ProfileWatcherTest, TheRetryPeriodCountsFromWhenTheWindowWasFirstFound) {
  WindowHandle profile = windows.AddProfile("ABC的资料");
  Tick();
  Tick(milliseconds{1999});
  EXPECT_EQ((Journal{"nickname=ABC", Capture(profile), Capture(profile)}), Take());
  Tick(milliseconds{1});
  EXPECT_EQ(Message(), Take().back());
}

// The profile window at (100, 100), 300 × 640: its block lies at (160, 406) to (320, 706), the
// day's second digit (block columns 117-122, rows 42-49) at (277, 448) to (282, 455).
TEST_F(ProfileWatcherTest, ABlockNotShownWholeOrNotCopiedIsNotRead) {
  struct Case {
    const char* what;
    std::function<void()> arrange;  // just after the profile window was added
  };
  const Case cases[] = {
      {"a 20 x 20 window over the day's second digit",
       [&] { windows.Raise(windows.Add("Other", "cover", {277, 442, 297, 462})); }},
      {"a window over the block's bottom-left corner",
       [&] { windows.Raise(windows.Add("Other", "cover", {150, 700, 170, 720})); }},
      {"at x = 1100 the block runs off the right edge",
       [&] { windows.windows.front().rect = {1100, 100, 1400, 740}; }},
      {"the block's last row below the screen",
       [&] { windows.windows.front().rect = {100, 419, 400, 1059}; }},
      {"the copy fails", [&] { reader.copyFails = [](WindowHandle) { return true; }; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    windows.windows.clear();
    reader.copyFails = nullptr;
    WindowHandle profile = windows.AddProfile("ABC的资料");
    c.arrange();
    ScanAlways(kReadable);  // what the scan would make of the picture
    Take();
    Tick();
    EXPECT_EQ((Journal{"nickname=ABC", Capture(profile)}), Take()) << "nothing shown";
    EXPECT_TRUE(watcher.Retrying());
    Tick(milliseconds{2000});
    EXPECT_EQ((Journal{Capture(profile), "age=", "month=", "day=", Message()}), Take())
        << "the message after the retries, with no part of the reading";
    EXPECT_FALSE(watcher.Retrying());
  }
}

TEST_F(ProfileWatcherTest, ABlockUncoveredWithinTheRetryPeriodIsRead) {
  WindowHandle profile = windows.AddProfile("ABC的资料");
  WindowHandle cover = windows.Add("Other", "cover", {277, 442, 297, 462});
  windows.Raise(cover);
  ScanAlways(kReadable);
  Tick();
  Tick();
  EXPECT_EQ((Journal{"nickname=ABC", Capture(profile), Capture(profile)}), Take());
  windows.Remove(cover);
  Tick();
  EXPECT_EQ((Journal{Capture(profile), "age=25", "month=3", "day=14", "year=1992",
                     "analysis 1992-3-14"}),
            Take());
}

TEST_F(ProfileWatcherTest, AClickThroughWindowOverTheBlockDoesNotCountAsCovering) {
  windows.AddProfile("ABC的资料");
  windows.Raise(windows.Add("Shadow", "", {90, 90, 410, 750}));
  windows.windows.front().clickThrough = true;
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ("analysis 1992-3-14", Take().back());
}

TEST_F(ProfileWatcherTest, ARetryEndsWhenItsWindowCloses) {
  WindowHandle profile = windows.AddProfile("ABC的资料");
  form.checkBox1 = true;
  ScanAlways({"25", "", ""});
  Tick();
  windows.Remove(profile);
  Take();
  Tick();
  EXPECT_EQ((Journal{"age=25", "month=", "day=", Message()}), Take())
      << "the reading is over: the message, and no click on a window that is gone";
  Tick();
  EXPECT_TRUE(Take().empty());
}

TEST_F(ProfileWatcherTest, ARetryEndsWhenAnotherProfileWindowComesFirst) {
  WindowHandle first = windows.AddProfile("ABC的资料");
  reader.scan = [&](WindowHandle w) { return w == first ? ScanTexts{} : kReadable; };
  Tick();
  WindowHandle second = windows.AddProfile("DEF的资料");
  windows.Raise(second);
  Take();
  Tick();
  EXPECT_EQ((Journal{"nickname=DEF", Capture(second), "age=25", "month=3", "day=14",
                     "year=1992", "analysis 1992-3-14"}),
            Take());
  EXPECT_FALSE(watcher.Retrying());
  Tick(milliseconds{5000});
  EXPECT_TRUE(Take().empty());
}

TEST_F(ProfileWatcherTest, AManualReadingEndsAPendingReRead) {
  WindowHandle profile = windows.AddProfile("ABC的资料");
  form.checkBox1 = true;
  ScanAlways({"25", "", ""});
  Tick();
  EXPECT_EQ((Journal{"nickname=ABC", Capture(profile)}), Take());
  watcher.EndReRead();
  EXPECT_FALSE(watcher.Retrying());
  Tick();
  Tick(milliseconds{5000});
  EXPECT_TRUE(Take().empty()) << "no fields emptied, no message, no click";

  WindowHandle next = windows.AddProfile("DEF的资料");
  windows.Raise(next);
  ScanAlways(kReadable);
  Tick();
  EXPECT_EQ("analysis 1992-3-14", Take().at(6)) << "the next profile is read as usual";
}

TEST_F(ProfileWatcherTest, TheCloseClickFollowsTheAnalysisAndPutsThePointerBack) {
  WindowHandle profile = windows.AddProfile("ABC的资料", {200, 150, 600, 790});
  form.checkBox1 = true;
  ScanAlways(kReadable);
  windows.cursor = {10, 20};
  Tick();
  Journal seen = Take();
  ASSERT_EQ(9u, seen.size());
  EXPECT_EQ("analysis 1992-3-14", seen[6]);
  EXPECT_EQ((Journal{"click 579,163 back 10,20", "keep pointer 579,163 -> 10,20"}),
            Journal(seen.begin() + 7, seen.end()));
  EXPECT_EQ((ScreenPoint{10, 20}), windows.cursor);
  EXPECT_EQ(profile, watcher.State().LastProfileWindow);
}

TEST_F(ProfileWatcherTest, TheCloseClickFollowsTheMessageAfterTheLastRetry) {
  windows.AddProfile("ABC的资料", {200, 150, 600, 790});
  form.checkBox1 = true;
  Tick();
  Tick(milliseconds{2500});
  Journal seen = Take();
  EXPECT_EQ((Journal{Message(), "click 579,163 back 640,512", "keep pointer 579,163 -> 640,512"}),
            Journal(seen.end() - 3, seen.end()));
}

TEST_F(ProfileWatcherTest, NoClickUnlessTheCloseButtonPointLiesOnTheProfileWindow) {
  struct Case {
    const char* what;
    std::function<void(FakeWindowSystem&, WindowHandle)> meanwhile;
  };
  const Case cases[] = {
      {"closed while the analysis showed a box",
       [](FakeWindowSystem& w, WindowHandle p) { w.Remove(p); }},
      {"gone at the moment of the click, a full-screen window beneath",
       [](FakeWindowSystem& w, WindowHandle p) {
         w.Add("Other", "full screen", {0, 0, 1280, 1024});
         w.beforeClick = [&w, p] { w.Remove(p); };
       }},
      {"another window covers the close button",
       [](FakeWindowSystem& w, WindowHandle) { w.Raise(w.Add("Other", "cover", {550, 150, 700, 200})); }},
      {"moved off the screen's windows: nothing at the point",
       [](FakeWindowSystem& w, WindowHandle p) {
         for (auto& win : w.windows) {
           if (win.handle == p) win.rect = {0, 0, 0, 0};
         }
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    windows.windows.clear();
    WindowHandle profile = windows.AddProfile("ABC的资料", {200, 150, 600, 790});
    form.checkBox1 = true;
    ScanAlways(kReadable);
    form.duringAnalysis = [&] { c.meanwhile(windows, profile); };
    windows.cursor = {10, 20};
    Take();
    Tick();
    Journal seen = Take();
    EXPECT_EQ("analysis 1992-3-14", seen.back()) << "no pointer move, no click, no pointer watch";
    EXPECT_EQ((ScreenPoint{10, 20}), windows.cursor);
    windows.beforeClick = nullptr;
  }
}

TEST_F(ProfileWatcherTest, CaptureAndClickHappenInTheProfileWindowsDpi) {
  WindowHandle profile = windows.AddProfile("ABC的资料", {200, 150, 600, 790});
  form.checkBox1 = true;
  ScanAlways(kReadable);
  windows.journalDpi = true;
  windows.cursor = {10, 20};
  Tick();
  const std::string dpiOf = "dpi of " + std::to_string(profile);
  EXPECT_EQ((Journal{"nickname=ABC", dpiOf, Capture(profile), "dpi left", "age=25", "month=3",
                     "day=14", "year=1992", "analysis 1992-3-14", dpiOf,
                     "click 579,163 back 10,20", "keep pointer 579,163 -> 10,20", "dpi left"}),
            Take())
      << "the analysis, which may show a box, runs in the program's own DPI";
  EXPECT_EQ(0, windows.askedOutsideDpi) << "the block's place and owners, in the window's DPI";
}

TEST_F(ProfileWatcherTest, TheWindowsDpiIsLeftOnEveryWayOut) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
  };
  WindowHandle profile = kNoWindow;
  const Case cases[] = {
      {"the capture fails with an error",
       [&] { reader.scan = [](WindowHandle) -> ScanTexts { throw std::runtime_error("capture"); }; }},
      {"the window is gone before the click",
       [&] { form.duringAnalysis = [&] { windows.Remove(profile); }; }},
      {"something covers the close button",
       [&] { form.duringAnalysis = [&] { windows.Raise(windows.Add("Other", "cover", {0, 0, 1280, 1024})); }; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    windows.windows.clear();
    profile = windows.AddProfile("ABC的资料", {200, 150, 600, 790});
    form.checkBox1 = true;
    ScanAlways(kReadable);
    form.duringAnalysis = nullptr;
    c.arrange();
    try {
      Tick();
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(0, windows.dpiDepth);
    EXPECT_FALSE(watcher.State().WatcherBusy);
  }
}

TEST_F(ProfileWatcherTest, TicksDuringTheAnalysisReturnAtOnce) {
  // The analysis's message box runs the message loop, which delivers timer ticks.
  windows.AddProfile("ABC的资料");
  ScanAlways(kReadable);
  form.checkBox1 = true;
  int nested = 0;
  form.duringAnalysis = [&] {
    WindowHandle second = windows.AddProfile("DEF的资料", {700, 100, 1000, 740});
    windows.Raise(second);
    for (int i = 0; i < 3; ++i, ++nested) watcher.Tick();
    EXPECT_TRUE(watcher.State().WatcherBusy);
  };
  Tick();
  EXPECT_EQ(3, nested);
  EXPECT_FALSE(watcher.State().WatcherBusy);
  EXPECT_EQ(1, windows.lookups) << "the nested ticks did not walk";
  Journal seen = Take();
  EXPECT_EQ("click 379,113 back 640,512", seen.at(seen.size() - 2))
      << "the click of the first window followed the box";
  form.duringAnalysis = nullptr;
  Tick();
  EXPECT_EQ("nickname=DEF", Take().at(0));
}

TEST_F(ProfileWatcherTest, AnErrorFromTheAnalysisEndsTheTickAndClearsTheBusyFlag) {
  WindowHandle first = windows.AddProfile("ABC的资料");
  ScanAlways(kReadable);
  form.checkBox1 = true;
  form.duringAnalysis = [] { throw std::runtime_error("'' is not a valid integer value"); };
  EXPECT_THROW(Tick(), std::runtime_error);
  EXPECT_FALSE(watcher.State().WatcherBusy);
  EXPECT_EQ(std::string::npos, Take().back().find("click"));

  form.duringAnalysis = nullptr;
  windows.Remove(first);
  windows.AddProfile("DEF的资料");
  Tick();
  Journal seen = Take();
  EXPECT_EQ("nickname=DEF", seen.front());
  EXPECT_EQ("click 379,113 back 640,512", seen.at(seen.size() - 2));
}

}  // namespace
}  // namespace tesserin
