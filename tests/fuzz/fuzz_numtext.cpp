// Number text: whatever the bytes say is parsed and formatted without a crash, and the parsers
// agree with each other and with the formatters.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/numtext.h"

using namespace varnel;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto d = toDouble(text);
    const auto f = toFloat(text);
    const auto i = toInt16(text);
    // One grammar: every parser accepts exactly what isNumeric accepts (int16 within its range).
    check(isNumeric(text) == d.has_value());
    check(d.has_value() == f.has_value());
    if (i) check(d && roundToInt16(*d) == i);
    if (d && !i) check(!roundToInt16(*d));
    if (i) check(toInt16(formatInteger(*i)) == i);
    if (d && std::isfinite(*d)) {
        for (int decimals = 0; decimals <= 2; ++decimals)
            check(isNumeric(formatFixed(*d, decimals)));
    }
    // The general form is numeric text, and its value is a fixed point after one round; for
    // normal numbers only, as subnormal ones carry fewer digits than the form writes.
    if (d && (std::isnormal(*d) || *d == 0)) {
        const std::string general = formatGeneral(*d);
        const auto again = toDouble(general);
        check(again.has_value());
        check(formatGeneral(*again) == general);
    }
    if (f && (std::isnormal(*f) || *f == 0)) {
        // Seven digits hold a float to within one part in a million, not always exactly: the
        // float nearest 1E+28 writes as 9.999999E+27.
        const auto again = toFloat(formatGeneral(*f));
        check(again.has_value() && std::fabs(*again - *f) <= std::fabs(*f) * 1e-6f);
    }
    return 0;
}
