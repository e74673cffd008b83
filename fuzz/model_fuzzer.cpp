// libFuzzer target: fifteen field texts, one a line (the fourteen fields of the window and
// the decimal separator), read and taken through the whole model as a calculation does.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "antenna.h"
#include "exceptions.h"
#include "inputs.h"
#include "prediction.h"
#include "sweep.h"

namespace {

constexpr std::size_t kFieldCount = 14;

std::array<std::string, kFieldCount + 1> SplitLines(std::string_view input) {
    std::array<std::string, kFieldCount + 1> lines;
    std::size_t i = 0;
    for (char c : input) {
        if (c == '\n' && i < lines.size() - 1)
            ++i;
        else
            lines[i] += c;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace corvane;
    const auto lines = SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const char separator = lines[kFieldCount].empty() ? '.' : lines[kFieldCount][0];
    const InputReader reader{[&](InputField f) { return lines[static_cast<std::size_t>(f)]; }, {}, separator};
    const NoticeHandler notices = [](const std::string&) {};
    try {
        const SensitivityInputs in = ReadSensitivityInputs(reader);
        const AntennaFigures a = ComputeAntennaFigures(in, notices);
        FormatAntennaFigure(ComputeGoverT(a, notices));
        ComputePrediction(in, a, notices, [](PredictionStage, const std::vector<FieldText>&) {});
        ComputeSweepGrid(in.Ks, a.Tsys, a.Aeff);
    } catch (const Exception&) {
        // every failure of a calculation is one of the named errors
    }
    return 0;
}
