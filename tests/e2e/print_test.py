"""Prints the main window through the print dialog to the default printer and checks the PDF.

Usage: print_test.py <Corvane executable> <folder where the PDF printer writes>
The default printer must be a PDF queue (see print_through_cups.sh).
"""
import glob
import os
import re
import subprocess
import sys
import time

from corvane_e2e import MAIN_CAPTION, running, wait_for, window_geometry


def pdf_files(folder):
    return set(glob.glob(os.path.join(folder, "*.pdf")))


def main(executable, folder):
    before = pdf_files(folder)
    with running(executable) as program:
        program.main_window()
        _, _, width, height = window_geometry(MAIN_CAPTION)
        program.press("Print Frame")
        dialog = program.window("Print")
        program.press("Print", root=dialog)
        wait_for(lambda: subprocess.run(["lpstat", "-o"], capture_output=True, text=True).stdout.strip() == "",
                 timeout=60, what="the print queue to drain")
        new = wait_for(lambda: pdf_files(folder) - before, timeout=60, what="a PDF from the printer")
        pdf = sorted(new)[0]
        wait_for(lambda: os.path.getsize(pdf) > 0, timeout=30, what="the PDF to be written")
        time.sleep(1)
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
        pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
        assert pages == 1, "%d pages" % pages
        images = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True, check=True).stdout
        rows = [line.split() for line in images.splitlines()[2:] if line.strip()]
        assert rows, "no picture on the page"
        w, h = max(((int(r[3]), int(r[4])) for r in rows), key=lambda s: s[0] * s[1])
        assert abs(w / h - width / height) < 0.01, "picture %dx%d, window %dx%d" % (w, h, width, height)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
