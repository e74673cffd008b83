"""Saves a picture of the main window after a calculation with a dish picked.

Usage: screenshot.py <Corvane executable> <out.png> [source item]
"""
import subprocess
import sys
import time

from corvane_e2e import MAIN_CAPTION, running, wait_for, window_geometry


def main(executable, out, source=None):
    with running(executable) as program:
        program.main_window()
        program.pick("Antenna", "Dish Dia. (m)")
        if source:
            program.pick("Source", source)
        button = program.press("Calculate")
        wait_for(lambda: button.name == "Re-Calculate", what="the calculation")
        time.sleep(0.5)  # let the charts repaint
        x, y, w, h = window_geometry(MAIN_CAPTION)
        subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), out], check=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
