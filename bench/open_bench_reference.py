"""The reference side of open_bench: the data lines of a seam output file read
by pandas.read_csv (its C parser) or by numpy.loadtxt.

Usage: open_bench_reference.py pandas|numpy FILE LINES ITEMS REPEATS
Prints "WALL CPU" seconds of each read.
"""
import sys
import time

import numpy as np


def main():
    reader, path, lines, items, repeats = sys.argv[1:6]
    lines, items, repeats = int(lines), int(items), int(repeats)
    if reader == "pandas":
        import pandas

        def read():
            return pandas.read_csv(path, header=None, engine="c", skiprows=3).to_numpy()
    else:
        def read():
            return np.loadtxt(path, delimiter=",", skiprows=3, dtype=np.float32)
    for _ in range(repeats):
        wall, cpu = time.perf_counter(), time.process_time()
        values = read()
        print(f"{time.perf_counter() - wall:.4f} {time.process_time() - cpu:.4f}", flush=True)
        assert values.shape == (lines, items), values.shape
        del values


if __name__ == "__main__":
    main()
