#!/usr/bin/env bash
# Whole-batch throughput: Brandquill's processing dialog against 8 parallel
# mogrify processes doing the same work (scale to fit 1600 x 1600, a white
# 50-point "(c) Brandquill" 24 px from the bottom-right corner, JPEG quality
# 85) on the same generated 12-megapixel photos, already in the page cache.
#
#   bench/batch-vs-mogrify.sh [build folder]     (default: build)
#   PHOTOS=24 RUNS=3 WORK=/some/folder bench/batch-vs-mogrify.sh
#
# Prints the median of RUNS runs on each side, the ratio mogrify time /
# Brandquill time (goal >= 1.0) and Brandquill's peak memory (goal <= 2 GiB).
# Always exits 0; the goals are reported, not enforced.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
driver=$build/bin/brandquill-bench-batch
photos=${PHOTOS:-24}
runs=${RUNS:-3}
procs=8
mogrify=mogrify-im6.q16

if [ ! -x "$driver" ]; then
  echo "batch-vs-mogrify: $driver not found; build the project first (scripts/build)."
  exit 0
fi
if ! command -v "$mogrify" >/dev/null 2>&1; then
  echo "batch-vs-mogrify: $mogrify not found; install imagemagick-6.q16 (scripts/install-deps). Nothing measured."
  exit 0
fi
if [ ! -x /usr/bin/time ]; then
  echo "batch-vs-mogrify: /usr/bin/time not found; install time (scripts/install-deps). Nothing measured."
  exit 0
fi
font=$(fc-match -f '%{file}' 'DejaVu Sans' 2>/dev/null || true)
if [ -z "$font" ]; then
  echo "batch-vs-mogrify: fc-match found no DejaVu Sans; install fonts-dejavu-core. Nothing measured."
  exit 0
fi

work=${WORK:-$(mktemp -d)}
mkdir -p "$work"
src=$work/photos
if [ "$(ls "$src"/*.jpg 2>/dev/null | wc -l)" -ne "$photos" ]; then
  rm -rf "$src"
  echo "Generating $photos photos of 4000 x 3000 in $src ..."
  "$driver" --make-photos "$photos" "$src" || { echo "batch-vs-mogrify: generating photos failed."; exit 0; }
fi
cat "$src"/*.jpg > /dev/null # into the page cache

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }

# Brandquill: one hidden run of the processing dialog per measurement.
bq_times=()
bq_rss=()
for ((r = 1; r <= runs; r++)); do
  rm -rf "$work/out-bq"
  line=$("$driver" --run "$src" "$work/out-bq")
  echo "  brandquill run $r: $line"
  bq_times+=("$(field seconds <<<"$line")")
  bq_rss+=("$(field peak_rss_kb <<<"$line")")
  bq_workers=$(field workers <<<"$line")
  bq_threads=$(field magick_threads <<<"$line")
done

# mogrify: 8 processes, each on an eighth of the photos, one thread each.
files=("$src"/*.jpg)
mg_times=()
mg_rss=()
for ((r = 1; r <= runs; r++)); do
  out=$work/out-mogrify
  rm -rf "$out" && mkdir -p "$out"
  start=$(date +%s.%N)
  for ((p = 0; p < procs; p++)); do
    share=()
    for ((i = p; i < ${#files[@]}; i += procs)); do share+=("${files[i]}"); done
    [ ${#share[@]} -eq 0 ] && continue
    MAGICK_THREAD_LIMIT=1 /usr/bin/time -f %M -o "$work/rss.$p" \
      "$mogrify" -path "$out" -scale 1600x1600 -gravity SouthEast -font "$font" -pointsize 50 \
      -fill white -annotate +24+24 '© Brandquill' -quality 85 "${share[@]}" &
  done
  wait
  end=$(date +%s.%N)
  seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
  peak=$(cat "$work"/rss.* | sort -g | tail -n 1)
  sum=$(awk '{ s += $1 } END { print s }' "$work"/rss.*)
  rm -f "$work"/rss.*
  echo "  mogrify run $r: seconds=$seconds max_process_rss_kb=$peak sum_rss_kb=$sum"
  mg_times+=("$seconds")
  mg_rss+=("$sum")
done

bq=$(printf '%s\n' "${bq_times[@]}" | median)
bq_peak=$(printf '%s\n' "${bq_rss[@]}" | sort -g | tail -n 1)
mg=$(printf '%s\n' "${mg_times[@]}" | median)
mg_peak=$(printf '%s\n' "${mg_rss[@]}" | sort -g | tail -n 1)
ratio=$(awk -v m="$mg" -v b="$bq" 'BEGIN { printf "%.2f", (b > 0 ? m / b : 0) }')
met() { if awk -v v="$1" -v g="$2" -v op="$3" 'BEGIN { exit !(op == ">=" ? v >= g : v <= g) }'; then echo MET; else echo MISSED; fi; }

echo
echo "Brandquill: $bq s (median of $runs), $bq_workers workers, ImageMagick threads $bq_threads, peak RSS $((bq_peak / 1024)) MiB"
echo "mogrify x$procs: $mg s (median of $runs), peak RSS of all processes together $((mg_peak / 1024)) MiB"
echo "Ratio mogrify / Brandquill: $ratio (goal >= 1.0): $(met "$ratio" 1.0 ">=")"
echo "Brandquill peak RSS: $((bq_peak / 1024)) MiB (goal <= 2048 MiB): $(met "$bq_peak" 2097152 "<=")"
exit 0
