// The main form as data: every visible control with its kind, page, position, size, text at
// start, font and colour, plus the help texts. Positions and sizes are in pixels at 96 DPI,
// relative to the page; the form scales them for the monitor's DPI. No <windows.h> here.
#pragma once

#include <array>
#include <string_view>

#include "Version.h"
#include "base/WideLiteral.h"
#include "form/Controls.h"
#include "form/KeyRules.h"
#include "reading/FieldWords.h"

namespace tesserin::ui {

inline constexpr std::wstring_view kAppTitle = L"Tesserin";
inline constexpr int kClientWidth = 527;
inline constexpr int kClientHeight = 362;
inline constexpr int kBaseDpi = 96;

enum class Kind { Label, WrappedLabel, Edit, Memo, CheckBox, Button, List };
// In the order of their tabs.
enum class Page { Main, Help, Record, Count };
inline constexpr int kPageCount = static_cast<int>(Page::Count);

// Font roles: a family (with fallbacks), a pixel height and a weight.
enum class Family { SongTi, YaHei };
enum class FontRole { Form, Nickname, Pillars, Caption, Memo, Stars, Help, Title, List, Count };
struct FontSpec {
  Family family;
  int pixels;  // character height, as a negative LOGFONT height
  bool bold;
};
inline constexpr std::array<FontSpec, static_cast<int>(FontRole::Count)> kFonts = {{
    {Family::SongTi, 13, false},  // Form: the default font of every control
    {Family::YaHei, 24, true},    // Nickname
    {Family::SongTi, 16, true},   // Pillars
    {Family::YaHei, 16, false},   // Caption: the captions of the result rows
    {Family::YaHei, 16, true},    // Memo
    {Family::SongTi, 24, true},   // Stars
    {Family::YaHei, 14, false},   // Help
    {Family::YaHei, 14, true},    // Title: the caption bar the frame draws
    {Family::SongTi, 12, false},  // List: the record, at the size of Windows' own Chinese lists
}};

// Text colours; Default leaves the control's own (system) colour.
enum class Ink { Default, WindowText, Red, Blue, Purple, Green };

struct ControlSpec {
  Ctl id;
  std::wstring_view name;  // the designer's name of the control (Edit4, Label11, ...)
  Kind kind;
  Page page;
  int x, y;
  // 0 × 0: a label that sizes itself to its text; a label with a width and no height sizes
  // itself up to that width, and its binding shortens a longer text to fit.
  int width, height;
  std::wstring_view text;
  FontRole font;
  Ink ink;
  KeyRule keys = KeyRule::None;  // the date fields filter typed characters by their own rule
};

inline constexpr std::wstring_view kHelpText =
    L"1、所有自动的计算都是按照默认为女性，且以阴历(农历)为准的；\r\n"
    L"2、当按农历日期出错(比如31日)时，自动按照公历计算；\r\n"
    L"3、QQ资料上的年龄若超过100岁，或者小于10岁的，无意义，计算会出错；\r\n"
    L"4、有时对日期可能会识别错误。若错误太多请与作者联系；\r\n"
    L"5、电脑日期必须是真实日期，因为QQ资料上没有出生年，必须靠日期减年龄\r\n"
    L"6、可约指数即成功率大小。为5星只表示可能性高，也未必肯定约到；\r\n"
    L"7、要钱指数，是指如果她和你约啪，更可能只是为了钱而已；\r\n"
    L"8、善良指数，星越多代表越善良，很重要哦，是坏人就要提防仙人跳了；";

inline constexpr std::wstring_view kNoteText =
    L"注意：\r\n"
    L"1、可以不用自动识别模式，自己手动输入年月日进行测算。\r\n"
    L"2、手动输入后，在输入完日期时，按回车，则自动按照农历日期计算；\r\n"
    L"3、手动输入后，如果按照公历计算，可以点击下面的\"按照阳历再计算一次\"\r\n"
    L" ";

// The ratings' captions, by Rating: their headings and the colon, as the reading writes them.
inline constexpr WideLiteral<8> kRatingCaptions[kRatingCount] = {
    {WordsOf(Rating::Libido).heading, kCaptionColon},
    {WordsOf(Rating::Date).heading, kCaptionColon},
    {WordsOf(Rating::Kindness).heading, kCaptionColon},
    {WordsOf(Rating::Money).heading, kCaptionColon},
};
constexpr std::wstring_view RatingCaption(Rating rating) { return kRatingCaptions[static_cast<int>(rating)].View(); }
// The day field's label: the day and how its date is read (MainPage.h), at start 日(农历).
inline constexpr std::string_view kDayLabelStart = "日(", kDayLabelEnd = ")";
inline constexpr WideLiteral<8> kDayLabelAtStart = {kDayLabelStart, kHowReadWords[0], kDayLabelEnd};
// The nickname's place shows this for a date typed by hand, and as the window opens.
inline constexpr std::string_view kTypedNickname = "QQ";
inline constexpr WideLiteral<4> kTypedNicknameWide = {kTypedNickname};
inline constexpr WideLiteral<8> kPersonalityCaption = {kPersonalityWord, kCaptionColon};
inline constexpr WideLiteral<8> kPillarCaption = {kPillarsWord, kCaptionColon};
// The help page's last line: the version (from the project's one place) and the licence, where
// a user looks for them.
inline constexpr std::wstring_view kVersionText =
    L"Tesserin 版本 " TESSERIN_VERSION L"，以 MIT 许可证发布，全文见 LICENSE.txt";

// The pages' tab captions and window names, by Page.
inline constexpr std::array<std::wstring_view, kPageCount> kPageCaptions = {L"主界面", L"说明", L"记录"};
// The tab control's window name, the designer's name of the page control.
inline constexpr std::wstring_view kPageControlName = L"PageControl1";
inline constexpr std::array<std::wstring_view, kPageCount> kPageNames = {L"TabSheet1", L"TabSheet4", L"TabSheet2"};

// Rows in creation order, each control by its name in code and its designer's name. The
// focusable controls come in tab order (age, the button, year, month, day, the auto-close box,
// the memo); each field is preceded by the label that names it, which is where screen readers
// look for a field's name.
inline constexpr std::array<ControlSpec, kCtlCount> kControls = {{
    {Ctl::AgeCaption, L"Label1", Kind::Label, Page::Main, 416, 15, 0, 0, L"年龄", FontRole::Form, Ink::Default},
    {Ctl::AgeField, L"Edit1", Kind::Edit, Page::Main, 445, 11, 28, 21, L"", FontRole::Form, Ink::Default},
    {Ctl::SolarButton, L"Button1", Kind::Button, Page::Main, 201, 247, 126, 25, L"按阳历再计算一次", FontRole::Form, Ink::Default},
    {Ctl::BornCaption, L"Label6", Kind::Label, Page::Main, 140, 15, 0, 0, L"出生于：", FontRole::Form, Ink::Default},
    {Ctl::YearCaption, L"Label5", Kind::Label, Page::Main, 235, 15, 0, 0, L"年", FontRole::Form, Ink::Default},
    {Ctl::YearField, L"Edit4", Kind::Edit, Page::Main, 190, 11, 43, 21, L"", FontRole::Form, Ink::Default, KeyRule::Year},
    {Ctl::MonthCaption, L"Label2", Kind::Label, Page::Main, 278, 15, 0, 0, L"月", FontRole::Form, Ink::Default},
    {Ctl::MonthField, L"Edit2", Kind::Edit, Page::Main, 249, 11, 28, 21, L"", FontRole::Form, Ink::Default, KeyRule::Month},
    {Ctl::DayLabel, L"Label3", Kind::Label, Page::Main, 322, 15, 0, 0, kDayLabelAtStart.View(), FontRole::Form, Ink::Default},
    {Ctl::DayField, L"Edit3", Kind::Edit, Page::Main, 293, 11, 28, 21, L"", FontRole::Form, Ink::Default, KeyRule::Day},
    {Ctl::AutoCloseBox, L"CheckBox1", Kind::CheckBox, Page::Main, 320, 213, 185, 17, L"计算后自动关闭QQ资料窗口", FontRole::Form, Ink::Default},
    {Ctl::PersonalityCaption, L"Label8", Kind::Label, Page::Main, 66, 85, 0, 0, kPersonalityCaption.View(), FontRole::Caption, Ink::WindowText},
    {Ctl::PersonalityMemo, L"Memo1", Kind::Memo, Page::Main, 150, 67, 353, 51, L"", FontRole::Memo, Ink::Purple},
    // The nickname stops short of the 八字 line beside it.
    {Ctl::NicknameLabel, L"Label7", Kind::Label, Page::Main, 20, 30, 232, 0, kTypedNicknameWide.View(), FontRole::Nickname, Ink::Red},
    {Ctl::PillarLine, L"Label4", Kind::Label, Page::Main, 260, 42, 0, 0, kPillarCaption.View(), FontRole::Pillars, Ink::Blue},
    {Ctl::LibidoCaption, L"Label9", Kind::Label, Page::Main, 66, 128, 0, 0, RatingCaption(Rating::Libido), FontRole::Caption, Ink::Default},
    {Ctl::LibidoStars, L"Label11", Kind::Label, Page::Main, 148, 125, 0, 0, L" ", FontRole::Stars, Ink::WindowText},
    {Ctl::DateCaption, L"Label10", Kind::Label, Page::Main, 66, 169, 0, 0, RatingCaption(Rating::Date), FontRole::Caption, Ink::Default},
    {Ctl::DateStars, L"Label12", Kind::Label, Page::Main, 148, 166, 0, 0, L" ", FontRole::Stars, Ink::Red},
    {Ctl::KindnessCaption, L"Label13", Kind::Label, Page::Main, 299, 128, 0, 0, RatingCaption(Rating::Kindness), FontRole::Caption, Ink::Default},
    {Ctl::KindnessStars, L"Label14", Kind::Label, Page::Main, 378, 125, 0, 0, L" ", FontRole::Stars, Ink::WindowText},
    {Ctl::MoneyCaption, L"Label15", Kind::Label, Page::Main, 299, 169, 0, 0, RatingCaption(Rating::Money), FontRole::Caption, Ink::Default},
    {Ctl::MoneyStars, L"Label16", Kind::Label, Page::Main, 378, 166, 0, 0, L" ", FontRole::Stars, Ink::WindowText},
    {Ctl::HelpText, L"Label52", Kind::WrappedLabel, Page::Help, 19, 13, 478, 160, kHelpText, FontRole::Help, Ink::Blue},
    {Ctl::NoteText, L"Label18", Kind::WrappedLabel, Page::Help, 19, 189, 468, 100, kNoteText, FontRole::Help, Ink::Green},
    {Ctl::VersionText, L"Label19", Kind::Label, Page::Help, 19, 305, 0, 0, kVersionText, FontRole::Help, Ink::Default},
    // The record of the readings (ReadingRecord.h): a report list over the whole page.
    {Ctl::RecordList, L"ListView1", Kind::List, Page::Record, 6, 6, 507, 322, L"", FontRole::List, Ink::Default},
}};

constexpr const ControlSpec& SpecOf(Ctl id) { return kControls[static_cast<int>(id)]; }

// The table is indexed by Ctl: each row must sit at its own id's place.
constexpr bool TableInIdOrder() {
  for (int i = 0; i < kCtlCount; ++i)
    if (static_cast<int>(kControls[i].id) != i) return false;
  return true;
}
static_assert(TableInIdOrder(), "kControls must list the controls in the order of Ctl");

}  // namespace tesserin::ui
