"""The reference side of export_bench.

Usage:
  export_bench_reference.py ascii GRID.f32 COLUMNS ROWS ORIGINX ORIGINY CELLSIZE REPEATS OUT
      numpy.savetxt of the grid file's lines (x centre, y centre, value; columns
      outer), "%g" with a comma and a blank between and CR LF line ends.
  export_bench_reference.py dxf RUNS.bin REPEATS OUT
      ezdxf writing one SOLID per run of RUNS.bin (float32 left, right, bottom,
      top and int32 band per run) on the layers and in the colours of the
      program's drawing.
GRID.f32 holds float32 values column by column (ix outer, iy inner). Prints
"WALL CPU" seconds of each run; the arrays are made before the clock starts.
"""
import sys
import time

import numpy as np

BAND_COLOURS = [250, 174, 5, 190, 6, 1, 30, 40, 2, 7]


def ascii_runs(args):
    path, columns, rows, origin_x, origin_y, cell, repeats, out = args
    columns, rows, repeats = int(columns), int(rows), int(repeats)
    origin_x, origin_y, cell = float(origin_x), float(origin_y), float(cell)
    values = np.fromfile(path, dtype=np.float32).astype(np.float64)
    ix, iy = np.divmod(np.arange(columns * rows), rows)
    lines = np.column_stack((origin_x + cell / 2 + ix * cell, origin_y + cell / 2 + iy * cell, values))
    for _ in range(repeats):
        yield lambda: np.savetxt(out, lines, fmt="%g", delimiter=", ", newline="\r\n")


def dxf_runs(args):
    import ezdxf

    path, repeats, out = args
    runs = np.fromfile(path, dtype=[("left", "<f4"), ("right", "<f4"), ("bottom", "<f4"), ("top", "<f4"),
                                    ("band", "<i4")])
    solids = [((float(r["left"]), float(r["bottom"])), (float(r["right"]), float(r["bottom"])),
               (float(r["left"]), float(r["top"])), (float(r["right"]), float(r["top"])), int(r["band"]))
              for r in runs]

    def write():
        document = ezdxf.new("R12")
        space = document.modelspace()
        for a, b, c, d, band in solids:
            space.add_solid([a, b, c, d], dxfattribs={"layer": f"Color{band + 1}", "color": BAND_COLOURS[band]})
        document.saveas(out)

    for _ in range(int(repeats)):
        yield write


def main():
    kind, args = sys.argv[1], sys.argv[2:]
    for work in (ascii_runs if kind == "ascii" else dxf_runs)(args):
        wall, cpu = time.perf_counter(), time.process_time()
        work()
        print(f"{time.perf_counter() - wall:.4f} {time.process_time() - cpu:.4f}", flush=True)


if __name__ == "__main__":
    main()
