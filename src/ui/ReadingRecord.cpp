#include "ui/ReadingRecord.h"

#include <algorithm>
#include <cstdio>
#include <variant>
#include <vector>

#include "base/GbkLiteral.h"
#include "cycle/CycleTable.h"
#include "reading/ReadingText.h"

namespace tesserin::ui {
namespace {

const GbkLiteral kTyped{"手动"};
const GbkLiteral kUnreadable{"没有识别出来"};
const GbkLiteral kLunar{" 农历"};
const GbkLiteral kSolar{" 公历"};
const GbkLiteral kLunarReadAsSolar{" 按公历"};  // asked for as lunar, past its month's end
const GbkLiteral kNoteComma{"，"};

GbkString Digits(const char* format, int a, int b, int c) {
  char text[40];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

// The date as entered, and how it was read.
GbkString DateText(const Reading& r) {
  GbkString text = Digits("%04d-%02d-%02d", r.entered.year, r.entered.month, r.entered.day);
  if (!r.lunarAsked) return text + kSolar.Text();
  return text + (r.read.asLunar ? kLunar.Text() : kLunarReadAsSolar.Text());
}

GbkString PillarsText(const Pillars& pillars) {
  GbkString text;
  for (PillarPlace place : {kYearPillar, kMonthPillar, kDayPillar}) {
    if (!text.empty()) text += ' ';
    text += CycleEntry(pillars.Entry(place));
  }
  return text;
}

// The note as the personality text ends with it, without the comma that joins it on.
GbkString NoteText(const Reading& r) {
  if (!r.lateMarriageNote) return {};
  return LateMarriageNote().substr(kNoteComma.Text().size());
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

GbkString CellText(const RecordRow& row, RecordColumn column) {
  if (column == RecordColumn::Time)
    return Digits("%02d:%02d:%02d", row.time.hour, row.time.minute, row.time.second);
  if (column == RecordColumn::Source) return row.nickname ? OneLine(*row.nickname) : kTyped.Text();
  if (!row.reading) return column == RecordColumn::Date ? kUnreadable.Text() : GbkString{};
  const Reading& r = *row.reading;
  switch (column) {
    case RecordColumn::Date: return DateText(r);
    case RecordColumn::Pillars: return PillarsText(r.pillars);
    case RecordColumn::Libido: return std::to_string(r.libido);
    case RecordColumn::Dating: return std::to_string(r.date);
    case RecordColumn::Kindness: return std::to_string(r.kindness);
    case RecordColumn::Money: return std::to_string(r.money);
    case RecordColumn::Note: return NoteText(r);
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
  line([](RecordColumn c) { return Gbk(kRecordCaptions[static_cast<int>(c)]); });
  for (std::size_t index : rows)
    if (index < record.Size()) line([&](RecordColumn c) { return CellText(record.Row(index), c); });
  return text;
}

}  // namespace tesserin::ui
