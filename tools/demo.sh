#!/usr/bin/env bash
# Installs what is needed, builds, and runs the main job on the bundled sample data.
# With a display the report window opens; without one the host runs headless, loads the
# sample reports, saves every page of each as a JPEG image and says where they went.
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
for run in "month A54511-200303.TXT" "month A50953-200303.TXT" "radiation R54511-200303.TXT" "year Y54511-2003.TXT"; do
  set -- $run
  echo "No display: loading $2 and saving every page as an image."
  "$host" --report "$1" --sys "$sys/" --data "$data" --load "$data/$2" --save-all --quit || status=1
done
echo "The page images are in $sys/ReportFile/Rpic/:"
ls "$sys/ReportFile/Rpic/"
exit $status
