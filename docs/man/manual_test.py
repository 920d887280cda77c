#!/usr/bin/env python3
"""Keeps the manual pages and the programs together: every command of tarvik
and every option either program shows in its help must stand in bold in the
page, each command's options in that command's entry, and both programs must
print the version the pages carry.

    manual_test.py TARVIK TARVIK_SLOVNIK PAGE_FOLDER VERSION
"""
import gzip, os, re, subprocess, sys, tempfile

tarvik, slovnik, folder, version = sys.argv[1:]
failures = []


def run(*command, env=None, cwd=None):
    done = subprocess.run(command, capture_output=True, text=True, env=env, cwd=cwd)
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)} exited with {done.returncode}: {done.stderr}")
    return done.stdout


def page(name):
    with gzip.open(os.path.join(folder, name + ".1.gz"), "rt", encoding="utf-8") as roff:
        # roff may escape the hyphens of options; the page means them alike.
        return roff.read().replace("\\-", "-")


def options(help_text):
    return sorted(set(re.findall(r"(?<![\w-])--?[a-z][a-z0-9-]*", help_text)))


def expect_bold(text, words, where):
    for word in words:
        if f"\\fB{word}\\fR" not in text:
            failures.append(f"{word} is missing from {where}")


def entries(text):
    """The entries of the COMMANDS section by command: a term line, then its
    indented text."""
    lines = text.split(".SH COMMANDS", 1)[1].split("\n.SH", 1)[0].split("\n")
    found, name = {}, None
    for line, following in zip(lines, lines[1:] + [""]):
        term = re.match(r"\\fB(\w+)\\fR", line) if following == ".RS 4" else None
        if term:
            name = term.group(1)
            found[name] = ""
        if name:
            found[name] += line + "\n"
    return found


def check_tarvik():
    text = page("tarvik")
    main_help = run(tarvik, "--help")
    expect_bold(text, options(main_help), "tarvik(1)")
    general = options(main_help.split("Commands:", 1)[0])
    commands = re.findall(r"^  (\w+) ", main_help.split("Commands:", 1)[1], re.M)
    if len(commands) < 10:
        failures.append(f"only {commands} read from tarvik --help")
    described = entries(text)
    for command in commands:
        if command not in described:
            failures.append(f"command {command} is missing from tarvik(1)")
            continue
        own = [o for o in options(run(tarvik, command, "--help")) if o not in general]
        expect_bold(described[command], own, f"the entry of {command} in tarvik(1)")
    if run(tarvik, "--version").strip() != f"tarvik {version}":
        failures.append(f"tarvik --version does not say {version}")


def check_slovnik():
    text = page("tarvik-slovnik")
    expect_bold(text, options(run(slovnik, "--help")), "tarvik-slovnik(1)")
    # With a display Qt cannot reach and an empty folder: the answer must
    # come before any window or dictionary.
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env["QT_QPA_PLATFORM"] = "xcb"
    with tempfile.TemporaryDirectory() as empty:
        if run(slovnik, "--version", env=env, cwd=empty).strip() != f"tarvik-slovnik {version}":
            failures.append(f"tarvik-slovnik --version does not say {version}")
        if os.listdir(empty):
            failures.append(f"tarvik-slovnik --version made {os.listdir(empty)}")


check_tarvik()
check_slovnik()
print("\n".join(failures) or "the pages hold every command and option")
sys.exit(1 if failures else 0)
