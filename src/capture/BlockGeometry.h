// Where the profile block lies: its top-left corner in the profile window's client area, and
// its size. The capture copies it; the watcher checks that the screen showed all of it.
#pragma once

namespace tesserin {

inline constexpr int kBlockLeft = 60, kBlockTop = 306;
inline constexpr int kBlockWidth = 160, kBlockHeight = 300;

}  // namespace tesserin
