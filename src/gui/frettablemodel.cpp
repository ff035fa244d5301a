#include "gui/frettablemodel.h"

#include <QCoreApplication>

#include "core/numtext.h"
#include "core/translatable.h"
#include "text/localnumbers.h"
#include "text/translations.h"

namespace varnel {

void FretTableModel::setPerString(bool perString) {
    beginResetModel();
    m_perString = perString;
    endResetModel();
}

void FretTableModel::boardChanged() {
    beginResetModel();
    endResetModel();
}

int FretTableModel::rowCount(const QModelIndex& parent) const {
    const auto& board = m_model.board();
    return parent.isValid() || !board ? 0
                                      : intonationRows() + static_cast<int>(board->table.size());
}

int FretTableModel::columnCount(const QModelIndex& parent) const {
    const auto& board = m_model.board();
    if (parent.isValid()) return 0;
    return m_perString ? 1 + (board ? static_cast<int>(board->strings.size()) : 0) : 10;
}

QVariant FretTableModel::data(const QModelIndex& index, int role) const {
    if (!m_model.board() || !index.isValid()) return {};
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return localDecimals(cellText(index));
}

QString FretTableModel::cellText(const QModelIndex& index) const {
    const auto& board = m_model.board();
    const int column = index.column();
    const int decimals = m_model.units() == Units::Inches ? 3 : 2;
    if (index.row() < intonationRows()) return intonationCell(index.row(), column, decimals);
    const int row = index.row() - intonationRows();
    const BoardFret& f = board->table[static_cast<std::size_t>(row)];
    if (column == 0) return QString::fromStdString(f.label);
    if (m_perString) {
        const std::size_t point = static_cast<std::size_t>(row) * board->strings.size() +
                                  static_cast<std::size_t>(column - 1);
        return QString::fromStdString(formatFixed(board->fretPoints[point].fromNut, decimals));
    }
    const std::string cells[] = {formatFixed(f.alongFirst, decimals),
                                 formatFixed(f.alongLast, decimals),
                                 formatFixed(f.alongMidline, decimals),
                                 formatFixed(f.angleDegrees, 2),
                                 formatFixed(f.width, decimals),
                                 formatFixed(f.radius, decimals),
                                 wordText(markerName(f.marker)).toStdString(),
                                 formatFixed(f.cents, 2),
                                 formatFixed(f.fromTwelve, 2)};
    return QString::fromStdString(cells[static_cast<std::size_t>(column - 1)]);
}

QVariant FretTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == 0) return tr("Fret");
    const QString unit = QStringLiteral(" (%1)").arg(QLatin1String(unitSymbol(m_model.units())));
    if (m_perString) return tr("String %1").arg(section) + unit;
    const QString headers[] = {tr("Along First String") + unit,
                               tr("Along Last String") + unit,
                               tr("Along Midline") + unit,
                               tr("Angle (degrees)"),
                               tr("Width") + unit,
                               tr("Radius") + unit,
                               tr("Marker"),
                               tr("Cents"),
                               tr("From 12 Equal")};
    return headers[section - 1];
}

int FretTableModel::intonationRows() const {
    const auto& board = m_model.board();
    return m_perString && board && !board->intonation.empty() ? kIntonationRows : 0;
}

QString FretTableModel::intonationCell(int row, int column, int decimals) const {
    if (column == 0) {
        const QString names[kIntonationRows] = {
            tr("Saddle setback"),         tr("Nut setback"),       tr("RMS before (cents)"),
            tr("Largest before (cents)"), tr("RMS after (cents)"), tr("Largest after (cents)")};
        return names[row];
    }
    const StringIntonation& s = m_model.board()->intonation[static_cast<std::size_t>(column - 1)];
    const double values[kIntonationRows] = {s.saddle,    s.nut,      s.rmsBefore,
                                            s.maxBefore, s.rmsAfter, s.maxAfter};
    return QString::fromStdString(formatFixed(values[row], row < 2 ? decimals + 1 : 2));
}

}  // namespace varnel
