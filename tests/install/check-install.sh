#!/usr/bin/env bash
# check-install.sh CMAKE BUILD APP_ID: installs BUILD into a temporary prefix named with a space and a
# non-ASCII letter, and into a plain one, and uses them as a desktop would; writes only into its temporary
# folder, then removes it.
set -euo pipefail
cmake="$1" build="$2" id="$3"
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate update-mime-database xdg-mime xdg-open gio mimetype identify; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
done
tmp="$(mktemp -d "${TMPDIR:-/tmp}/bq-install.XXXXXX")"
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share"
export XDG_CACHE_HOME="$tmp/home/.cache" XDG_RUNTIME_DIR="$tmp/runtime" TMPDIR="$tmp/tmp"
mkdir -p "$TMPDIR" "$tmp/work" "$tmp/data" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DESTDIR DISPLAY WAYLAND_DISPLAY
prefix="$tmp/Prüf ordner" samples="$tmp/Prüf ordner/lib/brandquill/samples"
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; fail "install"; }
programs="$(cd "$prefix" && find . -type f -perm -u+x)"
[ "$programs" = ./lib/brandquill/bin/brandquill ] || fail "installed programs: $programs"

# Through the link, from outside the tree: without its resources the program complains about the policy.
status=0
(cd "$tmp/work" && "$prefix/bin/brandquill" "$samples/sample-job-silent.bqs") 2>"$tmp/stderr" || status=$?
[ "$status" = 0 ] || fail "exit status $status: $(cat "$tmp/stderr")"
! grep -i "policy not found" "$tmp/stderr" || fail "resources not found"
for i in 1 2 3 4; do
  [ "$(identify -format %wx%h "$samples/photos/Sample output/sample-$i.jpg")" = 824x624 ] || fail "sample-$i"
done

entry="$prefix/share/applications/$id.desktop"
# The program by its absolute path, quoted for the space: PREFIX/bin need not be on PATH.
desktop-file-validate "$entry" && grep -qxF "Exec=\"$prefix/bin/brandquill\" %f" "$entry" || fail "desktop entry"
# A job file opened through the entry under PREFIX ($1) by the opener given; the silent sample on one photo writes
# its one output in the work folder. The display named cannot be opened: the script runs without it.
mkdir "$tmp/work/photos" && cp "$samples/photos/sample-1.jpg" "$tmp/work/photos/"
cp "$samples/sample-job-silent.bqs" "$tmp/work/job.bqs"
open_job() {
  local share="$1/share" out="$tmp/work/photos/Sample output/sample-1.jpg"
  shift && rm -f "$out"
  # Through a pipe, which stays open until the program started, too, has ended.
  (cd "$tmp/work" && env -u XDG_CURRENT_DESKTOP XDG_DATA_DIRS="$share" WAYLAND_DISPLAY=wayland-9 "$@" job.bqs) 2>&1 |
    cat >"$tmp/open.log" && [ "$(identify -format %wx%h "$out")" = 824x624 ] || fail "$*: $(cat "$tmp/open.log")"
}
open_job "$prefix" gio open
# Unquoted where nothing asks for quotes: xdg-open's generic mode takes the first word as the program.
plain="$tmp/plain"
"$cmake" --install "$build" --prefix "$plain" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; fail "install"; }
desktop-file-validate "$plain/share/applications/$id.desktop" &&
  grep -qxF "Exec=$plain/bin/brandquill %f" "$plain/share/applications/$id.desktop" || fail "plain desktop entry"
open_job "$plain" DE=generic xdg-open
for size in 48 128 256; do
  [ "$(identify -format %w "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")" = "$size" ] || fail "icon $size"
done
cp -r "$prefix/share/mime" "$tmp/data/mime" && update-mime-database "$tmp/data/mime" 2>"$tmp/mime.log" || fail "mime"
cp "$prefix"/lib/brandquill/Resources/Profiles/AutoRotate.bqf "$tmp/work/job.bqf"
for file in job.bqf:profile job.bqs:script; do
  type="$(cd "$tmp/work" && XDG_DATA_DIRS="$tmp/data" XDG_CURRENT_DESKTOP=X-Generic xdg-mime query filetype "${file%%:*}")"
  [ "$type" = "application/x-brandquill-${file#*:}" ] && grep -q "MimeType=.*$type;" "$entry" || fail "${file%%:*}: '$type'"
done
