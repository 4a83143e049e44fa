#!/usr/bin/env bash
# Installs what is needed, builds, and runs the main job on the bundled sample data.
# With a display the report window opens; without one the host runs headless, loads the
# sample monthly report, saves every page as a JPEG image and says where they went.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" build-demo -DTABULON_TESTS=OFF

# The host writes into its system folder (settings, images): work on a copy of the sample.
sys="$root/build-demo/demo-system"
rm -rf "$sys"
mkdir -p "$sys"
if [ -d "$root/data/sample" ]; then
  cp -R "$root/data/sample/." "$sys/"
fi
data="$sys/ReportFile"
mkdir -p "$data"
host="$root/build-demo/tabulon-host"

sample=$(find "$data" -maxdepth 2 -type f -iname 'A*.TXT' 2>/dev/null | sort | head -n 1 || true)

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening the report window (press Load to choose a data file in $data)."
  exec "$host" --report month --sys "$sys/" --data "$data"
fi

export QT_QPA_PLATFORM=offscreen
if [ -z "$sample" ]; then
  echo "No sample data file found under $data." >&2
  "$host" --report month --sys "$sys/" --data "$data" --quit
  exit 1
fi
echo "No display: loading $sample and saving every page as an image."
"$host" --report month --sys "$sys/" --data "$data" --load "$sample" --save-all --quit
echo "The page images are in $sys/ReportFile/Rpic/:"
ls "$sys/ReportFile/Rpic/" 2>/dev/null || echo "(none written)"
