#!/usr/bin/env python3
"""Draws the include graph between the plug-in's folders and fails when it loops or points upward.

The layers, from the bottom: port, hostapi, core, win. A folder may include its own layer's folders
(without a loop) and any layer below; the core never includes win. Usage: check_layers.py <source root>
"""
import os
import re
import sys
from collections import defaultdict

LAYERS = ["port", "hostapi", "core", "win"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path):
    """'core/ini/CIniFile.h' -> 'core/ini'; 'port/Mbcs.h' -> 'port'; None outside the layers."""
    parts = path.split("/")
    if parts[0] not in LAYERS:
        return None
    return parts[0] if parts[0] in ("port", "hostapi") else "/".join(parts[:2])


def include_graph(root):
    edges = defaultdict(set)
    for layer in LAYERS:
        for directory, _, files in os.walk(os.path.join(root, layer)):
            for name in files:
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.relpath(os.path.join(directory, name), root).replace(os.sep, "/")
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
                    for included in INCLUDE.findall(source.read()):
                        target = folder_of(included)
                        if target and target != folder_of(path):
                            edges[folder_of(path)].add(target)
    return edges


def find_loop(edges):
    state, stack = {}, []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for target in sorted(edges.get(node, ())):
            if state.get(target) == "open":
                return stack[stack.index(target):] + [target]
            if target not in state:
                loop = visit(target)
                if loop:
                    return loop
        state[node] = "done"
        stack.pop()
        return None

    for node in sorted(edges):
        if node not in state:
            loop = visit(node)
            if loop:
                return loop
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    edges = include_graph(root)
    status = 0
    for source in sorted(edges):
        print(f"{source} -> {', '.join(sorted(edges[source]))}")
        for target in edges[source]:
            if LAYERS.index(target.split("/")[0]) > LAYERS.index(source.split("/")[0]):
                print(f"FAIL: {source} includes {target}, a layer above it")
                status = 1
    loop = find_loop(edges)
    if loop:
        print("FAIL: folders include each other in a loop: " + " -> ".join(loop))
        status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
