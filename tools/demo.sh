#!/usr/bin/env bash
# Installs what is needed, builds, and runs the main job on the bundled sample data.
# With a display the report window opens; without one the host runs headless, loads every
# sample report, saves every page of each as a JPEG image and says where they went.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" build-demo -DTABULON_TESTS=OFF

# The host writes into its system folder (settings, images): work on a copy of the sample.
sys="$root/build-demo/demo-system"
rm -rf "$sys"
mkdir -p "$sys"
cp -R "$root/data/sample/system/." "$sys/"
data="$sys/ReportFile"
host="$root/build-demo/tabulon-host"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening the report window: press the Load button and choose a file in $data"
  exec "$host" --report month --sys "$sys/" --data "$data"
fi

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
status=0
echo "No display: loading every sample report and saving each of its pages as an image."
for file in "$data"/*.TXT; do
  name=$(basename "$file")
  case "$name" in
    A*) report=month ;;
    R*) report=radiation ;;
    *) report=year ;;
  esac
  printf '%-22s ' "$name"
  "$host" --report "$report" --sys "$sys/" --data "$data" --load "$file" --save-all --quit 2>&1 | tail -n 1 || status=1
done
echo "The page images ($(ls "$sys/ReportFile/Rpic/" | wc -l) of them) are in $sys/ReportFile/Rpic/"
exit $status
