// libFuzzer target: any bytes as a field's text, with "." or "," as the decimal separator.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exceptions.h"
#include "text_to_float.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        corvane::TextToDouble(text, separator);
    } catch (const corvane::Exception&) {
        // a text that is not a number, or beyond the double range
    }
    return 0;
}
