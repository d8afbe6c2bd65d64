"""The matplotlib side of render_bench: pcolormesh of the same grid, saved as PNG.

Usage: render_bench_pcolormesh.py GRID.f32 COLUMNS ROWS WIDTH HEIGHT REPEATS OUT.png
GRID.f32 holds float32 values column by column (ix outer, iy inner), as the
step grid keeps them. Prints the milliseconds of each draw, one per line.
"""
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.colors import BoundaryNorm, ListedColormap  # noqa: E402

COLD_TO_HOT = [(0, 0, 0), (0, 0, 128), (0, 0, 255), (128, 0, 255), (255, 0, 128),
               (255, 0, 0), (255, 64, 0), (255, 192, 0), (255, 255, 64), (255, 255, 255)]


def draw(values, width, height, out):
    figure = plt.figure(figsize=(width / 100, height / 100), dpi=100)
    axes = figure.add_axes([0.05, 0.05, 0.6, 0.8])
    limits = np.linspace(values.min(), values.max(), 11)
    colormap = ListedColormap([(r / 255, g / 255, b / 255) for r, g, b in COLD_TO_HOT])
    mesh = axes.pcolormesh(values, cmap=colormap, norm=BoundaryNorm(limits, 10))
    figure.colorbar(mesh, ticks=limits)
    axes.set_title("Vertical Stress")
    figure.savefig(out, dpi=100)
    plt.close(figure)


def main():
    path, columns, rows, width, height, repeats, out = sys.argv[1:8]
    columns, rows, width, height, repeats = map(int, (columns, rows, width, height, repeats))
    # Rows of the mesh are the grid's rows, bottom first.
    values = np.fromfile(path, dtype=np.float32).reshape(columns, rows).T
    draw(values, width, height, out)  # warm-up: imports and font caches
    for _ in range(repeats):
        start = time.perf_counter()
        draw(values, width, height, out)
        print(f"{(time.perf_counter() - start) * 1000.0:.1f}", flush=True)


if __name__ == "__main__":
    main()
