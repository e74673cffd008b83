"""Starts the real program, presses Calculate, closes the window and checks the exit status."""
import sys

from corvane_e2e import MAIN_CAPTION, running, wait_for


def main(executable):
    with running(executable) as program:
        assert program.main_window().name == MAIN_CAPTION
        button = program.press("Calculate")
        wait_for(lambda: button.name == "Re-Calculate", what="the button to read Re-Calculate")
        assert program.text_of("System Temperature (K)") == "35.39"
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
