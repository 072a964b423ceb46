// The word points as data: the table made from the texts before the build
// (data/PersonalityWordPoints.inc, written by data/make_tables.cpp), so that a batch never
// builds the window's code page 936 texts. Working them out at the first reading makes those
// texts and their conversion part of every batch's start: a batch of one line takes 0.99 M
// instructions against 0.40 M, of every date 70.5 M against 69.3 M (bench/count-instructions;
// bench/RESULTS.md). PersonalityWordPoints.cpp keeps the points of the texts themselves as the
// reference that a test holds this table to.
#include <array>

#include "cycle/Pillars.h"
#include "reading/PersonalityWordPoints.h"

namespace tesserin {
namespace {

// By day pillar: without the note, with it.
constexpr std::array<std::array<int, 2>, kCycleLength> kTable = {{
#include "PersonalityWordPoints.inc"
}};

}  // namespace

int WordPointsOf(int dayPillar, bool noted) { return kTable[dayPillar][noted]; }

}  // namespace tesserin
