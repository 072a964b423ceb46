#!/usr/bin/env bash
# Start-up time to a painted window and working set of tesserin.exe beside the floor (a bare
# Win32 window, and one with as many plain child controls), under Wine on a virtual display.
# Prints figures; passes or fails nothing.
#
#   tests/ui/measure-startup.sh [BUILD_TREE] [RUNS]      (default: build/win, 15)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree=$(cd "${1:-$root/build/win}" && pwd)
runs=${2:-15}
cmake --build "$tree" --target tesserin startup_probe minimal_window minimal_window_children >/dev/null
cd "$tree"
"$root/scripts/wine-xvfb-run" --tree "$tree" --timeout 600 \
  wine tests/ui/startup_probe.exe tests/ui/minimal_window.exe tests/ui/minimal_window_children.exe \
  src/ui/tesserin.exe --runs "$runs"
