#include "form/ReadingRecord.h"

#include <algorithm>
#include <cstdio>
#include <variant>
#include <vector>

#include "base/GbkLiteral.h"
#include "reading/TextPieces.h"

namespace tesserin::ui {
namespace {

const GbkLiteral kTyped{"手动"};
const GbkLiteral kUnreadable{"没有识别出来"};
// The note in the list, where the whole of it would push a column out of sight.
const GbkLiteral kNoteTag{"晚婚"};

// The date as entered, and how it was read: "1990-05-12 农历".
GbkString DateText(const Reading& r) {
  return IsoDateText(r.entered) + ' ' += TextPieces::Gbk().HowReadWord(HowReadOf(r));
}

// A tab or line break in a nickname would split its row in a spreadsheet. (In code page 936 no
// byte below 0x40 is part of a double-byte character.)
GbkString OneLine(GbkString text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace

std::optional<RecordRow> RowOfRun(const AnalysisOutcome& outcome, ClockTime time,
                                  std::optional<GbkString> nickname, GbkString age) {
  const Reading* reading = std::get_if<Reading>(&outcome);
  if (!reading) return std::nullopt;
  return RecordRow{time, std::move(nickname), *reading, std::move(age)};
}

RecordRow UnreadableRow(ClockTime time, GbkString nickname, GbkString age) {
  return RecordRow{time, std::move(nickname), std::nullopt, std::move(age)};
}

bool ReadingRecord::Add(RecordRow row) {
  rows_.push_front(std::move(row));
  if (rows_.size() <= kMaxRows) return false;
  rows_.pop_back();
  return true;
}

std::string_view CaptionOf(RecordColumn column, CellForm form) {
  const RecordCaption& caption = kRecordCaptions[static_cast<int>(column)];
  return form == CellForm::Shown ? caption.shown : caption.copied;
}

GbkString CellText(const RecordRow& row, RecordColumn column, CellForm form) {
  if (column == RecordColumn::Time) {
    char text[40];
    const ClockTime& t = row.time;
    if (form == CellForm::Shown)
      std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
    else
      std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
  }
  if (column == RecordColumn::Source) return row.nickname ? OneLine(*row.nickname) : kTyped.Text();
  if (!row.reading) return column == RecordColumn::Date ? kUnreadable.Text() : GbkString{};
  const Reading& r = *row.reading;
  switch (column) {
    case RecordColumn::Date: return DateText(r);
    case RecordColumn::Pillars: return TextPieces::Gbk().PillarsText(r.pillars);
    case RecordColumn::Libido: return std::to_string(StarCount(r.libido));
    case RecordColumn::Dating: return std::to_string(StarCount(r.date));
    case RecordColumn::Kindness: return std::to_string(StarCount(r.kindness));
    case RecordColumn::Money: return std::to_string(StarCount(r.money));
    case RecordColumn::Note:
      if (!r.lateMarriageNote) return {};
      return form == CellForm::Shown ? kNoteTag.Text() : GbkString(TextPieces::Gbk().NoteAlone());
    default: return {};
  }
}

GbkString CopiedRows(const ReadingRecord& record, std::span<const std::size_t> indices) {
  std::vector<std::size_t> rows(indices.begin(), indices.end());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  GbkString text;
  auto line = [&text](auto cell) {
    for (int c = 0; c < kRecordColumnCount; ++c) {
      if (c) text += '\t';
      text += cell(static_cast<RecordColumn>(c));
    }
    text += "\r\n";
  };
  line([](RecordColumn c) { return Gbk(CaptionOf(c, CellForm::Copied)); });
  for (std::size_t index : rows)
    if (index < record.Size()) line([&](RecordColumn c) { return CellText(record.Row(index), c, CellForm::Copied); });
  return text;
}

}  // namespace tesserin::ui
