#include "gui/fretchartview.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

namespace varnel {

void ChartLinesModel::setText(QString text) {
    beginResetModel();
    m_text = std::move(text);
    m_lineStarts.clear();
    qsizetype start = 0;
    while (start < m_text.size()) {
        m_lineStarts.push_back(start);
        const qsizetype end = m_text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) {
            start = m_text.size();
            break;
        }
        start = end + 1;
    }
    m_lineStarts.push_back(m_text.size());
    endResetModel();
}

QString ChartLinesModel::line(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    const auto r = static_cast<std::size_t>(row);
    qsizetype begin = m_lineStarts[r];
    qsizetype end = m_lineStarts[r + 1];
    while (end > begin &&
           (m_text[end - 1] == QLatin1Char('\n') || m_text[end - 1] == QLatin1Char('\r'))) {
        --end;
    }
    return m_text.mid(begin, end - begin);
}

int ChartLinesModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_lineStarts.empty()) return 0;
    return static_cast<int>(m_lineStarts.size()) - 1;
}

QVariant ChartLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    return line(index.row());
}

FretChartView::FretChartView(QWidget* parent)
    : QListView(parent), m_model(new ChartLinesModel(this)) {
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setSpacing(0);
    // Rows without padding, as lines of text; selected rows in the platform's selection colours
    // (a style sheet for the items alone would leave their text invisible on some styles).
    setStyleSheet(
        QStringLiteral("QListView::item { padding: 0px; margin: 0px; border: 0px; }"
                       "QListView::item:selected { color: palette(highlighted-text); "
                       "background: palette(highlight); }"));
}

void FretChartView::setPlainText(const QString& text) {
    m_model->setText(text);
}

void FretChartView::copy() {
    QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QString out;
    for (const QModelIndex& row : rows) out += m_model->line(row.row()) + QStringLiteral("\r\n");
    QGuiApplication::clipboard()->setText(out);
}

void FretChartView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copy();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void FretChartView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copyAction = menu.addAction(tr("&Copy"), this, &FretChartView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(selectionModel()->hasSelection());
    QAction* selectAllAction = menu.addAction(tr("Select &All"), this, &QListView::selectAll);
    selectAllAction->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

}  // namespace varnel
