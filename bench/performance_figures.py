"""Every figure of the performance record, before and now, on this machine in one run.

Builds the commit BEFORE (default 7fa8a04, the module before the frame, card-load and
tool work) in a temporary folder and the working tree with its default preset
(build/default, Release), measures each figure for both and prints one Markdown table,
Before | Now | Aim, followed by the command behind each row:

  /usr/bin/python3 bench/performance_figures.py [--before COMMIT] [--rounds N] [--browser]

Instruction counts (callgrind) are the same on every run. Times are the best of N rounds
(default 2), the two builds measured in turn within each round, so that a ratio of two
times compares costs taken side by side. --browser adds the replay page's load time and
JavaScript heap in headless Chromium (slow; needs Debian's python3 with selenium, from
scripts/install-deps.sh browser). The table goes to standard output, progress to
standard error. The programs that measure (bench/card_bench.cpp, frame_instructions.cpp,
card_parse_instructions.cpp) are the working tree's in both builds; where they do not
build against the older module, that build's own are used and the table says so.

Nothing is written outside the temporary folder, which goes at the end (also on Ctrl-C),
and build/default; the rebuild figure touches display/update_frame.cpp (its time only).
"""
import argparse
import glob
import json
import os
import re
import resource
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)
from replay_page import PLOTS, load, page_of, write_scenario  # noqa: E402

MEASURING_SOURCES = ("card_bench.cpp", "frame_instructions.cpp", "card_parse_instructions.cpp")
PARSE_TARGET = """
add_executable(card_parse_instructions card_parse_instructions.cpp)
target_link_libraries(card_parse_instructions PRIVATE ruva_core)
"""
FRAMES = 3000
PARSES = 100
CARD_SIZES = (8 << 10, 64 << 10, 256 << 10, 1000 << 10)
REPEATS_LONG = 54
# The tools speak English whatever the caller's locale, so that both builds do the same.
TOOL_ENV = dict(os.environ, LC_ALL="C.UTF-8")


class Interrupted(BaseException):
    """A signal to stop: it passes every handler of failed figures."""


def on_signal(number, frame):
    raise Interrupted("signal %d" % number)


def progress(text):
    print("== " + text, file=sys.stderr, flush=True)


class Side:
    """One build: its source folder, its build folder and the figures measured of it."""

    def __init__(self, name, label, source):
        self.name, self.label, self.source = name, label, source
        self.build = os.path.join(source, "build", "default")
        self.figures = {}
        self.notes = []

    def program(self, *parts):
        return os.path.join(self.build, *parts)


class Runner:
    """Runs each command in a session of its own, so that an interruption ends the whole
    command (cmake, ninja and the compilers) and nothing else."""

    def __init__(self, work):
        self.work = work
        self.count = 0

    def path(self, name):
        self.count += 1
        return os.path.join(self.work, "%03d-%s" % (self.count, name))

    def run(self, args, cwd=None, env=None, check=True, log=None):
        log = log or self.path("log")
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.monotonic()
        with open(log, "wb") as out:
            child = subprocess.Popen(args, cwd=cwd, env=env, stdout=out, stderr=subprocess.STDOUT,
                                     stdin=subprocess.DEVNULL, start_new_session=True)
            try:
                code = child.wait()
            except BaseException:
                stop(child)
                raise
        wall = time.monotonic() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        if check and code != 0:
            with open(log, "rb") as f:
                tail = f.read()[-3000:].decode("utf-8", "replace")
            raise RuntimeError("%s failed (%d):\n%s" % (" ".join(args), code, tail))
        cpu = after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime
        return code, wall, cpu, log

    def callgrind(self, args, toggle=None, check=True):
        """The instructions that callgrind counts of ARGS, and its output file; CHECK=False
        for a program whose exit code tells what it found."""
        out = self.path("callgrind.out")
        command = ["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out]
        if toggle:
            command.append("--toggle-collect=" + toggle)
        self.run(command + args, env=TOOL_ENV, check=check)
        with open(out) as f:
            for line in f:
                match = re.match(r"(summary|totals): (\d+)", line)
                if match:
                    return int(match.group(2)), out
        raise RuntimeError("no instruction total in " + out)


def stop(child):
    try:
        os.killpg(child.pid, signal.SIGTERM)
        child.wait(timeout=10)
    except subprocess.TimeoutExpired:
        os.killpg(child.pid, signal.SIGKILL)
        child.wait()
    except ProcessLookupError:
        pass


def inclusive_cost(callgrind_out, function):
    """Instructions of FUNCTION and everything it calls (callgrind_annotate), and how
    often it was called (the call records of the output file)."""
    text = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100",
                           callgrind_out], capture_output=True, text=True, check=True).stdout
    cost = None
    for line in text.splitlines():
        match = re.match(r"\s*([\d,]+)\s.*:%s(\s|\(|$)" % re.escape(function), line)
        if match:
            cost = int(match.group(1).replace(",", ""))
            break
    if cost is None:
        raise RuntimeError("callgrind_annotate names no %s" % function)
    names, calls, callee = {}, 0, None
    with open(callgrind_out) as f:
        for line in f:
            match = re.match(r"c?fn=\((\d+)\)(?: (.*))?", line)
            if match:
                if match.group(2):
                    names[match.group(1)] = match.group(2)
                callee = names.get(match.group(1)) if line.startswith("cfn") else None
            elif line.startswith("calls=") and callee == function:
                calls += int(line[6:].split()[0])
    return cost, calls


# ---------------------------------------------------------------------------- builds

def build_now(runner, side):
    progress("building the working tree (build/default)")
    runner.run(["cmake", "--preset", "default"], cwd=side.source)
    runner.run(["cmake", "--build", "--preset", "default"], cwd=side.source)


def build_before(runner, side, commit):
    progress("building %s in %s" % (commit, side.source))
    os.makedirs(side.source)
    archive = subprocess.Popen(["git", "-C", ROOT, "archive", commit], stdout=subprocess.PIPE)
    subprocess.run(["tar", "-x", "-C", side.source], stdin=archive.stdout, check=True)
    archive.stdout.close()
    if archive.wait() != 0:
        raise RuntimeError("git archive %s failed" % commit)
    originals = {}
    for name in MEASURING_SOURCES:
        target = os.path.join(side.source, "bench", name)
        if os.path.exists(target):
            with open(target, "rb") as f:
                originals[name] = f.read()
        shutil.copyfile(os.path.join(HERE, name), target)
    cmake_lists = os.path.join(side.source, "bench", "CMakeLists.txt")
    with open(cmake_lists) as f:
        has_parse_target = "card_parse_instructions" in f.read()
    if not has_parse_target:
        with open(cmake_lists, "a") as f:
            f.write(PARSE_TARGET)
    runner.run(["cmake", "--preset", "default"], cwd=side.source)
    code, _, _, log = runner.run(["cmake", "--build", "--preset", "default"], cwd=side.source,
                                 check=False)
    if code != 0:
        restored = sorted(originals)
        for name, text in originals.items():
            with open(os.path.join(side.source, "bench", name), "wb") as f:
                f.write(text)
        side.notes.append("the before build measures with its own bench/%s: the working "
                          "tree's do not build against it" % ", ".join(restored))
        runner.run(["cmake", "--build", "--preset", "default"], cwd=side.source)


# ---------------------------------------------------------------------- measurements

def frame_instructions(runner, side):
    for state in ("card", "beacon", "none"):
        total, _ = runner.callgrind([side.program("bench", "frame_instructions"), str(FRAMES),
                                     state], toggle="ruvaMeasuredFrames")
        side.figures["frame_" + state] = "%d" % (total // FRAMES)


def example_card():
    cards = sorted(glob.glob(os.path.join(ROOT, "examples", "vehicle", "rapid", "*.csv")))
    if not cards:
        raise RuntimeError("no card in examples/vehicle/rapid")
    return cards[0]


def trace_instructions(runner, side):
    vehicle = os.path.join(ROOT, "examples", "vehicle")
    for key, extra in (("trace", ["--trace", runner.path("trace.csv")]), ("no_trace", [])):
        total, out = runner.callgrind([side.program("ruvahost"), "--quiet"] + extra +
                                      ["--card", example_card(), vehicle])
        elapse, calls = inclusive_cost(out, "Elapse")
        side.figures[key] = "%.2f" % (total / elapse)
        if key == "trace" and calls:
            side.figures["elapse_frame"] = "%d" % (elapse // calls)
            side.figures["drive_frames"] = "{:,}".format(calls)
            frame, _ = inclusive_cost(out, "ScenarioRunner::frame")
            side.figures["trace_frame"] = "%.2f" % (frame / elapse)


def check_instructions(runner, side):
    card = example_card()
    empty = os.path.join(runner.work, "empty-card", os.path.basename(card))
    os.makedirs(os.path.dirname(empty), exist_ok=True)
    open(empty, "wb").close()
    checked, out = runner.callgrind([side.program("ruvacard"), "check", card], check=False)
    nothing, _ = runner.callgrind([side.program("ruvacard"), "check", empty], check=False)
    parsed, _ = runner.callgrind([side.program("bench", "card_parse_instructions"), card,
                                  str(PARSES)], toggle="ruvaMeasuredParses")
    own_parses, _ = inclusive_cost(out, "parseCardText")
    side.figures["check"] = "%.2f" % ((checked - nothing) / (parsed / PARSES))
    side.figures["check_own_parses"] = "%.2f" % ((checked - nothing) / own_parses)
    side.figures["check_detail"] = "{:,} − {:,}, one parse {:,}, the check's parses {:,}".format(
        checked, nothing, parsed // PARSES, own_parses)


def card_benchmarks(runner, side, best):
    """One run of the card benchmarks; BEST keeps each benchmark's least CPU time."""
    names = "LoadCard|ReadCardFile|ReadCardBytes|LoadCardOfSize|ParseCardOfSize"
    out = runner.path("card-bench.json")
    runner.run([side.program("bench", "ruva_bench"), "--benchmark_filter=^BM_(%s)(/|$)" % names,
                "--benchmark_repetitions=3", "--benchmark_min_time=0.2",
                "--benchmark_out_format=json", "--benchmark_out=" + out])
    with open(out) as f:
        for entry in json.load(f)["benchmarks"]:
            if entry.get("run_type", "iteration") != "iteration":
                continue
            name = entry["run_name"] if "run_name" in entry else entry["name"]
            best[name] = min(best.get(name, float("inf")), entry["cpu_time"])


def card_ratios(side, best):
    def ratio(key, numerator, denominator):
        if numerator in best and denominator in best:
            side.figures[key] = "%.2f" % (best[numerator] / best[denominator])
    ratio("load_read", "BM_LoadCard", "BM_ReadCardFile")
    ratio("reading_read", "BM_ReadCardBytes", "BM_ReadCardFile")
    for size in CARD_SIZES:
        ratio("load_parse_%d" % size, "BM_LoadCardOfSize/%d" % size,
              "BM_ParseCardOfSize/%d" % size)


def html_pages(side, scenarios, pages):
    """Microseconds a frame of ruvahost --html (processor time) for each scenario; the
    best of the rounds so far stays."""
    vehicle = os.path.join(ROOT, "examples", "vehicle")
    for key, scenario in scenarios.items():
        page = os.path.join(os.path.dirname(scenario), "%s-%s.html" % (side.name, key))
        seconds, frames = page_of(side.program("ruvahost"), vehicle, scenario, page)
        per_frame = seconds / frames * 1e6
        old = side.figures.get("html_" + key)
        if old is None or per_frame < float(old):
            side.figures["html_" + key] = "%.2f" % per_frame
        side.figures["html_frames_" + key] = frames
        pages[(side.name, key)] = (page, frames)


def browser_figures(work, sides, pages):
    from report_browser_test import start_browser
    driver = start_browser(work)
    try:
        for side in sides:
            page, frames = pages[(side.name, "long")]
            for key, fragment in (("first", "frame=1"),
                                  ("plots", "frame=%d&%s" % (frames // 2, PLOTS))):
                loads = sorted(load(driver, page, fragment) for _ in range(3))
                ready, heap = loads[1]
                side.figures["page_" + key] = "%.0f ms" % ready
                side.figures["heap_" + key] = "%.1f MB" % (heap / 1e6)
    finally:
        driver.quit()


def rebuild_and_ctest(runner, side):
    """Seconds of the rebuild after touching one display file, and of the native suite
    without the browser test; the best of the rounds so far stays."""
    source = os.path.join(side.source, "display", "update_frame.cpp")
    now = time.time()
    os.utime(source, (now, now))
    _, wall, _, _ = runner.run(["cmake", "--build", "--preset", "default"], cwd=side.source)
    keep_best(side, "rebuild", wall)
    code, wall, _, log = runner.run(["ctest", "--test-dir", side.build, "-j2", "-E", "browser"],
                                    check=False)
    keep_best(side, "ctest", wall)
    if code != 0:
        with open(log, errors="replace") as f:
            failed = re.findall(r"^\s*\d+ - (\S+) \(", f.read().split("tests FAILED:")[-1], re.M)
        side.figures["ctest_failed"] = "failed: " + (", ".join(failed) or "see ctest")


def keep_best(side, key, seconds):
    if key not in side.figures or seconds < side.figures[key]:
        side.figures[key] = seconds


# ------------------------------------------------------------------------- the table

ROWS = [
    # key, figure, aim, command note
    ("frame_card", "Instructions per `Elapse`, card mode", "≤ 1,000", 1),
    ("frame_beacon", "Instructions per `Elapse`, beacon mode", "≤ 1,100", 1),
    ("frame_none", "Instructions per `Elapse`, no route data", "≤ 700", 1),
    ("load_read", "63-stop card load to one plain `read()` of it (time ratio)", "≤ 2", 2),
    ("reading_read", "the load's reading of it to one plain `read()` (time ratio)", "≤ 2", 2),
] + [("load_parse_%d" % size, "card load to its own parse, %d KiB (time ratio)" % (size >> 10),
      "≤ 1.2", 2) for size in CARD_SIZES] + [
    ("trace", "`ruvahost --trace` to the module's `Elapse` (instructions)", "≤ 1.3", 3),
    ("trace_frame", "the same, a frame alone (instructions)", "≤ 1.3", 3),
    ("no_trace", "`ruvahost` without a trace to `Elapse` (instructions)", "", 3),
    ("html_short", "`ruvahost --html` per frame, 93,228 frames", "≤ 4 µs", 4),
    ("html_long", "`ruvahost --html` per frame, %d card runs" % REPEATS_LONG, "≤ 4 µs, linear", 4),
    ("page_first", "replay page of the %d card runs ready, first frame" % REPEATS_LONG, "≤ 2 s", 5),
    ("page_plots", "the same at its middle frame, 8 plots open", "≤ 2 s", 5),
    ("heap_first", "its JavaScript heap, first frame", "≤ 20 MB", 5),
    ("heap_plots", "its JavaScript heap, 8 plots open", "≤ 20 MB", 5),
    ("check", "`ruvacard check` to the module's parse, per card (instructions)", "≤ 2", 6),
    ("check_own_parses", "`ruvacard check` to the parses it makes itself (instructions)", "", 6),
    ("rebuild", "rebuild after touching `display/update_frame.cpp`", "≤ 4 s", 7),
    ("ctest", "native `ctest` without the browser test", "≤ 6 s", 8),
]


def shown(side, key):
    value = side.figures.get(key)
    if value is None:
        return "n/a"
    if key in ("rebuild", "ctest"):
        value = "%.1f s" % value
        if key == "ctest" and "ctest_failed" in side.figures:
            value += " (%s)" % side.figures["ctest_failed"]
    elif key.startswith("html_"):
        value += " µs"
    return value


def commands(before, now, args):
    build = "BUILD"
    frames = ["{:,}".format(now.figures.get("html_frames_" + k) or
                            before.figures.get("html_frames_" + k, 0)) for k in ("short", "long")]
    trace = "; `Elapse` costs %s (before) and %s (now) instructions a frame over %s frames" % (
        before.figures.get("elapse_frame", "?"), now.figures.get("elapse_frame", "?"),
        now.figures.get("drive_frames", "?"))
    return [
        "`valgrind --tool=callgrind --toggle-collect=ruvaMeasuredFrames %s/bench/frame_instructions"
        " %d card|beacon|none`: the `summary` of the output file divided by %d." % (
            build, FRAMES, FRAMES),
        "`%s/bench/ruva_bench --benchmark_filter='^BM_(LoadCard|ReadCardFile|ReadCardBytes|"
        "LoadCardOfSize|ParseCardOfSize)(/|$)' --benchmark_repetitions=3 "
        "--benchmark_min_time=0.2`, %d rounds, the two builds in turn: the least CPU time of "
        "each benchmark, then `BM_LoadCard` / `BM_ReadCardFile`, `BM_ReadCardBytes` / "
        "`BM_ReadCardFile` and `BM_LoadCardOfSize/N` / `BM_ParseCardOfSize/N`." % (
            build, args.rounds),
        "`valgrind --tool=callgrind %s/ruvahost --quiet [--trace t.csv] --card "
        "examples/vehicle/rapid/*.csv examples/vehicle`: the total instructions divided by the "
        "inclusive cost of `Elapse` (`callgrind_annotate --inclusive=yes`), and for a frame alone "
        "the inclusive cost of `ScenarioRunner::frame` divided by it%s." % (build, trace),
        "`%s/ruvahost --quiet --html page.html examples/vehicle RUN.scn` (bench/replay_page.py's "
        "runs: the example card run, and it played %d times with a restart between two; %s "
        "frames): processor time, the tool's start included, divided by the frames; the best of %d "
        "rounds." % (build, REPEATS_LONG, " and ".join(frames), args.rounds),
        "bench/replay_page.py's measure of the page of the %d card runs in headless Chromium: "
        "median of 3 loads from the start of navigation until the page is ready, and "
        "`JSHeapUsedSize` after a garbage collection (`--browser`; the page before draws no "
        "plot, its second column is that page at its middle frame)." % REPEATS_LONG,
        "`valgrind --tool=callgrind %s/ruvacard check examples/vehicle/rapid/*.csv` minus the "
        "same check of an empty file of that name (the tool's start), divided by one parse of "
        "the card as a card beacon parses it (`valgrind --tool=callgrind --toggle-collect="
        "ruvaMeasuredParses %s/bench/card_parse_instructions CARD %d`, divided by %d); the "
        "second row divides by the inclusive cost of every `parseCardText` of the check "
        "(with its diagnostics, and of single rows); before: %s; now: %s." % (
            build, build, PARSES, PARSES, before.figures.get("check_detail", "n/a"),
            now.figures.get("check_detail", "n/a")),
        "`touch display/update_frame.cpp; cmake --build --preset default` (wall time; the "
        "generator each commit's preset names), the best of %d rounds." % args.rounds,
        "`ctest --test-dir %s -j2 -E browser` (wall time), the best of %d rounds." % (
            build, args.rounds),
    ]


def machine():
    model = "unknown processor"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    compiler = subprocess.run(["c++", "--version"], capture_output=True,
                              text=True).stdout.splitlines()[0]
    return "%s, %d cores, %s" % (model, os.cpu_count(), compiler)


def print_table(before, now, args, loads, started):
    print("Measured %s to %s UTC on one machine (%s), load average %.1f to %.1f; "
          "`bench/performance_figures.py --rounds %d%s`." % (
              time.strftime("%Y-%m-%d %H:%M", time.gmtime(started)),
              time.strftime("%H:%M", time.gmtime()), machine(), min(loads), max(loads),
              args.rounds, " --browser" if args.browser else ""))
    print()
    print("| Figure | Before (%s) | Now (%s) | Aim | How |" % (before.label, now.label))
    print("|---|---|---|---|---|")
    for key, figure, aim, note in ROWS:
        if key.startswith(("page_", "heap_")) and not args.browser:
            continue
        print("| %s | %s | %s | %s | [%d] |" % (figure, shown(before, key), shown(now, key),
                                              aim or "", note))
    print("| `make test` on a clean clone | not measured here | not measured here | ≤ 10 min "
          "| [9] |")
    print()
    for number, text in enumerate(commands(before, now, args), 1):
        print("[%d] %s" % (number, text))
    print("[9] `git clone REPO t && cd t && time make test` (some 15 minutes; run it apart).")
    print()
    print("BUILD: build/default of the working tree, and of the before commit built in a "
          "temporary folder with its own default preset.")
    for note in before.notes + now.notes:
        print("Note: " + note + ".")


# ----------------------------------------------------------------------------- main

def measure(runner, before, now, args, loads):
    sides = (before, now)

    def attempt(what, function, *extra):
        for side in sides:
            try:
                function(runner, side, *extra)
            except Exception as e:  # a figure that cannot be taken is n/a, with its reason
                side.notes.append("%s of the %s build not measured: %s" % (
                    what, side.name, str(e).strip().splitlines()[0]))
    progress("instructions per frame")
    attempt("the frame instructions", frame_instructions)
    progress("ruvahost --trace under callgrind")
    attempt("the trace ratio", trace_instructions)
    progress("ruvacard check under callgrind")
    attempt("the check ratio", check_instructions)

    best = {side.name: {} for side in sides}
    scenarios = {}
    for key, repeats in (("short", 1), ("long", REPEATS_LONG)):
        scenarios[key] = os.path.join(runner.work, "run-%s.scn" % key)
        write_scenario(scenarios[key], repeats)
    pages = {}
    for round_number in range(args.rounds):
        progress("round %d of %d: card benchmarks, ruvahost --html, rebuild, ctest" % (
            round_number + 1, args.rounds))
        loads.append(os.getloadavg()[0])
        attempt("the card benchmarks", lambda r, s: card_benchmarks(r, s, best[s.name]))
        attempt("ruvahost --html", lambda r, s: html_pages(s, scenarios, pages))
        attempt("the rebuild and ctest", rebuild_and_ctest)
        loads.append(os.getloadavg()[0])
    for side in sides:
        card_ratios(side, best[side.name])
    if args.browser:
        progress("the replay pages in headless Chromium")
        try:
            browser_figures(runner.work, sides, pages)
        except (Exception, SystemExit) as e:
            now.notes.append("the browser figures not measured: %s" % e)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--before", default="7fa8a04", help="the commit to compare with")
    parser.add_argument("--rounds", type=int, default=2, help="rounds of each timed figure")
    parser.add_argument("--browser", action="store_true",
                        help="also the replay page's load time and heap (slow)")
    args = parser.parse_args()
    for number in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(number, on_signal)
    os.nice(10)
    started = time.time()
    commit = subprocess.run(["git", "-C", ROOT, "rev-parse", "--verify", "--short",
                             args.before + "^{commit}"], capture_output=True, text=True)
    if commit.returncode != 0:
        sys.exit("no commit %s in %s" % (args.before, ROOT))
    head = subprocess.run(["git", "-C", ROOT, "describe", "--always", "--dirty"],
                          capture_output=True, text=True).stdout.strip()
    work = tempfile.mkdtemp(prefix="ruva-figures-")
    # Whatever the tools, tests and benchmarks write to the temporary folder goes with it.
    os.environ["TMPDIR"] = TOOL_ENV["TMPDIR"] = os.path.join(work, "tmp")
    os.makedirs(os.environ["TMPDIR"])
    # As open as /tmp, for the tests that read their files as an unprivileged user.
    os.chmod(work, 0o711)
    os.chmod(os.environ["TMPDIR"], 0o1777)
    # ruvahost --card writes a picture of every card row into its working folder.
    os.chdir(work)
    try:
        runner = Runner(work)
        before = Side("before", commit.stdout.strip(), os.path.join(work, "before"))
        now = Side("now", head, ROOT)
        loads = [os.getloadavg()[0]]
        build_before(runner, before, args.before)
        build_now(runner, now)
        measure(runner, before, now, args, loads)
        print_table(before, now, args, loads, started)
    except Interrupted:
        print("interrupted; the temporary folder is removed", file=sys.stderr)
        return 130
    except RuntimeError as e:
        print(e, file=sys.stderr)
        return 1
    finally:
        for number in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            signal.signal(number, signal.SIG_IGN)
        os.chdir(ROOT)
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
