#pragma once
// Where a document goes: the printer, its paper and orientation, and the printer's scale
// correction.

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <optional>

#include "render/printersurface.h"

namespace varnel {

struct PageSetup {
    QString printerName;  // empty: the system's default printer
    std::optional<QPageSize::PageSizeId>
        paper;  // none: the printer's own, or for a PDF the locale's
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    ScaleCorrection correction;
};

// The paper sizes known by name: A5, A4, A3, Letter, Legal, Tabloid (any letter case).
std::optional<QPageSize::PageSizeId> paperFromName(const QString& name);
QString paperName(QPageSize::PageSizeId paper);

}  // namespace varnel
