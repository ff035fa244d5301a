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
#include "layout/intonationreport.h"
#include "render/boardprint.h"
#include "render/chosenprinter.h"
#include "render/exports.h"
#include "render/printerprovider.h"
#include "render/printjobs.h"
#include "store/configrepository.h"
#include "store/preferences.h"
#include "store/printerstore.h"

namespace varnel {

int runDesigner(const ChartRequest& request, std::ostream& out, std::ostream& err) {
    const FretboardSettings& s = request.settings;
    if (s.nFrets < 1) {
        err << kCheckInputsMessage << "\n";
        return kExitRefused;
    }
    // The defaults, then each configuration and option in turn.
    const Units units = unitsOf(s.unitsType);
    DesignerInputs in = designerDefaults(units);
    std::vector<std::string> unreadable;  // a configuration's, unless an option gives it later
    bool scalaGiven = false;
    for (const auto& given : request.designerTexts) {
        DesignerTexts texts = given.texts;
        if (!given.fromConfiguration) texts["unitsType"] = std::to_string(s.unitsType);
        const std::vector<std::string> bad = readDesignerTexts(texts, units, in);
        if (given.fromConfiguration) {
            unreadable.insert(unreadable.end(), bad.begin(), bad.end());
        } else {
            std::erase_if(unreadable, [&](const std::string& key) { return texts.contains(key); });
            scalaGiven = scalaGiven || texts.contains("txtScalaFile");
        }
    }
    if (!unreadable.empty()) {
        err << "The saved configuration " << request.configName
            << " has a Fretboard Designer input that is not a number: "
            << optionOf(unreadable.front()) << ".\n";
        return kExitRefused;
    }
    // A Scala file named here must be there; one a saved configuration names may have moved,
    // and twelve equal steps stand in, as in the designer.
    if (!in.tuning.note.empty()) {
        err << messageOut(in.tuning.note) << "\n";
        if (scalaGiven) return kExitRefused;
    }
    // Where the frets cross the strings does not depend on the markers: fret points alone are
    // never refused for them.
    if (std::all_of(request.outputs.begin(), request.outputs.end(),
                    [](const OutputRequest& o) { return o.format == ExportFormat::FretPoints; }) &&
        !request.outputs.empty()) {
        in.workshop.markers.clear();
        in.workshop.doubleMarkers.clear();
    }
    if (const auto refusal = designerRefusal(in, s)) {
        err << messageOut(*refusal) << "\n";
        return kExitRefused;
    }
    const DesignerBoard board = layOutBoard(in, s);
    if (request.outputs.empty()) {
        out << "Fret  Along first  Along last  Along midline  Angle    Width   Radius  Marker  "
               "Cents\r\n";
        char row[128];
        for (const BoardFret& f : board.table) {
            std::snprintf(row, sizeof row, "%4s  %11s  %10s  %13s  %5s  %7s  %7s  %-6s  %s\r\n",
                          f.label.c_str(), formatFixed(f.alongFirst, 3).c_str(),
                          formatFixed(f.alongLast, 3).c_str(),
                          formatFixed(f.alongMidline, 3).c_str(),
                          formatFixed(f.angleDegrees, 2).c_str(), formatFixed(f.width, 3).c_str(),
                          formatFixed(f.radius, 3).c_str(), markerName(f.marker).c_str(),
                          formatFixed(f.cents, 2).c_str());
            out << row;
        }
        // With a string set, each string's intonation after the frets.
        if (!board.intonation.empty()) {
            out << "\r\n";
            for (const std::string& line : intonationLines(board, units, NominalMeasure()))
                out << line << "\r\n";
        }
        return out ? kExitOk : kExitRefused;
    }
    for (const OutputRequest& o : request.outputs) {
        if (o.output == Output::RadiusGauges || o.output == Output::Intonation) {
            const QString file = QString::fromStdString(o.file);
            const PageSetup setup = setupFor(request, true, nullptr);
            const auto failure =
                o.output == Output::Intonation
                    ? exportIntonation(o.format, file, board, units, setup)
                    : exportGauges(o.format, file, boardGauges(board, units, request.gaugeRadii),
                                   setup);
            if (failure) {
                err << failure->toStdString() << "\n";
                return kExitRefused;
            }
            continue;
        }
        if (o.output != Output::File || o.format == ExportFormat::ChartPdf ||
            o.format == ExportFormat::ChartText) {
            err << "varnel-chart: --fanned writes --dxf, --svg, --csv, --fret-points and "
                   "--template-pdf files, "
                   "or its table\n";
            return kExitUsage;
        }
        const auto failure = exportBoard(o.format, QString::fromStdString(o.file), board, units,
                                         setupFor(request, true, nullptr), request.boardOnly);
        if (failure) {
            err << failure->toStdString() << "\n";
            return kExitRefused;
        }
    }
    return kExitOk;
}

}  // namespace varnel
