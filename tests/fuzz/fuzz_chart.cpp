// The chart: any settings record (NaN, infinities, denormals, any codes) goes through the
// calculation and the chart text without a crash, and the chart keeps its shape.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/chart.h"
#include "core/fretboard.h"

using namespace varnel;

namespace {

template <typename T>
T take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = std::min(sizeof(T), size);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FretboardSettings s;
    s.scaleLen = take<double>(data, size);
    s.nFrets = take<std::int16_t>(data, size);
    s.calcType = take<std::int16_t>(data, size);
    s.calcFact = take<double>(data, size);
    s.unitsType = take<std::int16_t>(data, size);
    s.unitsGranularity = take<std::int16_t>(data, size);
    if (!inputsAreValid(s) || s.nFrets > kMaxFrets) return 0;
    const FretPositions p = calcFretPositions(s);
    if (p.count() != s.nFrets) std::abort();
    const std::string chart = buildFretChart(s, p);
    // Four header lines, then one row and CR LF per fret: 40 characters, or more when a
    // distance is too long for its field (fields never cut digits).
    const auto fitsFields = [&p](int fret) {
        const auto i = static_cast<std::size_t>(fret);
        return std::fabs(p.distFromNut[i]) < 1e5 && std::fabs(p.distFromFret[i]) < 1e5;
    };
    std::size_t lines = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = chart.find("\r\n", start)) != std::string::npos; start = end + 2) {
        if (++lines <= 4) continue;
        const std::size_t width = end - start;
        if (width < 40 || (width != 40 && fitsFields(static_cast<int>(lines) - 4))) std::abort();
    }
    if (start != chart.size() || lines != static_cast<std::size_t>(s.nFrets) + 4) std::abort();
    return 0;
}
