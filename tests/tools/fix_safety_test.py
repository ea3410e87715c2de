"""ruvacard fix loses nothing: a disk that fills during the write, a stop request in the
middle of a folder and a card that cannot be read leave every card either as it was or
fixed, each backup the original, and no other file behind.

Usage: fix_safety_test.py RUVACARD QUOTED_CARD WORK
"""
import resource
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

failures = []


def only_cards_and_backups(folder, case):
    strays = [p.name for p in folder.iterdir() if not (p.name.endswith(".csv") or p.name.endswith(".csv.bak"))]
    if strays:
        failures.append(f"{case}: files left behind: {strays}")


def full_disk(program, original, work):
    # A card larger than what the limit lets a file hold; the write of its backup, or
    # of the card itself, fails on the way.
    big = b"".join(original.splitlines(keepends=True)[2:]) * 10
    card = work / "big.csv"

    def small_files():
        resource.setrlimit(resource.RLIMIT_FSIZE, (len(big) // 2, len(big) // 2))
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)

    for options in ([], ["--no-backup"]):
        card.write_bytes(big)
        done = subprocess.run([program, "--lang", "en", "fix", *options, str(card)],
                              capture_output=True, preexec_fn=small_files)
        err = done.stderr.decode()
        if done.returncode != 1 or "cannot write it" not in err or card.read_bytes() != big:
            failures.append(f"full disk {options}: exit {done.returncode}, {err!r}")
        if (work / "big.csv.bak").exists():
            failures.append(f"full disk {options}: a backup of a card that stays as it was")
        only_cards_and_backups(work, f"full disk {options}")
        card.unlink()


def interrupted(program, original, work):
    probe = work / "probe.csv"
    probe.write_bytes(original)
    subprocess.run([program, "fix", "--no-backup", str(probe)], capture_output=True, check=True)
    fixed = probe.read_bytes()
    probe.unlink()
    midway = 0
    for round, delay in enumerate((0.01, 0.03, 0.08, 0.2)):
        folder = work / f"round{round}"
        folder.mkdir()
        for n in range(150):
            (folder / f"{n:03d}.csv").write_bytes(original)
        run = subprocess.Popen([program, "fix", str(folder)], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        time.sleep(delay)
        run.send_signal(signal.SIGINT)
        status = run.wait()
        if status not in (0, -signal.SIGINT):
            failures.append(f"stopped run {round}: exit {status}")
        only_cards_and_backups(folder, f"stopped run {round}")
        for card in folder.glob("*.csv"):
            backup = folder / (card.name + ".bak")
            if card.read_bytes() not in (original, fixed):
                failures.append(f"stopped run {round}: {card.name} is neither the card nor its fix")
            if backup.exists() and backup.read_bytes() != original:
                failures.append(f"stopped run {round}: {backup.name} is not the original")
            if card.read_bytes() == fixed and not backup.exists():
                failures.append(f"stopped run {round}: {card.name} fixed without its backup")
        states = {card.read_bytes() for card in folder.glob("*.csv")}
        midway += len(states) == 2
    if midway == 0:
        failures.append("no stop request came in the middle of a folder")


def unreadable(program, work):
    done = subprocess.run([program, "--lang", "en", "fix", str(work / "missing.csv"), str(work)],
                          capture_output=True)
    err = done.stderr.decode()
    if done.returncode != 1 or "missing.csv: cannot read it; nothing was changed" not in err:
        failures.append(f"an unreadable card: exit {done.returncode}, {err!r}")


def main():
    program, card, work = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    original = card.read_bytes()
    full_disk(program, original, work)
    interrupted(program, original, work)
    unreadable(program, work)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
