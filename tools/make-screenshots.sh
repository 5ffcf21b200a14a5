#!/usr/bin/env bash
# Draws docs/screenshots/*.png from the sample collection, offscreen.
#
#     tools/make-screenshots.sh [build-folder]
#
# Builds only the screenshot program, then runs it in the program's build
# folder, where the list background lies. It installs stand-ins for the
# desktop: the user's settings stay untouched and no network is tried.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-build}
case "$build" in
  /*) ;;
  *) build="$root/$build" ;;
esac
jobs=${JOBS:-2}

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$jobs" --target protoscribe-screenshots

out="$root/docs/screenshots"
mkdir -p "$out"
rm -f "$out"/*.png
(cd "$build/src/app" && QT_QPA_PLATFORM=offscreen \
  "$build/tools/screenshots/protoscribe-screenshots" "$root/examples/sample-collection.xml" "$out")

# Each picture stays small enough for the repository.
status=0
for png in "$out"/*.png; do
  size=$(stat -c %s "$png")
  if [ "$size" -ge 153600 ]; then
    echo "make-screenshots: $png is $size bytes (limit 150 KB)" >&2
    status=1
  fi
done
total=$(du -cb "$out"/*.png | tail -1 | cut -f1)
echo "make-screenshots: $(ls "$out"/*.png | wc -l) pictures, $total bytes in $out"
if [ "$total" -ge 2097152 ]; then
  echo "make-screenshots: the pictures exceed 2 MB together" >&2
  status=1
fi
exit $status
