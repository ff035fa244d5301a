#pragma once
// A printer that records what is drawn, with fixed text metrics, so that tests can check every
// coordinate exactly; and a provider that hands out recording printers.

#include <QImage>
#include <algorithm>
#include <map>
#include <vector>

#include "render/printerprovider.h"
#include "render/printersurface.h"

namespace varnel::test {

struct RecordedLine {
    QPointF from, to;  // page unit at the time of drawing
    QColor colour;
    double widthDots;
    LineStyle style;
    int page;
};

struct RecordedCircle {
    QPointF centre;  // page unit, as the lines
    double diameter;
    QColor colour;
    double widthDots;
    int page;
    double startDegrees = 0;  // an arc's, as Qt counts them
    double spanDegrees = 360;
};

struct RecordedText {
    QPointF topLeft;  // page unit
    QString text;
    QString family;
    double points;
    int page;
};

class RecordingPrinter : public PrinterSurface {
  public:
    // 600 dpi; the printable area 8 x 10.5 inches unless given.
    explicit RecordingPrinter(double widthInches = 8.0, double heightInches = 10.5)
        : m_widthDots(widthInches * kDpi), m_heightDots(heightInches * kDpi) {}

    static constexpr double kDpi = 600;
    // Every character is 0.05 inch wide and every line 0.1 inch high, whatever the font.
    static constexpr double kCharDots = 30;
    static constexpr double kLineDots = 60;

    std::vector<RecordedLine> lines;
    std::vector<RecordedCircle> circles;
    std::vector<RecordedText> texts;
    int images = 0;
    bool ended = false;
    bool aborted = false;
    bool failAtEnd = false;
    int page = 1;

    // Drops each template page's foot (its labels and check rule, from the top of its "page k
    // of n" label down), leaving the strips and the footer to look at.
    void dropPageFeet() {
        std::map<int, double> footTop;
        for (const RecordedText& t : texts) {
            if (t.text.startsWith(QStringLiteral("page "))) footTop[t.page] = t.topLeft.y();
        }
        const auto inFoot = [&](int onPage, double y) {
            const auto top = footTop.find(onPage);
            return top != footTop.end() && y >= top->second - 1e-9;
        };
        std::erase_if(lines, [&](const RecordedLine& l) {
            return inFoot(l.page, std::min(l.from.y(), l.to.y()));
        });
        std::erase_if(texts, [&](const RecordedText& t) { return inFoot(t.page, t.topLeft.y()); });
    }

  protected:
    double dotsPerInch() const override { return kDpi; }
    double printableWidthDots() const override { return m_widthDots; }
    double printableHeightDots() const override { return m_heightDots; }
    void drawLineDots(const QPointF& from, const QPointF& to, const QColor& colour,
                      double widthDots, LineStyle style) override {
        lines.push_back({QPointF(fromDots(from.x()), fromDots(from.y())),
                         QPointF(fromDots(to.x()), fromDots(to.y())), colour, widthDots, style,
                         page});
    }
    void drawEllipseDots(const QRectF& box, const QColor& colour, double widthDots,
                         double startDegrees, double spanDegrees) override {
        circles.push_back({QPointF(fromDots(box.center().x()), fromDots(box.center().y())),
                           fromDots(box.width()), colour, widthDots, page, startDegrees,
                           spanDegrees});
    }
    void drawTextDots(const QPointF& topLeft, const QString& text, const QFont& font) override {
        texts.push_back({QPointF(fromDots(topLeft.x()), fromDots(topLeft.y())), text, font.family(),
                         font.pointSizeF(), page});
    }
    void drawImageDots(const QRectF&, const QImage&) override { ++images; }
    double textWidthDots(const QString& text, const QFont&) const override {
        return kCharDots * static_cast<double>(text.size());
    }
    double textHeightDots(const QString&, const QFont&) const override { return kLineDots; }
    bool newPageDots() override {
        ++page;
        return true;
    }
    bool endDocDots() override {
        ended = true;
        return !failAtEnd;
    }
    void abortDots() override { aborted = true; }

  private:
    double m_widthDots;
    double m_heightDots;
};

// Hands out recording printers and keeps them for inspection; with `available` false it
// answers as a system without a printer does.
class RecordingPrinterProvider : public PrinterProvider {
  public:
    std::unique_ptr<PrinterSurface> open(const QString& title, QString& error) override {
        titles << title;
        if (!available) {
            error = QStringLiteral(
                "No printer is available. Install a printer, or make one the "
                "default, and try again.");
            return nullptr;
        }
        auto printer = std::make_unique<KeptPrinter>(this, widthInches);
        printer->failAtEnd = failAtEnd;
        return printer;
    }
    bool available = true;
    QStringList titles;  // of every document opened
    bool failAtEnd = false;
    double widthInches = 8.0;
    // Every document handed out, in order, as it stood when its printer was released.
    std::vector<RecordingPrinter> documents;

  private:
    struct KeptPrinter : RecordingPrinter {
        KeptPrinter(RecordingPrinterProvider* owner, double width)
            : RecordingPrinter(width), m_owner(owner) {}
        ~KeptPrinter() override { m_owner->documents.push_back(*this); }
        RecordingPrinterProvider* m_owner;
    };
};

}  // namespace varnel::test
