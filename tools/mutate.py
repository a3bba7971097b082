#!/usr/bin/env python3
"""One-line mutation testing for the rules library.

Each mutant changes one line of one rules file (a source listed under `orvane_rules` in
src/*/CMakeLists.txt): a comparison turned (< <=, > >=, == !=), an integer constant moved by one
(0 and 1 swapped, others +1), a size or a
bound-named value one too many, true and false swapped, a returned value replaced by `{}`, or a
string literal misspelt (last character dropped). The mutants are drawn deterministically from a
seed, spread over the files in turn, and each is built in a copy of the tree under
<work>/tree with its own shared-library build, so only the mutated file recompiles and
liborvane_rules relinks. A mutant that fails to compile is discarded. Then the rules tests run, then
the window and tool tests that exercise the mutated file (SEEN_BY below); the first failing
test (or one over the time limit) kills the mutant.

Mutants judged equivalent are listed, one per line, in tools/mutants-equivalent.txt as
`<id>  <file>:<line>  <reason>`; they are reported but left out of the score.

  tools/mutate.py --list                  # show the sample, build nothing
  nice -n 15 tools/mutate.py              # run the sample (82 mutants, seed 21)
  tools/mutate.py --count 40 --seed 3 --files 'src/insert/*'
  tools/mutate.py --ids 1a2b3c4d,5e6f7a8b # re-run chosen mutants
  tools/mutate.py --revision main         # the tests of another commit
  tools/mutate.py --revision main --against my-branch  # both commits' tests, side by side
"""

import argparse
import fnmatch
import hashlib
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
EQUIVALENT_FILE = ROOT / "tools" / "mutants-equivalent.txt"
# Same options as the developers' test build, so the compiler cache serves every unmutated file.
CMAKE_OPTIONS = ["-DCMAKE_BUILD_TYPE=Debug", "-DORVANE_WERROR=ON", "-DBUILD_SHARED_LIBS=ON"]
# The window and tool tests that exercise each rules file, fastest first; a file not listed here
# gets those that include a header of its folder.
SEEN_BY = [
    ("src/document/textformat.cpp", ["windows_tst_filecommands", "windows_tst_editor"]),
    ("src/document/editorfont.cpp", ["windows_tst_optionsandhelp"]),
    ("src/document/printlayout.cpp", ["tools_tst_printpdf"]),
    ("src/document/syntaxcolouring.cpp", ["windows_tst_editor"]),
    ("src/search/*", ["windows_tst_editor"]),
    ("src/templates/*", ["windows_tst_frame", "windows_tst_optionsandhelp",
                         "tools_tst_toolchaintools"]),
    ("src/insert/*", ["windows_tst_editor", "tools_tst_toolchaintools"]),
    ("src/settings/*", ["windows_tst_optionsandhelp", "windows_tst_toolchaincommands"]),
    ("src/toolchain/appletviewerchoice.cpp", ["windows_tst_toolchaincommands",
                                              "tools_tst_appletviewer"]),
    ("src/toolchain/*", ["windows_tst_toolchaincommands", "tools_tst_toolchaintools"]),
    ("src/app/recentfiles.cpp", ["windows_tst_editor"]),
]
# Headers every window test includes; they say nothing about which rules a test exercises.
# The areas the sample covers by default: encodings and line breaks, find and replace, templates,
# insert code, compiler messages, the output history, colouring, settings, run and print rules,
# recent files.
AREAS = ["src/document/textformat.cpp", "src/search/findindocument.cpp", "src/templates/*.cpp",
         "src/insert/*.cpp", "src/toolchain/compilermessage.cpp", "src/toolchain/outputhistory.cpp",
         "src/document/syntaxcolouring.cpp", "src/settings/*.cpp", "src/document/editorfont.cpp",
         "src/toolchain/runaction.cpp", "src/toolchain/compilecommands.cpp",
         "src/toolchain/previewrule.cpp", "src/toolchain/appletviewerchoice.cpp",
         "src/document/printlayout.cpp", "src/app/recentfiles.cpp"]
FRAME_HEADERS = {"document/documentwindow.h", "app/mainframe.h", "document/workspace.h"}

COMPARISONS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}


def RulesFiles(root):
    files = []
    for cmake in sorted(root.glob("src/*/CMakeLists.txt")):
        text = cmake.read_text()
        match = re.search(r"target_sources\(orvane_rules PRIVATE(.*?)\)", text, re.S)
        if match:
            for name in match.group(1).split():
                if name.endswith(".cpp"):
                    files.append(str(cmake.parent.relative_to(root) / name))
    return files


def CodeMask(line):
    """Which characters are code (True) rather than inside a literal or a comment."""
    mask = [True] * len(line)
    i = 0
    while i < len(line):
        c = line[i]
        if line.startswith("//", i):
            for j in range(i, len(line)):
                mask[j] = False
            break
        if c in "\"'":
            j = i + 1
            while j < len(line) and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            for k in range(i, min(j + 1, len(line))):
                mask[k] = False
            i = j + 1
            continue
        i += 1
    return mask


def LineMutants(line):
    """(kind, mutated line) for every one-line mutant of this line."""
    stripped = line.strip()
    if not stripped or stripped.startswith(("//", "#", "*", "/*")) or "static_assert" in line:
        return []
    mask = CodeMask(line)
    out = []

    def Code(start, end):
        return all(mask[start:end])

    for m in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", line):
        if Code(m.start(), m.end()):
            out.append(("comparison", line[: m.start()] + COMPARISONS[m.group(1)] + line[m.end():]))
    for m in re.finditer(r"(?<![\w.])(0[xX][0-9A-Fa-f]+|\d+)(?![\w.'])", line):
        if not Code(m.start(), m.end()):
            continue
        text = m.group(1)
        if text.lower().startswith("0x"):
            value = f"0x{int(text, 16) + 1:X}"
        else:
            value = {"0": "1", "1": "0"}.get(text, str(int(text) + 1))
        out.append(("constant", line[: m.start()] + value + line[m.end():]))
    # Off by one: a size, or a constant or variable named for a bound, one too many.
    for m in re.finditer(r"\.(?:size|length|count)\(\)|\b[A-Za-z]\w*(?:Limit|Count|Lines|Width|Height)\b(?!\()",
                         line):
        declared = re.search(r"(?<!return)(?<!case)\b\w+[&*]?\s+$", line[: m.start()])
        if Code(m.start(), m.end()) and not declared and not re.match(r"\s*[-+*/]?=[^=]", line[m.end():]):
            out.append(("bound", line[: m.end()] + " + 1" + line[m.end():]))
    for m in re.finditer(r"\b(true|false)\b", line):
        if Code(m.start(), m.end()):
            other = "false" if m.group(1) == "true" else "true"
            out.append(("constant", line[: m.start()] + other + line[m.end():]))
    m = re.search(r"\breturn\s+(.+);\s*$", line)
    if m and Code(m.start(), m.start() + 6) and m.group(1).strip() not in ("{}", "true", "false"):
        out.append(("return", line[: m.start()] + "return {};" + line[m.end():]))
    for m in re.finditer(r'"((?:[^"\\]|\\.)*)"', line):
        body = m.group(1)
        # Misspelt: a literal that ends in a letter or digit loses it.
        if mask[m.start()] or len(body) < 2 or not body[-1].isalnum() or re.search(r"\\x?[0-9A-Fa-f]*$", body):
            continue
        if m.start() > 0 and line[m.start() - 1] == "R":
            continue
        out.append(("string", line[: m.start() + 1] + body[:-1] + line[m.end() - 1:]))
    return out


def AllMutants(root, files):
    mutants = []
    for rel in files:
        lines = (root / rel).read_text().split("\n")
        seen = {}
        in_comment = False
        for number, line in enumerate(lines, 1):
            if in_comment:
                in_comment = "*/" not in line
                continue
            if line.strip().startswith("/*"):
                in_comment = "*/" not in line
                continue
            for kind, mutated in LineMutants(line):
                key = (line.strip(), mutated.strip())
                seen[key] = seen.get(key, 0) + 1
                digest = hashlib.sha1(f"{rel}\n{key[0]}\n{key[1]}\n{seen[key]}".encode()).hexdigest()
                mutants.append({"id": digest[:8], "file": rel, "line": number, "kind": kind,
                                "original": line, "mutated": mutated})
    return mutants


def Interleaved(lists):
    out = []
    while any(lists):
        for items in lists:
            if items:
                out.append(items.pop(0))
    return out


def Sample(mutants, count, seed):
    """Deterministic: each file's mutants shuffled by the seed, then taken from the files in turn."""
    rng = random.Random(seed)
    by_file = {}
    for m in mutants:
        by_file.setdefault(m["file"], {}).setdefault(m["kind"], []).append(m)
    queues = []
    for rel in sorted(by_file):
        kinds = [by_file[rel][k] for k in sorted(by_file[rel])]
        for items in kinds:
            rng.shuffle(items)
        queues.append(Interleaved(kinds))
    chosen = []
    while len(chosen) < count and any(queues):
        for q in queues:
            if q and len(chosen) < count:
                chosen.append(q.pop(0))
    # Run in a seeded order across the files, so a run cut short is still a fair sample.
    chosen.sort(key=lambda m: (m["file"], m["line"], m["id"]))
    random.Random(seed).shuffle(chosen)
    return chosen


def ReadEquivalent():
    known = {}
    if EQUIVALENT_FILE.exists():
        for line in EQUIVALENT_FILE.read_text().splitlines():
            parts = line.split(None, 2)
            if parts and not line.startswith("#"):
                known[parts[0]] = parts[2] if len(parts) > 2 else ""
    return known


def SyncTree(tree, revision=None):
    """Copy the worktree's files (or a commit's) into the mutation tree, touching only changed ones."""
    source_root = ROOT
    if revision:
        source_root = tree.parent / "revision"
        shutil.rmtree(source_root, ignore_errors=True)
        source_root.mkdir(parents=True)
        archive = subprocess.run(["git", "archive", revision], cwd=ROOT, capture_output=True, check=True)
        subprocess.run(["tar", "-x", "-C", str(source_root)], input=archive.stdout, check=True)
        listed = subprocess.run(["git", "ls-tree", "-r", "--name-only", revision], cwd=ROOT,
                                capture_output=True, text=True, check=True).stdout.split("\n")
    else:
        listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                                capture_output=True, text=True, check=True).stdout.split("\n")
    for rel in filter(None, listed):
        source, target = source_root / rel, tree / rel
        if not source.is_file():
            continue
        if target.exists() and target.read_bytes() == source.read_bytes():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(source, target)
    # Files the source no longer has (a test program removed) go from the copy as well.
    kept = set(filter(None, listed))
    for path in tree.rglob("*"):
        rel = path.relative_to(tree)
        if path.is_file() and rel.parts[0] != "build" and str(rel) not in kept:
            path.unlink()


def Build(build, targets, log):
    result = subprocess.run(["cmake", "--build", str(build), "-j2", "--target", *targets],
                            stdout=log, stderr=subprocess.STDOUT)
    return result.returncode == 0


def TestPrograms(tree):
    """(name, kind, headers it includes from src/) for each test program."""
    tests = []
    for kind in ("rules", "windows", "tools"):
        for source in sorted((tree / "tests" / kind).glob("tst_*.cpp")):
            headers = set(re.findall(r'#include "(\w+/[\w.]+)"', source.read_text()))
            tests.append((f"{kind}_{source.stem}", kind, headers))
    return tests


def TestsFor(rel, tests, all_tests):
    folder = rel.split("/")[1]
    rules = [t[0] for t in tests if t[1] == "rules"]
    known = {t[0] for t in tests}
    for pattern, seen_by in SEEN_BY:
        if fnmatch.fnmatch(rel, pattern) and not all_tests:
            missing = [name for name in seen_by if name not in known]
            if missing:  # a renamed test program would otherwise quietly see no mutant
                sys.exit(f"SEEN_BY names test programs the suite lacks: {', '.join(missing)}")
            return rules + seen_by
    others = [t[0] for t in tests if t[1] != "rules"
              and (all_tests or any(h.split("/")[0] == folder for h in t[2] - FRAME_HEADERS))]
    return rules + others


def RunTest(build, tree, name, timeout, libraries=None):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ORVANE_SOURCE_DIR=str(tree),
               ORVANE_BUILD_DIR=str(build))
    if libraries:  # the mutated libraries of another build, ahead of the programs' own
        env["LD_LIBRARY_PATH"] = str(libraries)
    program = build / "tests" / name
    try:
        result = subprocess.run([str(program)], cwd=build / "tests", env=env, timeout=timeout,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return "pass" if result.returncode == 0 else "fail"
    except subprocess.TimeoutExpired:
        return "timeout"


def Main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=82, help="mutants to draw (default 82)")
    parser.add_argument("--seed", type=int, default=21, help="sampling seed (default 21)")
    parser.add_argument("--files", help="glob over the rules files to mutate (default: the areas above)")
    parser.add_argument("--ids", help="comma-separated mutant ids to run instead of a sample")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    parser.add_argument("--all-tests", action="store_true", help="run every test program on each mutant")
    parser.add_argument("--timeout", type=float, default=30, help="seconds per test program (default 30)")
    parser.add_argument("--work", default=str(ROOT / "build-mutants"), help="copy and build folder")
    parser.add_argument("--revision", help="mutate this commit's files instead of the worktree's")
    parser.add_argument("--against", metavar="REVISION",
                        help="also score this commit's tests on each mutant; its sources must be "
                             "the mutated tree's (only the tests differ)")
    parser.add_argument("--report", help="write the results as JSON here as well")
    args = parser.parse_args()

    work = Path(args.work)
    tree, build = work / "tree", work / "tree" / "build"
    source = ROOT
    if not args.list:
        tree.mkdir(parents=True, exist_ok=True)
        SyncTree(tree, args.revision)
        source = tree
    globs = [args.files] if args.files else AREAS
    files = [f for f in RulesFiles(source) if any(fnmatch.fnmatch(f, g) for g in globs)]
    mutants = AllMutants(source, files)
    if args.ids:
        wanted = set(args.ids.split(","))
        chosen = [m for m in mutants if m["id"] in wanted]
    else:
        chosen = Sample(mutants, args.count, args.seed)
    equivalent = ReadEquivalent()
    if args.list:
        for m in chosen:
            mark = "  (equivalent)" if m["id"] in equivalent else ""
            print(f'{m["id"]} {m["file"]}:{m["line"]} {m["kind"]}: {m["mutated"].strip()}{mark}')
        print(f"{len(chosen)} of {len(mutants)} mutants over {len(files)} files")
        return 0

    log = open(work / "build.log", "w")
    # Each suite is a tree's test programs: the mutated tree's own, and with --against another
    # commit's, run on the mutated tree's libraries (the sources are the same, only the tests
    # differ), so one build of each mutant scores both.
    suites = [{"label": args.revision or "worktree", "tree": tree, "libraries": None}]
    if args.against:
        after = work / "against"
        after.mkdir(parents=True, exist_ok=True)
        SyncTree(after, args.against)
        suites.append({"label": args.against, "tree": after, "libraries": build})
    for suite in suites:
        suite_build = suite["build"] = suite["tree"] / "build"
        suite["tests"] = TestPrograms(suite["tree"])
        names = [t[0] for t in suite["tests"]]
        if not (suite_build / "CMakeCache.txt").exists():
            subprocess.run(["cmake", "-S", str(suite["tree"]), "-B", str(suite_build), *CMAKE_OPTIONS],
                           stdout=log, stderr=subprocess.STDOUT, check=True)
        print(f"building {len(names)} test programs in {suite_build} ...", flush=True)
        # The program and its applet viewer too: the tool tests install the one and run the other.
        if not Build(suite_build, names + ["orvane", "orvane_viewer"], log):
            sys.exit(f"{suite_build} does not build; see {work / 'build.log'}")
        needed = {n for m in chosen for n in TestsFor(m["file"], suite["tests"], args.all_tests)}
        suite["broken"] = [n for n in names if n in needed and
                           RunTest(suite_build, suite["tree"], n, args.timeout * 3) != "pass"]
        if suite["broken"]:
            print(f'{suite["label"]}: failing before any mutation, left out:',
                  " ".join(suite["broken"]), flush=True)

    def Verdict(suite, m):
        for name in TestsFor(m["file"], suite["tests"], args.all_tests):
            if name in suite["broken"]:
                continue
            outcome = RunTest(suite["build"], suite["tree"], name, args.timeout, suite["libraries"])
            if outcome != "pass":
                return "killed", f"{name} ({outcome})"
        if m["id"] in equivalent:
            return "equivalent", equivalent[m["id"]]
        return "survived", ""

    results = []
    started = time.time()
    for index, m in enumerate(chosen, 1):
        path = tree / m["file"]
        original = path.read_text()
        lines = original.split("\n")
        lines[m["line"] - 1] = m["mutated"]
        path.write_text("\n".join(lines))
        try:
            compiled = Build(build, ["orvane_rules"], log)
            m["verdicts"] = [Verdict(suite, m) if compiled else ("discarded", "does not compile")
                             for suite in suites]
        finally:
            path.write_text(original)
        results.append(m)
        shown = "  ".join(f"{status} {by}".strip() for status, by in m["verdicts"])
        print(f'[{index}/{len(chosen)}] {m["id"]} {m["file"]}:{m["line"]}  {m["mutated"].strip()}'
              f'  => {shown}', flush=True)
    Build(build, ["orvane_rules"], log)

    print(f"\n{len(results)} mutants in {time.time() - started:.0f} s")
    for which, suite in enumerate(suites):
        tally = {s: [r for r in results if r["verdicts"][which][0] == s]
                 for s in ("killed", "survived", "equivalent", "discarded")}
        scored = len(tally["killed"]) + len(tally["survived"])
        print(f'\ntests of {suite["label"]}: ' + ", ".join(f"{len(v)} {k}" for k, v in tally.items()))
        if scored:
            print(f"score: {len(tally['killed'])}/{scored} = "
                  f"{100 * len(tally['killed']) / scored:.1f}% of the non-equivalent mutants killed")
        for title in ("survived", "equivalent"):
            for r in tally[title]:
                reason = f'  -- {r["verdicts"][which][1]}' if title == "equivalent" else ""
                print(f'  {title}: {r["id"]} {r["file"]}:{r["line"]}  {r["mutated"].strip()}{reason}')
    if args.report:
        Path(args.report).write_text(json.dumps(results, indent=1))
    return 0 if all(v[0] != "survived" for r in results for v in r["verdicts"][-1:]) else 1


if __name__ == "__main__":
    sys.exit(Main())
