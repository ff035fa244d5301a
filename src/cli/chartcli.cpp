#include "cli/chartcli.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string_view>
#include "cli/chartrequest.h"

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
#include "text/translations.h"

namespace varnel {

namespace {

// Tells the user on standard error (a remembered printer that is gone).
class StreamMessages : public MessageBox {
  public:
    explicit StreamMessages(std::ostream& err) : m_err(err) {}
    void show(std::string_view text) override { m_err << text << "\n"; }

  private:
    std::ostream& m_err;
};

}  // namespace

PageSetup setupFor(const ChartRequest& request, bool pdf, ChosenPrinter* remembered) {
    PageSetup setup = request.page;
    if (!pdf && !request.printerGiven && remembered) {
        const PageSetup chosen = remembered->pageSetup();
        setup.printerName = chosen.printerName;
        if (!setup.paper) setup.paper = chosen.paper;
        setup.correction = chosen.correction;
    } else if (!pdf && remembered) {
        setup.correction = remembered->correctionFor(setup.printerName);
    }
    if (request.xCorrection) setup.correction.horizontal = *request.xCorrection;
    if (request.yCorrection) setup.correction.vertical = *request.yCorrection;
    return setup;
}

std::string messageOut(const Message& message) {
    // Without the application (a plain chart) there is no translation to look in.
    return QCoreApplication::instance() ? messageText(message).toStdString() : message.english();
}

int runChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const ChartCommandStores& stores) {
    SettingsStore* printerStore = stores.printers;
    if (args.size() == 1 && args[0] == "--version") {
        out << "varnel-chart " << kVersionText << "\n";
        return kExitOk;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usageText();
        return kExitOk;
    }
    ChartRequest request;
    try {
        request = parseArguments(args, stores.settings);
    } catch (const UsageError& e) {
        err << "varnel-chart: " << e.reason << "\n" << usageText();
        return kExitUsage;
    } catch (const Refusal& e) {
        err << e.reason << "\n";
        return kExitRefused;
    }
    if (request.listConfigs) {
        if (stores.settings) {
            for (const QString& name : ConfigRepository(*stores.settings).names()) {
                out << name.toStdString() << "\n";
            }
        }
        out.flush();
        return out ? kExitOk : kExitRefused;
    }
    if (request.checkFile) return runCheck(request, out, err);
    FretboardSettings& s = request.settings;
    s.nFrets = fretCountFromBox(request.fretsText, s.nFrets);
    if (request.designer) return runDesigner(request, out, err);
    s.scaleLen = scaleLenFromBox(request.scaleText, request.preset, s.unitsType);
    // The calibration page needs no fretboard.
    if (!calibrationOnly(request) && !inputsAreValid(s)) {
        err << kCheckInputsMessage << "\n";
        return kExitRefused;
    }
    const FretPositions positions = inputsAreValid(s) ? calcFretPositions(s) : FretPositions();
    if (request.outputs.empty()) {
        out << buildFretChart(s, positions);
        out.flush();
        return out ? kExitOk : kExitRefused;
    }
    StreamMessages messages(err);
    std::optional<StoredPrinterChoice> kept;
    std::optional<ChosenPrinter> remembered;
    if (printerStore) remembered.emplace(kept.emplace(*printerStore, messages), messages);
    for (const OutputRequest& o : request.outputs) {
        const bool pdf = o.output == Output::File || o.output == Output::CalibrationPdf;
        const PageSetup setup = setupFor(request, pdf, remembered ? &*remembered : nullptr);
        std::optional<QString> failure;
        if ((o.output == Output::File && o.format == ExportFormat::FretPoints) ||
            o.output == Output::RadiusGauges || o.output == Output::Intonation) {
            err << "varnel-chart: --fret-points, the radius gauges and the intonation need "
                   "--fanned\n";
            return kExitUsage;
        } else if (o.output == Output::File) {
            failure = exportDocument(o.format, QString::fromStdString(o.file), s, positions, setup);
        } else if (o.output == Output::CalibrationPdf) {
            failure = savePdf(QString::fromStdString(o.file), setup,
                              calibrationDocument(s.unitsType, setup));
        } else if (request.printerGiven && !PainterPrinter::printerExists(setup.printerName)) {
            failure = QStringLiteral("There is no printer \"%1\".").arg(setup.printerName);
        } else {
            ChosenPrinterSetup printer(setup);
            failure =
                printDocument(printer, o.output == Output::PrintChart ? chartDocument(s, positions)
                                       : o.output == Output::PrintTemplate
                                           ? templateDocument(s, positions)
                                           : calibrationDocument(s.unitsType, setup));
        }
        if (failure) {
            err << failure->toStdString() << "\n";
            return kExitRefused;
        }
    }
    return kExitOk;
}

}  // namespace varnel
