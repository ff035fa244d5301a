#pragma once
// Editable combo boxes keep their label as their accessible name. Qt's own interface for a
// combo box on Linux names it by its text, so a screen reader announced a typed "648" with no
// label. This one names it by its accessible name and gives the text as its value.

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace varnel {

class EditableComboAccessible : public QAccessibleWidget {
  public:
    explicit EditableComboAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        if (t == QAccessible::Name && !box()->accessibleName().isEmpty()) {
            return box()->accessibleName();
        }
        return QAccessibleWidget::text(t);
    }
    // The drop-down list, then the text box, as Qt's own interface orders them.
    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override {
        QObject* const children[] = {box()->view(), box()->lineEdit()};
        return index == 0 || index == 1 ? QAccessible::queryAccessibleInterface(children[index])
                                        : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == box()->view()) return 0;
        return child->object() == box()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            box()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// Makes every editable combo box of the program use EditableComboAccessible; call before the
// first one is asked for its interface. Installing twice does nothing more.
inline void installEditableComboAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) {
            auto* box = qobject_cast<QComboBox*>(object);
            return className == QLatin1String("QComboBox") && box && box->isEditable()
                       ? static_cast<QAccessibleInterface*>(new EditableComboAccessible(box))
                       : nullptr;
        });
        return true;
    }();
    (void)installed;
}

}  // namespace varnel
