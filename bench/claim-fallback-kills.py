#!/usr/bin/python3
"""Killed runs where a file system has neither rename flags nor hard links.

   bench/claim-fallback-kills.py [build folder] [--trials N] [--delay-ms MS]
                                 [--reencode] [--rerun-after S] [--races N]

Each trial runs a silent job of 100 photos (plain moves, or re-encoded with
--reencode) into an empty folder under the tests' limited file-system library
(no renameat2, no link, every rename() slowed by --delay-ms as on a network
share), kills it with SIGKILL at a random moment, waits --rerun-after seconds
and runs the same job again to its end. Then every photo must be under a final
name once, whole (byte for byte for a move, its colour for a re-encoding), no
final name may hold an empty or torn file, no ".bq-" temporary may be left and
no source either.

--races N then runs N times two jobs at once into one folder, both under the
library: A with Overwrite off, B with Overwrite on, each with one photo named
q005.jpg sixth among 20 others; every photo of B must be found afterwards, and A's
too (under q005.jpg or another name).

--pages N then runs N times a job of 12 three-page TIFFs into pages of JPG
with Overwrite over an earlier run's pages, kills it with SIGKILL at a random
moment, and runs a job of one other photo into that folder: every set of
pages must then be whole, all old or all new, and no ".bq-" file left.

Prints one line per trial and a summary; exits 1 when a trial failed.
"""
import argparse
import hashlib
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PHOTOS = 100


def job(images, dest, overwrite=False, quality=100):
    items = "\n".join('    <Image Path="%s" />' % path for path in images)
    return """<?xml version="1.0" encoding="utf-8"?>
<Script Version="1" Mode="Silent">
  <Images>
%s
  </Images>
  <Properties Class="Rename"><Property Name="PresetRename">0</Property></Properties>
  <Properties Class="Output">
    <Property Name="Destination">1</Property>
    <Property Name="OutputFolderStruct">0</Property>
    <Property Name="DestPath">%s</Property>
    <Property Name="OpenOutputFolder">0</Property>
    <Property Name="DeleteSource">1</Property>
  </Properties>
  <Properties Class="Format">
    <Property Name="OutputFormat">JPG</Property>
    <Property Name="Quality">%d</Property>
  </Properties>
  <Properties Class="Monitor"><Property Name="Overwrite">%d</Property></Properties>
</Script>
""" % (items, dest, quality, 1 if overwrite else 0)


def colour(index):
    return (index * 53 % 256, 255 - index * 2, index * 101 % 256)


def make_photos(folder, names, seed):
    os.makedirs(folder, exist_ok=True)
    for i, name in enumerate(names):
        r, g, b = colour(i + seed)
        subprocess.run(["convert", "-size", "32x24", "xc:rgb(%d,%d,%d)" % (r, g, b), "-quality", "100",
                        os.path.join(folder, name)], check=True)


def colours_of(files):
    """The colour in the middle of each file, by name; None when unreadable."""
    found = {}
    for path in files:
        out = subprocess.run(["convert", path, "-format", "%[fx:int(255*p{16,12}.r+.5)] "
                              "%[fx:int(255*p{16,12}.g+.5)] %[fx:int(255*p{16,12}.b+.5)]", "info:"],
                             capture_output=True, text=True)
        parts = out.stdout.split()
        found[path] = tuple(int(p) for p in parts) if out.returncode == 0 and len(parts) == 3 else None
    return found


def near(a, b):
    return a is not None and all(abs(x - y) <= 6 for x, y in zip(a, b))


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class Runner:
    def __init__(self, build, delay, home):
        # BRANDQUILL: another build of the program, under this build's library.
        self.program = os.environ.get("BRANDQUILL") or os.path.join(build, "bin", "brandquill")
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=home,
                        XDG_CONFIG_HOME=home + "/.config", XDG_DATA_HOME=home + "/.local/share",
                        XDG_CACHE_HOME=home + "/.cache", XDG_RUNTIME_DIR=home + "/run",
                        LD_PRELOAD=os.path.join(build, "tests", "processing", "libbq_limited_fs.so"),
                        BQ_NO_HARD_LINKS="1", BQ_RENAME_DELAY_MS=str(delay))
        os.makedirs(home + "/run", mode=0o700, exist_ok=True)

    def start(self, script):
        return subprocess.Popen([self.program, script], env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def run(self, script):
        return self.start(script).wait()


def trial(runner, base, originals, reencode, kill_after, rerun_after):
    src, out = base + "/src", base + "/out"
    shutil.rmtree(base, ignore_errors=True)
    shutil.copytree(originals, src)
    os.makedirs(out)
    script = base + "/job.bqs"
    names = sorted(os.listdir(src))
    with open(script, "w") as f:
        f.write(job([os.path.join(src, n) for n in names], out, quality=80 if reencode else 100))
    process = runner.start(script)
    try:
        process.wait(timeout=kill_after)
        killed = False
    except subprocess.TimeoutExpired:
        process.send_signal(signal.SIGKILL)
        process.wait()
        killed = True
    empty_after_kill = [n for n in os.listdir(out) if not n.startswith(".bq-")
                        and os.path.getsize(os.path.join(out, n)) == 0]
    time.sleep(rerun_after)
    # Run again with what is left, as the user would.
    with open(script if not os.environ.get("RERUN_ALL") else os.devnull, "w") as f:
        f.write(job([os.path.join(src, n) for n in sorted(os.listdir(src)) if not n.startswith(".bq-")], out,
                    quality=80 if reencode else 100))
    code = runner.run(script)
    problems = []
    finals = [n for n in os.listdir(out) if not n.startswith(".bq-")]
    strays = [n for n in os.listdir(out) if n.startswith(".bq-")] + \
             [n for n in os.listdir(src) if n.startswith(".bq-")]
    left = [n for n in os.listdir(src) if not n.startswith(".bq-")]
    empty = [n for n in finals if os.path.getsize(os.path.join(out, n)) == 0]
    if strays:
        problems.append("strays %s" % strays)
    if left:
        problems.append("sources left %s" % left)
    if empty:
        problems.append("empty %s" % empty)
    if reencode:
        found = colours_of([os.path.join(out, n) for n in finals])
        torn = [os.path.basename(p) for p, c in found.items() if c is None]
        missing = [i for i in range(PHOTOS) if not any(near(c, colour(i)) for c in found.values())]
    else:
        wanted = {digest(os.path.join(originals, n)): n for n in names}
        got = {}
        torn = []
        for n in finals:
            d = digest(os.path.join(out, n))
            if d in wanted:
                got.setdefault(d, []).append(n)
            else:
                torn.append(n)
        missing = [wanted[d] for d in wanted if d not in got]
        twice = [v for v in got.values() if len(v) > 1]
        if twice:
            problems.append("twice %s" % twice)
    if torn and not empty:
        problems.append("torn %s" % torn)
    if missing:
        problems.append("missing %s" % missing)
    renamed = [n for n in finals if "(" in n]
    return killed, empty_after_kill, code, renamed, problems


def race(runner, base, index):
    shutil.rmtree(base, ignore_errors=True)
    out = base + "/out"
    os.makedirs(out)
    scripts = []
    for side, overwrite in (("a", False), ("b", True)):
        src = base + "/" + side
        names = ["%s%03d.jpg" % (side, i) for i in range(20)]
        names.insert(int(os.environ.get("Q_AT", "5")), "q005.jpg")
        make_photos(src, names, 0 if side == "a" else 120)
        script = base + "/" + side + ".bqs"
        with open(script, "w") as f:
            f.write(job([os.path.join(src, n) for n in names], out, overwrite=overwrite))
        scripts.append((side, script, {digest(os.path.join(src, n)): n for n in names}))
    # Either may start first, by up to 0.4 s: the runs meet at q005 at
    # different moments of their commits.
    offset = random.uniform(-0.4, 0.4)
    first, second = (0, 1) if offset >= 0 else (1, 0)
    processes = [None, None]
    processes[first] = runner.start(scripts[first][1])
    time.sleep(abs(offset))
    processes[second] = runner.start(scripts[second][1])
    codes = [p.wait() for p in processes]
    there = {digest(os.path.join(out, n)): n for n in os.listdir(out)}
    lost = {side: [n for d, n in wanted.items() if d not in there] for side, _, wanted in scripts}
    print("race %d: exits %s, out holds %d files, q005 names %s, lost A %s, lost B %s"
          % (index, codes, len(there), sorted(n for n in os.listdir(out) if n.startswith("q005")),
             lost["a"], lost["b"]))
    # B was told to overwrite: A's q005 may be replaced by B's once it is in
    # place, never B's by A's.
    return not lost["b"] and all(n == "q005.jpg" for n in lost["a"])


def page_set(runner, base, index, length):
    """One --pages trial; `length` is how long a whole run lasts, 0 to measure it."""
    shutil.rmtree(base, ignore_errors=True)
    src, out = base + "/src", base + "/out"
    os.makedirs(out)
    names = ["m%02d.tif" % i for i in range(12)]
    script, other = base + "/job.bqs", base + "/other.bqs"
    for seed in (0, 3):
        os.makedirs(src, exist_ok=True)
        for name in names:
            subprocess.run(["convert", "-size", "32x24"] + ["xc:rgb(%d,%d,%d)" % colour(seed + k) for k in range(3)]
                           + [os.path.join(src, name)], check=True)
        with open(script, "w") as f:
            f.write(job([os.path.join(src, n) for n in names], out, overwrite=True))
        if seed == 0:
            began = time.time()
            runner.run(script)
            length = length or time.time() - began
    process = runner.start(script)
    at = random.uniform(0.05, length)
    try:
        process.wait(timeout=at)
    except subprocess.TimeoutExpired:
        process.send_signal(signal.SIGKILL)
        process.wait()

    def mixed():
        """The photos whose pages are neither all old nor all new."""
        left = []
        for name in names:
            found = colours_of([os.path.join(out, name[:-4] + "-%d.jpg" % k) for k in range(3)])
            if not any(all(near(found[p], colour(seed + k)) for k, p in enumerate(sorted(found))) for seed in (0, 3)):
                left.append(name)
        return left

    after_kill = mixed()
    make_photos(base + "/x", ["x.jpg"], 200)
    with open(other, "w") as f:
        f.write(job([base + "/x/x.jpg"], out))
    code = runner.run(other)
    left = mixed()
    strays = [n for n in os.listdir(out) if n.startswith(".bq-")]
    print("pages %d: kill at %.2f s, not whole after the kill %s; next run exit %d, not whole %s, strays %s"
          % (index, at, after_kill, code, left, strays))
    return length, code == 0 and not left and not strays


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build-test")
    parser.add_argument("--trials", type=int, default=100)
    parser.add_argument("--delay-ms", type=int, default=20)
    parser.add_argument("--reencode", action="store_true")
    parser.add_argument("--rerun-after", type=float, default=1.1)
    parser.add_argument("--races", type=int, default=0)
    parser.add_argument("--pages", type=int, default=0)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    random.seed(args.seed)
    work = tempfile.mkdtemp(prefix="bq-claims-")
    runner = Runner(os.path.abspath(args.build), args.delay_ms, work + "/home")
    originals = work + "/originals"
    make_photos(originals, ["p%03d.jpg" % i for i in range(PHOTOS)], 0)
    failed = 0
    if args.trials:
        # One whole run first, for how long a run lasts.
        began = time.time()
        trial(runner, work + "/t", originals, args.reencode, 600, 0)
        length = time.time() - began
        print("a whole run: %.2f s" % length)
        totals = {"killed": 0, "empty after the kill": 0, "renamed": 0}
        for i in range(args.trials):
            at = random.uniform(0.05, length)
            killed, empty, code, renamed, problems = trial(runner, work + "/t", originals, args.reencode, at,
                                                           args.rerun_after)
            totals["killed"] += killed
            totals["empty after the kill"] += bool(empty)
            # A name left empty that the next run did not get back.
            totals["claim renamed"] = totals.get("claim renamed", 0) + any(
                n.replace(".jpg", " (2).jpg") in renamed for n in empty)
            totals["renamed"] += bool(renamed)
            failed += bool(problems) or code != 0
            print("trial %3d: kill at %.2f s%s, empty under a final name after the kill: %s; rerun exit %d%s%s"
                  % (i + 1, at, "" if killed else " (had ended)", empty, code,
                     ", renamed %s" % renamed if renamed else "", "; " + "; ".join(problems) if problems else ""))
        print("%d trials: %s; %d failed" % (args.trials, totals, failed))
    races_failed = 0
    for i in range(args.races):
        races_failed += not race(runner, work + "/r", i + 1)
    if args.races:
        print("%d races: %d lost a photo" % (args.races, races_failed))
    length, pages_failed = 0, 0
    for i in range(args.pages):
        length, whole = page_set(runner, work + "/p", i + 1, length)
        pages_failed += not whole
    if args.pages:
        print("%d page runs: %d left a set of pages not whole" % (args.pages, pages_failed))
    if not os.environ.get("KEEP"):
        shutil.rmtree(work, ignore_errors=True)
    else:
        print("kept", work)
    return 1 if failed or races_failed or pages_failed else 0


if __name__ == "__main__":
    sys.exit(main())
