#include "pillars/ReadingText.h"

namespace tesserin {

bool HasReading(const AnalysisDisplay& display) {
  return display.PillarLine != AnalysisDisplay::Initial().PillarLine;
}

GbkString ReadingText(const AnalysisDisplay& display, std::string_view lineEnd) {
  // The window's captions of the five fields after the 八字 line (UTF-8 here).
  struct Row {
    const char* caption;
    const GbkString& value;
  };
  const Row rows[] = {{"性格总论：", display.PersonalityText},
                      {"性欲指数：", display.LibidoStars},
                      {"可约指数：", display.DateStars},
                      {"善良指数：", display.KindnessStars},
                      {"要钱指数：", display.MoneyStars}};
  GbkString text = display.PillarLine;
  text += lineEnd;
  for (const Row& row : rows) {
    text += Gbk(row.caption);
    text += row.value;
    text += lineEnd;
  }
  return text;
}

}  // namespace tesserin
