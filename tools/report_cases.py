"""The command lines the report comparisons run, and how one is run.

tools/compare-reports.py runs two builds of csp-report over a broad sweep;
tools/compare-windows-reports.py runs csp-report and csp-report.exe (under
Wine) over a smaller one. Both read what the pages offer from a program's
--list, walk the Tabrell wizard the same way, draw structures from the same
Verrick lists, run the same Ombrel grid, give check the same kind of file,
and run and tell apart each command line the same way; each script keeps
the command lines that are its own.
"""

import itertools
import re
import subprocess

LOADS = ["H20", "H25", "E80"]
METHODS = ["astm-asd", "astm-lrfd", "aashto-asd", "aashto-lfd", "aashto-lrfd", "aisi"]
SHAPES = ["round", "pipe-arch", "underpass"]
# The columns of a check file, one per Verrick entry after the id.
CHECK_HEADER = ["id", "shape", "profile", "live-load", "method", "soil-density", "cover", "corner-radius", "span",
                "size", "thickness", "installation", "reduction"]
SUBCOMMAND_HELP = [["ombrel", "--help"], ["tabrell", "--help"], ["verrick", "--help"], ["check", "--help"],
                   ["select", "--help"]]
TABRELL_FOLLOW_UPS = ["trench", "design", "base", "load-reduction"]


class Case:
    def __init__(self, args, saved=(), stdin=None, group=None):
        self.args = args
        self.saved = saved  # files or folders the command line writes
        self.stdin = stdin  # bytes given on standard input, or None
        self.group = group  # what the command line is counted under


def offered_lists(program, args, check=False):
    """The lists `csp-report ARGS --list` shows: {entry: [word, ...]}.
    With check, a --list that fails stops the sweep."""
    out = subprocess.run([program, *args, "--list"], capture_output=True, check=check).stdout.decode()
    lists, entry = {}, None
    for line in out.splitlines():
        header = re.match(r"--([a-z-]+): ", line)
        if header:
            entry = header.group(1)
            lists[entry] = []
        elif entry and line.strip():
            lists[entry].append(line.split()[0])
    return lists


def saving(args, n, name="report", group=None):
    """The command line again, with its report saved."""
    path = f"{name}-{n}.txt"
    return Case(args + ["-o", path], saved=[path], group=group)


def saved_again(cases, every, name, group=None):
    """The first of the cases and every `every`-th after it, again with the report saved."""
    return [saving(case.args, n, name, group) for n, case in enumerate(cases) if n % every == 0]


def tabrell_tables(program, reductions, order=("shape", "live-load", "conditions", "criteria"), check=False):
    """Every table the wizard can be asked for, as command lines: each main
    page choice, taken in the nesting `order`, then every answer of each
    follow-up page the choices ask, one page at a time as --list offers
    them, the load reduction typed as each of `reductions`. Returns the main
    page's lists and the command lines."""
    main = offered_lists(program, ["tabrell"], check)
    tables = []

    def walk(args):
        offered = offered_lists(program, args, check)
        for entry in TABRELL_FOLLOW_UPS:
            if entry in offered and f"--{entry}" not in args:
                for answer in reductions if entry == "load-reduction" else offered[entry]:
                    walk(args + [f"--{entry}", answer])
                return
        tables.append(args)

    for choice in itertools.product(*(main[entry] for entry in order)):
        chosen = dict(zip(order, choice))
        walk(["tabrell", "--shape", chosen["shape"], "--live-load", chosen["live-load"], "--conditions",
              chosen["conditions"], "--criteria", chosen["criteria"]])
    return main, tables


def verrick_profiles(program, check=False):
    """Every Verrick (shape, profile, lists its pages then offer)."""
    return [(shape, profile, offered_lists(program, ["verrick", "--shape", shape, "--profile", profile], check))
            for shape in SHAPES for profile in offered_lists(program, ["verrick", "--shape", shape], check)["profile"]]


def ombrel_grid():
    """Ombrel over every gage, a few resistivities and pH values, and every abrasion level."""
    grid = itertools.product(["18", "16", "14", "12", "10", "8"], ["400", "1500", "5000", "12000"],
                             ["4.5", "6", "7.0", "8.5", "9.9"], ["1", "2", "3", "4"])
    return [["ombrel", "--gage", gage, "--resistivity", resistivity, "--ph", ph, "--abrasion", abrasion]
            for gage, resistivity, ph, abrasion in grid]


def csv_line(cells):
    return ",".join('"' + c.replace('"', '""') + '"' if re.search(r'[",\s]', c) else c for c in cells)


def check_file(rows):
    """The bytes of a check file: CHECK_HEADER, then the rows, each line ending in CR LF."""
    return ("\r\n".join(csv_line(row) for row in [CHECK_HEADER, *rows]) + "\r\n").encode()


def check_cases(jobs, group=None):
    """check over jobs.csv, over the same bytes on standard input, and saving its summary and reports."""
    return [Case(["check", "jobs.csv"], group=group), Case(["check", "-"], stdin=jobs, group=group),
            Case(["check", "jobs.csv", "-o", "summary.csv", "--reports", "reports"], saved=["summary.csv", "reports"],
                 group=group)]


# ---- running and comparing ----------------------------------------------------


def run(command, case, folder):
    """One command line run in folder: (exit status, standard output, standard error)."""
    done = subprocess.run([*command, *case.args], cwd=folder, input=case.stdin or b"", capture_output=True)
    return done.returncode, done.stdout, done.stderr


def differences(ours, theirs, sides):
    """What differs between two runs of one command line, the exit status
    first: [(what, detail), ...], empty if nothing does."""
    found = []
    if ours[0] != theirs[0]:
        found.append(("exit status", f"{sides[0]} {ours[0]}, {sides[1]} {theirs[0]}"))
    for name, a, b in [("standard output", ours[1], theirs[1]), ("standard error", ours[2], theirs[2])]:
        if a != b:
            found.append((name, first_difference(a, b, sides)))
    return found


def first_difference(a, b, sides):
    at = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))
    line = a.count(b"\n", 0, at) + 1
    start = a.rfind(b"\n", 0, at) + 1

    def line_at(text):
        end = text.find(b"\n", start)
        return text[start:end if end >= 0 else len(text)]

    return f"byte {at} (line {line}): {sides[0]} {line_at(a)!r}, {sides[1]} {line_at(b)!r}" + (
        f" ({sides[0]} {len(a)} bytes, {sides[1]} {len(b)})" if len(a) != len(b) else "")
