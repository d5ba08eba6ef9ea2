#!/usr/bin/env python3
"""How long the exam client takes from its start to the rules dialog waiting for the candidate.

perf samples the client at 4 kHz (no call is traced, so the program runs at its own speed); the
figure is the time from its exec to the main thread's last sample before it falls idle in the
rules dialog. Each client given is run N times on the demo installation; the median is printed.

  scripts/startup_time.py [--runs N] [--cpus 0] INSTALL [KIRV ...]

INSTALL is a demo installation (scripts/run-demo.sh makes build/default/demo-install); each
KIRV, default INSTALL/kirv, is copied into it in turn, so two builds compare in one run. Needs
perf (Debian's linux-perf) and a display (run it under xvfb-run -a). --cpus pins the client and
everything it starts to those processors (taskset), to see a small machine.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import tempfile


def run_once(install, env, cpus, data):
    prefix = ["taskset", "-c", cpus] if cpus else []
    subprocess.run(prefix + ["timeout", "1.5", "perf", "record", "-q", "-F", "4000", "-e",
                             "cpu-clock", "-o", data, "./kirv"],
                   cwd=install, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    lines = subprocess.run(["perf", "script", "-i", data, "--show-task-events", "-F",
                            "comm,pid,tid,time"], capture_output=True, text=True).stdout.splitlines()
    started = main = last = None
    for line in lines:
        if started is None:
            if "PERF_RECORD_COMM" in line and "exec" in line and "kirv" in line:
                started = float(re.search(r"([\d.]+):", line).group(1))
                main = int(re.search(r"(\d+)/(\d+)", line).group(2))
            continue
        m = re.match(r"\s*\S+\s+\d+/(\d+)\s+([\d.]+):", line)
        # Samples more than 200 ms after the one before belong to later timers, not start-up.
        if m and int(m.group(1)) == main and (last is None or float(m.group(2)) - last < 0.2):
            last = float(m.group(2))
    return round((last - started) * 1000) if started is not None and last is not None else None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("install")
    parser.add_argument("clients", nargs="*")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--cpus", default="")
    args = parser.parse_args()
    install = os.path.abspath(args.install)
    env = dict(os.environ, KIRV_DRIVE_D=install + "/drive_d",
               KIRV_REGISTRY=install + "/registry.ini", XDG_DESKTOP_DIR=install + "/desktop",
               LC_ALL="C.UTF-8")
    os.makedirs(install + "/desktop", exist_ok=True)
    clients = [os.path.abspath(c) for c in args.clients]
    with tempfile.TemporaryDirectory() as scratch:
        if clients:
            kept = os.path.join(scratch, "kirv")
            shutil.copy2(os.path.join(install, "kirv"), kept)
        for client in clients or [os.path.join(install, "kirv")]:
            if clients:
                shutil.copy2(client, os.path.join(install, "kirv"))
            times = [run_once(install, env, args.cpus, os.path.join(scratch, "perf.data"))
                     for _ in range(args.runs)]
            done = [t for t in times if t is not None]
            median = statistics.median(done) if done else None
            print(f"{client}: {times} ms, median {median} ms")
        if clients:
            shutil.copy2(kept, os.path.join(install, "kirv"))


if __name__ == "__main__":
    main()
