#!/usr/bin/env python3
"""Runs two builds of csp-report over the same command lines and compares,
byte for byte, the exit status, standard output, standard error and every
file written (-o, --reports).

    tools/compare-reports.py BEFORE_CSP_REPORT AFTER_CSP_REPORT [-j JOBS] [--all]

The command lines: every table the Tabrell wizard can be asked for (each
main page choice, every answer of each follow-up page, pages answered that
are not asked), typed values; every Verrick shape, profile, corner radius,
size and thickness under every live load and method at a few covers, with
refusals; an Ombrel grid; help, lists and usage errors of each subcommand;
check over a CSV file that holds refused rows. The lists are read from the
first program's --list. Prints the number of command lines and the number
that differ (the first few shown; with --all, every one, with each part
that differs and where), and exits 1 if any differ.
"""

import argparse
import concurrent.futures
import itertools
import os
import shlex
import shutil
import sys
import tempfile
from pathlib import Path

from report_cases import (LOADS, METHODS, SHAPES, SUBCOMMAND_HELP, Case, check_cases, check_file, differences,
                          first_difference, offered_lists, ombrel_grid, run, saved_again, saving, tabrell_tables,
                          verrick_profiles)

# Texts typed where a number is asked.
TYPED = ["", "0", "-1", "0.86", "1.00.86", "12,5", "120 pcf", "abc", "1e400", "1e-400", " 7 ", "10001"]
COVERS = ["1.5", "4", "12", "30"]
SIDES = ("before", "after")


# ---- tabrell -------------------------------------------------------------------


def tabrell_cases(program):
    main, tables = tabrell_tables(program, ["1.0", "0.86", "0.5", "0", "1.5", "abc"],
                                  order=("shape", "conditions", "live-load", "criteria"))
    cases = [Case(args) for args in tables]
    # Every follow-up answer given whether or not its page is asked.
    for shape, conditions in itertools.product(main["shape"] + ["16", "x", "pipe-arch-6x2"], main["conditions"]):
        for trench, design, base in itertools.product(["", "special", "standard"], ["", "asd", "lrfd", "aashto-lfd"],
                                                      ["", "helical", "annular"]):
            args = ["tabrell", "--shape", shape, "--conditions", conditions]
            for name, value in [("trench", trench), ("design", design), ("base", base)]:
                if value:
                    args += [f"--{name}", value]
            cases.append(Case(args))
        for reduction in ["0.86", "2"]:
            cases.append(Case(["tabrell", "--shape", shape, "--conditions", conditions, "--load-reduction", reduction]))
        cases.append(Case(["tabrell", "--shape", shape, "--conditions", conditions, "--list"]))
    for text in TYPED + ["1"]:
        cases.append(Case(["tabrell", "--soil-density", text]))
        cases.append(Case(["tabrell", "--soil-density", text, "--strict"]))
    cases += saved_again(cases, 5, "tabrell")
    for shape in main["shape"]:
        cases.append(Case(["tabrell", "--shape", shape, "--svg", f"chart-{shape}.svg", "-o", "-"],
                          saved=[f"chart-{shape}.svg"]))
    return cases


# ---- verrick -------------------------------------------------------------------


def verrick_structures(program):
    """Every (shape, profile, corner radius) as arguments, with its lists."""
    structures = []
    for shape, profile, lists in verrick_profiles(program):
        args = ["--shape", shape, "--profile", profile]
        for radius in lists.get("corner-radius", [None]):
            radius_args = args + ["--corner-radius", radius] if radius else args
            structures.append((radius_args, offered_lists(program, ["verrick", *radius_args])))
    return structures


def verrick_cases(structures):
    cases = []
    n = 0
    for args, lists in structures:
        sizes = lists.get("size", [None])
        spans = ["12", "48", "120"] if "size" not in lists else [None]
        for i, (size, span, thickness) in enumerate(itertools.product(sizes, spans, lists["thickness"])):
            # Half the methods for each size and thickness, the other half for the next.
            for load, method in itertools.product(LOADS, METHODS[i % 2::2]):
                cover = COVERS[n % len(COVERS)]
                line = ["verrick", *args, "--live-load", load, "--method", method, "--cover", cover,
                        "--thickness", thickness]
                if size is not None:
                    line += ["--size", size]
                if span is not None:
                    line += ["--span", span]
                if n % 7 == 0:
                    line += ["--load-reduction", "0.86"]
                if n % 11 == 0 and len(lists.get("corrugation", [])) > 1:
                    line += ["--corrugation", lists["corrugation"][-1]]
                if n % 13 == 0:
                    line += ["--installation", ["embankment", "trench-standard", "trench-special"][n % 3]]
                cases.append(saving(line, n, "verrick") if n % 9 == 0 else Case(line))
                n += 1
        # What the lists do not offer.
        for extra in [["--size", "99"], ["--thickness", "12"], ["--corrugation", "annular"],
                      ["--corrugation", "bolted"], ["--installation", "trench-special"], ["--span", "0"],
                      ["--corner-radius", "31"], ["--list"], ["--method", "aisi", "--list"]]:
            cases.append(Case(["verrick", *args, *extra]))
    for name in ["soil-density", "cover", "span", "load-reduction"]:
        for text in TYPED:
            cases.append(Case(["verrick", "--method", "aisi", "--cover", "6", f"--{name}", text]))
    for shape, text in itertools.product(["pipe-arch", "round", "underpass"], TYPED):
        cases.append(Case(["verrick", "--shape", shape, "--corner-pressure", text]))
    for profile in ["8", "-1", "x", "6x2", "5x1", "TEST", "3/4 x 1 x 11-1/2 Composite Ribbed"]:
        for shape in SHAPES:
            cases.append(Case(["verrick", "--shape", shape, "--profile", profile]))
    for shape in SHAPES:
        cases.append(Case(["verrick", "--shape", shape, "--svg", f"picture-{shape}.svg", "-o", "-"],
                          saved=[f"picture-{shape}.svg"]))
    return cases


# ---- check, select, ombrel and the rest -------------------------------------------


def check_csv(structures):
    """Six rows for each structure, some of them refused, and two refused rows."""
    rows = []
    for n, (args, lists) in enumerate(structures):
        values = dict(zip(args[0::2], args[1::2]))
        for k in range(6):
            rows.append([f"S{n}-{k}", values["--shape"], values["--profile"], LOADS[k % 3], METHODS[(n + k) % 6],
                         ["", "120", "0", "abc"][k % 4] if k < 4 else "120", COVERS[k % 4] if k != 5 else "0.5",
                         values.get("--corner-radius", ""), "48" if "size" not in lists else "",
                         lists.get("size", [""])[k % len(lists.get("size", [""]))],
                         lists["thickness"][k % len(lists["thickness"])],
                         ["", "embankment", "trench-special"][k % 3], ["", "0.86"][k % 2]])
    rows.append(["bad-shape", "oval", "0", "H20", "aisi", "", "2", "", "48", "", "0", "", ""])
    rows.append(["bad-profile", "round", "12", "H20", "aisi", "", "2", "", "48", "", "0", "", ""])
    return check_file(rows)


def other_cases(jobs):
    cases = check_cases(jobs) + [Case(["check", "jobs.csv", "--strict"]), Case(["check", "/nonexistent/jobs.csv"]),
                                 Case(["check", "-"], stdin=b"id,shape,bogus\r\n1,round,2\r\n")]
    for span, cover, method, load in itertools.product(["24", "48", "120"], ["1.5", "8", "30"], METHODS, LOADS):
        cases.append(Case(["select", "--span", span, "--cover", cover, "--method", method, "--live-load", load]))
    for shape, span, rise in [("pipe-arch", "60", "40"), ("underpass", "100", "120")]:
        cases.append(Case(["select", "--shape", shape, "--span", span, "--rise", rise, "--min-cover", "2",
                           "--max-cover", "12", "--life", "75", "--ph", "6", "--resistivity", "2000"]))
    cases.append(Case(["select", "--span", "120", "--min-cover", "2", "--max-cover", "30", "--csv"]))
    for n, args in enumerate(ombrel_grid()):
        cases.append(saving(args, n, "ombrel") if n % 4 == 0 else Case(args))
    for args in [[], ["--help"], ["--version"], ["tabrel"], *SUBCOMMAND_HELP, ["ombrel", "--list"],
                 ["tabrell", "--list"], ["verrick", "--list"], ["select", "--list"], ["verrick", "--cover"],
                 ["tabrell", "--live-load", "HS20"], ["tabrell", "--shap", "4"], ["verrick", "--profil", "2"],
                 ["verrick", "--shape", "oval"], ["tabrell", "--criteria"], ["ombrel", "--gage", "11"],
                 ["ombrel", "-o", "missing-folder/r.txt"], ["verrick", "-o"], ["tabrell", "extra"]]:
        cases.append(Case(args))
    return cases


def sweep(program):
    """Every command line, in the order they run, and the check file they read as jobs.csv."""
    structures = verrick_structures(program)
    jobs = check_csv(structures)
    return tabrell_cases(program) + verrick_cases(structures) + other_cases(jobs), jobs


# ---- running and comparing -----------------------------------------------------------


def take(program, case, folder):
    """Runs the command line and takes away what it saved: a file's bytes, a
    folder's (name, bytes) pairs, or None for nothing written."""
    done = run([program], case, folder)
    saved = []
    for name in case.saved:
        path = folder / name
        if path.is_dir():
            saved.append(sorted((p.name, p.read_bytes()) for p in path.iterdir()))
            shutil.rmtree(path)
        elif path.exists():
            saved.append(path.read_bytes())
            path.unlink()
        else:
            saved.append(None)
    return (*done, saved)


def saved_files(name, saved):
    if saved is None:
        return {}
    if isinstance(saved, bytes):
        return {name: saved}
    return {f"{name}/{file}": data for file, data in saved}


def saved_differences(names, before, after):
    """Where the files saved by the two runs differ."""
    found = []
    for name, a, b in zip(names, before, after):
        a, b = saved_files(name, a), saved_files(name, b)
        for path in sorted(a.keys() | b.keys()):
            if path not in a or path not in b:
                found.append(f"{path}: written by {'after' if path in b else 'before'} only")
            elif a[path] != b[path]:
                found.append(f"{path}: {first_difference(a[path], b[path], SIDES)}")
    return "; ".join(found) or "an empty folder on one side"


def compare(programs, case, folders):
    """What differs between the two runs: [(what, detail), ...]."""
    before = take(programs[0], case, folders[0])
    after = take(programs[1], case, folders[1])
    found = differences(before, after, SIDES)
    if before[3] != after[3]:
        found.append(("saved files", saved_differences(case.saved, before[3], after[3])))
    return found


def positive(text):
    if not text.isdigit() or int(text) < 1:
        raise argparse.ArgumentTypeError(f"not a whole number of 1 or more: {text!r}")
    return int(text)


def main():
    parser = argparse.ArgumentParser(description="Compare two builds of csp-report.")
    parser.add_argument("before")
    parser.add_argument("after")
    parser.add_argument("-j", "--jobs", type=positive, default=2)
    parser.add_argument("--all", action="store_true",
                        help="show every command line that differs, with each part that differs and where")
    options = parser.parse_args()
    programs = [os.path.abspath(options.before), os.path.abspath(options.after)]
    for program in programs:
        if not (os.path.isfile(program) and os.access(program, os.X_OK)):
            parser.error(f"not a program that can be run: {program}")
    cases, jobs = sweep(programs[0])
    with tempfile.TemporaryDirectory(prefix="compare-reports-") as work:
        worker_folders = []
        for j in range(options.jobs):
            pair = [Path(work) / f"{j}-before", Path(work) / f"{j}-after"]
            for folder in pair:
                folder.mkdir()
                (folder / "jobs.csv").write_bytes(jobs)
            worker_folders.append(pair)

        def compare_slice(j):
            found = []
            for n in range(j, len(cases), options.jobs):
                what = compare(programs, cases[n], worker_folders[j])
                if what:
                    found.append((n, what))
            return found

        with concurrent.futures.ThreadPoolExecutor(options.jobs) as pool:
            differing = [d for found in pool.map(compare_slice, range(options.jobs)) for d in found]
    if options.all:
        for n, found in sorted(differing):
            case = cases[n]
            given = f" (standard input: {len(case.stdin)} bytes)" if case.stdin else ""
            print(f"DIFFERS ({', '.join(what for what, _ in found)}): csp-report {shlex.join(case.args)}{given}",
                  file=sys.stderr)
            for what, detail in found:
                print(f"    {what}: {detail}", file=sys.stderr)
    else:
        for n, found in differing[:10]:
            print(f"DIFFERS ({found[0][0]}): csp-report {' '.join(cases[n].args)}", file=sys.stderr)
    print(f"{len(cases)} runs, {len(differing)} differ")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
