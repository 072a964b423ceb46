#include "cycle/CycleTable.h"

#include <array>

#include "base/Gbk.h"

namespace tesserin {
namespace {

struct CycleTexts {
  GbkString stems = Gbk("甲乙丙丁戊己庚辛壬癸");
  GbkString branches = Gbk("子丑寅卯辰巳午未申酉戌亥");
  std::array<GbkString, kCycleLength> entries;

  CycleTexts() {
    for (int i = 0; i < kCycleLength; ++i)
      entries[i] = stems.substr(2 * StemOf(i), 2) + branches.substr(2 * BranchOf(i), 2);
  }
};

const CycleTexts& TheTexts() {
  static const CycleTexts texts;
  return texts;
}

}  // namespace

std::string_view CycleEntry(int index) { return TheTexts().entries[index]; }
std::string_view StemText(StemName stem) { return std::string_view(TheTexts().stems).substr(2 * stem, 2); }
std::string_view BranchText(BranchName branch) { return std::string_view(TheTexts().branches).substr(2 * branch, 2); }

}  // namespace tesserin
