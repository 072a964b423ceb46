// The captions of a reading's fields and the words for how its date was read, as the source
// writes them (UTF-8), each written once: the window's labels, the copy and the single reading
// (TextPieces.h), the record's columns and the sheet's header are all made from these.
#pragma once

#include <array>
#include <string_view>

namespace tesserin {

inline constexpr std::string_view kPillarsWord = "八字";
inline constexpr std::string_view kPersonalityWord = "性格总论";
// What follows a caption in the window, the copy and the single reading.
inline constexpr std::string_view kCaptionColon = "：";

// How a date was read, by HowRead (TextPieces.h): as the lunar date asked for, as the solar date
// asked for, or, asked for as lunar but past its lunar month's end, as the solar date.
inline constexpr std::string_view kHowReadWords[] = {"农历", "公历", "按公历"};

// The four ratings, in the window's order.
enum class Rating { Libido, Date, Kindness, Money };
inline constexpr int kRatingCount = 4;

// A rating's heading is its name followed by this word.
inline constexpr std::string_view kIndexWord = "指数";

struct RatingWords {
  std::string_view heading;  // 性欲指数: the sheet's column; with the colon, the window's caption
  std::string_view tag;      // 欲: the record's column as its list shows it, narrow beside a nickname
  // 性欲: the record's column as its copy writes it.
  constexpr std::string_view Name() const { return heading.substr(0, heading.size() - kIndexWord.size()); }
};

inline constexpr std::array<RatingWords, kRatingCount> kRatingWords = {{
    {"性欲指数", "欲"},
    {"可约指数", "约"},
    {"善良指数", "善"},
    {"要钱指数", "钱"},
}};

constexpr const RatingWords& WordsOf(Rating rating) { return kRatingWords[static_cast<int>(rating)]; }

constexpr bool EveryHeadingEndsWithTheIndexWord() {
  for (const RatingWords& words : kRatingWords)
    if (!words.heading.ends_with(kIndexWord) || words.Name().find(words.tag) == std::string_view::npos) return false;
  return true;
}
static_assert(EveryHeadingEndsWithTheIndexWord(), "a heading is its name and 指数; the tag is part of the name");

}  // namespace tesserin
