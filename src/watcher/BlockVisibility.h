// Whether a captured profile block showed the profile window itself. The capture copies what
// the screen shows: where the block runs off the monitors, or another window lies over a cell
// the scan read, the copy holds pixels that are not the profile's, and a cell that comes out
// blank or foreign turns a number into a shorter or another one.
#pragma once

#include <vector>

#include "capture/BlockGeometry.h"
#include "capture/GlyphScanner.h"
#include "watcher/WindowSystem.h"

namespace tesserin {

// Whether every pixel of `area` lies on one of the monitors.
bool OnMonitors(const ScreenRect& area, const std::vector<ScreenRect>& monitors);

// Whether the window's block, scanned as `cells` (origins in the block), was the window's own
// where it was read: the whole block lies on the monitors, and the window is the top-level window
// at the block's four corners and at each cell's four corner pixels and centre (a window can lie
// over part of a cell and miss all five only if it is at most three pixels wide or high). Points
// of a cell below the block are not asked: there the scan read the capture picture's white
// margin, not the screen. Windows the system passes over at a point, such as click-through
// shadows, do not count. Asked in the window's DPI.
bool BlockShownWhole(WindowSystem& windows, WindowHandle window,
                     const std::vector<CellOrigin>& cells);

}  // namespace tesserin
