"""What the replay page costs on a long run: ruvahost --html per frame, and the page's load
time and JavaScript heap in headless Chromium, with no plot and with plots open.

The long runs: the example card run played REPEATS times (a restart between two), each
93,228 frames, 54 giving 5,034,312 frames of driving; and the card run followed by 78,000 s
standing, 4,968,228 frames of one day, its clock never the same twice. Run with Debian's
python3 and selenium:
  /usr/bin/python3 bench/replay_page.py [--ruvahost build/default/ruvahost] [--repeats 54]
The work folder (a temporary one unless --work names one) holds the scenarios and pages.
"""
import argparse
import os
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, "tests", "tools"))
from report_browser_test import start_browser  # noqa: E402

PLOTS = "plot=110,130,199,230,s14,s16,speed,run"


def write_scenario(path, repeats, standing=0):
    """The example card run, REPEATS times (a restart starts each after the first), then
    STANDING seconds at the last stop."""
    with open(os.path.join(ROOT, "examples", "scenarios", "card_run.scn")) as f:
        lines = [line for line in f if not line.startswith(("show", "snapshot"))]
    with open(path, "w") as out:
        for i in range(repeats):
            out.write("restart\n" if i else "")
            out.writelines(lines)
        if standing:
            out.write("wait %d s\n" % standing)


def page_of(ruvahost, vehicle, scenario, page):
    """Processor seconds and frames of ruvahost --html on SCENARIO."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run([ruvahost, "--quiet", "--html", page, vehicle, scenario], check=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    seconds = after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime
    with open(page, "rb") as f:
        frames = int(re.search(rb'"frames":(\d+)', f.read()).group(1))
    return seconds, frames


# Milliseconds of one redraw of every plot over the whole run, and of one step of a frame.
INTERACTION = """
const start = performance.now();
drawNow();
const drawn = performance.now();
for (let i = 0; i < 100; i++) show(current + 1);
return [drawn - start, (performance.now() - drawn) / 100];
"""


def load(driver, page, fragment):
    """Milliseconds from the start of navigation until the page is ready (its plots
    drawn), and the JS heap in bytes after a garbage collection."""
    driver.get("about:blank")
    driver.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
    driver.get("file://%s#%s" % (os.path.abspath(page), fragment))
    end = time.time() + 120
    while driver.execute_script("return document.body && document.body.dataset.ready") != "1":
        if time.time() > end:
            sys.exit("the page did not get ready in 120 s")
        time.sleep(0.02)
    ready = driver.execute_script(
        "return Number(document.body.dataset.readyAt || performance.now())")
    driver.execute_cdp_cmd("HeapProfiler.enable", {})
    driver.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
    driver.execute_cdp_cmd("Performance.enable", {})
    metrics = {m["name"]: m["value"] for m in
               driver.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]}
    return ready, metrics["JSHeapUsedSize"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ruvahost", default=os.path.join(ROOT, "build", "default", "ruvahost"))
    parser.add_argument("--repeats", type=int, default=54)
    parser.add_argument("--work")
    args = parser.parse_args()
    work = args.work or tempfile.mkdtemp(prefix="replay-page-")
    os.makedirs(work, exist_ok=True)
    vehicle = os.path.join(ROOT, "examples", "vehicle")
    try:
        runs = []
        for repeats, standing in ((1, 0), (args.repeats, 0), (1, 78000)):
            scenario = os.path.join(work, "run%d-%d.scn" % (repeats, standing))
            page = os.path.join(work, "run%d-%d.html" % (repeats, standing))
            write_scenario(scenario, repeats, standing)
            seconds, frames = page_of(args.ruvahost, vehicle, scenario, page)
            runs.append((page, frames, os.path.getsize(page)))
            print("ruvahost --html: %d frames in %.2f s of processor time, %.2f us a frame; "
                  "page %.1f MB" % (frames, seconds, seconds / frames * 1e6,
                                    os.path.getsize(page) / 1e6))
        driver = start_browser(work)
        try:
            for page, frames, size in runs:
                for fragment in ("frame=1", "frame=%d&%s" % (frames // 2, PLOTS)):
                    loads = sorted(load(driver, page, fragment) for _ in range(3))
                    ready, heap = loads[1]
                    print("page of %d frames, #%s: ready after %.0f ms (median of 3), JS heap "
                          "%.1f MB" % (frames, fragment, ready, heap / 1e6))
                if "drawNow" in open(page, encoding="utf-8").read():
                    drawn, step = driver.execute_script(INTERACTION)
                    print("  with those plots: all redrawn in %.0f ms, one frame on in %.2f ms" %
                          (drawn, step))
        finally:
            driver.quit()
    finally:
        if not args.work:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
