// The record of the readings since the program started, shown on the page "记录": one row per
// reading and per profile that could not be read, newest first, kept in memory only and at most
// kMaxRows long. The rows' texts and the copied text are made here; the list on the page and
// the clipboard are the window's (RecordPage_win.h). No <windows.h> here.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <span>
#include <string_view>

#include "base/Gbk.h"
#include "reading/AnalysisRun.h"
#include "reading/FieldWords.h"

namespace tesserin::ui {

struct ClockTime {
  int hour = 0, minute = 0, second = 0;
};

struct RecordRow {
  ClockTime time;
  std::optional<GbkString> nickname;  // the contact's; none for a date the user typed
  std::optional<Reading> reading;     // none: the profile could not be read
  GbkString age;                      // Edit1 as it stood, shown again with the reading
};

// The row a run adds to the record: one for a reading, none for a refused date.
std::optional<RecordRow> RowOfRun(const AnalysisOutcome& outcome, ClockTime time,
                                  std::optional<GbkString> nickname, GbkString age);
// The row of a profile that could not be read.
RecordRow UnreadableRow(ClockTime time, GbkString nickname, GbkString age);

// The list's columns, in order. Each column is as wide as its caption and the texts it shows; a
// nickname shows whole up to kNicknameShownWhole Chinese characters, a longer one in part (the
// list ends it with "..."; its tooltip and the copy have it whole). Seven leave room for the
// other eight columns at their widest, the vertical scroll bar showing.
enum class RecordColumn { Time, Source, Date, Pillars, Libido, Dating, Kindness, Money, Note, Count };
inline constexpr int kRecordColumnCount = static_cast<int>(RecordColumn::Count);
inline constexpr int kNicknameShownWhole = 7;

// How a cell or caption is written. The list shows the short forms, so that all nine columns fit
// the page beside a nickname shown whole: the time to the minute, a rating's caption in one
// character, the note as a tag. The copy, for a spreadsheet, writes every text whole.
enum class CellForm { Shown, Copied };

struct RecordCaption {
  std::string_view shown, copied;  // UTF-8
};
inline constexpr std::array<RecordCaption, kRecordColumnCount> kRecordCaptions = {{
    {"时间", "时间"},
    {"来源", "来源"},
    {"日期", "日期"},
    {kPillarsWord, kPillarsWord},
    {WordsOf(Rating::Libido).tag, WordsOf(Rating::Libido).Name()},
    {WordsOf(Rating::Date).tag, WordsOf(Rating::Date).Name()},
    {WordsOf(Rating::Kindness).tag, WordsOf(Rating::Kindness).Name()},
    {WordsOf(Rating::Money).tag, WordsOf(Rating::Money).Name()},
    {"备注", "备注"},
}};
std::string_view CaptionOf(RecordColumn column, CellForm form);

class ReadingRecord {
 public:
  static constexpr std::size_t kMaxRows = 1000;

  // Puts the row on top; beyond kMaxRows the oldest goes. Returns whether one went.
  bool Add(RecordRow row);

  std::size_t Size() const { return rows_.size(); }
  // Row 0 is the newest.
  const RecordRow& Row(std::size_t index) const { return rows_[index]; }

 private:
  std::deque<RecordRow> rows_;
};

// A cell as the list shows it or the copy writes it (code page 936).
GbkString CellText(const RecordRow& row, RecordColumn column, CellForm form);

// The rows with the given indices (in the record's order, newest first, whatever order the
// indices come in) as text for a spreadsheet: the captions, then one line per row, the cells
// separated by tabs, each line ended by "\r\n". Indices past the end are passed over.
GbkString CopiedRows(const ReadingRecord& record, std::span<const std::size_t> indices);

}  // namespace tesserin::ui
