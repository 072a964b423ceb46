// tesserin-cli --batch --format=csv: the batch as a sheet that Excel and WPS open as it is. CSV
// as RFC 4180 writes it (CR LF line ends), in UTF-8 behind a byte order mark, which both take as
// the sign of UTF-8 (without it they read the file in the system's code page, 936 on a Chinese
// Windows). A header line, then a row per line of input.
//
// The sheet is for people who read Chinese: its header and the errors of lines that are no
// reading are in Chinese wherever it is made, as its readings are, so that one input gives one
// sheet on every machine. Programs read the JSON Lines.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "cli/BatchStreams.h"
#include "reading/FieldWords.h"
#include "reading/Reading.h"

namespace tesserin {

// The columns, in order.
inline constexpr std::string_view kCsvHeader[] = {
    "输入的日期", "计算历法", "公历日期", kPillarsWord, WordsOf(Rating::Libido).heading, WordsOf(Rating::Date).heading,
    WordsOf(Rating::Kindness).heading, WordsOf(Rating::Money).heading, "附注", kPersonalityWord, "错误"};

// Reads `in` to its end as RunBatch does, and writes the sheet.
int ReadCsvSheet(std::istream& in, BlockWriter& writer);

// A reading's row (line end included) the plain way, cell by cell through AppendCsvField: the
// reference that the sheet's row written at a cursor is held to (csv_sheet_test).
std::string ReadingRowPlainly(std::string_view dateAsGiven, const Reading& reading);

}  // namespace tesserin
