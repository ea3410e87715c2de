"""The replay page of the example card run in headless Chromium.

ruvahost writes the page, the CSV trace and the snapshots of one run. The page must show
what the trace says the panel held at a frame, draw the snapshot's picture at its frame,
move with the keys and jump to a stop from its marker. Exit status 77 (skipped) only when
the browser cannot start. Run with Debian's python3 and selenium:
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

# The example run's train number only; the test stops if the run shows another.
PREFIXES, SUFFIXES = {3: "回"}, {0: "A"}
MARKS = {24: "--", 25: "停", 26: "↓", 27: "〓"}
READ_TEXTS = "return [...document.querySelectorAll('#screen text')].map(t => t.textContent)"


def check(condition, message):
    if not condition:
        print("FAIL: " + message)
        sys.exit(1)


def read_trace(path):
    """Per panel index, its changes as (frame, value), from ruvahost's --trace CSV."""
    changes = {}
    with open(path, newline="") as f:
        for row in csv.DictReader(f):
            if row["kind"] == "panel":
                changes.setdefault(int(row["index"]), []).append((int(row["frame"]), int(row["value"])))
    return lambda index, frame: ([0] + [v for at, v in changes.get(index, []) if at <= frame])[-1]


def time_text(hour, minute, fifths):
    """A list time as the display writes it: seconds held in fifths, blanks as --."""
    return "%s:%s:%s" % (MARKS.get(hour, "%02d" % hour), "--" if minute == 60 else "%02d" % minute,
                         "--" if fifths == 12 else "%02d" % (fifths * 5))


def without_sounds(texts):
    """A snapshot counts the started sounds since the previous one, the page per frame."""
    return [t for t in texts if not t.startswith("sounds started") and not t.startswith("   ")]


def snapshot_texts(path):
    return [t.text or "" for t in ET.parse(path).getroot().iter("{http://www.w3.org/2000/svg}text")]


def start_browser(work):
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
    except ImportError as e:
        print("SKIP: selenium is missing (%s); scripts/install-deps.sh browser installs it" % e)
        sys.exit(77)
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
        sys.exit(77)


class Page:
    def __init__(self, driver, path):
        self.driver, self.url = driver, "file://" + os.path.abspath(path)

    def open(self, frame):
        self.driver.get("about:blank")
        self.driver.get("%s#frame=%d" % (self.url, frame))
        self.wait(lambda: self.driver.execute_script("return document.body.dataset.ready") == "1",
                  "the page")

    def wait(self, condition, what):
        end = time.time() + 10
        while not condition():
            check(time.time() < end, "timed out waiting for " + what)
            time.sleep(0.02)

    def text(self, element_id):
        return self.driver.execute_script(
            "const e = document.getElementById(arguments[0]); return e ? e.textContent : null",
            element_id)

    def frame(self):
        return int(self.text("frame"))

    def key(self, keys):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(keys).perform()

    def check_display(self, panel, frame):
        """Frame, address, clock, train number and list rows against the trace."""
        check(self.frame() == frame, "page shows frame %d, expected %d" % (self.frame(), frame))
        self.wait(lambda: self.driver.current_url.endswith("#frame=%d" % frame), "the address")
        clock = "%02d:%02d:%02d" % (panel(10, frame), panel(11, frame), panel(12, frame))
        check(self.text("clock") == clock, "clock %s at frame %d, trace says %s" %
              (self.text("clock"), frame, clock))
        prefix, suffix = panel(100, frame), panel(105, frame)
        check(prefix in PREFIXES and suffix in SUFFIXES, "train number codes %d %d" % (prefix, suffix))
        digits = "".join(" " if panel(i, frame) == 10 else str(panel(i, frame)) for i in range(101, 105))
        train = PREFIXES[prefix] + digits.strip() + SUFFIXES[suffix]
        check(self.text("train") == train, "train %s, trace says %s" % (self.text("train"), train))
        for k in range(5):
            for column, base in (("time1", 140 + 3 * k), ("time2", 160 + 3 * k)):
                expected = time_text(*(panel(base + i, frame) for i in range(3)))
                shown = self.text("row-%d-%s" % (k, column))
                check(shown == expected, "row %d %s %s at frame %d, trace says %s" %
                      (k, column, shown, frame, expected))


def main():
    parser = argparse.ArgumentParser()
    for name in ("--ruvahost", "--vehicle", "--scenario", "--work"):
        parser.add_argument(name, required=True)
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    started = time.time()
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    report, trace = os.path.join(args.work, "report.html"), os.path.join(args.work, "trace.csv")
    snapshots = os.path.join(args.work, "snapshots")
    run = subprocess.run([args.ruvahost, "--quiet", "--html", report, "--trace", trace, "--out",
                          snapshots, args.vehicle, args.scenario])
    check(run.returncode == 0, "ruvahost exit status %d" % run.returncode)
    content = open(report, "rb").read()
    check(len(content) < 2 * 1024 * 1024, "report has %d bytes, over 2 MB" % len(content))
    check(b"http:" not in content and b"https:" not in content, "report names a web address")
    panel = read_trace(trace)
    pictures = sorted(os.path.join(d, f) for d, _, files in os.walk(snapshots) for f in files)
    check(len(pictures) >= 3, "expected snapshots from the run")
    frame_of = lambda texts: int(re.search(r"frame (\d+)", " ".join(texts)).group(1))

    driver = start_browser(args.work)
    try:
        # At a snapshot's frame the page draws the snapshot's picture.
        page = Page(driver, report)
        snapshot = snapshot_texts(pictures[1])
        page.open(frame_of(snapshot))
        shown = driver.execute_script(READ_TEXTS)
        check(without_sounds(shown) == without_sounds(snapshot),
              "page and %s differ:\n%s\n%s" % (pictures[1], shown, snapshot))
        page.check_display(panel, frame_of(snapshot))
        check(any(page.text("row-%d-name" % k) for k in range(5)), "no stop names beside the rows")

        # A deep link between two stops, then the keys.
        frame = frame_of(snapshot_texts(pictures[2])) - 500
        page.open(frame)
        page.check_display(panel, frame)
        page.key("\ue014")  # arrow right
        page.wait(lambda: page.frame() == frame + 1, "arrow right")
        page.check_display(panel, frame + 1)
        page.key("\ue012\ue012")  # arrow left twice
        page.wait(lambda: page.frame() == frame - 1, "arrow left")
        page.key(" ")
        page.wait(lambda: page.frame() > frame + 5, "playing")
        page.key(" ")
        page.wait(lambda: driver.execute_script("return document.body.dataset.playing") == "0", "pause")
        paused = page.frame()
        time.sleep(0.2)
        check(page.frame() == paused, "still playing after the second space")

        # A stop marker jumps to its stop.
        markers = driver.find_elements("css selector", "#markers button[data-kind=stop]")
        check(len(markers) >= 3, "expected a marker per stop")
        target = int(markers[2].get_attribute("data-frame"))
        name = markers[2].find_element("css selector", ".label").text
        markers[2].click()
        page.wait(lambda: page.frame() == target, "the marker's frame")
        page.check_display(panel, target)
        check(name in [page.text("row-%d-name" % k) for k in range(5)],
              "stop %s not on the display at its marker" % name)

        # The filter keeps the rows that match.
        driver.find_element("id", "filter").send_keys("clock")
        rows = driver.execute_script("return [...document.querySelectorAll('#values tr')]"
                                     ".filter(r => !r.hidden).map(r => r.cells[1].textContent)")
        check(rows == ["10", "11", "12"], "filter 'clock' shows %s" % rows)

        page.open(frame)
        picture = os.path.join(args.work, "report.png")
        driver.save_screenshot(picture)
        if args.screenshot:
            shutil.copyfile(picture, args.screenshot)
    finally:
        driver.quit()
    print("report %d bytes; browser checks passed in %.1f s; screenshot %s" %
          (len(content), time.time() - started, picture))


if __name__ == "__main__":
    main()
