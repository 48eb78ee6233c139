#!/usr/bin/env python3
"""Runs csp-report built for Linux and csp-report.exe built for Windows
(under Wine) over the same command lines and compares, byte for byte, the
exit status, standard output, standard error and every file written.

    tools/compare-windows-reports.py LINUX_CSP_REPORT WINDOWS_CSP_REPORT_EXE WORK_FOLDER

The command lines: every input of a small Ombrel grid, every table the
Tabrell wizard can be asked for (walked through the Linux program's
--list), a few hundred Verrick design checks (one by one and as check
batches, from a file and from standard input), select, help, lists and
usage errors. Each program runs in its own folder with the same relative
file names, so that even a message naming a file must match. Prints the
counts, and the first difference if there is one (exit status 1).
"""

import concurrent.futures
import random
import shutil
import sys
from pathlib import Path

from report_cases import (CHECK_HEADER, LOADS, METHODS, SUBCOMMAND_HELP, Case, check_cases, check_file, differences,
                          first_difference, ombrel_grid, run, saved_again, saving, tabrell_tables, verrick_profiles)

SIDES = ("Linux", "Windows")

# ---- the command lines ------------------------------------------------------


def ombrel_cases():
    cases = []
    for n, args in enumerate(ombrel_grid()):
        cases.append(Case(args, group="ombrel"))
        cases.append(Case(args + ["-o", f"ombrel {n:03d} \u00bd.txt"], group="ombrel"))
    # Typed texts as a person might type them: read in part, out of range,
    # in another notation, with a Windows-1252 character.
    for n, (entry, text) in enumerate([("--ph", "7\u00bd"), ("--ph", "7,5"), ("--ph", " 6.25 "), ("--ph", "15"),
                                       ("--resistivity", "1e3"), ("--resistivity", "2.5E+4"),
                                       ("--resistivity", "1e400"), ("--resistivity", "-0"), ("--ph", ".5"),
                                       ("--resistivity", "0x10"), ("--ph", "\u00b07")]):
        cases.append(Case(["ombrel", entry, text], group="ombrel"))
        cases.append(Case(["ombrel", entry, text, "-o", f"typed-{n}.txt"], group="ombrel"))
        cases.append(Case(["ombrel", entry, text, "--strict"], group="ombrel"))
    return cases


def tabrell_cases(linux):
    """Every table the wizard can be asked for, the load reduction typed as
    1.0 and 0.86, and the saved bytes of every third table."""
    _, tables = tabrell_tables(linux, ["1.0", "0.86"], check=True)
    cases = [Case(args, group="tabrell") for args in tables]
    return cases + saved_again(cases, 3, "tabrell", group="tabrell")


def design_check_rows(linux, count):
    """`count` structures, drawn with a fixed seed from what the pages offer."""
    draw = random.Random(20240607)
    profiles = {(shape, profile): lists for shape, profile, lists in verrick_profiles(linux, check=True)}
    rows = []
    for n in range(count):
        shape, profile = draw.choice(sorted(profiles))
        lists = profiles[(shape, profile)]
        rows.append([
            f"S{n:03d}" if n % 50 else f"Br\u00fccke {n} \u00bd",
            shape, profile,
            draw.choice(LOADS),
            draw.choice(METHODS),
            draw.choice(["", "100", "120", "140"]),
            draw.choice(["1", "1.5", "2", "3.25", "6", "12", "25", "50", "100"]),
            draw.choice(lists.get("corner-radius", [""])),
            draw.choice(["12", "24", "48", "66", "96", "120", "144"]) if shape == "round" else "",
            draw.choice(lists.get("size", [""])),
            draw.choice(lists["thickness"]),
            draw.choice(["", "", "embankment", "trench-standard", "trench-special"]),
            draw.choice(["", "1.0", "0.86", "0.5"]),
        ])
    return rows


# A summary saved before, over which a check fails part-way: its file
# holds more rows than one chunk of writes, then a quoted cell left open.
KEPT = b"id,verdict\r\nthe summary saved yesterday,OK\r\n"


def verrick_cases(linux, work_folders):
    rows = design_check_rows(linux, 300)
    jobs = check_file(rows)
    broken = jobs + jobs.split(b"\r\n", 1)[1] * 3 + b'"left open,round\r\n'
    for folder in work_folders:
        (folder / "jobs.csv").write_bytes(jobs)
        (folder / "broken.csv").write_bytes(broken)
        (folder / "kept.csv").write_bytes(KEPT)
    cases = []
    for n, row in enumerate(rows[:80]):
        args = ["verrick"]
        for name, cell in zip(CHECK_HEADER[1:], row[1:]):
            if cell:
                args += [f"--{name}", cell]
        cases.append(Case(args, group="verrick"))
        cases.append(saving(args, n, "verrick", group="verrick"))
    cases += check_cases(jobs, group="check")
    cases.append(Case(["check", "broken.csv", "-o", "kept.csv"], group="check"))
    for span, cover, method, load in [("48", "2", "aisi", "H20"), ("120", "30", "aisi", "E80"),
                                      ("96", "8", "aashto-lrfd", "H25"), ("144", "1", "astm-asd", "H20")]:
        cases.append(Case(["select", "--span", span, "--cover", cover, "--method", method, "--live-load", load],
                          group="select"))
    return cases


def other_cases():
    return [Case(args, group="other") for args in [
        ["--help"], ["--version"], [], ["tabrel"], *SUBCOMMAND_HELP,
        ["verrick", "--shape", "pipe-arch", "--profile", "3", "--list"], ["tabrell", "--list"],
        ["ombrel", "-o", "-"], ["verrick", "--shape", "underpass", "-o", "-"],
        ["ombrel", "-o", "missing-folder/r.txt"], ["ombrel", "-o", "/nonexistent-folder/r.txt"],
        ["check", "/nonexistent/jobs.csv"], ["verrick", "--cover"], ["tabrell", "--live-load", "HS20"],
    ]]


def sweep(linux, work_folders):
    """Every command line, in the order they run; writes the files they read into each of work_folders."""
    return ombrel_cases() + tabrell_cases(linux) + verrick_cases(linux, work_folders) + other_cases()


# ---- running and comparing ----------------------------------------------------


def files_in(folder):
    return sorted(str(p.relative_to(folder)) for p in folder.rglob("*") if p.is_file())


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    for program in sys.argv[1:3]:
        if not Path(program).is_file():
            sys.exit(f"not a program: {program}")
    linux = str(Path(sys.argv[1]).resolve())
    windows = ["wine", str(Path(sys.argv[2]).resolve())]
    work = Path(sys.argv[3])
    shutil.rmtree(work, ignore_errors=True)
    folders = {"Linux": work / "linux", "Windows": work / "windows"}
    for folder in folders.values():
        folder.mkdir(parents=True)

    cases = sweep(linux, folders.values())
    linux_results = [run([linux], case, folders["Linux"]) for case in cases]
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        windows_results = list(pool.map(lambda case: run(windows, case, folders["Windows"]), cases))

    def fail(case, what, detail):
        print(f"first difference: csp-report {' '.join(repr(a) if ' ' in a else a for a in case.args)}: "
              f"{what}: {detail}")
        sys.exit(1)

    # Now and then a run under Wine, one of two started together, ends
    # without its output: a command line that differs is run once more,
    # alone, and the runs again are counted in what is printed.
    runs_again = []
    for case, ours, theirs in zip(cases, linux_results, windows_results):
        if differences(ours, theirs, SIDES):
            runs_again.append(case)
            theirs = run(windows, case, folders["Windows"])
        if found := differences(ours, theirs, SIDES):
            fail(case, *found[0])
    for side, folder in folders.items():
        if folder.joinpath("kept.csv").read_bytes() != KEPT:
            print(f"first difference: on {side}, a check failing part-way changed the summary saved before it")
            sys.exit(1)

    names = files_in(folders["Linux"])
    if names != files_in(folders["Windows"]):
        only = sorted(set(names) ^ set(files_in(folders["Windows"])))
        print(f"first difference: the files written differ: {only[:5]}")
        sys.exit(1)
    for name in names:
        a, b = (folders[side].joinpath(name).read_bytes() for side in ("Linux", "Windows"))
        if a != b:
            print(f"first difference: the file {name}: {first_difference(a, b, SIDES)}")
            sys.exit(1)

    groups = {}
    for case in cases:
        groups[case.group] = groups.get(case.group, 0) + 1
    print(f"compared {len(cases)} command lines ("
          + ", ".join(f"{group} {count}" for group, count in groups.items())
          + f") and {len(names)} files written: exit status, standard output, standard error and files "
            "byte for byte")
    print("a save over an existing file that failed part-way (check -o of a CSV malformed in its last row) "
          "left it byte for byte, with no temporary file beside it, on Linux and on Windows")
    if runs_again:
        print(f"run again under Wine alone, after a run without its output: {len(runs_again)} ("
              + "; ".join(" ".join(case.args) for case in runs_again[:5]) + ")")
    print("differences: none")


if __name__ == "__main__":
    main()
