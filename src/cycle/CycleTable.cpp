#include "cycle/CycleTable.h"

#include <array>

#include "base/GbkLiteral.h"

namespace tesserin {
namespace {

const GbkLiteral kStems[10] = {GbkLiteral{"甲"}, GbkLiteral{"乙"}, GbkLiteral{"丙"}, GbkLiteral{"丁"}, GbkLiteral{"戊"},
                               GbkLiteral{"己"}, GbkLiteral{"庚"}, GbkLiteral{"辛"}, GbkLiteral{"壬"}, GbkLiteral{"癸"}};
const GbkLiteral kBranches[12] = {GbkLiteral{"子"}, GbkLiteral{"丑"}, GbkLiteral{"寅"}, GbkLiteral{"卯"},
                                  GbkLiteral{"辰"}, GbkLiteral{"巳"}, GbkLiteral{"午"}, GbkLiteral{"未"},
                                  GbkLiteral{"申"}, GbkLiteral{"酉"}, GbkLiteral{"戌"}, GbkLiteral{"亥"}};

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
std::string_view StemText(StemName stem, TextEncoding encoding) { return kStems[stem].In(encoding); }
std::string_view BranchText(BranchName branch, TextEncoding encoding) { return kBranches[branch].In(encoding); }

}  // namespace tesserin
