#!/usr/bin/env bash
# Whole-batch throughput, measured as whole processes: Brandquill's hidden
# processing dialog against eight parallel single-threaded mogrify processes
# doing the same work, and eight single-threaded vipsthumbnail processes doing
# less (resize and quality 85, no text), on the same generated 12-megapixel
# photos, already in the page cache.
#
#   bench/batch-vs-mogrify.sh [build folder] [photos] [pairs]
#   PHOTOS=24 PAIRS=3 WORK=/some/folder CHAINS=png bench/batch-vs-mogrify.sh
#
# Two chains, each run as PAIRS rounds in which the sides take turns (A B C,
# A B C, ...):
#   resize-text  fit into 1600 x 1600, then a white 50-pixel "(c) Brandquill"
#                24 px from the bottom-right corner, JPEG quality 85; the JPEG
#                can be decoded at half size
#   text-resize  the mark first, then the fit: every photo is decoded whole
#   png          PNG photos of 2000 x 1500 fitted into 1000 x 1000, then the
#                mark, written as PNG at the best compression (zlib level 9)
# Then one case on its own: FOLDER_PHOTOS (2,000) photos of 800 x 600 through
# resize-text into an empty folder and into one that already holds
# FOLDER_OTHERS (20,000) other files, taking turns PAIRS times; the goal is
# the full folder within 10 % of the empty one. FOLDER_PHOTOS=0 skips it;
# CHAINS="" runs it alone (CHAINS=png runs one chain).
# Every process runs under /usr/bin/time -v. Prints per side the median wall
# time, the median of the pair-by-pair ratios, Brandquill's peak RSS and its
# CPU time / wall time (whole process, and during the batch alone), each
# side's CPU time against Brandquill's (what a loaded machine cannot blur as
# much as wall time), with the load average beside them: the goals hold for an otherwise idle 8-core
# machine. Defaults: 96 photos, 5 pairs. Always exits 0; the goals are
# reported, not enforced.
set -uo pipefail

procs=8
mogrify=mogrify-im6.q16

# Internal: one side's eight processes, each on every eighth photo of SRC,
# one thread each; the script times itself running this as a whole.
if [ "${1:-}" = --group ]; then # --group mogrify|vips CHAIN SRC OUT FONT
  tool=$2 chain=$3 out=$5 font=$6
  files=("$4"/*.jpg)
  mark=(-gravity SouthEast -font "$font" -pointsize 50 -fill white -annotate +24+24 '© Brandquill')
  output=(-quality 85)
  if [ "$chain" = resize-text ]; then ops=(-scale 1600x1600 "${mark[@]}"); else ops=("${mark[@]}" -scale 1600x1600); fi
  if [ "$chain" = png ]; then
    files=("$4"/*.png) ops=(-scale 1000x1000 "${mark[@]}") output=(-format png -quality 100)
  fi
  for ((p = 0; p < procs; p++)); do
    share=()
    for ((i = p; i < ${#files[@]}; i += procs)); do share+=("${files[i]}"); done
    [ ${#share[@]} -eq 0 ] && continue
    if [ "$tool" = mogrify ]; then
      MAGICK_THREAD_LIMIT=1 "$mogrify" -path "$out" "${ops[@]}" "${output[@]}" "${share[@]}" &
    else
      VIPS_CONCURRENCY=1 vipsthumbnail -s 1600x1600 -o "$out/%s.jpg[Q=85]" "${share[@]}" &
    fi
  done
  wait
  exit 0
fi

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
photos=${2:-${PHOTOS:-96}}
pairs=${3:-${PAIRS:-5}}
driver=$build/bin/brandquill-bench-batch
self=$here/$(basename "$0")

if [ ! -x "$driver" ]; then
  echo "batch-vs-mogrify: $driver not found; build the project first (scripts/build)."
  exit 0
fi
for tool in "$mogrify" vipsthumbnail /usr/bin/time; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "batch-vs-mogrify: $tool not found; install what scripts/install-deps lists. Nothing measured."
    exit 0
  fi
done
font=$(fc-match -f '%{file}' 'DejaVu Sans' 2>/dev/null || true)
if [ -z "$font" ]; then
  echo "batch-vs-mogrify: fc-match found no DejaVu Sans; install fonts-dejavu-core. Nothing measured."
  exit 0
fi

work=${WORK:-$(mktemp -d)}
mkdir -p "$work"
src=$work/photos
chains=${CHAINS-resize-text text-resize png}
if [ -n "$chains" ] && [ "$(ls "$src"/*.jpg 2>/dev/null | wc -l)" -ne "$photos" ]; then
  rm -rf "$src"
  echo "Generating $photos photos of 4000 x 3000 in $src ..."
  "$driver" --make-photos "$photos" "$src" || { echo "batch-vs-mogrify: generating photos failed."; exit 0; }
fi
src_png=$work/photos-png
if [[ " $chains " == *" png "* ]] && [ "$(ls "$src_png"/*.png 2>/dev/null | wc -l)" -ne "$photos" ]; then
  rm -rf "$src_png"
  echo "Generating $photos PNG photos of 2000 x 1500 in $src_png ..."
  "$driver" --make-photos "$photos" "$src_png" 2000x1500 png || { echo "batch-vs-mogrify: generating photos failed."; exit 0; }
fi
[ -n "$chains" ] && cat "$src"/*.jpg "$src_png"/*.png >/dev/null 2>&1 # into the page cache

# One whole-process measurement: "wall cpu peak_kb" of `time -v`.
timed() { # report-file command...
  local report=$1
  shift
  /usr/bin/time -v -o "$report" "$@" >"$report.out" 2>"$report.err"
  awk -F': ' '
    /Elapsed \(wall clock\)/ { n = split($2, t, ":"); w = 0; for (i = 1; i <= n; i++) w = w * 60 + t[i] }
    /User time/ { c += $2 } /System time/ { c += $2 }
    /Maximum resident set size/ { m = $2 }
    END { printf "%.3f %.3f %d\n", w, c, m }' "$report"
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print 0 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", (b > 0 ? a / b : 0) }'; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }
met() { if awk -v v="$1" -v g="$2" -v op="$3" 'BEGIN { exit !(op == ">=" ? v >= g : v <= g) }'; then echo MET; else echo MISSED; fi; }

echo "batch-vs-mogrify: $photos photos, $pairs pairs, $(nproc) cores; load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$pairs" -lt 5 ] && echo "  (fewer than 5 pairs: a quick run, not the measurement the goals ask for)"

for chain in $chains; do
  echo
  echo "Chain $chain:"
  from=$src
  [ "$chain" = png ] && from=$src_png
  bq_wall=() bq_cpu=() bq_rss=() bq_batch=() mg_wall=() vp_wall=() r_mg=() r_vp=() c_mg=() c_vp=()
  for ((r = 1; r <= pairs; r++)); do
    out=$work/out-bq && rm -rf "$out" && mkdir -p "$out"
    read -r wall bq_cpu_s peak < <(timed "$work/bq.time" "$driver" --run "$from" "$out" "$chain")
    cpu=$bq_cpu_s
    line=$(cat "$work/bq.time.out")
    written=$(ls "$out" | wc -l)
    bq_wall+=("$wall") bq_cpu+=("$(ratio "$cpu" "$wall")") bq_rss+=("$peak")
    bq_batch+=("$(field cpu_per_wall <<<"$line")")
    echo "  pair $r brandquill: wall=$wall cpu=$cpu peak_rss_kb=$peak files=$written $line"

    out=$work/out-mogrify && rm -rf "$out" && mkdir -p "$out"
    read -r wall_mg cpu peak < <(timed "$work/mg.time" "$self" --group mogrify "$chain" "$from" "$out" "$font")
    mg_wall+=("$wall_mg") r_mg+=("$(ratio "$wall_mg" "$wall")") c_mg+=("$(ratio "$cpu" "$bq_cpu_s")")
    echo "  pair $r mogrify x$procs: wall=$wall_mg cpu=$cpu cpu/wall=$(ratio "$cpu" "$wall_mg") ratio=$(ratio "$wall_mg" "$wall")"

    if [ "$chain" = resize-text ]; then
      out=$work/out-vips && rm -rf "$out" && mkdir -p "$out"
      read -r wall_vp cpu peak < <(timed "$work/vp.time" "$self" --group vips "$chain" "$src" "$out" "$font")
      vp_wall+=("$wall_vp") r_vp+=("$(ratio "$wall_vp" "$wall")") c_vp+=("$(ratio "$cpu" "$bq_cpu_s")")
      echo "  pair $r vipsthumbnail x$procs: wall=$wall_vp cpu=$cpu ratio=$(ratio "$wall_vp" "$wall")"
    fi
  done
  sizes=$(identify-im6.q16 -format '%wx%h\n' "$work"/out-bq/*.{jpg,png} 2>/dev/null | sort | uniq -c | awk '{ printf "%s %s ", $1, $2 }')
  peak=$(printf '%s\n' "${bq_rss[@]}" | sort -g | tail -n 1)
  r_mg_med=$(printf '%s\n' "${r_mg[@]}" | median)
  cpu_batch=$(printf '%s\n' "${bq_batch[@]}" | median)
  echo "  Brandquill: median $(printf '%s\n' "${bq_wall[@]}" | median) s; CPU/wall $(printf '%s\n' "${bq_cpu[@]}" | median) (whole process), $cpu_batch (during the batch); peak RSS $((peak / 1024)) MiB; outputs: $sizes"
  echo "  mogrify x$procs: median $(printf '%s\n' "${mg_wall[@]}" | median) s; CPU time / Brandquill's, median of pairs: $(printf '%s\n' "${c_mg[@]}" | median)"
  if [ "$chain" = resize-text ]; then
    r_vp_med=$(printf '%s\n' "${r_vp[@]}" | median)
    echo "  vipsthumbnail x$procs: median $(printf '%s\n' "${vp_wall[@]}" | median) s; CPU time / Brandquill's, median of pairs: $(printf '%s\n' "${c_vp[@]}" | median)"
    echo "  mogrify / Brandquill, median of paired ratios: $r_mg_med (goal >= 1.5): $(met "$r_mg_med" 1.5 ">=")"
    echo "  vipsthumbnail / Brandquill, median of paired ratios: $r_vp_med (goal >= 1.0): $(met "$r_vp_med" 1.0 ">=")"
    echo "  Brandquill peak RSS: $((peak / 1024)) MiB (goal <= 1024 MiB): $(met "$peak" 1048576 "<=")"
  else
    goal=7.5
    [ "$chain" = png ] && goal=7
    echo "  mogrify / Brandquill, median of paired ratios: $r_mg_med (goal >= 1.0): $(met "$r_mg_med" 1.0 ">=")"
    echo "  Brandquill CPU/wall during the batch: $cpu_batch (goal >= $goal on 8 cores): $(met "$cpu_batch" "$goal" ">=")"
  fi
done
folder_photos=${FOLDER_PHOTOS:-2000}
folder_others=${FOLDER_OTHERS:-20000}
if [ "$folder_photos" -gt 0 ]; then
  echo
  echo "Big output folder: $folder_photos photos of 800 x 600 (resize-text) into an empty folder and into one of $folder_others other files:"
  small=$work/photos-small
  if [ "$(ls "$small"/*.jpg 2>/dev/null | wc -l)" -ne "$folder_photos" ]; then
    rm -rf "$small"
    echo "Generating $folder_photos photos of 800 x 600 in $small ..."
    "$driver" --make-photos "$folder_photos" "$small" 800x600 || { echo "batch-vs-mogrify: generating photos failed."; exit 0; }
  fi
  cat "$small"/*.jpg >/dev/null
  empty_wall=() full_wall=() r_full=() c_full=()
  for ((r = 1; r <= pairs; r++)); do
    for kind in empty full; do
      out=$work/out-$kind && rm -rf "$out" && mkdir -p "$out"
      [ "$kind" = full ] && (cd "$out" && seq -f 'other-%05g.jpg' 1 "$folder_others" | xargs touch)
      read -r wall cpu peak < <(timed "$work/bq-$kind.time" "$driver" --run "$small" "$out" resize-text)
      echo "  pair $r $kind folder: wall=$wall cpu=$cpu files=$(ls "$out" | wc -l) $(cat "$work/bq-$kind.time.out")"
      if [ "$kind" = empty ]; then
        empty_wall+=("$wall") e=$wall ec=$cpu
      else
        full_wall+=("$wall") r_full+=("$(ratio "$wall" "$e")") c_full+=("$(ratio "$cpu" "$ec")")
      fi
    done
  done
  r_full_med=$(printf '%s\n' "${r_full[@]}" | median)
  echo "  empty folder: median $(printf '%s\n' "${empty_wall[@]}" | median) s; full folder: median $(printf '%s\n' "${full_wall[@]}" | median) s"
  echo "  full / empty, median of paired ratios: $r_full_med (goal <= 1.10): $(met "$r_full_med" 1.10 "<=")"
  echo "  full / empty CPU time, median of paired ratios: $(printf '%s\n' "${c_full[@]}" | median)"
fi
echo
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg). The goals assume an otherwise idle machine."
exit 0
