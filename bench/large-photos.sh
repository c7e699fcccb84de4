#!/usr/bin/env bash
# Memory of a batch of very large photos: eight workers, each on a genuine
# 100-megapixel photo (12240 x 8160, photo-like content with noise), through
# the processing dialog with the batch benchmark's chain (scale to fit
# 1600 x 1600, a text mark, JPEG quality 85). The workers share one pixel
# budget of the policy's 3 GiB, so the whole process should peak under
# 4 GiB resident.
#
#   bench/large-photos.sh [build folder]              (default: build)
#   COUNT=1 SIZE=17320x11548 bench/large-photos.sh    (one 200-megapixel photo)
#   SIZE=6000x4000 / SIZE=8484x5656                   (24 and 48 megapixels)
#   WORK=/some/folder bench/large-photos.sh           (keeps the photos for reruns)
#   SRC=/some/folder bench/large-photos.sh            (its photos, JPEG or GIF, as they are)
#   KIND=dng CHAIN=border bench/large-photos.sh       (striped uncompressed camera raws instead)
#   CHAIN=border FORMATS="PICT PSD JPG" bench/large-photos.sh
#   READBACK=both bench/large-photos.sh               (each format with and without the
#                                                      check that reads every output back)
#   CONVERT=1 CHAIN=border bench/large-photos.sh      (and eight parallel single-threaded
#                                                      convert processes doing the same)
#
# CHAIN is one of the batch driver's: resize-text (default), none, border
# (white 12 px), text-border, text-rotate-border (the mark, Rotate 30
# degrees, the border). READBACK=off skips the check (the program always
# runs it; the switch exists for this measurement only). CONVERT=1 holds
# each convert to an eighth of 3 GiB in memory (-limit memory 384MiB
# -limit map 0 -limit thread 1) under the program's own policy, whose disk
# and area limits the photos fit (a system policy may allow 1 GiB of disk
# cache), and is run for JPG outputs of the chains none, border,
# text-border and text-rotate-border.
#
# Prints per run the driver's line (time, workers, errors), the outputs
# written and /usr/bin/time -v's maximum resident set size, elapsed time
# and CPU time (user + system: CPU/wall shows how many cores were busy),
# with the load average. Always exits 0; the goal is reported, not
# enforced. Needs about 1 GB of disk per 100 MP photo and several GB of free
# disk for the caches.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
driver=$build/bin/brandquill-bench-batch
count=${COUNT:-8}
size=${SIZE:-12240x8160}
chain=${CHAIN:-resize-text}
formats=${FORMATS:-JPG}
readback=${READBACK:-on}
kind=${KIND:-jpg}

if [ ! -x "$driver" ]; then
  echo "large-photos: $driver not found; build the project first (scripts/build)."
  exit 0
fi
if [ ! -x /usr/bin/time ]; then
  echo "large-photos: /usr/bin/time not found; install time (scripts/install-deps). Nothing measured."
  exit 0
fi

work=${WORK:-$(mktemp -d)}
mkdir -p "$work"
src=${SRC:-$work/photos-$size${KIND:+-$kind}}
if [ -z "${SRC:-}" ] && [ "$(ls "$src"/*."$kind" 2>/dev/null | wc -l)" -ne "$count" ]; then
  rm -rf "$src"
  echo "Generating $count photos of $size in $src ..."
  "$driver" --make-photos "$count" "$src" "$size" "$kind" || { echo "large-photos: generating photos failed."; exit 0; }
fi
photos=$(ls "$src" | grep -ciE '\.(jpg|gif|png|dng)$')
load() { cut -d' ' -f1-3 /proc/loadavg; }
cpu() { # /usr/bin/time -v report: user + system seconds
  awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.1f", s }' "$1"
}

run() { # FORMAT SKIP
  local format=$1 skip=$2 report=$work/time.txt line rss elapsed
  rm -rf "$work/out"
  line=$(BRANDQUILL_BENCH_SKIP_READBACK=$skip /usr/bin/time -v -o "$report" "$driver" --run "$src" "$work/out" "$chain" "$format")
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$report")
  elapsed=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$report")
  cpu=$(cpu "$report")
  echo "$chain -> $format, read-back $([ "$skip" = 1 ] && echo skipped || echo on), $photos photos:"
  echo "  driver: $line"
  echo "  files written: $(ls "$work/out" | wc -l); peak RSS $((rss / 1024)) MiB (goal < 4096 MiB), elapsed $elapsed, CPU ${cpu} s, load $(load)"
}

for format in $formats; do
  case $readback in
    both) run "$format" 0; run "$format" 1 ;;
    off) run "$format" 1 ;;
    *) run "$format" 0 ;;
  esac
done

if [ "${CONVERT:-0}" = 1 ]; then
  font=$(fc-match -f '%{file}' 'DejaVu Sans' 2>/dev/null || true)
  mark=(-gravity SouthEast -font "$font" -pointsize 50 -fill white -annotate +24+24 '© Brandquill' -gravity NorthWest)
  case $chain in
    none) ops=() ;;
    border) ops=(-bordercolor white -border 12) ;;
    text-border) ops=("${mark[@]}" -bordercolor white -border 12) ;;
    text-rotate-border) ops=("${mark[@]}" -background white -rotate 30 -bordercolor white -border 12) ;;
    *) echo "large-photos: no convert run for the chain $chain."; exit 0 ;;
  esac
  rm -rf "$work/convert" && mkdir -p "$work/convert"
  : > "$work/convert-ops"
  [ ${#ops[@]} -eq 0 ] || printf '%s\0' "${ops[@]}" > "$work/convert-ops"
  start=$(date +%s.%N)
  # One bash waits for all eight, so time counts their CPU together.
  MAGICK_CONFIGURE_PATH=$here/../Resources /usr/bin/time -f '%U %S' -o "$work/convert-time.txt" bash -c '
    out=$1; mapfile -d "" ops < "$2"; shift 2
    for file in "$@"; do
      convert -limit memory 384MiB -limit map 0 -limit thread 1 \
        "$file" "${ops[@]}" -quality 85 "$out/$(basename "$file")" &
    done
    wait' _ "$work/convert" "$work/convert-ops" "$src"/*.jpg
  end=$(date +%s.%N)
  echo "convert, $chain -> JPG, $photos processes at once: $(echo "$end - $start" | bc) s," \
    "CPU $(awk '{ printf "%.1f", $1 + $2 }' "$work/convert-time.txt") s," \
    "files written: $(ls "$work/convert" | wc -l), load $(load)"
fi
exit 0
