// The antenna and system-noise figures of one calculation.
#pragma once

#include <string>

#include "inputs.h"
#include "math_library.h"

namespace corvane {

struct AntennaFigures {
    double Lamda = 0;   // m, operating wavelength
    double Dia = 0;     // m, dish diameter
    double HPBW = 0;    // degrees, 3 dB beamwidth
    double Area = 0;    // m², physical area
    double G = 0;       // dBi, theoretical gain
    double Gdec = 0;    // gain as a power ratio
    double Aeff = 0;    // m², effective area
    double Tsys = 0;    // K, system noise temperature
    double GoverT = 0;  // 1/K, G/T as a plain ratio
};

// Every figure but GoverT, which the window shows only after the other five.
AntennaFigures ComputeAntennaFigures(const SensitivityInputs& in, const NoticeHandler& notices);
double ComputeGoverT(const AntennaFigures& figures, const NoticeHandler& notices);

// "%4.2f"
std::string FormatAntennaFigure(double value);

}  // namespace corvane
