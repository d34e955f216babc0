#!/usr/bin/env python3
"""The Python side of the module's speed: N runs of the case in a run
directory (bench/make_run.py writes one) through norvika.run, the task and the
hull read once. Prints the CPU and wall time of the loop.

    python bench/run_loop.py DIR [N]      (N = 1000)"""
import sys
import time

import norvika


def main():
    directory = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    task = norvika.read_task(directory)
    hull = norvika.read_hull(task.hull_path)
    displacement = 0.0
    cpu, wall = time.process_time(), time.perf_counter()
    for _ in range(runs):
        displacement += norvika.run(task, hull).displacement
    cpu, wall = time.process_time() - cpu, time.perf_counter() - wall
    print(f"Python  {runs} runs: CPU {cpu:.3f} s, wall {wall:.3f} s "
          f"(displacement {displacement / runs:.1f} t)")


main()
