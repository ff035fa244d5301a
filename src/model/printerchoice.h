#pragma once
// The printer the user chose with Printer Setup, its paper and orientation, and each printer's
// measured scale correction, as values: the window and the command line read them where they
// are kept and hand them to printing through this port.

#include <cmath>
#include <string>

namespace varnel {

// A printer's measured scale error, undone in everything drawn on it: x distances are
// multiplied by horizontal, y distances by vertical (1 each when the printer prints true).
struct ScaleCorrection {
    double horizontal = 1.0;
    double vertical = 1.0;
    bool inUse() const { return horizontal != 1.0 || vertical != 1.0; }
    bool operator==(const ScaleCorrection&) const = default;
};

// A correction factor as stored and shown: 7 significant digits. Stored factors outside 0.9 to
// 1.1 are taken for no correction.
constexpr double kMinCorrection = 0.9;
constexpr double kMaxCorrection = 1.1;
inline bool correctionFactorUsable(double factor) {
    return std::isfinite(factor) && factor >= kMinCorrection && factor <= kMaxCorrection;
}

// The choice: the printer's name (empty for the system's default), the paper by its key ("A4",
// "Letter"; empty for the printer's own), the orientation.
struct PrinterChoice {
    std::string printer;
    std::string paper;
    bool landscape = false;
    bool operator==(const PrinterChoice&) const = default;
};

// Where the choice and the corrections are kept. A failed write is said by the keeper.
class PrinterChoiceKeeper {
  public:
    virtual ~PrinterChoiceKeeper() = default;
    virtual PrinterChoice choice() = 0;
    virtual void keepChoice(const PrinterChoice& choice) = 0;
    // A printer's correction; none (1, 1) unless a usable one was kept for it.
    virtual ScaleCorrection correction(const std::string& printer) = 0;
    virtual void keepCorrection(const std::string& printer, const ScaleCorrection& correction) = 0;
};

}  // namespace varnel
