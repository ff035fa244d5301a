#pragma once
// A DXF file as an independent reader sees it: Python's ezdxf, through tests/scripts/read_dxf.py.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

namespace varnel::test {

// What read_dxf.py prints of the file; null when it cannot be run (no python3-ezdxf).
inline QJsonObject readDxf(const QString& file) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(VARNEL_SOURCE_DIR "/tests/scripts/read_dxf.py"), file});
    if (!python.waitForFinished(120000) || python.exitCode() != 0) return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

}  // namespace varnel::test
