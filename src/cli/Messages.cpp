#include "cli/Messages.h"

#include <cerrno>
#include <cstring>
#include <iterator>

#include "base/Gbk.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"

namespace tesserin {
namespace {

struct Texts {
  const char* english;
  const char* chinese;
};

// By Message, in its order.
constexpr Texts kTexts[] = {
    // kShortUsage
    {"Usage: tesserin-cli [--lunar|--solar] [--verbose] YEAR MONTH DAY | DATE\n"
     "       tesserin-cli --batch [--format=jsonl|csv] < readings.tsv\n"
     "Try 'tesserin-cli --help' for more.\n",
     "用法：tesserin-cli [--lunar|--solar] [--verbose] 年 月 日 | 日期\n"
     "      tesserin-cli --batch [--format=jsonl|csv] < readings.tsv\n"
     "详细说明请运行 tesserin-cli --help\n"},
    // kHelp
    {"Usage: tesserin-cli [--lunar|--solar] [--verbose] YEAR MONTH DAY\n"
     "       tesserin-cli [--lunar|--solar] [--verbose] DATE\n"
     "       tesserin-cli --batch [--format=jsonl|csv] < readings.tsv\n"
     "       tesserin-cli --help | --version\n"
     "\n"
     "Gives the four-pillar reading of a birth date (years 1950 to 2025; every reading assumes\n"
     "a female subject). DATE is written YYYY-MM-DD or YYYY/M/D; blanks around it do not count.\n"
     "The date is read as a lunar date unless --solar is given; a lunar day past the end of its\n"
     "month is read as a solar date. A solar day past the end of its month (30 February) does\n"
     "not exist and is refused.\n"
     "\n"
     "One reading prints the six result fields, one per line. --verbose adds a seventh line,\n"
     "solar_date: YYYY-MM-DD read_as: lunar (or solar): the solar date whose pillars were\n"
     "read, and how the date was read. A date the reading refuses is explained on standard\n"
     "error, with exit status 2; a command line that is not understood gives exit status 64.\n"
     "\n"
     "--batch reads one reading per line from standard input: year, month, day and mode, or\n"
     "DATE and mode, separated by TABs, each text taken as it stands; a line without a TAB may\n"
     "separate them by commas, as CSV (fields in quotes, blanks around them not counted), or by\n"
     "runs of blanks. The mode is lunar or solar in any case, or 农历 or 阴历, 公历 or 阳历. The\n"
     "input is UTF-8 (a byte order mark at its start is skipped) or UTF-16 with a byte order\n"
     "mark. Each line gets one answer, written before the reader waits for more input.\n"
     "--format=jsonl, the default, writes one JSON object per line: the input (year, month,\n"
     "day, mode), and either the reading (line, pillars, chart, personality, libido, date,\n"
     "kindness, money, marriage, stars, solar_date, read_as), or the refusal (message), or the\n"
     "error (error); a line longer than 1 MiB (a CR at its end not counted) gets only its error.\n"
     "--format=csv writes a sheet that Excel and WPS open as it is: CSV in UTF-8 with a byte\n"
     "order mark, a header line in Chinese, then a row per line: the date as given, how it\n"
     "was read, the solar date, the pillars, the four ratings as numbers 0 to 5, the note, the\n"
     "personality text, and for a line that got no reading its error.\n"
     "\n"
     "Output that cannot be written or input that cannot be read is reported on standard error,\n"
     "with exit status 74, once the answers to the lines read before are written; a file is cut\n"
     "back to its last whole line. A reader that closes the pipe early (as head does) gets no\n"
     "message. Messages are in Chinese where the user's language is Chinese (LC_ALL,\n"
     "LC_MESSAGES or LANG starting with zh; on Windows the display language).\n",
     "用法：tesserin-cli [--lunar|--solar] [--verbose] 年 月 日\n"
     "      tesserin-cli [--lunar|--solar] [--verbose] 日期\n"
     "      tesserin-cli --batch [--format=jsonl|csv] < readings.tsv\n"
     "      tesserin-cli --help | --version\n"
     "\n"
     "给出一个出生日期的八字、性格总论和四项指数。只计算 1950～2025 年出生的人，所有计算都\n"
     "默认对方是女性。日期可以分成年、月、日三个参数，也可以写成一个参数 YYYY-MM-DD 或\n"
     "YYYY/M/D，前后的空格不算。默认按农历计算，加 --solar 按公历计算；农历当月没有的日子\n"
     "改按公历计算；公历超出当月天数的日子（例如 2 月 30 日）不存在，不予计算。\n"
     "\n"
     "计算一个日期时输出六行结果。加 --verbose 再输出第七行 solar_date: YYYY-MM-DD\n"
     "read_as: lunar（或 solar），即实际计算的公历日期，以及是按农历还是按公历计算的。\n"
     "日期不被接受时，原因写在标准错误上，退出状态为 2；命令行无法识别时，退出状态为 64。\n"
     "\n"
     "--batch 从标准输入逐行读取：年、月、日、历法四项，或者日期、历法两项，用 TAB 分隔，每项\n"
     "按原样使用；没有 TAB 的行也可以用逗号分隔（同 CSV：可加引号，前后的空格不算），或用\n"
     "空格分隔（连续几个空格算一个）。历法写 lunar 或 solar（大小写均可），或者农历、阴历、\n"
     "公历、阳历。输入为 UTF-8（开头的字节顺序标记会跳过），或带字节顺序标记的 UTF-16。每一\n"
     "行输入给出一行结果，在读下一行之前写出。\n"
     "--format=jsonl（默认）每行输出一个 JSON 对象：输入的四项（year、month、day、mode），\n"
     "以及结果（line、pillars、chart、personality、libido、date、kindness、money、marriage、\n"
     "stars、solar_date、read_as），或不予计算的原因（message），或错误（error）；超过\n"
     "1 MiB 的行（行尾的 CR 不算）只给出错误。\n"
     "--format=csv 输出 Excel 和 WPS 可以直接打开的表格：带字节顺序标记的 UTF-8 CSV，第一行\n"
     "是中文表头，之后每个输入行一行：输入的日期、计算历法、公历日期、八字、四项指数\n"
     "（0～5 的数字）、附注、性格总论，没有结果的行另给出错误原因。\n"
     "\n"
     "标准输出无法写入或标准输入无法读取时，先写完此前各行的结果，再在标准错误上说明原因，\n"
     "退出状态为 74；输出到文件时，文件截到最后一个完整的行。读取方提前关闭管道（例如 head）\n"
     "时不提示。用户的语言为中文时（LC_ALL、LC_MESSAGES 或 LANG 以 zh 开头；Windows 上看\n"
     "显示语言）提示为中文，否则为英文。\n"},
    // kUnknownOption
    {"unknown option %s", "无法识别的选项 %s"},
    // kBatchArguments
    {"--batch takes no other arguments but --format (the dates come from standard input)",
     "--batch 之后只能再给 --format（日期从标准输入读取）"},
    // kFormatWithoutBatch
    {"--format goes with --batch only", "--format 只能与 --batch 一起使用"},
    // kUnknownFormat
    {"unknown format '%s' (expected --format=jsonl or --format=csv)",
     "无法识别的格式“%s”（可用 --format=jsonl 或 --format=csv）"},
    // kExpectedDate
    {"expected YEAR MONTH DAY, or DATE as YYYY-MM-DD or YYYY/M/D",
     "请给出年、月、日三个数，或写成 YYYY-MM-DD 或 YYYY/M/D 的日期"},
    // kLineTooLong
    {"line longer than 1048576 bytes (1 MiB)", "这一行超过 1048576 字节（1 MiB），没有读取"},
    // kFieldCount
    {"expected 4 TAB-separated fields (year, month, day, mode), found %s",
     "应为用 TAB 分隔的 4 项（年、月、日、历法），实际有 %s 项"},
    // kNotADate
    {"expected the date as YYYY-MM-DD or YYYY/M/D, or 4 TAB-separated fields (year, month, day, mode)",
     "日期应写成 YYYY-MM-DD 或 YYYY/M/D，或者分成用 TAB 分隔的 4 项（年、月、日、历法）"},
    // kUnknownMode
    {"unknown mode (expected lunar or solar)", "历法只能是 lunar（农历）或 solar（公历）"},
    // kNoSuchSolarDay
    {"no such date: %s is past the end of its month", "日期不存在：公历 %s 超出了当月的天数"},
    // kNoSuchDay
    {"no such date: %s is past the end of its month, lunar and solar alike",
     "日期不存在：%s 在农历和公历中都超出了当月的天数"},
};
static_assert(std::size(kTexts) == static_cast<std::size_t>(Message::kNoSuchDay) + 1, "one row per message");

// The reasons a user meets, in Chinese; any other is the system's own text.
struct Reason {
  int error;
  const char* chinese;
};
constexpr Reason kChineseReasons[] = {
    {ENOSPC, "磁盘空间不足"},       {EBADF, "文件描述符无效（流已关闭）"}, {EIO, "输入/输出错误"},
    {EISDIR, "这是一个文件夹"},     {EACCES, "没有权限"},                  {EFBIG, "文件太大"},
    {EINVAL, "参数无效"},           {EPIPE, "管道已断开"},
};

std::string ReasonText(int error, Language language) {
  if (language == Language::kChinese)
    for (const Reason& r : kChineseReasons)
      if (r.error == error) return r.chinese;
  return std::strerror(error);
}

}  // namespace

std::string MessageText(Message message, Language language, std::string_view detail) {
  const Texts& texts = kTexts[static_cast<std::size_t>(message)];
  std::string text = language == Language::kChinese ? texts.chinese : texts.english;
  if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, detail);
  return text;
}

std::string RefusalMessage(const Refusal& refusal, Language language) {
  if (refusal.kind != Refusal::Kind::NoSuchDay) return RefusalText(refusal);
  return MessageText(refusal.lunarAsked ? Message::kNoSuchDay : Message::kNoSuchSolarDay, language,
                     IsoDateText(refusal.date));
}

std::string StreamFailureText(const StreamFailure& failure, Language language) {
  const bool chinese = language == Language::kChinese;
  const bool reading = failure.direction == StreamFailure::Direction::kReading;
  if (failure.consoleError != 0) {
    const std::string code = std::to_string(failure.consoleError);
    return chinese ? "向控制台写入标准输出时出错（Windows 错误代码 " + code + "）"
                   : "error writing standard output to the console (Windows error " + code + ")";
  }
  std::string text = chinese ? (reading ? "读取标准输入时出错" : "写入标准输出时出错")
                             : (reading ? "error reading standard input" : "error writing standard output");
  if (failure.error != 0) text += (chinese ? "：" : ": ") + ReasonText(failure.error, language);
  return text;
}

}  // namespace tesserin
