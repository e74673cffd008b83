"""Starts the real program, presses Calculate, closes the window and checks the exit status."""
import sys

from corvane_e2e import MAIN_CAPTION, Program, wait_for


def main(executable):
    program = Program(executable)
    try:
        window = program.main_window()
        assert window.name == MAIN_CAPTION
        button = program.press("Calculate")
        wait_for(lambda: button.name == "Re-Calculate", what="the button to read Re-Calculate")
        assert program.text_of("System Temperature (K)") == "35.39"
        program.close_main_window()
        status = program.wait_exit()
        assert status == 0, "exit status %d" % status
    finally:
        program.kill()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
