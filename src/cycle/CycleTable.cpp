#include "cycle/CycleTable.h"

#include <array>

#include "base/GbkLiteral.h"

namespace tesserin {
namespace {

const GbkLiteral kStems{"甲乙丙丁戊己庚辛壬癸"};
const GbkLiteral kBranches{"子丑寅卯辰巳午未申酉戌亥"};

const std::array<GbkString, kCycleLength>& Entries() {
  static const std::array<GbkString, kCycleLength> entries = [] {
    std::array<GbkString, kCycleLength> e;
    for (int i = 0; i < kCycleLength; ++i) e[i] = GbkString(StemText(StemOf(i))) += BranchText(BranchOf(i));
    return e;
  }();
  return entries;
}

}  // namespace

std::string_view CycleEntry(int index) { return Entries()[index]; }
std::string_view StemText(StemName stem) { return std::string_view(kStems.Text()).substr(2 * stem, 2); }
std::string_view BranchText(BranchName branch) { return std::string_view(kBranches.Text()).substr(2 * branch, 2); }
std::string_view StemUtf8(StemName stem) { return kStems.Utf8().substr(3 * stem, 3); }
std::string_view BranchUtf8(BranchName branch) { return kBranches.Utf8().substr(3 * branch, 3); }

}  // namespace tesserin
