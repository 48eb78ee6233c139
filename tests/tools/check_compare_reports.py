#!/usr/bin/env python3
"""tools/compare-reports.py tells two programs apart the way it says.

check_compare_reports.py COMPARE_REPORTS FOLDER

Two stand-ins for csp-report, written into FOLDER, offer one answer to each
list and echo their command lines; the second differs on a few of them in
each part compared: the exit status, standard output, standard error and a
saved file. Without --all the comparison shows the first ten; with --all,
every one in the order they run, each with the parts that differ. A program
that is not there is named, with no Python traceback.
"""
import os
import re
import shutil
import subprocess
import sys

FAKE = r"""#!/bin/sh
case " $* " in *" --list "*)
  printf -- '--shape: x\n  round\n--live-load: x\n  H20\n--conditions: x\n  a\n--criteria: x\n  b\n'
  printf -- '--profile: x\n  2\n--thickness: x\n  0.064\n'
  exit 0;;
esac
out=- prev= status=0
for arg; do
  [ "$prev" = -o ] && out=$arg
  [ "$prev" = --reports ] && mkdir -p "$arg" && echo "$*" > "$arg/S0.txt"
  prev=$arg
done
%s
if [ "$out" = - ]; then echo "$*"; else { echo "$*" > "$out"; } 2>/dev/null; fi
exit $status
"""
AFTER = """case " $* " in
  *" --version "*) status=3;;
  *" --gage 18 --resistivity 400 "*) echo "one more line";;
  *" tabrell extra "*) echo "a message" >&2;;
  *" --reports reports "*) echo new > reports/new.txt;;
esac"""
# What --all shows, in the order the command lines run.
EXPECTED = ([("check jobs.csv -o summary.csv --reports reports", "saved files", "reports/new.txt: written by after only")]
            + [(f"ombrel --gage 18 --resistivity 400 --ph {ph} --abrasion {abrasion}"
                + (f" -o ombrel-{4 * n}.txt" if abrasion == "1" else ""), "standard output", "one more line")
               for n, ph in enumerate(["4.5", "6", "7.0", "8.5", "9.9"]) for abrasion in "1234"]
            + [("--version", "exit status", "before 0, after 3"), ("tabrell extra", "standard error", "a message")])

compare_reports, folder = sys.argv[1:3]
shutil.rmtree(folder, ignore_errors=True)
programs = []
for name, change in [("before", ""), ("after", AFTER)]:
    os.makedirs(os.path.join(folder, name))
    programs.append(os.path.join(folder, name, "csp-report"))
    with open(programs[-1], "w") as fake:
        fake.write(FAKE % change)
    os.chmod(programs[-1], 0o755)

failures = []
for options, shown in [([], 10), (["--all"], len(EXPECTED))]:
    done = subprocess.run([sys.executable, compare_reports, *programs, *options], capture_output=True, text=True)
    heads = [line for line in done.stderr.splitlines() if not line.startswith("    ")]
    if done.returncode != 1 or not re.fullmatch(rf"\d+ runs, {len(EXPECTED)} differ\n", done.stdout):
        failures.append(f"{options}: exit status {done.returncode}, output {done.stdout!r}")
    if len(heads) != shown or not all(line.startswith("DIFFERS (") for line in heads):
        failures.append(f"{options}: {len(heads)} lines of differences, not {shown}:\n{done.stderr}")
    if options:
        details = done.stderr.split("\nDIFFERS")
        for (args, what, detail), head, text in zip(EXPECTED, heads, details):
            if not head.endswith(f": csp-report {args}"):
                failures.append(f"--all: {head!r} where {args!r} was expected")
            if f"({what})" not in head or f"    {what}: " not in text or detail not in text:
                failures.append(f"--all: {args!r} does not show {what}: {detail}:\n{text}")

done = subprocess.run([sys.executable, compare_reports, programs[0], os.path.join(folder, "missing")],
                      capture_output=True, text=True)
if done.returncode != 2 or "not a program that can be run" not in done.stderr or "Traceback" in done.stderr:
    failures.append(f"a missing program: exit status {done.returncode}, {done.stderr!r}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
