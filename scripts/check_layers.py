#!/usr/bin/env python3
"""Checks that every include keeps to its layer: Qt only behind the platform's
host (and the test input that drives it), no include that climbs a layer or a
platform room, and every quoted include written from the repository root.
Prints each offence and exits 1 when there is one."""
import os
import re
import sys

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..'))
SOURCE = ('.h', '.cpp')
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
QT = re.compile(r'^Qt|^Q[A-Z]')
QT_ROOMS = ('platform/host/', 'platform/testing/')

# What each folder may include (by repository path prefix); the longest
# matching prefix decides. Folders not named here may include anything.
LOWER = {
    'platform/runtime/': ['platform/runtime/'],
    'platform/gdi/': ['platform/runtime/', 'platform/gdi/', 'platform/host/'],
    'platform/controls/': ['platform/runtime/', 'platform/gdi/', 'platform/controls/', 'platform/host/'],
    'platform/host/': ['platform/runtime/', 'platform/gdi/', 'platform/controls/', 'platform/host/'],
    'platform/testing/': ['platform/'],
    'skin/controls/': ['platform/', 'skin/controls/'],
    'skin/engine/': ['platform/', 'skin/'],
    'net/': ['platform/', 'net/'],
    'chart/': ['platform/', 'chart/'],
    # The series base knows no series type.
    'chart/series/': ['platform/'] + ['chart/' + room for room in (
        'canvas/', 'panel/', 'utils/', 'messages/', 'axis/', 'series/', 'functions/', 'control/')],
    'app/': ['platform/', 'skin/', 'net/', 'chart/', 'app/'],
    # The quote series, the quote files and replies, and the indicators'
    # arithmetic are the program's pure parts: no window, no chart, no skin.
    'app/quotes/': ['platform/runtime/', 'app/quotes/'],
    'app/indicators/': ['platform/runtime/', 'app/quotes/', 'app/indicators/'],
    # The server pages exactly the symbols the program pages: it shares the
    # program's rule, a header that in turn includes nothing of ours.
    'tools/quote_server/': ['tools/quote_server/', 'app/quotes/quotepaging.h'],
    'app/quotes/quotepaging.h': [],
    'tools/panel_demo': ['platform/', 'chart/'],
    'tools/skin_gallery': ['platform/', 'skin/'],
    'tools/make_samples': [],
    # A fuzz target drives one reader of the layers, as a test does.
    'fuzz/': ['platform/', 'skin/', 'net/', 'chart/', 'app/', 'fuzz/'],
}
TEST_SUPPORT = ['platform/', 'tools/quote_server/', 'tests/support/']
# A layer's tests may use its own layer and below, and the helpers of the
# tests of those layers.
LOWER['tests/platform/'] = ['platform/'] + TEST_SUPPORT + ['tests/platform/']
for layer in ('skin/controls', 'skin/engine', 'net', 'chart', 'app'):
    below = LOWER[layer + '/']
    LOWER['tests/' + layer + '/'] = below + TEST_SUPPORT + ['tests/' + b for b in below]
LOWER['tests/support/'] = TEST_SUPPORT


def sources():
    for top in ('platform', 'skin', 'net', 'chart', 'app', 'tests', 'tools', 'bench', 'fuzz'):
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in names:
                if name.endswith(SOURCE):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def rule_for(path):
    keys = [k for k in LOWER if path.startswith(k)]
    return LOWER[max(keys, key=len)] if keys else None


def resolve(path, target):
    """The repository path a quoted include names, or None."""
    candidates = [target]
    if path.startswith('tests/'):
        candidates += [os.path.normpath(os.path.join(os.path.dirname(path), target)), 'tests/' + target]
    for c in candidates:
        if os.path.isfile(os.path.join(ROOT, c)):
            return c
    return None


def main():
    files = sorted(sources())
    texts = {f: open(os.path.join(ROOT, f), encoding='utf-8').read() for f in files}
    includes = {f: INCLUDE.findall(t) for f, t in texts.items()}
    qt_headers = {f for f in files if f.endswith('.h') and any(k == '<' and QT.match(t) for k, t in includes[f])}
    faults = []
    for f in files:
        in_qt_room = f.startswith(QT_ROOMS)
        allowed = rule_for(f)
        for kind, target in includes[f]:
            if kind == '<':
                if QT.match(target) and not in_qt_room:
                    faults.append(f'{f}: includes Qt <{target}> outside platform/host')
                continue
            if target.startswith('generated/') or target.endswith('.moc'):
                continue
            named = resolve(f, target)
            if named is None:
                faults.append(f'{f}: "{target}" is not a path from the repository root')
                continue
            if not f.startswith('tests/') and named != target:
                faults.append(f'{f}: "{target}" should be written from the repository root')
            if named in qt_headers and not in_qt_room:
                faults.append(f'{f}: "{target}" brings Qt outside platform/host')
            if allowed is not None and not named.startswith(tuple(allowed)):
                faults.append(f'{f}: "{target}" climbs a layer (allowed: {", ".join(allowed) or "nothing"})')
    for line in faults:
        print(line)
    print(f'layer check: {len(files)} files, {len(faults)} offences')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
