#include "ui/MainPage.h"

#include "base/GbkLiteral.h"

namespace tesserin::ui {
namespace {

const GbkLiteral kTypedNickname{"QQ"};
const GbkLiteral kLunarDay{"日(农历)"};
const GbkLiteral kSolarDay{"日(公历)"};
// As short as the record's "按公历", so that it fits before "年龄" at every DPI.
const GbkLiteral kLunarDayReadAsSolar{"日(按公历)"};

const AnalysisDisplay& NoReadingFields() {
  static const AnalysisDisplay fields = AnalysisDisplay::Initial();
  return fields;
}

}  // namespace

const GbkString& NicknameText(const std::optional<GbkString>& owner) {
  return owner ? *owner : kTypedNickname.Text();
}

const GbkString& DayLabelText(const std::optional<Reading>& shown) {
  if (!shown) return kLunarDay;
  if (!shown->lunarAsked) return kSolarDay;
  return shown->read.asLunar ? kLunarDay : kLunarDayReadAsSolar;
}

MainPage::MainPage() { ShowNoReading(NicknameText(std::nullopt), {}); }

void MainPage::DateFilledIn(std::optional<GbkString> nickname) { owner_ = std::move(nickname); }

void MainPage::DateFieldChanged() { owner_.reset(); }

void MainPage::ProfileFound(const GbkString& nickname) { ShowNoReading(nickname, {}); }

void MainPage::ShowReading(const Reading& reading) {
  shown_ = reading;
  WriteFields(reading, texts_.fields);
  texts_.nickname = NicknameText(owner_);
  texts_.dayLabel = DayLabelText(shown_);
}

void MainPage::ShowRefusal() { ShowNoReading(NicknameText(owner_), {}); }

void MainPage::ShowUnreadable(const GbkString& nickname, const GbkString& message) {
  owner_.reset();  // the fields hold what could be read of her date, which is no date
  ShowNoReading(nickname, message);
}

void MainPage::ShowNoReading(const GbkString& nickname, std::string_view memo) {
  shown_.reset();
  texts_.fields = NoReadingFields();  // copied over the old strings, which keep their memory
  texts_.fields.PersonalityText.assign(memo);
  texts_.nickname = nickname;
  texts_.dayLabel = DayLabelText(shown_);
}

}  // namespace tesserin::ui
