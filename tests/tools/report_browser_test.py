"""The replay page of the example card run in headless Chromium.

ruvahost writes the page, the CSV trace and the snapshots of one run; the page must show
what the trace says the panel held at a frame, move with the keys, jump to a stop from
its marker, and draw the same picture as the snapshot of the same frame. Exit status 77
(skipped) only when the browser cannot start. Run with Debian's python3 and selenium:
  /usr/bin/python3 report_browser_test.py --ruvahost build/default/ruvahost \
      --vehicle examples/vehicle --scenario examples/scenarios/card_run.scn --work /tmp/r
--screenshot FILE also copies the page's picture there (the README's picture).
"""
import argparse
import csv
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

SKIP = 77
# Only the prefix and suffix of the example card run's train number; the test stops if
# the run shows another.
PREFIXES = {3: "回"}
SUFFIXES = {0: "A"}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


class Trace:
    """The panel and sound values after each frame, from ruvahost's --trace CSV."""

    def __init__(self, path):
        self.changes = {}
        with open(path, newline="") as f:
            for row in csv.DictReader(f):
                key = (row["kind"], int(row["index"]))
                self.changes.setdefault(key, []).append((int(row["frame"]), int(row["value"])))

    def panel(self, index, frame):
        value = 0
        for at, v in self.changes.get(("panel", index), []):
            if at > frame:
                break
            value = v
        return value


def two(value):
    return "%02d" % value


def time_text(hour, minute, second_fifths):
    """A list time as the display writes it (seconds held in fifths, blanks as --)."""
    marks = {24: "--", 25: "停", 26: "↓", 27: "〓"}
    return "%s:%s:%s" % (marks.get(hour, two(hour)), "--" if minute == 60 else two(minute),
                         "--" if second_fifths == 12 else two(second_fifths * 5))


def svg_texts(all_texts):
    """Texts of a picture without the started sounds, which a snapshot counts since the
    previous one and the page per frame."""
    texts = []
    for text in all_texts:
        if text.startswith("sounds started") or text.startswith("   "):
            continue
        texts.append(text)
    return texts


def start_browser(work):
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
    except ImportError as e:
        print("SKIP: selenium is missing (%s); scripts/install-deps.sh browser installs it" % e)
        sys.exit(SKIP)
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=1500,1000",
                 "--user-data-dir=" + tempfile.mkdtemp(prefix="profile-", dir=work)):
        options.add_argument(flag)
    try:
        return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    except Exception as e:  # any failure to start is the one reason to skip
        print("SKIP: headless Chromium does not start: %s" % str(e).splitlines()[0])
        sys.exit(SKIP)


class Page:
    def __init__(self, driver, path):
        self.driver = driver
        self.url = "file://" + os.path.abspath(path)

    def open(self, frame):
        self.driver.get("about:blank")
        self.driver.get("%s#frame=%d" % (self.url, frame))
        self.wait(lambda: self.js("return document.body.dataset.ready") == "1", "page ready")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, what, seconds=10):
        end = time.time() + seconds
        while time.time() < end:
            if condition():
                return
            time.sleep(0.02)
        fail("timed out waiting for " + what)

    def frame(self):
        return int(self.js("return document.getElementById('frame').textContent"))

    def text(self, element_id):
        return self.js("const e = document.getElementById(arguments[0]);"
                       "return e ? e.textContent : null", element_id)

    def picture_texts(self):
        return self.js("return [...document.querySelectorAll('#screen text')]"
                       ".map(t => t.textContent)")

    def key(self, key):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(key).perform()


def check_display(page, trace, frame):
    """Clock, train number and list rows against the trace at `frame`."""
    panel = lambda i: trace.panel(i, frame)
    check(page.frame() == frame, "page shows frame %d, expected %d" % (page.frame(), frame))
    clock = "%s:%s:%s" % (two(panel(10)), two(panel(11)), two(panel(12)))
    check(page.text("clock") == clock, "clock %r at frame %d, trace says %s" %
          (page.text("clock"), frame, clock))
    prefix, suffix = panel(100), panel(105)
    check(prefix in PREFIXES and suffix in SUFFIXES, "unexpected train number codes %d %d" %
          (prefix, suffix))
    digits = "".join(" " if panel(i) == 10 else str(panel(i)) for i in range(101, 105)).strip()
    train = PREFIXES[prefix] + digits + SUFFIXES[suffix]
    check(page.text("train") == train, "train %r, trace says %r" % (page.text("train"), train))
    for k in range(5):
        for column, base in (("time1", 140), ("time2", 160)):
            expected = time_text(panel(base + 3 * k), panel(base + 3 * k + 1), panel(base + 3 * k + 2))
            shown = page.text("row-%d-%s" % (k, column))
            check(shown == expected, "row %d %s %r at frame %d, trace says %s" %
                  (k, column, shown, frame, expected))


def main():
    parser = argparse.ArgumentParser()
    for name in ("--ruvahost", "--vehicle", "--scenario", "--failing", "--work"):
        parser.add_argument(name, required=name != "--failing")
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    started = time.time()
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    report = os.path.join(args.work, "report.html")
    trace_file = os.path.join(args.work, "trace.csv")
    snapshots = os.path.join(args.work, "snapshots")
    run = subprocess.run([args.ruvahost, "--quiet", "--html", report, "--trace", trace_file,
                          "--out", snapshots, args.vehicle, args.scenario])
    check(run.returncode == 0, "ruvahost exit status %d" % run.returncode)
    content = open(report, "rb").read()
    check(len(content) < 2 * 1024 * 1024, "report has %d bytes, over 2 MB" % len(content))
    check(b"http:" not in content and b"https:" not in content, "report names a web address")
    trace = Trace(trace_file)

    # The snapshots name their frame; the page must draw the same picture there.
    pictures = sorted(os.path.join(d, f) for d, _, files in os.walk(snapshots) for f in files)
    check(len(pictures) >= 3, "expected snapshots from the run")
    texts = lambda root: [t.text or "" for t in root.iter("{http://www.w3.org/2000/svg}text")]
    snapshot = texts(ET.parse(pictures[1]).getroot())
    snapshot_frame = int(re.search(r"frame (\d+)", " ".join(snapshot)).group(1))

    driver = start_browser(args.work)
    try:
        page = Page(driver, report)
        page.open(snapshot_frame)
        check(svg_texts(page.picture_texts()) == svg_texts(snapshot),
              "page and snapshot %s differ:\n%s\n%s" % (pictures[1], page.picture_texts(), snapshot))
        check_display(page, trace, snapshot_frame)
        check(any(page.text("row-%d-name" % k) for k in range(5)), "no stop names beside the rows")

        # A deep link into the middle of a stop's lists, then the keys.
        frame = int(re.search(r"frame (\d+)", " ".join(texts(ET.parse(pictures[2]).getroot())))
                    .group(1)) - 500
        page.open(frame)
        check_display(page, trace, frame)
        page.key("\ue014")  # arrow right
        page.wait(lambda: page.frame() == frame + 1, "arrow right")
        check(driver.current_url.endswith("#frame=%d" % (frame + 1)), "address not updated")
        check_display(page, trace, frame + 1)
        page.key("\ue012\ue012")  # arrow left twice
        page.wait(lambda: page.frame() == frame - 1, "arrow left")
        page.key(" ")
        page.wait(lambda: page.frame() > frame + 5, "playing")
        page.key(" ")
        page.wait(lambda: page.js("return document.body.dataset.playing") == "0", "pause")
        paused = page.frame()
        time.sleep(0.2)
        check(page.frame() == paused, "still playing after the second space")

        # A stop marker jumps to its stop.
        markers = driver.find_elements("css selector", "#markers button[data-kind=stop]")
        check(len(markers) >= 3, "expected a marker per stop")
        marker = markers[2]
        target = int(marker.get_attribute("data-frame"))
        name = marker.find_element("css selector", ".label").text
        marker.click()
        page.wait(lambda: page.frame() == target, "the marker's frame")
        check(driver.current_url.endswith("#frame=%d" % target), "address not at the marker")
        check_display(page, trace, target)
        check(name in [page.text("row-%d-name" % k) for k in range(5)],
              "stop %s not on the display at its marker" % name)

        # The filter keeps the rows that match.
        driver.find_element("id", "filter").send_keys("clock")
        shown = page.js("return [...document.querySelectorAll('#values tr')]"
                        ".filter(r => !r.hidden).map(r => r.cells[1].textContent)")
        check(shown == ["10", "11", "12"], "filter 'clock' shows %s" % shown)
        page.js("document.getElementById('filter').value = ''; "
                "document.getElementById('filter').dispatchEvent(new Event('input'))")
        page.open(frame)
        picture = os.path.join(args.work, "report.png")
        driver.save_screenshot(picture)
        if args.screenshot:
            shutil.copyfile(picture, args.screenshot)

        # A failed expectation is marked, and the run goes on past it.
        if args.failing:
            failing = os.path.join(args.work, "failing.html")
            run = subprocess.run([args.ruvahost, "--quiet", "--html", failing, args.vehicle,
                                  args.failing])
            check(run.returncode == 1, "failing script: exit status %d" % run.returncode)
            Page(driver, failing).open(1)
            labels = [b.find_element("css selector", ".label").text for b in
                      driver.find_elements("css selector", "#markers button[data-kind=expect]")]
            check(len(labels) == 1 and "expected panel 10 = 99" in labels[0],
                  "failed expectation markers: %s" % labels)
    finally:
        driver.quit()
    print("report %d bytes; browser checks passed in %.1f s; screenshot %s" %
          (len(content), time.time() - started, picture))


if __name__ == "__main__":
    main()
