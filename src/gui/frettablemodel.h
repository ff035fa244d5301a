#pragma once
// The designer's fret table as a model the view asks for what it shows: nothing is filled in
// ahead, so a board of 32766 frets costs no more than one of 22. A row per fret: its distances,
// angle, width, radius, marker and cents; or, a column per string, where the fret crosses each
// string, after each string's intonation when there is one.

#include <QAbstractTableModel>

#include "model/designermodel.h"

namespace varnel {

class FretTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit FretTableModel(const DesignerModel& model, QObject* parent)
        : QAbstractTableModel(parent), m_model(model) {}
    void setPerString(bool perString);
    void boardChanged();
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    // A column per string begins with each string's intonation, when there is one.
    static constexpr int kIntonationRows = 6;
    int intonationRows() const;
    // A cell's text with decimal points.
    QString cellText(const QModelIndex& index) const;
    QString intonationCell(int row, int column, int decimals) const;

    const DesignerModel& m_model;
    bool m_perString = false;
};

}  // namespace varnel
