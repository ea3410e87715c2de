"""Runs the checker over its fixtures in every output format and reads each back.

Usage: remark_formats_test.py RUVACARD CHECKER_FIXTURES BROKEN_CARD

The text lines must match the documented problem-matcher pattern; the json output must
parse and carry the same remarks and their fixes; the SARIF log must hold the structure that SARIF 2.1.0
requires, with one rule per remark code; the github lines must be workflow commands.
Every code of the catalogue must have its explain page in both languages. All formats
give the same exit status.
"""
import json
import re
import subprocess
import sys
from collections import Counter
from pathlib import Path

TEXT = re.compile(r"^(?P<file>.+?):(?P<line>\d+):(?P<column>\d+): "
                  r"(?P<severity>error|warning|note): (?P<message>.+) \[(?P<code>[A-Z]\d{3})\]$")
GITHUB = re.compile(r"^::(?P<command>error|warning|notice) file=(?P<file>[^,:]+)"
                    r"(,line=(?P<line>\d+))?(,col=(?P<col>\d+))?(,endColumn=(?P<end>\d+))?"
                    r",title=(?P<code>[A-Z]\d{3})::(?P<message>.+)$")
LEVELS = {"none", "note", "warning", "error"}
failures = []


def fail(case, what):
    failures.append(f"{case}: {what}")


def run(program, args, cwd):
    done = subprocess.run([program, "--lang", "en", *args], cwd=cwd, capture_output=True)
    return done.returncode, done.stdout.decode("utf-8")


def text_remarks(case, output):
    found = []
    for line in output.splitlines():
        match = TEXT.match(line)
        if match:
            found.append((match["file"], int(match["line"]), match["code"], match["severity"]))
        elif re.search(r": (error|warning|note): ", line):
            fail(case, f"remark line outside the pattern: {line}")
    return found


fixes_seen = Counter()


def check_fix(case, safety, edits, parts):
    """A fix is safe or a suggestion; its edits are byte regions in file order."""
    fixes_seen[case.split(" --format ")[-1]] += 1
    if safety not in ("safe", "suggestion") or not isinstance(edits, list):
        return fail(case, f"a fix without its safety or edits: {safety} {edits}")
    end = 0
    for edit in edits:
        offset, length, text = parts(edit)
        if not isinstance(offset, int) or not isinstance(length, int) or not isinstance(text, str):
            return fail(case, f"a fix edit without offset, length and text: {edit}")
        if offset < end:
            fail(case, f"fix edits out of order: {edits}")
        end = offset + length


def check_json(case, output, expected):
    try:
        remarks = json.loads(output)
    except json.JSONDecodeError as error:
        return fail(case, f"json does not parse: {error}")
    keys = {"file": str, "line": int, "column": int, "severity": str, "code": str,
            "message": str, "stored": str, "hint": str}
    got = []
    for r in remarks:
        for key, kind in keys.items():
            if not isinstance(r.get(key), kind):
                fail(case, f"json remark without {key}: {r}")
        if "endColumn" in r and r["endColumn"] < r.get("startColumn", 1):
            fail(case, f"json end before start: {r}")
        got.append((r.get("file"), r.get("line"), r.get("code"), r.get("severity")))
        if "fix" in r:
            check_fix(case, r["fix"].get("safety"), r["fix"].get("edits", []),
                      lambda e: (e.get("offset"), e.get("length"), e.get("text")))
    if Counter(got) != Counter(expected):
        fail(case, f"json remarks {got} differ from the text's {expected}")


def check_sarif(case, output, expected):
    try:
        log = json.loads(output)
    except json.JSONDecodeError as error:
        fail(case, f"sarif does not parse: {error}")
        return []
    if log.get("version") != "2.1.0" or "$schema" not in log:
        fail(case, "sarif without version 2.1.0 and $schema")
    runs = log.get("runs")
    if not isinstance(runs, list) or len(runs) != 1:
        fail(case, "sarif needs one run")
        return []
    driver = runs[0].get("tool", {}).get("driver", {})
    if not driver.get("name"):
        fail(case, "sarif tool.driver without a name")
    rules = driver.get("rules", [])
    ids = [rule.get("id") for rule in rules]
    if len(set(ids)) != len(ids):
        fail(case, "sarif rule ids repeat")
    for rule in rules:
        if not rule.get("shortDescription", {}).get("text") or not rule.get("help", {}).get("text"):
            fail(case, f"sarif rule without description or help: {rule.get('id')}")
        if rule.get("defaultConfiguration", {}).get("level") not in LEVELS:
            fail(case, f"sarif rule with a bad level: {rule.get('id')}")
    got = []
    for result in runs[0].get("results", []):
        index = result.get("ruleIndex")
        if result.get("ruleId") not in ids or not isinstance(index, int) or ids[index] != result["ruleId"]:
            fail(case, f"sarif result names no rule: {result}")
        if result.get("level") not in LEVELS or not result.get("message", {}).get("text"):
            fail(case, f"sarif result without level or message: {result}")
        locations = result.get("locations", [])
        place = locations[0].get("physicalLocation", {}) if locations else {}
        uri = place.get("artifactLocation", {}).get("uri", "")
        if not uri or re.search(r"[^A-Za-z0-9\-._~/%]", uri):
            fail(case, f"sarif result without a plain uri: {result}")
        region = place.get("region")
        line = 0
        if region is not None:
            line = region.get("startLine", 0)
            start = region.get("startColumn", 1)
            if line < 1 or start < 1 or region.get("endColumn", start) < start:
                fail(case, f"sarif region out of order: {region}")
        got.append((line, result.get("ruleId"), result.get("level")))
        for fix in result.get("fixes", []):
            changes = fix.get("artifactChanges", [{}])
            check_fix(case, fix.get("properties", {}).get("safety"),
                      changes[0].get("replacements", []),
                      lambda e: (e.get("deletedRegion", {}).get("byteOffset"),
                                 e.get("deletedRegion", {}).get("byteLength"),
                                 e.get("insertedContent", {}).get("text")))
    want = [(line, code, severity) for _, line, code, severity in expected]
    if Counter(got) != Counter(want):
        fail(case, f"sarif results {got} differ from the text's {want}")
    return ids


def check_github(case, output, expected):
    got = []
    for line in output.splitlines():
        match = GITHUB.match(line)
        if not match:
            fail(case, f"not a workflow command: {line}")
            continue
        severity = {"notice": "note"}.get(match["command"], match["command"])
        got.append((int(match["line"] or 0), match["code"], severity))
    want = [(line, code, severity) for _, line, code, severity in expected]
    if Counter(got) != Counter(want):
        fail(case, f"github lines {got} differ from the text's {want}")


def check_pages(program, ids, cwd):
    for code in ids:
        for lang in ("en", "ja"):
            done = subprocess.run([program, "--lang", lang, "explain", code], cwd=cwd,
                                  capture_output=True)
            page = done.stdout.decode("utf-8")
            if done.returncode != 0 or not page.startswith(code + " ") or len(page.splitlines()) < 6:
                fail(f"explain {code} ({lang})", f"no page: {page!r}")
            if re.search(r"\{\d\}", page):
                fail(f"explain {code} ({lang})", f"a fact left unfilled: {page!r}")
            if lang == "ja" and page.isascii():
                fail(f"explain {code} ({lang})", "not in Japanese")
    status = subprocess.run([program, "explain", "C000"], cwd=cwd, capture_output=True).returncode
    if status != 2:
        fail("explain C000", f"exit {status}, not 2")


def main():
    program, fixtures, broken = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    cards = fixtures / "cards"
    cases = [(cards, ["check", "--notes", str(broken)])]
    cases += [(cards, ["check", path.name]) for path in sorted(cards.glob("*.csv"))]
    cases += [(fixtures / "vehicles", ["vehicle", path.name])
              for path in sorted((fixtures / "vehicles").iterdir()) if path.is_dir()]
    cases += [(fixtures / "drives", ["vehicle", "--drive", path.name])
              for path in sorted((fixtures / "drives").iterdir()) if path.is_dir()]
    ids = []
    for cwd, args in cases:
        case = " ".join(args)
        status, text = run(program, args, cwd)
        expected = text_remarks(case, text)
        for name, checker in (("json", check_json), ("sarif", check_sarif), ("github", check_github)):
            format_status, output = run(program, [args[0], "--format", name, *args[1:]], cwd)
            if format_status != status:
                fail(case, f"--format {name} exits {format_status}, text {status}")
            result = checker(f"{case} --format {name}", output, expected)
            if name == "sarif" and result:
                ids = result
    if not ids:
        fail("sarif", "no rules")
    if fixes_seen["json"] == 0 or fixes_seen["json"] != fixes_seen["sarif"]:
        fail("fixes", f"json and sarif carry {fixes_seen['json']} and {fixes_seen['sarif']} fixes")
    check_pages(program, ids, cards)
    status, _ = run(program, ["check", "--format", "json", "--statistics", str(broken)], cards)
    if status != 2:
        fail("--statistics with json", f"exit {status}, not 2")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
