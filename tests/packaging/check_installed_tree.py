#!/usr/bin/env python3
"""Installs the suite into a scratch DESTDIR with `cmake --install` and checks
what a machine would receive: exactly the expected files, desktop entries and
metainfo that point at what is installed and pass their validators, a manual
page naming every option the installed csp-report offers, and installed
programs that run.

    check_installed_tree.py BUILD_DIR DESTDIR VERSION SOURCE_DIR PROGRAM...
"""
import gzip
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

PREFIX = "usr"
APP_ID_PREFIX = "org.cspsuite."
PACKAGE = "csp-suite"
GUI_PROGRAMS = ("tabrell", "verrick", "ombrel", "selector")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


WEB_DIR = f"share/{PACKAGE}/web"


def expected_files(programs):
    files = {
        f"bin/{program}" for program in programs
    } | {
        f"share/man/man1/{program}.1.gz" for program in programs
    } | {
        f"share/doc/{PACKAGE}/copyright",
        f"share/doc/{PACKAGE}/changelog.gz",
    }
    for program in programs:
        if program in GUI_PROGRAMS:
            app_id = APP_ID_PREFIX + program
            files |= {
                f"share/applications/{app_id}.desktop",
                f"share/metainfo/{app_id}.metainfo.xml",
                f"share/icons/hicolor/scalable/apps/{app_id}.svg",
            }
    return files


def installed_files(root):
    found = set()
    for folder, _, names in os.walk(root):
        found |= {os.path.relpath(os.path.join(folder, name), root) for name in names}
    return found


def desktop_entry(path):
    entry = {}
    with open(path, encoding="utf-8") as file:
        for line in file:
            key, sep, value = line.rstrip("\n").partition("=")
            if sep:
                entry[key] = value
    return entry


def validator_says(tool, args, path):
    """The validator's complaint, or None when it passes or is not installed."""
    if not shutil.which(tool):
        print(f"note: {tool} not installed, {os.path.basename(path)} not validated")
        return None
    result = run([tool, *args, path])
    return None if result.returncode == 0 else result.stdout + result.stderr


def check_entry_files(program, desktop, metainfo, version):
    """The desktop entry and metainfo of one program, installed or not yet."""
    app_id = APP_ID_PREFIX + program
    entry = desktop_entry(desktop)
    check(entry.get("Exec", "").split(" ")[0] == program, f"{app_id}.desktop: Exec does not start {program}")
    check(entry.get("Icon") == app_id, f"{app_id}.desktop: Icon is {entry.get('Icon')!r}")
    check({"Science", "Engineering"} <= set(entry.get("Categories", "").split(";")),
          f"{app_id}.desktop: Categories lack Science or Engineering")
    complaint = validator_says("desktop-file-validate", [], desktop)
    check(complaint is None, f"desktop-file-validate {app_id}.desktop:\n{complaint}")

    component = ElementTree.parse(metainfo).getroot()
    releases = [release.get("version") for release in component.iter("release")]
    for what, found, wanted in [
        ("id", component.findtext("id"), app_id),
        ("launchable", component.findtext("launchable"), app_id + ".desktop"),
        ("provided binary", component.findtext("provides/binary"), program),
        ("newest release", releases[0] if releases else None, version),
    ]:
        check(found == wanted, f"{app_id}.metainfo.xml: {what} is {found!r}, not {wanted!r}")
    check(component.find("screenshots/screenshot/image") is not None, f"{app_id}.metainfo.xml: no screenshot")
    complaint = validator_says("appstreamcli", ["validate", "--no-net"], metainfo)
    check(complaint is None, f"appstreamcli validate {app_id}.metainfo.xml:\n{complaint}")


def check_manual_page(root, csp_report, version):
    with gzip.open(os.path.join(root, "share/man/man1/csp-report.1.gz"), "rt", encoding="utf-8") as file:
        page = file.read().replace("\\-", "-")
    check(f'"csp-report {version}"' in page, f"csp-report.1: title line does not carry version {version}")
    sections = re.findall(r'^\.SH "?([^"\n]+)"?$', page, re.M)
    for section in ("SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "EXAMPLES", "SEE ALSO"):
        check(section in sections, f"csp-report.1: no {section} section")

    # Every option that heads a line of the help of csp-report or of a
    # subcommand heads a tagged paragraph of the page, and the page heads
    # no other.
    lines = page.splitlines()
    described = set(re.findall(r"^(?:\\fB-\w\\fR, )?\\fB(--[a-z-]+)", "\n".join(
        line for previous, line in zip(lines, lines[1:]) if previous.startswith(".TP")), re.M))
    top = run([csp_report, "--help"]).stdout
    subcommands = re.findall(r"^  ([a-z]+) {2,}", top.split("Subcommands:")[1].split("\n\n")[0], re.M)
    helps = [top] + [run([csp_report, subcommand, "--help"]).stdout for subcommand in subcommands]
    helped = set(re.findall(r"^ {2,6}(?:-\w, )?(--[a-z-]+)", "\n".join(helps), re.M))
    for subcommand in subcommands:
        check(f"{subcommand.upper()} ENTRIES" in sections, f"csp-report.1: no section for {subcommand}")
    check(described == helped and len(helped) > 20,
          f"csp-report.1: options only in the page {sorted(described - helped)}, "
          f"only in the help {sorted(helped - described)}")
    exit_statuses = re.findall(r"^  (\d)  ", top.split("Exit status:")[1], re.M)
    exit_section = page.split('.SH "EXIT STATUS"')[-1].split(".SH")[0]
    check(exit_statuses == re.findall(r"^\.TP\n(\d)$", exit_section, re.M),
          f"csp-report.1: exit statuses differ from the help's {exit_statuses}")


def main():
    build_dir, destdir, version, source_dir, *programs = sys.argv[1:]
    shutil.rmtree(destdir, ignore_errors=True)
    result = run(["cmake", "--install", build_dir, "--prefix", "/" + PREFIX], env=dict(os.environ, DESTDIR=destdir))
    if result.returncode != 0:
        sys.exit("cmake --install failed:\n" + result.stdout + result.stderr)
    root = os.path.join(destdir, PREFIX)

    wanted, found = expected_files(programs), installed_files(root)
    # The browser edition's pages come as a set, once tools/build-web has
    # made them.
    if any(path.startswith(WEB_DIR) for path in found):
        wanted |= {f"{WEB_DIR}/{page}.html" for page in ("index", "tabrell", "verrick", "ombrel", "select")}
    for path in sorted(wanted - found):
        failures.append(f"not installed: {path}")
    for path in sorted(found - wanted):
        failures.append(f"installed but not expected: {path}")

    for program in programs:
        binary = os.path.join(root, "bin", program)
        if check(os.access(binary, os.X_OK), f"bin/{program} is not executable"):
            answer = run([binary, "--version"]).stdout
            check(answer == f"{program} {version}\n", f"installed {program} --version says {answer!r}")

    # Installed programs are checked as installed; a desktop program not built
    # here is checked in the source folder, ready for the day it is.
    for program in GUI_PROGRAMS:
        app_id = APP_ID_PREFIX + program
        folder = os.path.join(root, "share") if program in programs else os.path.join(source_dir, "packaging")
        desktop = os.path.join(folder, "applications" if program in programs else "", app_id + ".desktop")
        metainfo = os.path.join(folder, "metainfo" if program in programs else "", app_id + ".metainfo.xml")
        if os.path.exists(desktop) and os.path.exists(metainfo):
            check_entry_files(program, desktop, metainfo, version)

    csp_report = os.path.join(root, "bin", "csp-report")
    if os.access(csp_report, os.X_OK):
        installed = run([csp_report, "ombrel"])
        built = run([os.path.join(build_dir, "apps/csp-report/csp-report"), "ombrel"])
        check(installed.returncode == 0 and installed.stdout == built.stdout and "Input Data:" in installed.stdout,
              "installed csp-report ombrel does not write the built program's report")
        check_manual_page(root, csp_report, version)

    doc = os.path.join(root, "share/doc", PACKAGE)
    if os.path.exists(os.path.join(doc, "copyright")):
        with open(os.path.join(doc, "copyright"), encoding="utf-8") as installed, \
                open(os.path.join(source_dir, "LICENSE"), encoding="utf-8") as license_file:
            check(installed.read() == license_file.read(), "copyright is not the LICENSE file")
    if os.path.exists(os.path.join(doc, "changelog.gz")):
        with gzip.open(os.path.join(doc, "changelog.gz"), "rt", encoding="utf-8") as file:
            newest = file.readline()
        check(newest.startswith(f"{PACKAGE} ({version})"), f"changelog.gz: newest entry is {newest.strip()!r}")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(found)} files installed for {', '.join(programs)}; {len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
