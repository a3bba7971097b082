#!/usr/bin/env python3
"""Start-up race: Orvane against a bare Qt frame, run alternately on the same machine.

Each program prints the monotonic clock once its first window is shown and the event loop is idle,
and its peak memory; the time counts from just before the process is started. The race runs twice:
with no file, and with the 65,000-byte Java sample named on the command line (Orvane opens and
colours it; the bare frame puts it into its plain text editor).
Usage: bench/startup.py BUILD_DIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(command, env):
    start = time.monotonic_ns()
    out = subprocess.run(command, env=env, capture_output=True, text=True, check=True).stdout
    fields = dict(item.split("=") for item in out.split())
    return (int(fields["idle_ns"]) - start) / 1e6, int(fields["maxrss_kb"])


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
        summary[name] = (ms, kb)
        print(f"{name:18s} start-up {ms:7.1f} ms   peak memory {kb / 1024:6.1f} MiB   ({runs} runs, median)")
    orvane, bare = summary["startup_orvane"], summary["startup_bareframe"]
    print(f"ratio              start-up {orvane[0] / bare[0]:.2f}x   peak memory {orvane[1] / bare[1]:.2f}x")


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    programs = {name: os.path.join(build, "bench", name) for name in ("startup_orvane", "startup_bareframe")}
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
        sample = os.path.join(home, "Sample.java")
        subprocess.run([os.path.join(build, "bench", "writesample"), sample], check=True)
        print("no file")
        race(programs, [], env, runs)
        print("a 65,000-byte Java file")
        race(programs, [sample], env, runs)


if __name__ == "__main__":
    main()
