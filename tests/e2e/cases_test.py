"""The real program driven as a screen-reader user drives it, one table of cases.

Each case starts the program, sets inputs by their labels, presses buttons through their
actions, answers any box that comes up and reads the result fields back.
"""
import sys

import pyatspi

from corvane_e2e import MAIN_CAPTION, is_modal, running, wait_for

COMMON = {
    "Detector Output without  Flux (V)": "0.7052337333",
    "Receive Noise floor (Tsys in dBm)": "-105.33",
    "Receive Noise floor (Tsys in K)": "35.3854",
    "Disernable Temperature Change (mK)": "4.5682",
}
ANTENNA = {
    "Operating Wavelength (m)": "0.21", "Effective  Area (m^2)": "8.31", "Gain (dBi)": "33.69",
    "3dB Beam (deg)": "3.10", "System Temperature (K)": "35.39", "G/T ratio": "66.11",
}


def mode(source, level, temp, top, bottom, det_input, volts, delta):
    """A worked-example case: a 4.6 m dish and a source in one of the four forms."""
    top_caption, top_text = top
    bottom_caption, bottom_text = bottom
    return {
        "antenna": "Dish Dia. (m)", "source": source, "inputs": {"Source": level},
        "results": dict(ANTENNA, **COMMON, **{
            "Antenna Temperature  (Ta in K)": temp, top_caption: top_text, bottom_caption: bottom_text,
            "Power level at Detector input (dBm)": det_input, "Detector Output with Flux (V)": volts,
            "Delta (mV)": delta}),
    }


CASES = {
    "flux": mode(" Flux (Jy)", "10", "0.0301", ("Added Temp. from Source (mK)", "30.1069"),
                 ("Source Power at LNA (dBm)", "-136.03"), "-20.3278", "0.7053252887", " 0.09155542"),
    "delta temp": mode(" Delta Temp. (K)", "0.1", "0.1000", ("Source Power (Jy)", "33.2149"),
                       ("Source Power at LNA (dBm)", "-130.8197"), "-20.3192", "0.7055375344", " 0.30380110"),
    "feed power": mode(" Feed Power (dBm)", "-130", "0.1208", ("Source Power (Jy)", "40.1147"),
                       ("Added Temp. from Source (mK)", "120.7729"), "-20.3167", "0.7056005354", " 0.36680214"),
    "detector output": mode(" Detector Output (V)", "0.71", "0.0316", ("Source Power (Jy)", "10.5026"),
                            ("Source Power at LNA (dBm)", "-135.8201"), "-20.1392", "0.7100000000",
                            " 4.76626671"),
    "no source mode": {
        "antenna": "Dish Dia. (m)",
        "results": dict(ANTENNA, **COMMON, **{
            "Antenna Temperature  (Ta in K)": "", "Source Temperature (K)": "", "source Power (dBm)": "",
            "Power level at Detector input (dBm)": "-50.0000", "Detector Output with Flux (V)": "-0.0301900000",
            "Delta (mV)": "-735.42373329"}),
    },
    "conversion error": {
        "inputs": {"Frequency (MHz)": "abc"},
        "box": ("Corvane", "'abc' is not a valid floating point value."),
        "results": {"Operating Wavelength (m)": "", "G/T ratio": "", "Power level at Detector input (dBm)": ""},
        "button": "Calculate",
    },
    "zero source temperature": {
        "source": " Delta Temp. (K)", "inputs": {"Source": "0"},
        "box": ("Corvane", "log10: SING error"),
        "results": {"Source Power at LNA (dBm)": "  -INF", "Antenna Temperature  (Ta in K)": "0.0000",
                    "Delta (mV)": " 0.00000000"},
        "button": "Re-Calculate",
    },
    "zero noise figure": {
        "antenna": "Dish Dia. (m)", "inputs": {"Noise Figure (dB)": "0"},
        "box": ("Corvane", "Floating point division by zero."),
        "results": {"System Temperature (K)": "0.00", "Operating Wavelength (m)": "0.21", "G/T ratio": "",
                    "Delta (mV)": ""},
        "button": "Calculate",
    },
}


def answer_box(program, caption, expected_text):
    """Reads the box that is up, checks it and presses its OK."""
    box = wait_for(lambda: next((w for w in program.windows() if w.name == caption
                                 and w.getRoleName() in ("alert", "dialog")), None), what="a box " + repr(caption))
    labels = pyatspi.findAllDescendants(box, lambda n: n is not None and n.getRoleName() == "label" and n.name)
    texts = [label.name for label in labels]
    assert expected_text in texts, "box says %r" % texts
    program.press("OK", root=box)
    wait_for(lambda: box not in program.windows() or not box.getState().contains(pyatspi.STATE_SHOWING),
             what="the box to close")


def run_case(executable, case):
    with running(executable) as program:
        program.main_window()
        if "antenna" in case:
            program.pick("Antenna", case["antenna"])
        if "source" in case:
            program.pick("Source", case["source"])
        for name, value in case.get("inputs", {}).items():
            program.set_text(name, value)
        before = program.find(program.main_window(), "Calculate", "push button")
        before.queryAction().doAction(0)
        if "box" in case:
            answer_box(program, *case["box"])
        wait_for(lambda: before.name == case.get("button", "Re-Calculate"), what="the calculation")
        for name, expected in case["results"].items():
            got = program.text_of(name)
            assert got == expected, "%s: got %r, expected %r" % (name, got, expected)


def information_windows(executable):
    """Each information window opens modally from its button and closes with OK."""
    with running(executable) as program:
        for button, caption in (("About ", "AboutBox -- corvane.author@example.org"),
                                ("RF Detector Help", "Detector Information"), ("Equation List", "EquationList")):
            program.press(button)
            window = program.window(caption)
            assert is_modal(caption), caption + " is not modal"
            program.press("OK", root=window)
            wait_for(lambda: not window.getState().contains(pyatspi.STATE_SHOWING), what=caption + " to close")
        assert program.main_window().name == MAIN_CAPTION


def main(executable):
    passed, failed = 0, 0
    checks = [(name, lambda c=case: run_case(executable, c)) for name, case in CASES.items()]
    checks.append(("information windows", lambda: information_windows(executable)))
    for name, check in checks:
        try:
            check()
            passed += 1
            print("PASS", name)
        except Exception as error:  # report every case, then fail
            failed += 1
            print("FAIL", name, "-", error)
    print("%d passed, %d failed" % (passed, failed))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main(sys.argv[1])
