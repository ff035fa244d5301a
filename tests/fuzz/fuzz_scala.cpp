// Scala files: whatever the bytes say is read without a crash or a hang; an accepted scale has
// as many pitches as its count, each above the one before it and above 1.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "core/tuning.h"

using namespace varnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto read = readScala(text, "fuzz.scl");
    if (const Scale* scale = std::get_if<Scale>(&read)) {
        double before = 1;
        for (const double ratio : scale->ratios) {
            if (!(ratio > before)) std::abort();
            before = ratio;
        }
        if (scale->ratios.empty()) std::abort();
    }
    return 0;
}
