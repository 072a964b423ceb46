#include "form/MainPage.h"

#include <string>

#include "base/GbkLiteral.h"
#include "form/Layout.h"
#include "reading/TextPieces.h"

namespace tesserin::ui {
namespace {

const GbkLiteral kTypedNicknameText{kTypedNickname};

// "日(" and ")" around the word for how the date was read, the record's own: "农历", "公历",
// or "按公历", which is short enough to fit before "年龄" at every DPI.
GbkString DayLabelOf(HowRead how) {
  return Gbk(kDayLabelStart) + std::string(TextPieces::Gbk().HowReadWord(how)) + Gbk(kDayLabelEnd);
}

bool IsDate(Field field) { return field != Field::Age; }

}  // namespace

std::optional<Field> FieldOfControl(Ctl id) {
  for (int i = 0; i < kFieldCount; ++i)
    if (ControlOf(static_cast<Field>(i)) == id) return static_cast<Field>(i);
  return std::nullopt;
}

const GbkString& DayLabelText(const std::optional<Reading>& shown) {
  static const GbkString kLabels[] = {DayLabelOf(HowRead::Lunar), DayLabelOf(HowRead::Solar),
                                      DayLabelOf(HowRead::LunarAsSolar)};  // by HowRead
  return kLabels[static_cast<int>(shown ? HowReadOf(*shown) : HowRead::Lunar)];
}

MainPage::MainPage() { Draw(); }

bool MainPage::Edited(Field field, std::string_view text) {
  GbkString& held = fields_[static_cast<int>(field)];
  if (held == text) return false;
  held.assign(text);
  if (!IsDate(field)) {
    if (contact_) contact_->ageIsHers = false;  // typed over: the user's own now
  } else {
    reading_.reset();
    message_.clear();
    if (contact_ && contact_->ageIsHers) fields_[static_cast<int>(Field::Age)].clear();
    contact_.reset();
  }
  Draw();
  return true;
}

void MainPage::ProfileFound(const GbkString& nickname) {
  for (GbkString& text : fields_) text.clear();
  contact_ = Contact{nickname};
  reading_.reset();
  message_.clear();
  Draw();
}

void MainPage::ProfileFilled(Field field, std::string_view text) {
  fields_[static_cast<int>(field)].assign(text);
  Draw();
}

void MainPage::ProfileUnreadable(const GbkString& message) {
  reading_.reset();
  message_ = message;
  Draw();
}

AnalysisInput MainPage::Input(CalendarMode mode) const {
  return InputOfTexts(Utf8(Text(Field::Year)), Utf8(Text(Field::Month)), Utf8(Text(Field::Day)), mode);
}

void MainPage::RunEnded(const AnalysisOutcome& outcome) {
  message_.clear();
  if (const Reading* reading = std::get_if<Reading>(&outcome))
    reading_ = *reading;
  else
    reading_.reset();
  Draw();
}

bool MainPage::ShowRow(const RecordRow& row) {
  if (!row.reading) return false;
  const CalendarDate& date = row.reading->entered;
  fields_ = {row.age, std::to_string(date.year), std::to_string(date.month), std::to_string(date.day)};
  contact_.reset();
  if (row.nickname) contact_ = Contact{*row.nickname};
  reading_ = row.reading;
  message_.clear();
  Draw();
  return true;
}

std::optional<GbkString> MainPage::DateOwner() const {
  if (!contact_) return std::nullopt;
  return contact_->nickname;
}

void MainPage::Draw() {
  view_.fields = fields_;
  view_.nickname = contact_ ? contact_->nickname : kTypedNicknameText.Text();
  view_.dayLabel = DayLabelText(reading_);
  if (reading_) {
    WriteFields(*reading_, view_.result);
  } else {
    view_.result = AnalysisDisplay::Initial();
    view_.result.PersonalityText = message_;
  }
}

}  // namespace tesserin::ui
