#!/usr/bin/env python3
"""Draws the tree's include graph and checks it against the layers.

A header and the source of the same name form one module. The script lists every
circle between modules and every include that runs from a layer to one it may not
see, and exits with 1 when it finds either. Tests, benchmarks and the fuzz target
may include anything and are left out. With --dot it prints the graph for Graphviz
instead.
"""
import os
import re
import sys
from collections import defaultdict

# Each layer, by the folder that holds it, and the layers it may include. The first
# matching folder wins, so deeper folders come before their parents.
LAYERS = [
    ("platform/core", "core", set()),
    ("platform/file/posix", "file/posix", {"core", "file"}),
    ("platform/file/win32", "file/win32", {"core", "file"}),
    ("platform/file", "file", {"core"}),
    ("platform/wnd", "wnd", {"core"}),
    ("platform/qt", "qt", {"core", "wnd"}),
    ("platform/win32", "win32", {"core", "wnd"}),
    ("platform/headless", "headless", {"core", "wnd"}),
    ("catalog", "catalog", {"core", "file"}),
    ("parts", "parts", {"core", "catalog"}),
    ("res", "res", {"core", "wnd"}),
    ("types", "types", {"core", "file", "wnd", "catalog", "res"}),
    ("setup", "setup", {"core", "file", "wnd", "catalog", "parts", "res"}),
    ("app", "app", {"core", "file", "wnd", "catalog", "parts", "res", "types", "setup"}),
    ("cli", "cli", {"core", "file", "catalog", "parts"}),
    ("tools", "tools", {"core", "file", "wnd", "catalog", "parts", "res"}),
]
# The programs' entry points choose a backend or the system's console; nothing else may.
ENTRY_POINTS = {"app/main.cpp": {"qt", "win32", "file/win32"}, "cli/main.cpp": {"file/win32"}}
SOURCE = re.compile(r"\.(h|cpp)$")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer_of(path):
    for folder, name, _ in LAYERS:
        if path.startswith(folder + "/"):
            return name
    return None


def read_tree(root):
    files = {}
    for folder, _, _ in LAYERS:
        for base, dirs, names in os.walk(os.path.join(root, folder)):
            dirs[:] = [d for d in dirs if os.path.join(base, d)[len(root) + 1:] not in
                       {f for f, _, _ in LAYERS}]
            for name in names:
                if SOURCE.search(name):
                    path = os.path.relpath(os.path.join(base, name), root)
                    with open(os.path.join(root, path), encoding="utf-8") as f:
                        files[path] = INCLUDE.findall(f.read())
    return files


def module_of(path):
    return SOURCE.sub("", path)


def build_graph(files):
    headers = defaultdict(list)
    for path in files:
        headers[os.path.basename(path)].append(path)
    graph = defaultdict(set)
    arrows = []
    for path, includes in sorted(files.items()):
        for name in includes:
            targets = headers.get(os.path.basename(name), [])
            if not targets:
                continue
            target = targets[0]
            if module_of(target) != module_of(path):
                graph[module_of(path)].add(module_of(target))
            arrows.append((path, target))
    return graph, arrows


def circles(graph):
    """Strongly connected components of more than one module (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for v in sorted(set(graph) | {w for ws in graph.values() for w in ws}):
        if v not in index:
            visit(v)
    return found


def upward(arrows):
    allowed = {name: deps | {name} for _, name, deps in LAYERS}
    for source, target in arrows:
        here, there = layer_of(source), layer_of(target)
        if here is None or there in allowed[here] or there in ENTRY_POINTS.get(source, ()):
            continue
        yield source, target


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    files = read_tree(root)
    graph, arrows = build_graph(files)
    if "--dot" in sys.argv:
        print("digraph includes {")
        for v in sorted(graph):
            for w in sorted(graph[v]):
                print(f'  "{v}" -> "{w}";')
        print("}")
        return 0
    found = circles(graph)
    bad = list(upward(arrows))
    for component in found:
        print("circle: " + " <-> ".join(component))
    for source, target in bad:
        print(f"arrow up: {source} includes {target}")
    print(f"{len(files)} files, {len(found)} circles, {len(bad)} arrows up")
    return 1 if found or bad else 0


if __name__ == "__main__":
    sys.exit(main())
