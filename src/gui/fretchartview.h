#pragma once
// The chart box: a read-only, fixed-pitch view of the chart text, one row per line. It shows
// a 32766-fret chart at once (rows are made only when they scroll into view), and its rows
// can be selected and copied.

#include <QAbstractListModel>
#include <QListView>
#include <QString>
#include <vector>

namespace varnel {

class ChartLinesModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;
    // Takes the text; lines end with LF or CR LF, and a final line end starts no new row.
    void setText(QString text);
    const QString& text() const { return m_text; }
    QString line(int row) const;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    QString m_text;
    std::vector<qsizetype> m_lineStarts;  // one past the last entry: the end of the text
};

class FretChartView : public QListView {
    Q_OBJECT
  public:
    explicit FretChartView(QWidget* parent = nullptr);
    void setPlainText(const QString& text);
    QString toPlainText() const { return m_model->text(); }
    int lineCount() const { return m_model->rowCount(); }
    QString line(int row) const { return m_model->line(row); }
    // Copies the selected rows, each ended by CR LF, to the clipboard.
    void copy();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    ChartLinesModel* m_model;
};

}  // namespace varnel
