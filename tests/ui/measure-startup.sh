#!/usr/bin/env bash
# Start-up time to a painted window and working set of tesserin.exe beside its floors, under
# Wine on a virtual display: a bare Win32 window, one with as many plain child controls (built
# plain, and with the program's manifest: common controls 6, DPI-aware), and the honest floor (the form's kinds of controls, fonts and resources without the program's logic;
# its second build makes the tray icon and a tooltip before it shows the window). Each program's
# time is also given against the honest floor's, the first program measured in every run.
# Prints figures; passes or fails nothing.
#
#   tests/ui/measure-startup.sh [BUILD_TREE] [RUNS]      (default: build/win, 15)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree=$(cd "${1:-$root/build/win}" && pwd)
runs=${2:-15}
cmake --build "$tree" --target tesserin startup_probe minimal_window minimal_window_children \
  minimal_window_children_cc6 floor_form floor_form_eager >/dev/null
cd "$tree"
"$root/scripts/wine-xvfb-run" --tree "$tree" --timeout 600 \
  wine tests/ui/startup_probe.exe tests/ui/floor_form.exe tests/ui/floor_form_eager.exe tests/ui/minimal_window.exe \
  tests/ui/minimal_window_children.exe tests/ui/minimal_window_children_cc6.exe src/ui/tesserin.exe --runs "$runs"
