#include "form/MainPage.h"

#include "base/GbkLiteral.h"
#include "reading/TextPieces.h"

namespace tesserin::ui {
namespace {

const GbkLiteral kTypedNickname{"QQ"};

// "日(" and ")" around the word for how the date was read, the record's own: "农历", "公历",
// or "按公历", which is short enough to fit before "年龄" at every DPI.
GbkString DayLabelOf(HowRead how) {
  return Gbk("日(") + std::string(TextPieces::Gbk().HowReadWord(how)) + Gbk(")");
}

const AnalysisDisplay& NoReadingFields() {
  static const AnalysisDisplay fields = AnalysisDisplay::Initial();
  return fields;
}

// The nickname label for the date fields' owner: the contact's nickname, or "QQ" (its text at
// start) for a date typed by hand.
const GbkString& NicknameText(const std::optional<GbkString>& owner) {
  return owner ? *owner : kTypedNickname.Text();
}

}  // namespace

const GbkString& DayLabelText(const std::optional<Reading>& shown) {
  static const GbkString kLabels[] = {DayLabelOf(HowRead::Lunar), DayLabelOf(HowRead::Solar),
                                      DayLabelOf(HowRead::LunarAsSolar)};  // by HowRead
  return kLabels[static_cast<int>(shown ? HowReadOf(*shown) : HowRead::Lunar)];
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
