// The checks of a captured block against the monitors and the windows over it.
#include "watcher/BlockVisibility.h"

#include <algorithm>
#include <utility>

namespace tesserin {

namespace {

// Whether the monitors cover row y from column left up to (not including) right.
bool RowOnMonitors(int y, int left, int right, const std::vector<ScreenRect>& monitors) {
  std::vector<std::pair<int, int>> spans;
  for (const ScreenRect& m : monitors) {
    if (m.top <= y && y < m.bottom) spans.emplace_back(m.left, m.right);
  }
  std::sort(spans.begin(), spans.end());
  int reach = left;
  for (const auto& [from, to] : spans) {
    if (from > reach) break;
    reach = std::max(reach, to);
  }
  return reach >= right;
}

bool InBlock(int x, int y) { return x >= 0 && y >= 0 && x < kBlockWidth && y < kBlockHeight; }

}  // namespace

bool OnMonitors(const ScreenRect& area, const std::vector<ScreenRect>& monitors) {
  // Which columns of a row are covered changes only at the monitors' top and bottom edges: one
  // row of each band between them stands for the band.
  std::vector<int> rows{area.top};
  for (const ScreenRect& m : monitors) {
    for (int edge : {m.top, m.bottom}) {
      if (edge > area.top && edge < area.bottom) rows.push_back(edge);
    }
  }
  return std::all_of(rows.begin(), rows.end(), [&](int y) {
    return RowOnMonitors(y, area.left, area.right, monitors);
  });
}

bool BlockShownWhole(WindowSystem& windows, WindowHandle window,
                     const std::vector<CellOrigin>& cells) {
  std::optional<ScreenPoint> client = windows.ClientOrigin(window);
  if (!client) return false;
  const ScreenPoint block{client->x + kBlockLeft, client->y + kBlockTop};
  if (!OnMonitors({block.x, block.y, block.x + kBlockWidth, block.y + kBlockHeight},
                  windows.Monitors())) {
    return false;
  }
  auto shown = [&](int x, int y) {
    return windows.TopLevelAt({block.x + x, block.y + y}) == window;
  };
  for (int y : {0, kBlockHeight - 1}) {
    for (int x : {0, kBlockWidth - 1}) {
      if (!shown(x, y)) return false;
    }
  }
  for (const CellOrigin& cell : cells) {
    const int left = cell.column + 1, right = cell.column + 6;
    const int top = cell.row + 1, bottom = cell.row + 8;
    const std::pair<int, int> points[] = {
        {left, top}, {right, top}, {left, bottom}, {right, bottom}, {left + 2, top + 3}};
    for (const auto& [x, y] : points) {
      if (InBlock(x, y) && !shown(x, y)) return false;
    }
  }
  return true;
}

}  // namespace tesserin
