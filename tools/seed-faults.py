#!/usr/bin/env python3
"""Measures what the test suite catches: seeds single-line faults into a clean
copy of the product, one at a time, rebuilds, runs the suite and reports each
fault as caught or escaped.

Faults are picked by rule, not by hand: every line of the product code
(engine/, logic/, game/, board/, gdi/, app/, panels/, brain/, resources/, and the
Linux launcher's scripts in packaging/linux/) offers the faults its text
allows (a comparison flipped, a constant off by one or far off, a call, a
command or an assignment dropped, two arguments swapped, a colour changed, a
Czech letter lost, an id exchanged, a width taken for a height or an x for a
y, a guard that returns early never firing),
and a fixed seed draws from them, one rule after another in turn so that no
kind crowds out the rest. A fault that does not compile is drawn again.

A fault counts as caught when any test of the suite fails. The trees run
cheapest first and the run stops at the first failure, which decides the
same as running everything. Trees that the fault left unchanged (ninja has
nothing to rebuild) are not run: their tests are the clean tree's.

A fault that compiles to the very code of the clean tree is no fault at all
(sizeof a[2] for sizeof a[0], a guard the compiler proves redundant): when
every tree built without sanitizers (their checks record columns, which any
edit moves) rebuilt only objects equal to the clean ones, debug information
aside, the fault counts as "same code" and, like "no change", not at all.

Usage:
  tools/seed-faults.py [--count N] [--seed S] [--work DIR] [--list]
                       [--results FILE] [--again EARLIER_RESULTS]
                       [--under FOLDER] [--backwards N]

The work folder (default build/faults) holds a copy of HEAD with its own build
trees and Wine prefix, results.jsonl (one line per fault, so that a run can
stop and go on later) and report.txt. A developer's tool: the test command
does not run it.
"""

import argparse
import hashlib
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODUCT = ("engine", "logic", "game", "board", "gdi", "app", "panels", "brain", "resources")
SOURCE_ENDINGS = (".cpp", ".h", ".rc")
# The launcher's scripts: the package copies them as they are, so a fault in
# one needs no rebuild, only the Windows tree's tests (which run them).
SCRIPTS = "packaging/linux"
PACKAGE_TESTS = "^(bundle_starts|installer_round_trip|debian_package)$"
SHELL_COMPARISONS = {" -lt ": " -le ", " -le ": " -lt ", " -gt ": " -ge ", " -ge ": " -gt ",
                     " -eq ": " -ne ", " -ne ": " -eq ", " = ": " != ", " != ": " = "}
SHELL_WORDS = re.compile(r"^\s*(if|then|else|elif|fi|for|do|done|case|esac|while|until|local|return|exit|"
                         r"export|set|source|shift|trap|exec|\}|\{|;;|\w+\(\))")

CZECH_PLAIN = dict(zip("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", "acdeeinorstuuyzACDEEINORSTUUYZ"))
COMPARISONS = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ", " == ": " != ", " != ": " == "}
# A bare statement that only calls something: dropping it leaves valid code.
CALL_STATEMENT = re.compile(r"^\s*(?:[\w:]+(?:\.|->))*[\w:~]+\(.*\);\s*$")
NOT_A_CALL = re.compile(r"^\s*(return|if|while|for|switch|case|delete|throw|using|typedef|static_assert)\b")
TWO_ARGUMENTS = re.compile(r"(\w\()([\w.\->]+(?:\([^()]*\))?), ([\w.\->]+(?:\([^()]*\))?)([,)])")
NUMBER = re.compile(r"(?<![\w.])(0x[0-9A-Fa-f]+|\d+)(?![\w.])")
RGB = re.compile(r"RGB\((\s*\w+),(\s*\w+),(\s*\w+)\)")
IDS = re.compile(r"\b(ID[MBCDIR]_\w+)\b")
STRING = re.compile(r'L?"(?:[^"\\]|\\.)*"')
IDENTIFIER = re.compile(r"\b[A-Za-z_]\w*\b")
# An identifier's words: camelCase humps, runs of capitals, digits, underscores.
WORDS = re.compile(r"[A-Z]+(?=[A-Z][a-z])|[A-Z]?[a-z]+|[A-Z]+|\d+|_+")
# Names of the same kind, one for the other: a width read as a height, an x
# as a y, a row as a column. A row's counterpart is a col or a column,
# whichever the file uses.
COUNTERPARTS = {}
for one, other in (("width", "height"), ("column", "row"), ("col", "row"), ("columns", "rows"), ("cols", "rows"),
                   ("x", "y"), ("w", "h")):
    for a, b in ((one, other), (one.capitalize(), other.capitalize()), (one.upper(), other.upper())):
        COUNTERPARTS.setdefault(a, []).append(b)
        COUNTERPARTS.setdefault(b, []).append(a)
# Win32's short coordinate names (cx, px, dx, ...): the x or y is their last letter.
SHORT_COORDINATE = re.compile(r"^[a-z][xy]$")
# What stands before a name being declared: a type (the keywords that take
# an expression are no type).
DECLARED = re.compile(r"(?<![\w.>:])(?!(?:return|case|delete|throw|else|do|new|sizeof|co_return|co_yield)\b)"
                      r"[A-Za-z_][\w:<>]*[\s*&]+$")
LVALUE = r"[A-Za-z_](?:[\w.:]|->|\[[^\]]*\])*"
# A statement that only assigns: no type before the name, so no declaration.
ASSIGNMENT = re.compile(r"^\s*(?:\*\s*)?" + LVALUE + r"\s*(?:[-+*/%&|^]|<<|>>)?=(?!=)(?!\s*(?:default|delete)\s*;).*;\s*$")
STEP = re.compile(r"^\s*(?:(?:\+\+|--)" + LVALUE + "|" + LVALUE + r"(?:\+\+|--))\s*;\s*$")
EXIT = re.compile(r"^\{?\s*(?:return\b.*;|continue\s*;|break\s*;|throw\b.*;)")
SHELL_EXIT = r"(?:return|exit|break|continue)\b"
# A line that is nothing but an assignment to a shell variable.
SHELL_VALUE = r"""(?:"(?:[^"\\]|\\.)*"|'[^']*'|\$\((?:[^()]|\((?:[^()]|\([^()]*\))*\))*\)|[^\s;|&"'()#])*"""
SHELL_ASSIGNMENT = re.compile(r"^\s*\w+\+?=" + SHELL_VALUE + r"\s*(?:#.*)?$")


class Fault:
    def __init__(self, path, line, rule, before, after):
        self.path, self.line, self.rule, self.before, self.after = path, line, rule, before, after
        key = f"{path}:{line}:{rule}:{after}".encode()
        self.id = hashlib.sha1(key).hexdigest()[:8]

    def describe(self):
        return f"{self.path}:{self.line} [{self.rule}] {self.before.strip()}  =>  {self.after.strip()}"


def is_script(path):
    return path.startswith(SCRIPTS + "/")


def product_files(src):
    found = []
    for folder in PRODUCT:
        for parent, _, names in os.walk(os.path.join(src, folder)):
            found += [os.path.relpath(os.path.join(parent, n), src) for n in names if n.endswith(SOURCE_ENDINGS)]
    for name in os.listdir(os.path.join(src, SCRIPTS)):
        with open(os.path.join(src, SCRIPTS, name), encoding="utf-8") as f:
            if name.endswith(".sh") or f.readline().startswith("#!"):
                found.append(f"{SCRIPTS}/{name}")
    return sorted(found)


def shell_faults_of_line(path, number, text):
    """A comparison of test(1) flipped, && for || and back, a number off by
    one, a plain command (one that stands on its own line) dropped."""
    found = []

    def add(rule, after):
        if after != text:
            found.append(Fault(path, number, rule, text, after))

    if text.lstrip().startswith("#") or not text.strip():
        return found
    for old, new in SHELL_COMPARISONS.items():
        for m in re.finditer(re.escape(old), text):
            add("comparison", text[: m.start()] + new + text[m.end() :])
    for old, new in ((" && ", " || "), (" || ", " && ")):
        for m in re.finditer(re.escape(old), text):
            add("logic", text[: m.start()] + new + text[m.end() :])
    for m in NUMBER.finditer(text):
        if text[m.start() - 1 : m.start()] in (">", "&", "<") or text[m.end() : m.end() + 1] in (">", "<"):
            continue  # a descriptor of a redirection
        add("constant", text[: m.start()] + str(int(m.group(1), 0) + 1) + text[m.end() :])
    if (not SHELL_WORDS.match(text) and not text.rstrip().endswith(("\\", "|", "&&", "||", "(", "{"))
            and not re.match(r"^\s*[\w]+=", text) and re.match(r"^\s+[\w\"$]", text)):
        add("call dropped", re.match(r"^\s*", text).group(0) + ":  # dropped\n")
    return found


def is_code(text, in_block_comment):
    stripped = text.strip()
    if in_block_comment or not stripped:
        return False
    return not stripped.startswith(("//", "/*", "*", "#include", "#pragma", "#if", "#endif", "#else"))


def outside_strings(text, start, end):
    return all(not (m.start() <= start < m.end() or m.start() < end <= m.end()) for m in STRING.finditer(text))


def masked(text):
    """The line with its strings, character literals and comments blanked
    out, so that what a rule finds in it is code, at the same columns."""
    out = list(text)
    i, quote = 0, None
    while i < len(text):
        ch = text[i]
        if quote:
            if ch == "\\":
                out[i] = " "
                if i + 1 < len(text) and text[i + 1] != "\n":
                    out[i + 1] = " "
                i += 2
                continue
            if ch == quote:
                quote = None
            elif ch != "\n":
                out[i] = " "
        elif ch in "\"'":
            quote = ch
        elif text.startswith("//", i):
            return "".join(out[:i]) + " " * (len(text.rstrip("\n")) - i) + ("\n" if text.endswith("\n") else "")
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = len(text.rstrip("\n")) if end < 0 else end + 2
            out[i:end] = " " * (end - i)
            i = end
            continue
        i += 1
    return "".join(out)


def shell_masked(text):
    """A shell line with its quoted text and its comment blanked out."""
    out = list(text)
    i, quote = 0, None
    while i < len(text):
        ch = text[i]
        if quote:
            if ch == "\\" and quote == '"':
                out[i:i + 2] = "  "
                i += 2
                continue
            if ch == quote:
                quote = None
            elif ch != "\n":
                out[i] = " "
        elif ch == "\\":
            i += 2
            continue
        elif ch in "\"'":
            quote = ch
        elif ch == "#" and (i == 0 or text[i - 1] in " \t;"):
            return "".join(out[:i]) + ("\n" if text.endswith("\n") else "")
        i += 1
    return "".join(out)


def counterparts(name):
    """The names one word of NAME's could be exchanged into: scrollX for
    scrollY, cx for cy, rowCount for colCount or columnCount."""
    words = [m.group(0) for m in WORDS.finditer(name)]
    if "".join(words) != name:
        return []
    found = []
    for i, word in enumerate(words):
        others = list(COUNTERPARTS.get(word, []))
        if SHORT_COORDINATE.match(word):
            others.append(word[0] + {"x": "y", "y": "x"}[word[1]])
        for other in others:
            changed = "".join(words[:i] + [other] + words[i + 1:])
            if changed not in found:
                found.append(changed)
    return found


def far(value):
    """Numbers more than one away from VALUE."""
    return [2 * value + 2] + ([value // 2] if value >= 4 else [])


def shown_like(number, value):
    return hex(value) if number.startswith("0x") else str(value)


def new_faults_of_line(path, number, text, names, previous_line, next_line):
    """Faults of a C++ line that need it read as code: names exchanged for
    their counterparts, constants far off, assignments and early exits dropped."""
    found = []

    def add(rule, after):
        if after != text and all(f.after != after for f in found):
            found.append(Fault(path, number, rule, text, after))

    code = masked(text)
    for m in IDENTIFIER.finditer(code):
        if DECLARED.search(code[: m.start()]):
            continue  # a name being declared: its counterpart would be declared twice
        for other in counterparts(m.group(0)):
            if other in names:
                add("names exchanged", text[: m.start()] + other + text[m.end() :])
    for m in NUMBER.finditer(code):
        for value in far(int(m.group(1), 0)):
            add("constant far", text[: m.start()] + shown_like(m.group(1), value) + text[m.end() :])
    if (ASSIGNMENT.match(code) or STEP.match(code)) and not NOT_A_CALL.match(code):
        # A lone ; as the body of an else is refused as an empty body.
        empty = "{}" if re.search(r"\belse\s*$", masked(previous_line)) else ";"
        add("assignment dropped", re.match(r"^\s*", text).group(0) + empty + "  // dropped\n")
    for m in re.finditer(r"\bif\s*\(", code):
        depth, close = 0, None
        for i in range(m.end() - 1, len(code)):
            depth += {"(": 1, ")": -1}.get(code[i], 0)
            if depth == 0:
                close = i
                break
        if close is None:
            continue
        rest = code[close + 1 :].strip()
        body_below = rest in ("", "{") and EXIT.match(masked(next_line).strip())
        if EXIT.match(rest) or body_below:
            add("guard dropped", text[: m.end()] + "false && (" + text[m.end() : close] + ")" + text[close:])
    return found


def new_shell_faults_of_line(path, number, text, next_line):
    """A number far off, an assignment dropped, an early exit that never
    happens: `if ...; then` never true, `... && return` never returning."""
    found = []

    def add(rule, after):
        if after != text and all(f.after != after for f in found):
            found.append(Fault(path, number, rule, text, after))

    if text.lstrip().startswith("#") or not text.strip():
        return found
    code = shell_masked(text)
    for m in NUMBER.finditer(code):
        if (text[m.start() - 1 : m.start()] in (">", "&", "<", "$") or text[m.end() : m.end() + 1] in (">", "<")
                or re.search(r"[A-Za-z]-$", text[: m.start()])):
            continue  # a descriptor of a redirection, a positional parameter, part of a name (UTF-8)
        for value in far(int(m.group(1), 0)):
            add("constant far", text[: m.start()] + shown_like(m.group(1), value) + text[m.end() :])
    if SHELL_ASSIGNMENT.match(text) and not text.rstrip().endswith("\\"):
        add("assignment dropped", re.match(r"^\s*", text).group(0) + ":  # dropped\n")
    then = re.search(r";\s*then\b", code)
    if re.match(r"^\s*(?:el)?if\s", code) and then:
        below = re.match(r"^\s*" + SHELL_EXIT, shell_masked(next_line))
        if below or re.match(r"\s*" + SHELL_EXIT, code[then.end() :]):
            add("guard dropped", text[: then.start()] + "; false" + text[then.start() :])
    for m in re.finditer(r"(&&|\|\|)(\s+)(?=" + SHELL_EXIT + r"|\{[^}]*\b" + SHELL_EXIT + r")", code):
        never = "false" if m.group(1) == "&&" else "true"
        add("guard dropped", text[: m.end()] + never + " " + m.group(1) + m.group(2) + text[m.end() :])
    return found


def faults_of_line(path, number, text, ids_of_kind):
    found = []

    def add(rule, after):
        if after != text:
            found.append(Fault(path, number, rule, text, after))

    code = text.split("//")[0] if "//" in text and '"' not in text else text
    for old, new in COMPARISONS.items():
        for m in re.finditer(re.escape(old), code):
            if outside_strings(text, m.start(), m.end()):
                add("comparison", text[: m.start()] + new + text[m.end() :])
    for old, new in ((" && ", " || "), (" || ", " && ")):
        for m in re.finditer(re.escape(old), code):
            add("logic", text[: m.start()] + new + text[m.end() :])
    for m in NUMBER.finditer(code):
        if not outside_strings(text, m.start(), m.end()):
            continue
        value = int(m.group(1), 0)
        for delta in (1, -1):
            if value + delta < 0:
                continue
            shown = hex(value + delta) if m.group(1).startswith("0x") else str(value + delta)
            add("constant", text[: m.start()] + shown + text[m.end() :])
    if CALL_STATEMENT.match(code) and not NOT_A_CALL.match(code) and "=" not in code.split("(")[0]:
        add("call dropped", re.match(r"^\s*", text).group(0) + ";  // dropped\n")
    for m in TWO_ARGUMENTS.finditer(code):
        if m.group(2) != m.group(3) and outside_strings(text, m.start(), m.end()):
            add("arguments swapped",
                text[: m.start()] + m.group(1) + m.group(3) + ", " + m.group(2) + m.group(4) + text[m.end() :])
    for m in RGB.finditer(code):
        parts = [m.group(1), m.group(2), m.group(3)]
        for i, part in enumerate(parts):
            try:
                value = int(part.strip(), 0)
            except ValueError:
                continue
            changed = list(parts)
            changed[i] = " " + str(255 - value if value != 128 else 0)
            add("colour", text[: m.start()] + "RGB(" + ",".join(changed).lstrip() + ")" + text[m.end() :])
    for s in STRING.finditer(text):
        for i, ch in enumerate(s.group(0)):
            if ch in CZECH_PLAIN:
                at = s.start() + i
                add("czech letter", text[:at] + CZECH_PLAIN[ch] + text[at + 1 :])
    for m in IDS.finditer(code):
        kind = m.group(1)[:4]
        others = [i for i in ids_of_kind.get(kind, []) if i != m.group(1)]
        if others and not text.lstrip().startswith("#define"):
            other = others[(number + m.start()) % len(others)]
            add("id exchanged", text[: m.start()] + other + text[m.end() :])
    if path.endswith(".rc") and re.match(r'^\s*"[A-Z]", IDM_', text):
        key = text.split('"')[1]
        add("accelerator key", text.replace(f'"{key}"', f'"{chr((ord(key) - 64) % 26 + 65)}"', 1))
    return found


def all_faults(src):
    ids_of_kind = {}
    with open(os.path.join(src, "resources", "resource.h"), encoding="utf-8") as f:
        for m in re.finditer(r"#define (ID[MBCDIR]_\w+)", f.read()):
            ids_of_kind.setdefault(m.group(1)[:4], []).append(m.group(1))
    faults = []
    for path in product_files(src):
        with open(os.path.join(src, path), encoding="utf-8") as f:
            lines = f.readlines()
        following, preceding = lines[1:] + [""], [""] + lines[:-1]
        if is_script(path):
            for number, (text, next_line) in enumerate(zip(lines, following), 1):
                faults.extend(shell_faults_of_line(path, number, text))
                faults.extend(new_shell_faults_of_line(path, number, text, next_line))
            continue
        names = set(IDENTIFIER.findall("".join(masked(text) for text in lines)))
        in_block = False
        for number, (text, previous_line, next_line) in enumerate(zip(lines, preceding, following), 1):
            if is_code(text, in_block):
                faults.extend(faults_of_line(path, number, text, ids_of_kind))
                faults.extend(new_faults_of_line(path, number, text, names, previous_line, next_line))
            code = text.split("//")[0]
            if "/*" in code and "*/" not in code:
                in_block = True
            elif "*/" in code:
                in_block = False
    return faults


def draw(faults, seed):
    """The faults in the order the seed gives: rules take turns, each drawing
    from its own shuffled list, so that every kind is sampled."""
    rng = random.Random(seed)
    by_rule = {}
    for fault in faults:
        by_rule.setdefault(fault.rule, []).append(fault)
    rules = sorted(by_rule)
    rng.shuffle(rules)
    for rule in rules:
        rng.shuffle(by_rule[rule])
    order = []
    while any(by_rule.values()):
        for rule in rules:
            if by_rule[rule]:
                order.append(by_rule[rule].pop())
    return order


class Tree:
    """A clean copy of HEAD with the same four build trees as the test command."""

    CONFIGS = [
        ("native", {}, ["-DCMAKE_BUILD_TYPE=Debug", "-DQUINTERRA_SANITIZE=ON"]),
        ("fuzz", {"CXX": "clang++"}, ["-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DQUINTERRA_FUZZ=ON"]),
        ("windows", {}, ["-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]),
        ("release", {}, ["-DCMAKE_BUILD_TYPE=Release", "-DQUINTERRA_BENCH=ON"]),
    ]

    # The trees whose objects are compared with the clean ones, and the
    # objcopy that reads their format.
    PLAIN = {"windows": "x86_64-w64-mingw32-objcopy", "release": "objcopy"}
    OBJECT_ENDINGS = (".o", ".obj", ".res")

    def __init__(self, work, commit):
        self.work = work
        self.commit = commit
        self.src = os.path.join(work, "src")
        self.clean_code = {}

    def build_dir(self, name):
        return os.path.join(self.work, "build", name)

    def extract(self):
        commit = subprocess.run(["git", "rev-parse", self.commit], cwd=ROOT, capture_output=True, text=True,
                                check=True).stdout.strip()
        stamp = os.path.join(self.work, "commit")
        if not os.path.exists(stamp) or open(stamp).read() != commit:
            shutil.rmtree(self.src, ignore_errors=True)
            os.makedirs(self.src)
            archive = subprocess.Popen(["git", "archive", commit], cwd=ROOT, stdout=subprocess.PIPE)
            subprocess.run(["tar", "-x", "-C", self.src], stdin=archive.stdout, check=True)
            archive.wait()
            with open(stamp, "w") as f:
                f.write(commit)

    def prepare(self):
        for name, env, flags in self.CONFIGS:
            build = self.build_dir(name)
            if not os.path.exists(os.path.join(build, "build.ninja")):
                subprocess.run(["cmake", "-S", self.src, "-B", build, "-G", "Ninja", "-DQUINTERRA_WERROR=ON", *flags],
                               env={**os.environ, **env}, check=True, stdout=subprocess.DEVNULL)
        ok, _ = self.build_all()
        if not ok:
            sys.exit("the clean tree does not build")
        for name in self.PLAIN:
            for path in self.objects(name):
                self.clean_code[path] = self.code_of(name, path)

    def objects(self, name, since=0.0):
        found = []
        for parent, _, names in os.walk(self.build_dir(name)):
            found += [os.path.join(parent, n) for n in names if n.endswith(self.OBJECT_ENDINGS)]
        return [path for path in found if os.path.getmtime(path) >= since]

    def code_of(self, name, path):
        """A hash of the object's code and data, its debug information left out."""
        if path.endswith(".res"):
            with open(path, "rb") as f:
                return hashlib.sha1(f.read()).hexdigest()
        stripped = path + ".stripped"
        subprocess.run([self.PLAIN[name], "--strip-debug", path, stripped], check=True)
        with open(stripped, "rb") as f:
            code = hashlib.sha1(f.read()).hexdigest()
        os.remove(stripped)
        return code

    def same_code(self, since):
        """Whether the trees without sanitizers rebuilt something since then,
        every object of it equal to the clean tree's."""
        rebuilt = [(name, path) for name in self.PLAIN for path in self.objects(name, since)]
        return bool(rebuilt) and all(self.clean_code.get(path) == self.code_of(name, path) for name, path in rebuilt)

    def build(self, name):
        """(built, changed): whether the tree built, and whether anything in it changed."""
        target = ["--target", "savedgame_fuzz"] if name == "fuzz" else []
        done = subprocess.run(["cmake", "--build", self.build_dir(name), *target],
                              capture_output=True, text=True)
        return done.returncode == 0, "no work to do" not in done.stdout

    def build_all(self):
        changed = []
        for name, _, _ in self.CONFIGS:
            built, touched = self.build(name)
            if not built:
                return False, []
            if touched:
                changed.append(name)
        return True, changed

    def ctest(self, name, *extra):
        build = self.build_dir(name)
        args = ["ctest", "--test-dir", build, "--timeout", "300", *extra]
        done = subprocess.run(args, capture_output=True, text=True)
        if name == "windows":
            subprocess.run([os.path.join(self.src, "tools", "wine-fixture.sh"), "stop", build],
                           capture_output=True)
        if done.returncode == 0:
            return None
        failed = re.findall(r"\d+ - (\S+) \(", done.stdout)
        return failed[0] if failed else "ctest failed"

    def run_tests(self, name, packages_first=False):
        """The name of a test that fails, or None when all pass. A failure
        counts only when the test fails again on its own: on a loaded machine
        a window can be slow enough once to fail a test. The package tests
        take minutes and catch few faults of the game's code, so the Windows
        tree runs them last; a launcher's fault, which only they see, first."""
        parallel = ["-j", str(os.cpu_count() or 2)] if name == "native" else []
        groups = [[]]
        if name == "windows":
            groups = [["-E", PACKAGE_TESTS], ["-R", PACKAGE_TESTS]]
            if packages_first:
                groups.reverse()
        for group in groups:
            for _ in range(2):
                failing = self.ctest(name, "--stop-on-failure", *parallel, *group)
                if failing is None:
                    break
                if self.ctest(name, "-R", f"^{re.escape(failing)}$"):
                    return failing
        return None


def seed_one(tree, fault):
    path = os.path.join(tree.src, fault.path)
    with open(path, encoding="utf-8") as f:
        lines = f.readlines()
    original = list(lines)
    # A fault run again on a later tree finds its line by its text: the
    # lines around it may have moved.
    at = [i for i, text in enumerate(lines) if text == fault.before]
    if not at:
        return {"result": "line gone"}
    lines[min(at, key=lambda i: abs(i + 1 - fault.line))] = fault.after
    started = time.time()
    with open(path, "w", encoding="utf-8") as f:
        f.writelines(lines)
    try:
        built, changed = tree.build_all()
        if not built:
            return {"result": "does not build"}
        if not is_script(fault.path) and tree.same_code(started):
            return {"result": "same code"}
        if is_script(fault.path):
            changed = ["windows"]
        for name, _, _ in Tree.CONFIGS:
            if name in changed:
                failing = tree.run_tests(name, packages_first=is_script(fault.path))
                if failing:
                    return {"result": "caught", "by": f"{name}/{failing}"}
        return {"result": "escaped" if changed else "no change"}
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.writelines(original)
        print(f"  {time.time() - started:.0f} s", flush=True)


def report(work, results):
    counted = [r for r in results if r["result"] in ("caught", "escaped")]
    caught = [r for r in counted if r["result"] == "caught"]
    same = [r for r in results if r["result"] == "same code"]
    lines = [f"{len(caught)} of {len(counted)} faults caught"
             + (f" ({100 * len(caught) / len(counted):.0f} %)" if counted else "")
             + f"; {len(same)} more compiled to the clean code", ""]
    by_folder = {}
    for r in counted:
        folder = r["fault"].split("/")[0]
        by_folder.setdefault(folder, [0, 0])[0 if r["result"] == "caught" else 1] += 1
    for folder, (c, e) in sorted(by_folder.items()):
        lines.append(f"{folder}: {c} of {c + e}")
    by_rule = {}
    for r in counted:
        by_rule.setdefault(r["rule"], [0, 0])[0 if r["result"] == "caught" else 1] += 1
    lines.append("")
    for rule, (c, e) in sorted(by_rule.items()):
        lines.append(f"{rule}: {c} of {c + e}")
    lines += ["", "Escaped:"]
    lines += [f"  {r['id']} {r['fault']}" for r in counted if r["result"] == "escaped"]
    lines += ["", "Same code as the clean tree:"]
    lines += [f"  {r['id']} {r['fault']}" for r in same]
    lines += ["", "Caught:"]
    lines += [f"  {r['id']} {r['fault']}  <- {r['by']}" for r in caught]
    text = "\n".join(lines) + "\n"
    with open(os.path.join(work, "report.txt"), "w", encoding="utf-8") as f:
        f.write(text)
    return text


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=100, help="faults to count (those that build)")
    parser.add_argument("--seed", type=int, default=16)
    parser.add_argument("--work", default=os.path.join(ROOT, "build", "faults"))
    parser.add_argument("--again", metavar="RESULTS",
                        help="run the escaped faults of an earlier results file on today's HEAD")
    parser.add_argument("--list", action="store_true", help="print the drawn faults and stop")
    parser.add_argument("--results", default="results.jsonl", help="file in the work folder to record to")
    parser.add_argument("--commit", default="HEAD", help="the commit whose suite is measured")
    parser.add_argument("--under", help="draw only faults in files under this folder (say packaging)")
    parser.add_argument("--backwards", type=int, metavar="N",
                        help="take the first N drawn faults from the last back: a second worker, in a work "
                             "folder of its own, meets the first one half way")
    args = parser.parse_args()

    if args.again:
        with open(args.again, encoding="utf-8") as f:
            earlier = [json.loads(line) for line in f]
        order = [Fault(r["path"], r["line"], r["rule"], r["before"], r["after"])
                 for r in earlier if r["result"] == "escaped"]
        args.count = sys.maxsize  # each of them, however many ran before

    os.makedirs(args.work, exist_ok=True)
    tree = Tree(args.work, args.commit)
    tree.extract()
    if not args.again:
        faults = all_faults(tree.src)
        if args.under:
            faults = [f for f in faults if f.path.startswith(args.under.rstrip("/") + "/")]
        order = draw(faults, args.seed)
        if args.backwards:
            order = order[: args.backwards][::-1]
    if args.list:
        for fault in order[: args.count]:
            print(fault.id, fault.describe())
        return
    tree.prepare()
    results_path = os.path.join(args.work, args.results)
    results = []
    if os.path.exists(results_path):
        with open(results_path, encoding="utf-8") as f:
            results = [json.loads(line) for line in f]
    done = {r["id"] for r in results}
    with open(results_path, "a", encoding="utf-8") as out:
        for fault in order:
            counted = sum(r["result"] in ("caught", "escaped") for r in results)
            if counted >= args.count:
                break
            if fault.id in done:
                continue
            total = len(order) if args.again else args.count
            print(f"[{counted + 1}/{total}] {fault.id} {fault.describe()}", flush=True)
            outcome = seed_one(tree, fault)
            outcome.update(id=fault.id, fault=fault.describe(), path=fault.path, line=fault.line,
                           rule=fault.rule, before=fault.before, after=fault.after)
            print(f"  {outcome['result']} {outcome.get('by', '')}", flush=True)
            results.append(outcome)
            out.write(json.dumps(outcome, ensure_ascii=False) + "\n")
            out.flush()
    print(report(args.work, results))


if __name__ == "__main__":
    main()
