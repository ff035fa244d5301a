#pragma once
// Reading printed output back as a picture: a PDF page (or a strip of it) rendered by pdftoppm,
// and the centres of the dark runs across a row or down a column.

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRectF>
#include <QStandardPaths>
#include <vector>

namespace varnel::test {

// The first page, or the strip of it given in millimetres from the paper's top left corner,
// rendered in grey at dpi; null when pdftoppm is missing or fails.
inline QImage renderPdf(const QString& pdf, const QString& dir, double dpi, QRectF mm = {}) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) return {};
    QStringList args = {"-r", QString::number(dpi), "-gray", "-f", "1", "-l", "1", "-singlefile"};
    const auto px = [dpi](double v) { return QString::number(static_cast<int>(v / 25.4 * dpi)); };
    if (!mm.isNull()) {
        args << "-x" << px(mm.x()) << "-y" << px(mm.y()) << "-W" << px(mm.width()) << "-H"
             << px(mm.height());
    }
    QProcess render;
    render.start(tool, args << pdf << dir + "/render");
    if (!render.waitForFinished(60000) || render.exitCode() != 0) return {};
    QImageReader::setAllocationLimit(1024);  // an A4 page at 600 dpi is about 35 MB of grey
    return QImage(dir + "/render.pgm");
}

// Centres of the dark runs along a line of the picture (the middle row, or the middle column),
// in millimetres from its edge at dpi.
inline std::vector<double> darkRuns(const QImage& image, double dpi, bool column = false,
                                    int line = -1) {
    std::vector<double> out;
    const int n = column ? image.height() : image.width();
    if (line < 0) line = (column ? image.width() : image.height()) / 2;
    const auto dark = [&](int i) {
        return qGray(column ? image.pixel(line, i) : image.pixel(i, line)) < 128;
    };
    for (int i = 0; i < n;) {
        int end = i;
        while (end < n && dark(end)) ++end;
        if (end > i) out.push_back((i + end) / 2.0 * 25.4 / dpi);
        i = end + 1;
    }
    return out;
}

}  // namespace varnel::test
