#!/usr/bin/env python3
"""The pictures say what their reports say.

check_pictures.py tables|checks|service-life SWEEP CSP_REPORT FOLDER

tables:       every wizard table (written by the sweep program): one line per
              column of the table, each point equal to its cell, a cell of 0
              not drawn.
checks:       a sample of design checks through `csp-report check --reports
              DIR --svg`: the verdicts in the report's order, the closing
              sentence, the axle load and H.
service-life: a grid of service lives through `csp-report ombrel --svg`: one
              bar per report row with its total, and the aluminum coated bar
              where the report has its note.
Every picture is valid XML with a title and a description, and renders with
rsvg-convert.
"""
import csv
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

SVG = "{http://www.w3.org/2000/svg}"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def read_svg(path):
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as error:
        check(False, f"{path}: not XML: {error}")
        return None
    check(root.tag == SVG + "svg", f"{path}: the root is {root.tag}")
    for part in ("title", "desc"):
        element = root.find(SVG + part)
        check(element is not None and element.text and element.text.strip(), f"{path}: no {part}")
    return root


def render_all(paths):
    """Renders every picture with rsvg-convert, many to one PDF at a time."""
    converter = shutil.which("rsvg-convert")
    if not check(converter, "rsvg-convert is not installed (Debian librsvg2-bin)"):
        return
    batch = 100
    for start in range(0, len(paths), batch):
        chunk = paths[start:start + batch]
        done = subprocess.run([converter, "-f", "pdf", *chunk], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        if done.returncode == 0:
            continue
        for path in chunk:  # name the picture that fails
            one = subprocess.run([converter, "-f", "png", path], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            check(one.returncode == 0, f"{path}: rsvg-convert: {one.stderr.decode(errors='replace').strip()}")


def fresh_folder(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)


# --- Fill-height tables ------------------------------------------------------

def table_rows(lines):
    """The rows of a table: the lines after the last rule of its header, up
    to the first blank line after them."""
    rule = max(i for i, line in enumerate(lines) if len(line) >= 60 and set(line) == {"-"})
    rows = []
    for line in lines[rule + 1:]:
        if line.strip():
            rows.append(line.split())
        elif rows:
            break
    return rows


def expected_points(row, columns):
    """(where, cell) of each column of a report row, as the chart keys it."""
    if len(row) == 2 + columns:  # round pipe: diameter, minimum cover, covers
        return [(row[0], cell) for cell in row[2:]]
    size = f"{row[0]} x {row[2]}"
    if len(row) == 8:  # span x rise, thickness, minimum cover, three covers
        return [(size, cell) for cell in row[5:8]]
    return [(size, row[i]) for i in (5, 7, 9)]  # each cover after its own minimum


def check_table(name, report_path, svg_path):
    with open(report_path, encoding="utf-8") as file:
        lines = file.read().split("\n")
    root = read_svg(svg_path)
    if root is None:
        return
    series = [g for g in root.iter(SVG + "g") if g.get("class") == "series"]
    rows = table_rows(lines)
    if not check(rows, f"{name}: the report has no rows"):
        return
    columns = len(series)
    check(columns in (3, 4, 5, 7), f"{name}: {columns} lines")
    for row in rows:
        check(len(expected_points(row, columns)) == columns, f"{name}: row {' '.join(row)} has not {columns} cells")
    for j, line in enumerate(series):
        def cells(key):
            text = line.get(key) or ""
            return text.split(";") if text else []
        drawn = list(zip(cells("data-spans") or cells("data-sizes"), cells("data-covers")))
        # Each cell is a vertex of the line, where its marker stands.
        vertices = sum(len(re.findall(r"[ML]", p.get("d", ""))) for p in line.iter(SVG + "path"))
        check(vertices == len(drawn), f"{name}: line {line.get('data-column')}: {vertices} vertices, "
                                      f"{len(drawn)} cells")
        wanted = [points[j] for points in (expected_points(row, columns) for row in rows)
                  if len(points) > j and points[j][1] != "0"]
        check(drawn == wanted, f"{name}: line {line.get('data-column')}: drawn {drawn[:4]}... "
                               f"the table {wanted[:4]}...")


def check_tables(sweep, folder):
    fresh_folder(folder)
    subprocess.run([sweep, folder], check=True, stdout=subprocess.DEVNULL)
    names = sorted(int(f[:-4]) for f in os.listdir(folder) if f.endswith(".svg"))
    check(len(names) > 300, f"only {len(names)} tables")
    for n in names:
        check_table(f"table {n}", os.path.join(folder, f"{n}.txt"), os.path.join(folder, f"{n}.svg"))
    render_all([os.path.join(folder, f"{n}.svg") for n in names])


# --- Design checks -------------------------------------------------------------

STRUCTURES = [
    # id, shape, profile, live-load, method, cover, span, size, thickness, corner-radius
    ("round-48-h20", "round", "0", "H20", "astm-asd", "1.5", "48", "", "0", ""),
    ("round-120-e80-thin", "round", "0", "E80", "astm-asd", "1", "120", "", "0", ""),
    ("round-72-deep", "round", "1", "H25", "aashto-lrfd", "80", "72", "", "3", ""),
    ("round-ribbed", "round", "4", "H20", "aisi", "12", "60", "", "1", ""),
    ("round-6x2-shallow", "round", "3", "E80", "aashto-lfd", "2", "180", "", "2", ""),
    ("round-composite", "round", "6", "H20", "astm-lrfd", "30", "36", "", "0", ""),
    ("arch-2x12-small", "pipe-arch", "0", "H20", "astm-asd", "2", "", "0", "0", ""),
    ("arch-3x1", "pipe-arch", "1", "H25", "aashto-asd", "10", "", "8", "2", ""),
    ("arch-5x1", "pipe-arch", "2", "E80", "astm-asd", "5", "", "4", "1", ""),
    ("arch-6x2-18", "pipe-arch", "3", "H20", "astm-asd", "40", "", "5", "0", "18"),
    ("arch-6x2-31", "pipe-arch", "3", "H20", "aashto-lrfd", "6", "", "20", "4", "31"),
    ("arch-ribbed", "pipe-arch", "4", "H20", "aisi", "3", "", "3", "0", ""),
    ("underpass-small", "underpass", "0", "H20", "astm-asd", "2", "", "0", "0", ""),
    ("underpass-deep-e80", "underpass", "0", "E80", "astm-asd", "200", "", "20", "0", ""),
]
COLUMNS = ["id", "shape", "profile", "live-load", "method", "cover", "span", "size", "thickness", "corner-radius"]
AXLE_LOADS = {"H20": "H 20", "H25": "H 25", "E80": "E 80"}


def report_summary(lines):
    start = lines.index("Design Check Summary:")
    verdicts = []
    for line in lines[start + 1:]:
        if not line.strip():
            break
        verdicts.append((line[4:37].strip(), line[37:].strip()))
    closing = lines[start + len(verdicts) + 2]
    return verdicts, closing


def check_design_checks(report, folder):
    fresh_folder(folder)
    rows = os.path.join(folder, "structures.csv")
    with open(rows, "w", newline="") as file:
        writer = csv.writer(file)
        writer.writerow(COLUMNS)
        writer.writerows(STRUCTURES)
    reports = os.path.join(folder, "reports")
    done = subprocess.run([report, "check", rows, "--reports", reports, "--svg", "-o", os.path.join(folder, "summary.csv")],
                          stderr=subprocess.PIPE)
    check(done.returncode in (0, 1), f"csp-report check: {done.returncode} {done.stderr.decode()}")
    with open(os.path.join(folder, "summary.csv"), newline="") as file:
        summary = {row["id"]: row for row in csv.DictReader(file)}
    said = set()
    for structure in STRUCTURES:
        name = structure[0]
        if not check(summary.get(name, {}).get("message", "?") == "", f"{name}: refused: {summary.get(name)}"):
            continue
        with open(os.path.join(reports, name + ".txt"), encoding="cp1252", newline="") as file:
            lines = file.read().split("\r\n")
        root = read_svg(os.path.join(reports, name + ".svg"))
        if root is None:
            continue
        verdicts, closing = report_summary(lines)
        drawn = [(g.get("data-check"), g.get("data-verdict")) for g in root.iter(SVG + "g")
                 if g.get("class") == "verdict"]
        check(drawn == verdicts, f"{name}: the picture's verdicts {drawn}, the report's {verdicts}")
        said.update(verdict for _, verdict in verdicts)
        texts = {t.get("class"): "".join(t.itertext()) for t in root.iter(SVG + "text")}
        check(texts.get("closing") == closing, f"{name}: closing sentence {texts.get('closing')!r}")
        load = [g.get("data-load") for g in root.iter(SVG + "g") if g.get("class") == "axle-load"]
        check(load == [AXLE_LOADS[structure[3]]], f"{name}: axle load {load}")
        cover = next(line.split(":", 1)[1].strip() for line in lines if line.strip().startswith("Cover, H:"))
        dimension = [t for t in root.iter(SVG + "text") if t.get("data-dimension") == "H"]
        check([t.text for t in dimension] == [f"H = {cover}"], f"{name}: H is {[t.text for t in dimension]}, "
                                                               f"the report says {cover}")
        schematic = any(t.text == "schematic" for t in root.iter(SVG + "text"))
        check(schematic == (structure[1] != "round"), f"{name}: schematic label {schematic}")
    check(said == {"OK", "NO GOOD"}, f"the sample shows only {said}")
    render_all(sorted(os.path.join(reports, f) for f in os.listdir(reports) if f.endswith(".svg")))


# --- Service life ----------------------------------------------------------------

def report_bars(lines):
    """(coating, galvanized, add-on, total) per row, and the aluminum bar."""
    start = next(i for i, line in enumerate(lines) if line.startswith("-" * 42 + "  "))
    bars = []
    for i in range(start + 1, len(lines)):
        line = lines[i]
        if line.startswith("Aluminum Coated Type 2") or line.startswith("-----"):
            break
        if line.strip() and line[45:].split():
            add_on, galvanized, total = line[45:].split()[:3]
            name = line[:45].strip()
            if i + 1 < len(lines) and lines[i + 1].startswith("    ") and lines[i + 1].strip():
                name += " " + lines[i + 1].strip()
            bars.append((name, galvanized, add_on, total))
    aluminum = [line for line in lines if line.startswith("Aluminum Coated Type 2")]
    for line in aluminum:
        life = line.split(": ", 1)[1].replace(" year total life.", "")
        bars.append((line.split(":")[0], None, None, life))
    return bars


def check_service_lives(report, folder):
    fresh_folder(folder)
    paths = []
    inputs = [("5000", "7.0"), ("1500", "5"), ("100", "4"), ("100000", "9.5"), ("2000", "8.5")]
    for gage in ("18", "16", "14", "12", "10", "8"):
        for abrasion in ("1", "2", "3", "4"):
            for resistivity, ph in inputs:
                name = f"{gage}-{abrasion}-{resistivity}-{ph}"
                base = os.path.join(folder, name)
                done = subprocess.run([report, "ombrel", "--gage", gage, "--abrasion", abrasion, "--resistivity",
                                       resistivity, "--ph", ph, "-o", base + ".txt", "--svg", base + ".svg"],
                                      stderr=subprocess.PIPE)
                if not check(done.returncode == 0, f"{name}: {done.stderr.decode()}"):
                    continue
                with open(base + ".txt", encoding="cp1252", newline="") as file:
                    lines = file.read().split("\r\n")
                root = read_svg(base + ".svg")
                if root is None:
                    continue
                drawn = [(g.get("data-coating"), g.get("data-galvanized"), g.get("data-add-on"), g.get("data-total"))
                         for g in root.iter(SVG + "g") if g.get("class") == "bar"]
                wanted = report_bars(lines)
                check(drawn == wanted, f"{name}: bars {drawn}, the report {wanted}")
                paths.append(base + ".svg")
    # The same entries give the same bytes.
    again = subprocess.run([report, "ombrel", "-o", os.path.join(folder, "again.txt"), "--svg", "-"],
                           stdout=subprocess.PIPE, check=True).stdout
    with open(os.path.join(folder, "16-1-5000-7.0.svg"), "rb") as file:
        check(file.read() == again, "the same entries drew different bytes")
    render_all(paths)


def main():
    kind, sweep, report, folder = sys.argv[1:5]
    if kind == "tables":
        check_tables(sweep, folder)
    elif kind == "checks":
        check_design_checks(report, folder)
    else:
        check_service_lives(report, folder)
    for failure in failures[:40]:
        print(failure)
    print(f"{len(failures)} failures" if failures else "every picture says what its report says")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
