#!/usr/bin/env python3
"""Checks the layers of src/: every #include "..." of a file goes to its own
layer or to one its layer may use, the layers' uses form no cycle, and no
file of the window-free core includes a Qt header.

    check_layers.py SRC_FOLDER

Prints each offending include with its file and line, and exits 1 when there
is one; prints one line and exits 0 otherwise.
"""
import os
import re
import sys

# Bottom to top. A layer may use the layers it names and, through them,
# whatever those use; nothing above it.
LAYERS = {
    "support": [],
    "platform": ["support"],
    "settings": ["platform"],
    "reader": ["platform"],
    "model": ["reader"],
    "declarations": ["model"],
    "render": ["declarations"],
    "navigate": ["render"],
    "compare": ["render"],
    "search": ["render"],
    "dirtree/core": ["settings"],
    "site": ["navigate", "search"],
    "viewer": ["settings"],
    "dirtree": ["dirtree/core"],
    "app": ["navigate", "compare", "search", "viewer", "dirtree"],
    "cli": ["navigate", "compare", "search", "site", "settings"],
}
# Layers that may include Qt; the one Qt backend of platform/ is built into
# the directory tree's library.
QT_LAYERS = {"dirtree", "app"}
QT_FOLDERS = ("platform/posix/qt/",)

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
QT_HEADER = re.compile(r"^Q[A-Za-z]+$|^Qt[A-Za-z]*/")


def layer_of(path):
    """The layer of a path below src/ (a file or an include), or None."""
    best = None
    for layer in LAYERS:
        if path == layer or path.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def reachable(layer):
    seen, todo = set(), list(LAYERS[layer])
    while todo:
        below = todo.pop()
        if below not in seen:
            seen.add(below)
            todo.extend(LAYERS[below])
    return seen


def table_cycle():
    """A cycle in LAYERS itself, as a list of layers, or None."""
    for layer in LAYERS:
        if layer in reachable(layer):
            return layer
    return None


def scan(src):
    for folder, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp", ".inc", ".h.in")):
                continue
            path = os.path.join(folder, name)
            relative = os.path.relpath(path, src).replace(os.sep, "/")
            with open(path, encoding="utf-8", errors="replace") as text:
                for number, line in enumerate(text, 1):
                    match = INCLUDE.match(line)
                    if match:
                        yield relative, number, match.group(1), match.group(2)


def find_cycles(uses):
    """Cycles among the layers that the includes actually connect."""
    cycles, state = [], {}

    def visit(layer, trail):
        state[layer] = "open"
        for used in sorted(uses.get(layer, ())):
            if state.get(used) == "open":
                cycles.append(trail[trail.index(used):] + [used])
            elif used not in state:
                visit(used, trail + [used])
        state[layer] = "done"

    for layer in sorted(uses):
        if layer not in state:
            visit(layer, [layer])
    return cycles


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else "src"
    problems = []
    if table_cycle():
        problems.append(f"the layer table has a cycle through {table_cycle()}")
    uses, where = {}, {}
    files = 0
    for relative, number, kind, target in scan(src):
        files += 1
        layer = layer_of(relative)
        if layer is None:
            problems.append(f"{relative}: the folder belongs to no layer (add it to tests/layers/check_layers.py)")
            continue
        if kind == "<":
            if QT_HEADER.match(target) and layer not in QT_LAYERS and not relative.startswith(QT_FOLDERS):
                problems.append(f"{relative}:{number}: #include <{target}>: Qt in the window-free layer '{layer}'")
            continue
        used = layer_of(target)
        if used is None or used == layer:
            continue
        uses.setdefault(layer, set()).add(used)
        where.setdefault((layer, used), f"{relative}:{number}: #include \"{target}\"")
        if used not in reachable(layer):
            problems.append(f"{relative}:{number}: #include \"{target}\": layer '{layer}' may not use '{used}'")
    for cycle in find_cycles(uses):
        steps = [where[(a, b)] for a, b in zip(cycle, cycle[1:])]
        problems.append("cycle " + " -> ".join(cycle) + ":\n    " + "\n    ".join(steps))
    for problem in problems:
        print("layers: " + problem)
    if problems:
        print(f"layers: {len(problems)} problem(s)")
        return 1
    print(f"layers: ok, {len(LAYERS)} layers, {files} includes, no upward include, no cycle, no Qt in the core")
    return 0


if __name__ == "__main__":
    sys.exit(main())
