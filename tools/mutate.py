#!/usr/bin/env python3
"""Mutation testing: plants one small fault at a time in the sources a change touches, builds,
runs the test suite, and reports the faults that no test noticed (the survivors).

    tools/mutate.py [--base REV] [--sample N] [--seed S] [--list] [PATH ...]

PATH names files or folders to mutate; without any, the C++ files changed against --base
(default: main) are taken, uncommitted changes included. Each mutant is written into its file,
built incrementally in a separate build directory (default build/mutate, a Debug build without
sanitizers), and the whole suite runs under ctest, stopping at the first failing test. The file
is then restored, also when the run is interrupted; a file left mutated by a run that was killed
outright is restored from its backup at the start of the next run. Git is only read.

A mutant that does not compile is not counted. The score is killed / (killed + survived).
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
# Sources that are never mutated: the tests themselves and what only serves them.
EXCLUDED_DIRS = ("tests/", "bench/", "fuzz/", "tools/", "examples/", "build/", "resources/")
SOURCE_SUFFIXES = (".cpp", ".h")


@dataclass
class Mutant:
    path: str  # relative to ROOT
    line: int  # 1-based; for a swap of two lines, the first
    operator: str
    before: list  # the original lines replaced (one, or two for a row swap)
    after: list  # their replacement (empty for a deleted line)

    def describe(self):
        if self.operator == "delete":
            return f"delete `{self.before[0].strip()}`"
        if self.operator == "swap-rows":
            return f"swap rows `{self.before[0].strip()}` / `{self.before[1].strip()}`"
        return f"`{self.before[0].strip()}` -> `{self.after[0].strip()}`"


# ---- reading C++ lines ----


def code_mask(line, in_block_comment):
    """The line with comments blanked and the contents of string and character literals
    replaced by '_' (quotes kept), so that patterns only ever match code. Answers the masked
    line and whether a block comment is still open at its end."""
    out = []
    i, n = 0, len(line)
    while i < n:
        if in_block_comment:
            end = line.find("*/", i)
            if end < 0:
                out.append(" " * (n - i))
                return "".join(out), True
            out.append(" " * (end + 2 - i))
            i = end + 2
            in_block_comment = False
            continue
        c = line[i]
        if line.startswith("//", i):
            out.append(" " * (n - i))
            break
        if line.startswith("/*", i):
            in_block_comment = True
            continue
        if c in "\"'":
            # A raw string or an unterminated literal: leave the rest of the line alone.
            if c == '"' and i > 0 and line[i - 1] == "R":
                out.append(" " * (n - i))
                break
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            if j >= n:
                out.append(" " * (n - i))
                break
            out.append(c + "_" * (j - i - 1) + c)
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out), in_block_comment


def template_depths(code):
    """For each position of a masked line, whether it lies inside template brackets (a '<'
    written right after a name, as in std::array<Check, 3>)."""
    inside = [False] * len(code)
    depth = 0
    for i, c in enumerate(code):
        if c == "<" and i > 0 and (code[i - 1].isalnum() or code[i - 1] == "_"):
            depth += 1
        elif c == ">" and depth > 0 and not (i > 0 and code[i - 1] == "-"):
            depth -= 1
        inside[i] = depth > 0
    return inside


def replace_at(line, start, end, text):
    return line[:start] + text + line[end:]


# ---- the operators ----

ENUMERATOR_RE = re.compile(r"^\s*\w+ = -?\d+,?\s*$")
PURE_RE = re.compile(r"\)\s*(?:const\s*)?= 0;")
INT_LITERAL = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
RELATIONAL = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > "}
RELATIONAL_RE = re.compile(r" (<=|>=|<|>) ")
EQUALITY_RE = re.compile(r" (==|!=) ")
LOGICAL_RE = re.compile(r" (&&|\|\|) ")
NOT_RE = re.compile(r"!(?![=!])")
BOOL_RE = re.compile(r"\b(true|false)\b")
ATOM = r"(?:\"_*\"|'_*'|-?[\w.:]+(?:->[\w]+)*(?:\(\))?)"
TERNARY_RE = re.compile(r"\? (" + ATOM + r") : (" + ATOM + r")(?=[;),}\]])")
STRING_PAIR_RE = re.compile(r"(\"_*\")(,\s*)(\"_*\")")
ROW_RE = re.compile(r"^\s*\{.*\},?\s*$")
STATEMENT_RE = re.compile(
    r"^\s*(?:[\w:.\[\]]+(?:->[\w]+)*(?:\(.*\))?(?:\.|->))*[\w:]+\(.*\);\s*$"  # a call
    r"|^\s*[\w.\[\]>-]+ (?:=|\+=|-=|\|=|&=) [^=].*;\s*$"  # an assignment
    r"|^\s*(?:\+\+|--)[\w.>-]+;\s*$|^\s*[\w.>-]+(?:\+\+|--);\s*$"  # a step
)
DECLARATION_START = re.compile(
    r"^\s*(?:const|constexpr|static|auto|int|long|bool|char|unsigned|double|float|std::|using|"
    r"return|typedef|template|struct|class|enum|namespace|case|default|break|continue|goto|"
    r"throw|explicit|virtual|friend|inline|extern|co_\w+)\b"
)


def line_mutants(path, number, line, code, rows_ok):
    """The single-line mutants of one line (its masked code given)."""
    found = []

    def add(operator, start, end, text):
        mutated = replace_at(line, start, end, text)
        if mutated != line:
            found.append(Mutant(path, number, operator, [line], [mutated]))

    stripped = code.strip()
    if not stripped or stripped.startswith("#") or "static_assert" in code:
        return found
    templates = template_depths(code)
    # The numbers of enumerators (control and message numbers) are names, not values, and
    # "= 0" makes a function pure.
    enumerator = ENUMERATOR_RE.match(code) is not None or PURE_RE.search(code) is not None
    for m in INT_LITERAL.finditer(code):
        if templates[m.start()] or enumerator:
            continue
        value = int(m.group(1))
        add("int+1", m.start(), m.end(), str(value + 1))
        if value > 0:
            add("int-1", m.start(), m.end(), str(value - 1))
    for m in RELATIONAL_RE.finditer(code):
        if not templates[m.start()]:
            add("relational", m.start(), m.end(), RELATIONAL[m.group(0)])
    for m in EQUALITY_RE.finditer(code):
        add("equality", m.start(), m.end(), " != " if m.group(1) == "==" else " == ")
    for m in LOGICAL_RE.finditer(code):
        add("logical", m.start(), m.end(), " || " if m.group(1) == "&&" else " && ")
    for m in NOT_RE.finditer(code):
        add("not", m.start(), m.end(), "")
    for m in BOOL_RE.finditer(code):
        add("bool", m.start(), m.end(), "false" if m.group(1) == "true" else "true")
    for m in TERNARY_RE.finditer(code):
        a, b = line[m.start(1) : m.end(1)], line[m.start(2) : m.end(2)]
        if a != b:
            add("ternary", m.start(1), m.end(2), b + " : " + a)
    if rows_ok:
        for m in STRING_PAIR_RE.finditer(code):
            a, b = line[m.start(1) : m.end(1)], line[m.start(3) : m.end(3)]
            if a != b:
                add("swap-strings", m.start(1), m.end(3), b + m.group(2) + a)
    found.extend(operand_swaps(path, number, line, code))
    return found


def top_level_split(code, start, end, separator):
    """Positions of separator in code[start:end] outside any bracket."""
    depth, hits = 0, []
    i = start
    while i < end:
        c = code[i]
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        elif depth == 0 and code.startswith(separator, i):
            hits.append(i)
            i += len(separator)
            continue
        i += 1
    return hits


def operand_swaps(path, number, line, code):
    """`return A && B;` as `return B && A;`: the order in which checks run."""
    m = re.match(r"^(\s*return )(.*)(;\s*)$", code)
    if not m:
        return []
    found = []
    for separator in (" && ", " || "):
        hits = top_level_split(code, m.start(2), m.end(2), separator)
        if len(hits) != 1:
            continue
        at = hits[0]
        left = line[m.start(2) : at]
        right = line[at + len(separator) : m.end(2)]
        mutated = line[: m.start(2)] + right + separator + left + line[m.end(2) :]
        if mutated != line:
            found.append(Mutant(path, number, "swap-operands", [line], [mutated]))
    return found


def deletable(code, previous_code):
    """A whole statement on its own line whose removal still compiles: a call, an assignment
    or a step, not a declaration, not the only statement of a brace-less if or loop."""
    if not STATEMENT_RE.match(code) or DECLARATION_START.match(code):
        return False
    if code.count("(") != code.count(")"):
        return False
    prev = previous_code.rstrip()
    return prev == "" or prev.endswith((";", "{", "}", ":"))


def file_mutants(path):
    text = (ROOT / path).read_text(encoding="utf-8", errors="surrogateescape")
    lines = text.splitlines(keepends=True)
    found = []
    in_comment = False
    codes = []
    for line in lines:
        code, in_comment = code_mask(line.rstrip("\n"), in_comment)
        codes.append(code)
    previous = ""
    for index, (line, code) in enumerate(zip(lines, codes)):
        number = index + 1
        body = line.rstrip("\n")
        is_row = bool(ROW_RE.match(code))
        for m in line_mutants(path, number, body, code, is_row):
            m.before = [line]
            m.after = [m.after[0] + line[len(body) :]]
            found.append(m)
        if deletable(code, previous):
            found.append(Mutant(path, number, "delete", [line], []))
        if is_row and index + 1 < len(lines):
            nxt, nxt_code = lines[index + 1], codes[index + 1]
            indent = len(line) - len(line.lstrip())
            if (
                ROW_RE.match(nxt_code)
                and indent == len(nxt) - len(nxt.lstrip())
                and code.strip().rstrip(",") != nxt_code.strip().rstrip(",")
            ):
                # Keep each line's own trailing comma, so that the last row stays the last.
                a, b = line.rstrip("\n").rstrip(), nxt.rstrip("\n").rstrip()
                a_comma, b_comma = a.endswith(","), b.endswith(",")
                a_row, b_row = a.rstrip(","), b.rstrip(",")
                new_a = " " * indent + b_row.strip() + ("," if a_comma else "") + "\n"
                new_b = " " * indent + a_row.strip() + ("," if b_comma else "") + "\n"
                found.append(Mutant(path, number, "swap-rows", [line, nxt], [new_a, new_b]))
        if code.strip():
            previous = code
    return found


# ---- choosing the files ----


def git(*args):
    return subprocess.run(
        ["git", "-C", str(ROOT), *args], check=True, capture_output=True, text=True
    ).stdout


def mutable(path):
    return path.endswith(SOURCE_SUFFIXES) and not path.startswith(EXCLUDED_DIRS)


def chosen_files(paths, base):
    if paths:
        files = []
        for p in paths:
            full = (Path.cwd() / p).resolve()
            if full.is_dir():
                files += [str(f.relative_to(ROOT)) for f in sorted(full.rglob("*")) if f.is_file()]
            elif full.is_file():
                files.append(str(full.relative_to(ROOT)))
            else:
                sys.exit(f"mutate: no such file or folder: {p}")
        return [f for f in files if mutable(f)]
    changed = git("diff", "--name-only", "--diff-filter=AMR", base, "--").split()
    untracked = git("ls-files", "--others", "--exclude-standard").split()
    return sorted({f for f in changed + untracked if mutable(f) and (ROOT / f).is_file()})


# ---- planting, building, testing ----


class Planter:
    """Writes mutants into the tree and always puts the original back."""

    def __init__(self, backup_dir):
        self.backup_dir = backup_dir
        self.originals = {}

    def recover(self):
        """Restores files left mutated by a run that was killed."""
        if not self.backup_dir.is_dir():
            return
        for backup in sorted(self.backup_dir.rglob("*")):
            if backup.is_file():
                target = ROOT / backup.relative_to(self.backup_dir)
                shutil.copyfile(backup, target)
                backup.unlink()
                print(f"mutate: restored {target.relative_to(ROOT)} left by an interrupted run")

    def plant(self, mutant):
        target = ROOT / mutant.path
        original = target.read_bytes()
        backup = self.backup_dir / mutant.path
        backup.parent.mkdir(parents=True, exist_ok=True)
        backup.write_bytes(original)
        self.originals[mutant.path] = original
        lines = original.decode("utf-8", errors="surrogateescape").splitlines(keepends=True)
        index = mutant.line - 1
        assert lines[index : index + len(mutant.before)] == mutant.before, "file changed"
        lines[index : index + len(mutant.before)] = mutant.after
        target.write_bytes("".join(lines).encode("utf-8", errors="surrogateescape"))

    def restore_all(self):
        for path, original in list(self.originals.items()):
            (ROOT / path).write_bytes(original)
            backup = self.backup_dir / path
            if backup.exists():
                backup.unlink()
            del self.originals[path]


def run(command, cwd, timeout):
    """Runs command in its own process group; answers (exit status or None on time-out,
    output). The group is killed on a time-out or when this script is interrupted."""
    process = subprocess.Popen(
        command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
        errors="replace", start_new_session=True,
    )
    try:
        output, _ = process.communicate(timeout=timeout)
        return process.returncode, output
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        return None, output
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise


def configure(build_dir):
    if (build_dir / "build.ninja").exists():
        return
    # Without sanitizers for speed; the library's own checks still stop a read or write
    # past the end of a standard container, as the sanitizers would in CI.
    command = ["cmake", "-S", str(ROOT), "-B", str(build_dir), "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=Debug", "-DFAREWRIGHT_SANITIZE=OFF",
               "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS"]
    if shutil.which("ld.lld"):
        # Each mutant relinks every test program: a fast linker pays off.
        command += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld",
                    "-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld"]
    status, output = run(command, ROOT, 600)
    if status != 0:
        sys.exit(f"mutate: configuring {build_dir} failed:\n{output}")


def build(build_dir, jobs, timeout):
    return run(["cmake", "--build", str(build_dir), "-j", str(jobs)], ROOT, timeout)


def test(build_dir, jobs, timeout, limit):
    """The suite up to its first failing test; each test may take timeout seconds, the whole
    run limit seconds."""
    command = ["ctest", "--test-dir", str(build_dir), "-j", str(jobs), "--stop-on-failure",
               "--timeout", str(timeout), "--output-on-failure"]
    return run(command, ROOT, limit)


def failed_tests(output):
    names = re.findall(r"^\s*\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|"
                       r"Child aborted|Exception)", output, re.M)
    return names


# ---- main ----


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("paths", nargs="*", help="files or folders to mutate")
    parser.add_argument("--base", default="main", help="revision to diff against (default main)")
    parser.add_argument("--sample", type=int, help="run only this many mutants, chosen at random")
    parser.add_argument("--seed", type=int, default=1, help="random seed of the sample (1)")
    parser.add_argument("--list", action="store_true", help="list the mutants, run nothing")
    parser.add_argument("--build-dir", default="build/mutate", help="(default build/mutate)")
    parser.add_argument("--jobs", type=int, default=2, help="build and test jobs (default 2)")
    parser.add_argument("--timeout", type=int, default=60,
                        help="seconds allowed to one test (default 60)")
    args = parser.parse_args()

    build_dir = (ROOT / args.build_dir).resolve()
    planter = Planter(build_dir / "mutate-backup")
    planter.recover()

    files = chosen_files(args.paths, args.base)
    if not files:
        sys.exit("mutate: no C++ source to mutate (name files or folders, or change some)")
    mutants = [m for f in files for m in file_mutants(f)]
    total = len(mutants)
    if args.sample is not None and args.sample < total:
        mutants = random.Random(args.seed).sample(mutants, args.sample)
    mutants.sort(key=lambda m: (m.path, m.line, m.operator))
    print(f"mutate: {len(mutants)} of {total} mutants in {len(files)} files"
          + (f" (seed {args.seed})" if args.sample is not None else ""))
    if args.list:
        try:
            for m in mutants:
                print(f"{m.path}:{m.line}: {m.operator}: {m.describe()}")
        except BrokenPipeError:
            sys.stderr.close()
        return 0

    # SIGTERM and SIGHUP unwind like Ctrl-C, so that the files are restored.
    def interrupted(signum, frame):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, interrupted)
    signal.signal(signal.SIGHUP, interrupted)

    killed, survived, unbuilt = [], [], []
    try:
        configure(build_dir)
        print("mutate: building and testing the unchanged tree")
        status, output = build(build_dir, args.jobs, 3600)
        if status != 0:
            sys.exit(f"mutate: the unchanged tree does not build:\n{output[-3000:]}")
        started = time.monotonic()
        status, output = test(build_dir, args.jobs, args.timeout, 3600)
        if status != 0:
            sys.exit(f"mutate: the suite fails without mutants:\n{output[-3000:]}")
        # A mutant that makes the suite run far longer than it does unchanged is killed.
        limit = 3 * (time.monotonic() - started) + args.timeout
        for index, m in enumerate(mutants, 1):
            started = time.monotonic()
            planter.plant(m)
            try:
                status, output = build(build_dir, args.jobs, 1800)
                if status != 0:
                    verdict, where = "unbuilt", ""
                    unbuilt.append(m)
                else:
                    status, output = test(build_dir, args.jobs, args.timeout, limit)
                    if status == 0:
                        verdict, where = "SURVIVED", ""
                        survived.append(m)
                    else:
                        names = failed_tests(output)
                        verdict = "killed"
                        where = f" by {names[0]}" if names else " (time-out)"
                        killed.append(m)
            finally:
                planter.restore_all()
            seconds = time.monotonic() - started
            print(f"[{index}/{len(mutants)}] {verdict} {m.path}:{m.line} {m.operator}: "
                  f"{m.describe()}{where} ({seconds:.0f}s)", flush=True)
    except KeyboardInterrupt:
        planter.restore_all()
        print("mutate: interrupted; every file is restored", file=sys.stderr)
        return 130
    finally:
        planter.restore_all()

    counted = len(killed) + len(survived)
    score = 100.0 * len(killed) / counted if counted else 100.0
    print(f"\nmutate: score {score:.0f}% ({len(killed)} killed, {len(survived)} survived, "
          f"{len(unbuilt)} did not build)")
    if survived:
        print("survivors:")
        for m in survived:
            print(f"  {m.path}:{m.line}: {m.operator}: {m.describe()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
