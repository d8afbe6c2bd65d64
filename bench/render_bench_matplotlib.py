"""The matplotlib side of render_bench: the same grid drawn with imshow or
pcolormesh, ten band colours, a colour bar and a title, saved as PNG, SVG or
PDF on a page of 10.24 x 7.68 inches at 100 dpi.

Usage: render_bench_matplotlib.py GRID.f32 COLUMNS ROWS imshow|pcolormesh png|svg|pdf REPEATS OUT
GRID.f32 holds float32 values column by column (ix outer, iy inner), as the
step grid keeps them. Prints "WALL CPU" seconds of each run, figure and file.
imshow's SVG and PDF hold the cells as one embedded image; pcolormesh's hold
a shape per cell.
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


def draw(values, method, form, out):
    figure = plt.figure(figsize=(10.24, 7.68), dpi=100)
    axes = figure.add_axes([0.05, 0.05, 0.6, 0.8])
    limits = np.linspace(values.min(), values.max(), 11)
    colormap = ListedColormap([(r / 255, g / 255, b / 255) for r, g, b in COLD_TO_HOT])
    norm = BoundaryNorm(limits, 10)
    if method == "imshow":
        cells = axes.imshow(values, cmap=colormap, norm=norm, interpolation="nearest", origin="lower")
    else:
        cells = axes.pcolormesh(values, cmap=colormap, norm=norm)
    figure.colorbar(cells, ticks=limits)
    axes.set_title("Vertical Stress")
    figure.savefig(out, dpi=100, format=form)
    plt.close(figure)


def main():
    path, columns, rows, method, form, repeats, out = sys.argv[1:8]
    columns, rows, repeats = int(columns), int(rows), int(repeats)
    # Rows of the picture are the grid's rows, bottom first.
    values = np.fromfile(path, dtype=np.float32).reshape(columns, rows).T
    draw(values[:10, :10], method, form, out)  # warm-up: imports, fonts and the writer
    for _ in range(repeats):
        wall, cpu = time.perf_counter(), time.process_time()
        draw(values, method, form, out)
        print(f"{time.perf_counter() - wall:.4f} {time.process_time() - cpu:.4f}", flush=True)


if __name__ == "__main__":
    main()
