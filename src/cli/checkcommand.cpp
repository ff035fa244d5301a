#include "cli/chartrequest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string_view>

#include "core/chart.h"
#include "core/checkfit.h"
#include "core/designerboard.h"
#include "core/input.h"
#include "core/numtext.h"
#include "core/tuning.h"
#include "core/version.h"
#include "render/boardprint.h"
#include "render/chosenprinter.h"
#include "render/exports.h"
#include "render/printerprovider.h"
#include "render/printjobs.h"
#include "store/configrepository.h"
#include "store/preferences.h"
#include "store/printerstore.h"

namespace varnel {

// An instrument checked: its measured frets read, each model's fit, the best one's name, and the
// table of frets; lengths and cents to 6 decimals.
int runCheck(const ChartRequest& request, std::ostream& out, std::ostream& err) {
    // A measurements file is small: one larger than a mebibyte is none.
    constexpr std::size_t kMaxBytes = 1 << 20;
    std::string csv;
    if (*request.checkFile == "-") {
        csv.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else if (const auto bytes = readFileBytes(*request.checkFile, kMaxBytes);
               bytes && bytes->size() <= kMaxBytes) {
        csv = *bytes;
    } else {
        err << "The file " << *request.checkFile << " could not be read.\n";
        return kExitRefused;
    }
    const auto measured = readMeasurements(csv);
    if (const Message* why = std::get_if<Message>(&measured)) {
        err << messageOut(*why) << "\n";
        return kExitRefused;
    }
    std::optional<double> scale;
    if (!request.scaleText.empty()) scale = toDouble(request.scaleText);
    const FretboardSettings& s = request.settings;
    const auto check = checkInstrument(std::get<std::vector<Measurement>>(measured), scale,
                                       customFactor(s.calcType, s.calcFact), unitsOf(s.unitsType));
    if (const Message* why = std::get_if<Message>(&check)) {
        err << messageOut(*why) << "\n";
        return kExitRefused;
    }
    const InstrumentCheck& c = std::get<InstrumentCheck>(check);
    if (request.checkPdf) {
        const auto failure = savePdf(QString::fromStdString(*request.checkPdf), request.page,
                                     checkReportDocument(c));
        if (failure) {
            err << failure->toStdString() << "\n";
            return kExitRefused;
        }
    }
    const auto six = [](double v) { return formatFixed(v, 6); };
    const std::string unit = checkUnit(c);
    out << "model,scale_length_" << unit << ",nut_offset_" << unit << ",rms_" << unit << ",largest_"
        << unit << "   (measured = scale_length * model + nut_offset)\n";
    for (const ModelFit& m : c.models) {
        out << csvField(m.name.english()) << "," << six(m.scaleLength) << "," << six(m.offset)
            << "," << six(m.rms) << "," << six(m.largest) << "\n";
    }
    out << "best: " << c.models.front().name << "\n";
    for (const Message& finding : checkFindings(c)) out << messageOut(finding) << "\n";
    out << "fret,measured_" << unit << ",best_" << unit << ",residual_" << unit << ",cents\n";
    for (const FretCheck& f : c.frets) {
        out << f.fret << "," << formatGeneral(f.measured) << "," << six(f.best) << ","
            << six(f.residual) << "," << six(f.cents) << "\n";
    }
    out.flush();
    return out ? kExitOk : kExitRefused;
}

}  // namespace varnel
