#!/usr/bin/env bash
# Memory of a batch of very large photos: eight workers, each on a genuine
# 100-megapixel photo (12240 x 8160, photo-like content with noise), through
# the processing dialog with the batch benchmark's chain (scale to fit
# 1600 x 1600, a text mark, JPEG quality 85). The pixel cache beyond the
# policy's 2 GiB in memory goes to the disk cache, so the whole process
# should peak under 4 GiB resident.
#
#   bench/large-photos.sh [build folder]              (default: build)
#   COUNT=1 SIZE=17320x11548 bench/large-photos.sh    (one 200-megapixel photo)
#   WORK=/some/folder bench/large-photos.sh           (keeps the photos for reruns)
#
# Prints the driver's line (time, workers, errors) and /usr/bin/time -v's
# maximum resident set size and elapsed time. Always exits 0; the goal is
# reported, not enforced. Needs about 1 GB of disk per 100 MP photo and
# several GB of free disk for the caches.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
driver=$build/bin/brandquill-bench-batch
count=${COUNT:-8}
size=${SIZE:-12240x8160}

if [ ! -x "$driver" ]; then
  echo "large-photos: $driver not found; build the project first (scripts/build)."
  exit 0
fi
if [ ! -x /usr/bin/time ]; then
  echo "large-photos: /usr/bin/time not found; install time (scripts/install-deps). Nothing measured."
  exit 0
fi

work=${WORK:-$(mktemp -d)}
src=$work/photos-$size
if [ "$(ls "$src"/*.jpg 2>/dev/null | wc -l)" -ne "$count" ]; then
  rm -rf "$src"
  echo "Generating $count photos of $size in $src ..."
  "$driver" --make-photos "$count" "$src" "$size" || { echo "large-photos: generating photos failed."; exit 0; }
fi
rm -rf "$work/out"
report=$work/time.txt
line=$(/usr/bin/time -v -o "$report" "$driver" --run "$src" "$work/out")
rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$report")
elapsed=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$report")
echo "driver: $line"
echo "outputs: $(ls "$work/out" | wc -l) of $count"
echo "peak RSS $((rss / 1024)) MiB (goal < 4096 MiB), elapsed $elapsed"
exit 0
