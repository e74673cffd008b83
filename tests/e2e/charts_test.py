"""Presses Calculate on the real program and checks that both charts show their four curves."""
import subprocess
import sys
import tempfile
import time

from PIL import Image

from corvane_e2e import extents, running, wait_for

# The series colours of each chart, curve 0 to 3.
FLUX_COLOURS = [(255, 0, 0), (128, 255, 0), (0, 255, 255), (255, 128, 255)]
TEMPERATURE_COLOURS = [(255, 0, 0), (128, 255, 0), (0, 255, 255), (255, 0, 255)]


def chart_views(program):
    """The flux chart and the temperature chart, found by their names."""
    return [program.find(program.main_window(), name)
            for name in ("Detectable Flux Density Change", "Minimum Detectable Temperature Change")]


def count(image, box, colour, tolerance=40):
    x, y, w, h = box
    pixels = image.crop((x, y, x + w, y + h)).getdata()
    return sum(1 for p in pixels if all(abs(p[i] - colour[i]) <= tolerance for i in range(3)))


def main(executable):
    with running(executable) as program:
        button = program.press("Calculate")
        wait_for(lambda: button.name == "Re-Calculate", what="the calculation")
        time.sleep(0.5)
        views = chart_views(program)
        assert len(views) == 2, "found %d charts" % len(views)
        with tempfile.NamedTemporaryFile(suffix=".png") as shot:
            subprocess.run(["import", "-window", "root", shot.name], check=True)
            image = Image.open(shot.name).convert("RGB")
        for view, colours in zip(views, (FLUX_COLOURS, TEMPERATURE_COLOURS)):
            for colour in colours:
                # A curve 2 pixels wide across most of the plot leaves hundreds of pixels.
                n = count(image, extents(view), colour, tolerance=10)
                assert n > 150, "only %d pixels of %s in the chart at %s" % (n, colour, extents(view))
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
