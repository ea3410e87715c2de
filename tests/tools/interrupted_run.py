#!/usr/bin/env python3
"""ruvahost stopped from outside while it plays (Ctrl-C, SIGTERM, SIGHUP) removes its
mirror of the vehicle folder and ends by that signal; a signal it was started to
ignore (nohup's SIGHUP) stays ignored.

Usage: interrupted_run.py RUVAHOST VEHICLE SCRATCH
"""
import os
import shutil
import signal
import subprocess
import sys
import time

STOPS = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)


def start(ruvahost, vehicle, scratch, ignored=()):
    """ruvahost on a script that takes minutes, with its own temporary folder."""
    temporary = os.path.join(scratch, "tmp")
    os.makedirs(temporary)
    script = os.path.join(scratch, "long.scn")
    with open(script, "w") as out:
        out.write("step 1\nspeed 40\n" + "wait 20000000 frames\n" * 10)

    def signals():
        for stop in STOPS:
            signal.signal(stop, signal.SIG_IGN if stop in ignored else signal.SIG_DFL)

    env = dict(os.environ, TMPDIR=temporary)
    process = subprocess.Popen([ruvahost, "--quiet", "--lang", "en", vehicle, script], env=env,
                               preexec_fn=signals, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    # Running once the mirror is there and the module loaded from it.
    deadline = time.monotonic() + 60
    while not os.listdir(temporary):
        if process.poll() is not None or time.monotonic() > deadline:
            process.kill()
            sys.exit(f"ruvahost did not start playing: {process.communicate()[1]!r}")
        time.sleep(0.02)
    time.sleep(0.1)
    return process, temporary


def check_stop(ruvahost, vehicle, scratch, stop, ignored=()):
    process, temporary = start(ruvahost, vehicle, scratch, ignored)
    for sent in ignored:
        process.send_signal(sent)
        time.sleep(0.1)
        if process.poll() is not None:
            return f"{sent.name}, ignored at the start, ended the run"
    process.send_signal(stop)
    try:
        _, errors = process.communicate(timeout=60)
    except subprocess.TimeoutExpired:
        process.kill()
        return f"{stop.name} did not end the run"
    left = os.listdir(temporary)
    if process.returncode != -stop:
        return f"{stop.name}: exit status {process.returncode}, not the signal: {errors!r}"
    if left:
        return f"{stop.name} left {left} in the temporary folder"
    if b"interrupted" not in errors:
        return f"{stop.name}: no word of the interruption: {errors!r}"
    return None


def main():
    ruvahost, vehicle, scratch = sys.argv[1:4]
    cases = [(stop, ()) for stop in STOPS] + [(signal.SIGTERM, (signal.SIGHUP,))]
    failures = []
    for stop, ignored in cases:
        shutil.rmtree(scratch, ignore_errors=True)
        os.makedirs(scratch)
        problem = check_stop(ruvahost, vehicle, scratch, stop, ignored)
        if problem:
            failures.append(problem)
    shutil.rmtree(scratch, ignore_errors=True)
    for problem in failures:
        print(problem, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
