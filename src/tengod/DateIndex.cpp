// 可约指数: how likely an invitation to a date is to succeed, from the chart, the pillars and
// four words of the personality text (the late-marriage note included).
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/Gbk.h"
#include "tengod/ChartView.h"
#include "tengod/Indices.h"

namespace tesserin {
namespace {

// Pairs of branches that score 3 when both are present; two of them score 6 for a day stem of
// one stem pair.
struct BranchPairPoints {
  BranchName a, b;
  StemName doubledFor;  // with its pair partner; 甲 stands for "never" (甲乙 doubles nothing)
};
constexpr BranchPairPoints kBranchPairs[] = {
    {子, 丑, 甲}, {寅, 亥, 戊}, {卯, 戌, 庚}, {辰, 酉, 甲}, {巳, 申, 甲}, {午, 未, 甲},
};

struct WordPoints {
  const char* word;
  int points;
};
constexpr WordPoints kWords[] = {{"婚姻", 3}, {"晚婚", 4}, {"桃花", 7}, {"风尘", 5}};

// Lower bounds of the grades 1 to 5.
constexpr int kGrades[] = {5, 10, 15, 20, 25};

// The officer block: +15 when the element that controls the day stem stands complete or
// threefold, else +10 when two of a frame stand.
int OfficerBlock(const ChartView& v) {
  const Frames* frames = OfficerFrames(v.DayStem());
  if (frames == nullptr) return 0;
  auto present = [&](const BranchName (&f)[3]) { return v.PresentOf(f[0], f[1], f[2]); };
  // The two branches that stand for the element itself, each of which may fill all three places.
  BranchName first = frames->withStorage[0], second = frames->withStorage[1];
  if (present(frames->first) == 3 || present(frames->second) == 3 || v.Count(first) >= 3 || v.Count(second) >= 3)
    return 15;
  if (present(frames->first) == 2 || present(frames->second) == 2) return 10;
  return 0;
}

// The points of the words that a byte search finds in the text (each word once, however often
// it stands). One pass over the places where a word could start: only a place whose byte begins
// one of the words is compared further, and with SSE2 sixteen places are sifted at a time by
// their first two bytes (the search runs once per reading, over some 80 bytes).
class WordSearch {
 public:
  WordSearch() {
    for (int w = 0; w < 4; ++w) {
      GbkString word = Gbk(kWords[w].word);  // two characters, 4 bytes
      std::memcpy(&codes_[w], word.data(), 4);
      startsWord_[static_cast<unsigned char>(word[0])] = true;
#if defined(__SSE2__)
      firstBytes_[w] = _mm_set1_epi8(word[0]);
      secondBytes_[w] = _mm_set1_epi8(word[1]);
#endif
    }
    for (unsigned found = 0; found < 16; ++found)
      for (int w = 0; w < 4; ++w) pointsOfFound_[found] += (found >> w) & 1 ? kWords[w].points : 0;
  }

  int Points(std::string_view text) const {
    const std::size_t size = text.size();
    if (size < 4) return 0;
    const std::size_t places = size - 3;  // a word may start at 0 .. size - 4
    unsigned found = 0;
    std::size_t at = 0;
#if defined(__SSE2__)
    // Blocks of sixteen places, each reading the byte after its last place too.
    for (; at + 16 <= places; at += 16) found |= WordsAmong(text, at, Sift(text.data() + at));
    if (at < places && size >= 17) {
      // The places left, from a block that ends at the text's end: the places seen already and
      // those past the last start are masked off.
      const std::size_t block = std::min(at, size - 17);
      unsigned candidates = Sift(text.data() + block) >> (at - block) << (at - block);
      candidates &= (1u << (places - block)) - 1;
      found |= WordsAmong(text, block, candidates);
      at = places;
    }
#endif
    for (; at < places; ++at)
      if (startsWord_[static_cast<unsigned char>(text[at])]) found |= WordsAt(text, at);
    return pointsOfFound_[found];
  }

 private:
  // One bit for each word whose 4 bytes stand at `place`.
  unsigned WordsAt(std::string_view text, std::size_t place) const {
    std::uint32_t bytes;
    std::memcpy(&bytes, text.data() + place, 4);
    unsigned found = 0;
    for (int w = 0; w < 4; ++w) found |= (bytes == codes_[w] ? 1u : 0u) << w;
    return found;
  }

#if defined(__SSE2__)
  // One bit for each of the sixteen places from `at` where the first two bytes of a word stand.
  unsigned Sift(const char* at) const {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
    __m128i starts = _mm_setzero_si128();
    for (int w = 0; w < 4; ++w)
      starts = _mm_or_si128(starts, _mm_and_si128(_mm_cmpeq_epi8(bytes, firstBytes_[w]),
                                                  _mm_cmpeq_epi8(next, secondBytes_[w])));
    return static_cast<unsigned>(_mm_movemask_epi8(starts));
  }
#endif
  // The words standing at the candidate places (bit i: place block + i).
  unsigned WordsAmong(std::string_view text, std::size_t block, unsigned candidates) const {
    unsigned found = 0;
    for (; candidates != 0; candidates &= candidates - 1)
      found |= WordsAt(text, block + static_cast<std::size_t>(std::countr_zero(candidates)));
    return found;
  }

  std::uint32_t codes_[4] = {};
  bool startsWord_[256] = {};
  int pointsOfFound_[16] = {};  // by the bits of the words found
#if defined(__SSE2__)
  __m128i firstBytes_[4], secondBytes_[4];
#endif
};

// Made once, away from the search: the first run's conversions stay out of every later call.
[[gnu::noinline]] const WordSearch& MakeWordSearch() {
  static const WordSearch words;
  return words;
}

}  // namespace

int DateIndex(const Pillars& pillars, const GodChart& chart, std::string_view personality) {
  return DateIndex(ChartView(pillars, chart), personality);
}

int DateIndex(const ChartView& v, std::string_view personality) {
  return DateGrade(DatePointsOfPillars(v) + DatePointsOfWords(personality));
}

int DatePointsOfWords(std::string_view personality) {
  static const WordSearch& words = MakeWordSearch();
  return words.Points(personality);
}

int DateGrade(int points) { return GradeOf(points, kGrades); }

int DatePointsOfPillars(const ChartView& v) {
  int score = 0;

  int upright = v.SlotsHolding(正官), killers = v.SlotsHolding(七杀);
  if ((upright >= 1 && killers >= 1) || upright >= 2) score += 5;
  if (v.OfficerScore() == 2) score += 5;
  // The rule searches BranchGods, which holds the same three branches.
  if (v.Present(辰) && v.Present(戌)) score += 10;
  if (v.DayPillarIs(丁, 巳) || v.DayPillarIs(癸, 亥)) score += 5;
  if (v.Holds(kDayBranch, 伤官)) score += 5;
  if (v.PresentOf(午, 亥) == 2) score += 5;
  if (v.PresentOf(巳, 亥) == 2) score += 5;
  if (v.CountOf(亥, 子) >= 3) score += 10;
  if (v.CountOf(戌, 未, 丙, 丁, 午, 巳) >= 3 && v.PresentOf(壬, 癸, 亥, 子, 辰, 丑) == 0) score += 10;
  score += OfficerBlock(v);
  if ((v.DayStemIs(壬) || v.DayStemIs(癸)) && v.Count(戌) >= 3) score += 10;
  if (v.CountOf(壬, 癸) >= 2 && v.PresentOf(申, 子, 辰) == 3) score += 6;
  if (CombinesWithPartner(v)) score += v.DayStemIs(丁) || v.DayStemIs(壬) ? 8 : 5;
  score += 5 * v.SlotsHolding(伤官) + 3 * v.SlotsHolding(食神);
  for (const BranchPairPoints& p : kBranchPairs) {
    if (v.PresentOf(p.a, p.b) != 2) continue;
    bool doubled = p.doubledFor != 甲 && v.DayStem() / 2 == p.doubledFor / 2;
    score += doubled ? 6 : 3;
  }
  return score;
}

}  // namespace tesserin
