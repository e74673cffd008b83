"""Start-up time (exec to the first paint of the main window) and peak memory of a program
under an X server, as the median of several runs.

Usage: startup_benchmark.py <executable> <window title prefix> [runs]
Prints: <median start-up ms> <median peak RSS KiB>
"""
import os
import statistics
import subprocess
import sys
import time

from Xlib import X, display

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from corvane_e2e import send_delete, x_window  # noqa: E402


def painted(d, w):
    """A mapped window whose picture is more than its background colour."""
    if w.get_attributes().map_state != X.IsViewable:
        return False
    g = w.get_geometry()
    raw = w.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF).data
    step = 4 * 97  # sample every 97th pixel
    return len(set(raw[i:i + 3] for i in range(0, len(raw) - 3, step))) > 8


def one_run(executable, prefix):
    d = display.Display()
    start = time.perf_counter()
    process = subprocess.Popen([executable], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None
    while True:
        if window is None:
            window = x_window(prefix, d, prefix=True)[1]
        if window is not None and painted(d, window):
            elapsed = time.perf_counter() - start
            break
        if time.perf_counter() - start > 30:
            process.kill()
            raise SystemExit("no window titled %r appeared" % prefix)
        time.sleep(0.002)
    time.sleep(0.3)  # let it settle before it is asked to close
    send_delete(d, window)
    _, status, usage = os.wait4(process.pid, 0)
    return elapsed * 1000, usage.ru_maxrss


def main(executable, prefix, runs="7"):
    results = [one_run(executable, prefix) for _ in range(int(runs))]
    print("%.1f %d" % (statistics.median(r[0] for r in results), statistics.median(r[1] for r in results)))


if __name__ == "__main__":
    main(*sys.argv[1:])
