#!/usr/bin/env python3
"""Start-up race: Orvane against a bare Qt frame, run alternately on the same machine.

Each program prints the monotonic clock once its text editor has been painted for the first time,
its peak memory, and (Orvane) whether the first line on screen was coloured by then; the time
counts from just before the process is started. The race runs twice: with no file, and with the
64,000-byte Java sample named on the command line (Orvane opens and colours it; the bare frame
puts it into its plain text editor). With --busy, two processes spin on the CPU meanwhile.
The platform is QT_QPA_PLATFORM's (offscreen when unset); run under xvfb-run with
QT_QPA_PLATFORM=xcb for a real X server.
Usage: bench/startup.py BUILD_DIR [RUNS] [--busy]
"""
import multiprocessing
import os
import statistics
import subprocess
import sys
import tempfile
import time


def spin():
    while True:
        pass


def run_once(command, env):
    start = time.monotonic_ns()
    out = subprocess.run(command, env=env, capture_output=True, text=True, check=True).stdout
    fields = dict(item.split("=") for item in out.split())
    return (int(fields["idle_ns"]) - start) / 1e6, int(fields["maxrss_kb"]), int(fields["coloured"])


def race(programs, arguments, env, runs):
    commands = {name: [program] + arguments for name, program in programs.items()}
    results = {name: [] for name in commands}
    for command in commands.values():
        run_once(command, env)  # warm the file cache
    for _ in range(runs):
        for name, command in commands.items():
            results[name].append(run_once(command, env))
    summary = {}
    for name, samples in results.items():
        ms = statistics.median(s[0] for s in samples)
        kb = statistics.median(s[1] for s in samples)
        coloured = sum(s[2] for s in samples)
        summary[name] = (ms, kb)
        print(f"{name:18s} first paint {ms:7.1f} ms   peak memory {kb / 1024:6.1f} MiB   "
              f"first line coloured in {coloured}/{runs}   ({runs} runs, median)")
    orvane, bare = summary["startup_orvane"], summary["startup_bareframe"]
    print(f"ratio              first paint {orvane[0] / bare[0]:.2f}x   peak memory {orvane[1] / bare[1]:.2f}x")


def main():
    build = sys.argv[1]
    numbers = [a for a in sys.argv[2:] if not a.startswith("--")]
    runs = int(numbers[0]) if numbers else 20
    busy = [multiprocessing.Process(target=spin, daemon=True) for _ in range(2)] if "--busy" in sys.argv else []
    for process in busy:
        process.start()
    programs = {name: os.path.join(build, "bench", name) for name in ("startup_orvane", "startup_bareframe")}
    try:
        with tempfile.TemporaryDirectory() as home:
            env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home,
                       QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
            sample = os.path.join(home, "Sample.java")
            subprocess.run([os.path.join(build, "bench", "writesample"), sample, "64000"], check=True)
            print(f"platform {env['QT_QPA_PLATFORM']}{', busy' if busy else ''}")
            print("no file")
            race(programs, [], env, runs)
            print("a 64,000-byte Java file")
            race(programs, [sample], env, runs)
    finally:
        for process in busy:
            process.terminate()


if __name__ == "__main__":
    main()
