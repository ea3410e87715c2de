"""The replay page of the example card run in headless Chromium.

ruvahost writes the page, the CSV trace and the snapshots of one run. The page must show
what the trace says the panel held at a frame, draw the snapshot's picture at its frame,
move with the keys and jump to a stop from its marker; plot an index picked in the table
with the trace's values and every short change visible, zoom, and open the plots that an
address names; lay out without overlaps in English and in Japanese; and, compared with a
run of a changed card, link to the first difference that ruvahost --diff names. Exit
status 77 (skipped) only when the browser cannot start. Run with Debian's python3 and
selenium:
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


def read_changes(path):
    """Per plot name ("110", "s14"), its changes as (frame, value), from a --trace CSV."""
    changes = {}
    with open(path, newline="") as f:
        for row in csv.DictReader(f):
            if row["kind"] != "note":
                key = ("s" if row["kind"] == "sound" else "") + row["index"]
                changes.setdefault(key, []).append((int(row["frame"]), int(row["value"])))
    return changes


def value_at(changes, key, frame):
    return ([0] + [v for at, v in changes.get(key, []) if at <= frame])[-1]


def read_trace(path):
    """The value of a panel index at a frame, from ruvahost's --trace CSV."""
    changes = read_changes(path)
    return lambda index, frame: value_at(changes, str(index), frame)


# Pairs of elements whose boxes intersect, among each group that the selector of a group
# names (per element of `within`, when given).
OVERLAPS = """
const [groups] = arguments, found = [];
const box = e => e.getBoundingClientRect();
const hit = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
const name = e => e.tagName + (e.id ? "#" + e.id : "") + " '" + (e.textContent || "").slice(0, 30) + "'";
for (const [within, selector] of groups) {
  for (const scope of within ? document.querySelectorAll(within) : [document]) {
    const all = [...scope.querySelectorAll(selector)].filter(e => box(e).width > 0 && box(e).height > 0);
    for (let i = 0; i < all.length; i++)
      for (let j = i + 1; j < all.length; j++)
        if (hit(box(all[i]), box(all[j]))) found.push(name(all[i]) + " and " + name(all[j]));
  }
}
// Frames and kinds of markers on one line each.
for (const e of document.querySelectorAll("#markers .at, #markers .kind"))
  if (box(e).height > 1.6 * parseFloat(getComputedStyle(e).fontSize)) found.push(name(e) + " wraps");
return found;
"""
LAYOUT_GROUPS = [[None, "#screen text, #screen circle, #screen rect[stroke='#8090a8']"],
                 ["#markers button", "span"], [None, "#status b"], [None, "#controls > *"],
                 [None, "#plotbar > *"], [".plot", ".plothead > *"]]

# Per pixel column of a plot's canvas, whether it is drawn light: several values.
MIXED_COLUMNS = """
const canvas = document.querySelector(".plot[data-plot='" + arguments[0] + "'] canvas");
const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
const y = 3, out = [];  // above the names
for (let x = 0; x < canvas.width; x++) out.push(data[(y * canvas.width + x) * 4] > 180);
return out;
"""


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
        self.open_address("frame=%d" % frame)

    def open_address(self, fragment):
        self.driver.get("about:blank")
        self.driver.get("%s#%s" % (self.url, fragment))
        self.wait(lambda: self.driver.execute_script("return document.body.dataset.ready") == "1",
                  "the page")

    def check_differs_strip(self):
        """Some column of the strip of differing frames is drawn."""
        return self.script("const c = document.getElementById('differs'); const d = c.getContext('2d')"
                           ".getImageData(0, 0, c.width, c.height).data;"
                           "for (let i = 0; i < d.length; i += 4) if (d[i + 3]) return true; return false")

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

    def script(self, code, *args):
        return self.driver.execute_script(code, *args)

    def plots(self):
        return self.script("return [...document.querySelectorAll('.plot')].map(p => p.dataset.plot)")

    def plot_value(self, key):
        return self.script("return document.querySelector(arguments[0]).textContent",
                           ".plot[data-plot='%s'] .value" % key)

    def click_plot_at(self, key, fraction):
        """Clicks the plot at a fraction of its width; the frame under the pointer shows."""
        from selenium.webdriver.common.action_chains import ActionChains
        canvas = self.driver.find_element("css selector", ".plot[data-plot='%s'] canvas" % key)
        width = canvas.size["width"]
        ActionChains(self.driver).move_to_element_with_offset(
            canvas, int(width * fraction) - width // 2, 0).click().perform()

    def check_layout(self, what):
        found = self.script(OVERLAPS, LAYOUT_GROUPS)
        check(not found, "%s: overlapping boxes: %s" % (what, "; ".join(found[:5])))

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


def column_frames(x, width, first, last, frames):
    """The frames of pixel column x, as the page's plots divide them."""
    import math
    k = (last - first) / width
    a, b = math.ceil(first + x * k), math.ceil(first + (x + 1) * k) - 1
    if b < a:
        a = b = round(first + (x + 0.5) * k)
    return max(1, a), min(frames, b)


def check_plots(page, driver, panel, changes, frames):
    """A plot picked in the table: its values where a click puts the frame, every short
    change of a sound drawn at the whole run's scale, a zoom, and an address of plots."""
    page.open(1)
    driver.find_element("css selector", "#panel-230 .plotbtn").click()
    driver.find_element("css selector", "#sound-14 .plotbtn").click()
    page.wait(lambda: page.plots() == ["230", "s14"], "the plots from the table")
    page.wait(lambda: "plot=230,s14" in driver.current_url, "the plots in the address")
    for fraction in (0.2, 0.45, 0.8):
        before = page.frame()
        page.click_plot_at("230", fraction)
        page.wait(lambda: page.frame() != before, "the frame of a click in the plot")
        frame = page.frame()
        check(page.plot_value("230") == str(panel(230, frame)),
              "plot 230 reads %s at frame %d, trace says %d" % (page.plot_value("230"), frame,
                                                               panel(230, frame)))
    # Arrival cue 1 starts for one frame now and then: each column holding a change must
    # show several values, however many frames a column holds; the others one.
    mixed = page.script(MIXED_COLUMNS, "s14")
    width = len(mixed)
    for x in range(width):
        a, b = column_frames(x, width, 1, frames, frames)
        expected = any(a < at <= b for at, _ in changes.get("s14", []))
        check(mixed[x] == expected, "plot s14, column %d (frames %d to %d): drawn %s, trace %s" %
              (x, a, b, "mixed" if mixed[x] else "one value", "changes" if expected else "none"))
    frame = page.frame()
    page.key("+")
    page.wait(lambda: "zoom=" in driver.current_url, "the zoom in the address")
    first, last = map(int, re.search(r"zoom=(\d+)-(\d+)", driver.current_url).groups())
    check(abs((last - first) - (frames - 1) / 2) <= 2 and first <= frame <= last,
          "zoom + around frame %d gave frames %d to %d" % (frame, first, last))
    check(page.text("view-range").endswith("%d – %d" % (first, last)), "view range %s" % page.text("view-range"))
    # An address with plots and a view opens them so.
    frame = frames // 3
    page.open_address("frame=%d&plot=199,s14,speed&zoom=%d-%d" % (frame, frame - 3000, frame + 3000))
    check(page.plots() == ["199", "s14", "speed"], "plots of the address: %s" % page.plots())
    check(page.text("view-range").endswith("%d – %d" % (frame - 3000, frame + 3000)),
          "view of the address: %s" % page.text("view-range"))
    check(page.plot_value("199") == str(panel(199, frame)), "plot 199 at frame %d" % frame)
    check(page.plot_value("speed") + " km/h" == page.text("speed"), "plot of the host speed")


def check_compare(args, page, driver, work, trace):
    """The run of a changed card compared with the trace of the example run: the page's
    first difference is the one that ruvahost --diff names, and its link shows it."""
    changed = os.path.join(work, "changed-vehicle")
    shutil.copytree(args.vehicle, changed)
    local = os.path.join(os.fsencode(changed), b"local")
    card = [os.path.join(local, n) for n in os.listdir(local) if n.endswith(b"1234A.csv")][0]
    text = open(card, "rb").read()
    check(b"83930,84000" in text, "the example card changed: no departure 84000 after 83930")
    open(card, "wb").write(text.replace(b"83930,84000", b"83930,84030"))
    compare, changed_trace = os.path.join(work, "compare.html"), os.path.join(work, "changed.csv")
    run = subprocess.run([args.ruvahost, "--lang", "en", "--quiet", "--html", compare, "--trace",
                          changed_trace, "--compare", trace, "--out",
                          os.path.join(work, "snapshots.changed"), changed, args.scenario])
    check(run.returncode in (0, 1), "ruvahost --compare exit status %d" % run.returncode)
    diff = subprocess.run([args.ruvahost, "--lang", "en", "--diff", changed_trace, trace],
                          capture_output=True, text=True)
    check(diff.returncode == 1, "ruvahost --diff exit status %d: %s" % (diff.returncode, diff.stderr))
    first = diff.stdout.splitlines()[1]
    frame = int(re.match(r"frames? (\d+)", first).group(1))
    indices = re.findall(r"(panel|sound) (\d+) =", first)
    plots = ",".join(("s" if kind == "sound" else "") + index for kind, index in indices)
    page.url = "file://" + os.path.abspath(compare)
    page.open(1)
    link = driver.find_element("id", "first-difference")
    check(int(link.get_attribute("data-frame")) == frame and link.get_attribute("data-plots") == plots,
          "first difference on the page: frame %s, plots %s; ruvahost --diff: %s" %
          (link.get_attribute("data-frame"), link.get_attribute("data-plots"), first))
    link.click()
    page.wait(lambda: page.frame() == frame, "the first difference")
    check(page.plots() == plots.split(","), "plots at the first difference: %s" % page.plots())
    differs = page.script("return [...document.querySelectorAll('#values td.differs')]"
                          ".map(td => (td.parentNode.id.startsWith('sound') ? 's' : '') + td.parentNode.cells[2].textContent)")
    check(differs == plots.split(","), "table rows that differ at frame %d: %s" % (frame, differs))
    page.wait(lambda: page.frame() == frame and page.check_differs_strip(), "the strip of differing frames")
    return first


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
    japanese = os.path.join(args.work, "report.ja.html")
    snapshots = os.path.join(args.work, "snapshots")
    run = subprocess.run([args.ruvahost, "--lang", "en", "--quiet", "--html", report, "--trace",
                          trace, "--out", snapshots, args.vehicle, args.scenario])
    check(run.returncode == 0, "ruvahost exit status %d" % run.returncode)
    run = subprocess.run([args.ruvahost, "--lang", "ja", "--quiet", "--html", japanese, "--out",
                          os.path.join(args.work, "snapshots.ja"), args.vehicle, args.scenario])
    check(run.returncode == 0, "ruvahost --lang ja exit status %d" % run.returncode)
    content = open(report, "rb").read()
    check(len(content) < 2 * 1024 * 1024, "report has %d bytes, over 2 MB" % len(content))
    check(b"http:" not in content and b"https:" not in content, "report names a web address")
    panel = read_trace(trace)
    pictures = sorted(os.path.join(d, f) for d, _, files in os.walk(snapshots) for f in files)
    check(len(pictures) >= 3, "expected snapshots from the run")
    frame_of = lambda texts: int(re.search(r"frame (\d+)", " ".join(texts)).group(1))
    frames = int(re.search(rb'"frames":(\d+)', content).group(1))

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
                                     ".filter(r => !r.hidden).map(r => r.cells[2].textContent)")
        check(rows == ["10", "11", "12"], "filter 'clock' shows %s" % rows)

        check_plots(page, driver, panel, read_changes(trace), frames)

        # Both languages lay out without overlaps, with plots of lines and lanes open.
        address = "frame=%d&plot=230,199,s14" % (frame_of(snapshot_texts(pictures[2])) + 100)
        for path, what in ((report, "English"), (japanese, "Japanese")):
            page.url = "file://" + os.path.abspath(path)
            page.open_address(address)
            page.check_layout(what + " page")
        page.url = "file://" + os.path.abspath(report)
        page.open_address(address)
        picture = os.path.join(args.work, "report.png")
        driver.save_screenshot(picture)
        if args.screenshot:
            shutil.copyfile(picture, args.screenshot)

        first = check_compare(args, page, driver, args.work, trace)
    finally:
        driver.quit()
    print("report %d bytes; browser checks passed in %.1f s; first difference of the changed "
          "card: %s; screenshot %s" % (len(content), time.time() - started, first, picture))


if __name__ == "__main__":
    main()
