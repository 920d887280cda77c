#!/usr/bin/env python3
"""Runs the README's command-line examples as a reader would, one after the
other in one shell from the top of a repository whose build/cli/tarvik is the
tarvik under test, and compares what each prints with what the README shows.

    readme_test.py TARVIK README

The examples are the ```console blocks: a line "$ COMMAND", then what it
prints, standard output before standard error, as a terminal shows them here.
Blanks at the ends of lines are not compared: editors drop them, and a
lookup's empty last meanings end its line in TABs.
"""
import os, re, subprocess, sys, tempfile

tarvik, readme = (os.path.abspath(path) for path in sys.argv[1:])
with open(readme, encoding="utf-8") as file:
    blocks = re.findall(r"^```console\n(.*?)^```", file.read(), re.M | re.S)
examples = []
for line in "".join(blocks).splitlines():
    if line.startswith("$ "):
        examples.append((line[2:], []))
    else:
        examples[-1][1].append(line)


def shown(lines):
    lines = [line.rstrip() for line in lines]
    while lines and not lines[-1]:
        lines.pop()
    return lines


with tempfile.TemporaryDirectory() as work:
    top = os.path.join(work, "repository")
    os.makedirs(os.path.join(top, "build", "cli"))
    os.symlink(tarvik, os.path.join(top, "build", "cli", "tarvik"))
    os.symlink(os.path.join(os.path.dirname(readme), "data"), os.path.join(top, "data"))
    script = "".join(f'{{ {command}\n}} >"{work}/{i}.out" 2>"{work}/{i}.err"\n'
                     for i, (command, _) in enumerate(examples))
    subprocess.run(["bash", "-c", script], cwd=top,
                   env=dict(os.environ, HOME=work, TMPDIR=work, LC_ALL="C.UTF-8"))
    failures = 0
    for i, (command, expected) in enumerate(examples):
        printed = []
        for stream in ("out", "err"):
            with open(f"{work}/{i}.{stream}", encoding="utf-8") as file:
                printed += file.read().splitlines()
        if shown(printed) != shown(expected):
            failures += 1
            print(f"$ {command}\n  README shows:")
            print(*(f"    {line}" for line in shown(expected)), "  printed:", sep="\n")
            print(*(f"    {line}" for line in shown(printed)), sep="\n")

print(f"{len(examples)} examples, {failures} not as the README shows")
sys.exit(1 if failures or len(examples) < 10 else 0)
