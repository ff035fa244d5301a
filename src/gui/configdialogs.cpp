#include "gui/configdialogs.h"

#include <QCoreApplication>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/accessiblecombo.h"
#include "gui/twips.h"
#include "store/preferences.h"

namespace varnel {

namespace {

constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Sets up the parts both dialogs share: caption, fixed size, the label and the two buttons.
// The first button acts (Save, Retrieve) through the given function.
template <typename Dialog>
void setUpDialog(Dialog& d, const char* name, const char* caption, double heightTwips,
                 QPushButton*& actionButton, const char* actionCaption, void (Dialog::*action)(),
                 double labelLeft) {
    d.setObjectName(QString::fromLatin1(name));
    d.setWindowTitle(QCoreApplication::translate("varnel::ConfigDialogs", caption));
    d.setAttribute(Qt::WA_DeleteOnClose);
    d.setModal(false);
    useDesignFont(d);
    d.setFixedSize(twipsToPixelsX(d, 6030), twipsToPixelsY(d, heightTwips));
    const auto place = [](QWidget* w, const char* objectName, double l, double t, double wd,
                          double h) {
        w->setObjectName(QString::fromLatin1(objectName));
        placeInTwips(w, l, t, wd, h);
    };
    d.nameLabel = new QLabel(
        QCoreApplication::translate("varnel::ConfigDialogs", "Fretboard Configuration Name"), &d);
    place(d.nameLabel, "lblFretConfigName", labelLeft, 240, 3135, 255);
    actionButton =
        new QPushButton(QCoreApplication::translate("varnel::ConfigDialogs", actionCaption), &d);
    place(actionButton, "OKButton", 4680, 120, 1215, 375);
    d.cancelButton =
        new QPushButton(QCoreApplication::translate("varnel::ConfigDialogs", "Cancel"), &d);
    place(d.cancelButton, "CancelButton", 4680, 600, 1215, 375);
    for (QPushButton* b : {actionButton, d.cancelButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    QObject::connect(actionButton, &QPushButton::clicked, &d, action);
    QObject::connect(d.cancelButton, &QPushButton::clicked, &d, &QDialog::close);
}

}  // namespace

// ---- Save --------------------------------------------------------------------------------

SaveConfigDialog::SaveConfigDialog(ConfigRepository& configs, MessageBox& messages,
                                   ConfigTarget& target, QWidget* parent)
    : PlainKeysDialog(parent, kFixedDialogFlags),
      m_configs(configs),
      m_messages(messages),
      m_target(target) {
    installEditableComboAccessible();
    setUpDialog(*this, "diaSaveConfig",
                QT_TRANSLATE_NOOP("varnel::ConfigDialogs", "Save Fretboard Configuration"), 1245,
                saveButton, QT_TRANSLATE_NOOP("varnel::ConfigDialogs", "Save"),
                &SaveConfigDialog::save, 240);
    nameBox = new QComboBox(this);
    nameBox->setObjectName(QStringLiteral("cboFretConfig"));
    nameBox->setEditable(true);
    nameBox->setInsertPolicy(QComboBox::NoInsert);
    nameBox->setCompleter(nullptr);  // a typed name is not completed into a saved one
    placeInTwips(nameBox, 240, 600, 4095, 315);
    nameBox->setAccessibleName(nameLabel->text());
    nameLabel->setBuddy(nameBox);
    setTabOrder(nameBox, saveButton);
    setTabOrder(saveButton, cancelButton);
    // Only typing names the configuration; choosing a row changes the text but not the name.
    connect(nameBox->lineEdit(), &QLineEdit::textEdited, this, &SaveConfigDialog::takeTypedName);
    connect(nameBox, &QComboBox::activated, this, [this](int row) { m_chosenRow = row; });
}

void SaveConfigDialog::load() {
    pendingName.clear();
    m_chosenRow = -1;
    nameBox->clear();
    nameBox->addItem(QStringLiteral("<default>"));
    nameBox->addItems(m_configs.names());
    nameBox->setCurrentIndex(-1);
    nameBox->setEditText(QString());
    show();
    nameBox->setFocus();
}

void SaveConfigDialog::takeTypedName(const QString& text) {
    if (!text.isEmpty()) pendingName = text;
}

void SaveConfigDialog::save() {
    if (pendingName.isEmpty() && m_chosenRow >= 0) pendingName = nameBox->itemText(m_chosenRow);
    if (pendingName.isEmpty()) {
        m_messages.show(tr("You must specify a name to save the configuration").toStdString());
        return;
    }
    // The repository decides, from the index as the store holds it now, whether the name is
    // new; "<default>" is a name like any other.
    switch (m_configs.save(pendingName, m_target.configurationToSave())) {
        case ConfigRepository::SaveResult::IndexFull:
            m_messages.show(tr("No more configurations can be saved").toStdString());
            return;
        case ConfigRepository::SaveResult::ReservedName:
            m_messages.show(tr("The name \"%1\" is kept for the default preferences. "
                               "Choose another name for the configuration.")
                                .arg(pendingName)
                                .toStdString());
            return;
        case ConfigRepository::SaveResult::Saved:
            break;
    }
    reportWriteFailure(m_configs.store(), m_messages);
    close();
}

// ---- Retrieve ----------------------------------------------------------------------------

RetrieveConfigDialog::RetrieveConfigDialog(ConfigRepository& configs, MessageBox& messages,
                                           ConfigTarget& target, QWidget* parent)
    : PlainKeysDialog(parent, kFixedDialogFlags),
      m_configs(configs),
      m_messages(messages),
      m_target(target) {
    setUpDialog(*this, "DiaOpenConfig",
                QT_TRANSLATE_NOOP("varnel::ConfigDialogs", "Retrieve Fretboard Configuration"),
                1215, retrieveButton, QT_TRANSLATE_NOOP("varnel::ConfigDialogs", "Retrieve"),
                &RetrieveConfigDialog::retrieve, 360);
    nameList = new QListWidget(this);
    nameList->setObjectName(QStringLiteral("lstFretConfig"));
    placeInTwips(nameList, 360, 600, 4095, 495);
    nameList->setAccessibleName(nameLabel->text());
    nameLabel->setBuddy(nameList);
    setTabOrder(retrieveButton, cancelButton);
    setTabOrder(cancelButton, nameList);
    connect(nameList, &QListWidget::itemDoubleClicked, this, &RetrieveConfigDialog::retrieve);
}

void RetrieveConfigDialog::load() {
    nameList->clear();
    nameList->addItems(m_configs.names());
    nameList->setCurrentRow(-1);
    pendingName.clear();
    show();
    retrieveButton->setFocus();
}

void RetrieveConfigDialog::retrieve() {
    const QList<QListWidgetItem*> selected = nameList->selectedItems();
    if (pendingName.isEmpty() && !selected.isEmpty()) pendingName = selected.front()->text();
    if (!pendingName.isEmpty()) {
        const SettingsList entries = m_configs.load(pendingName);
        if (entries.isEmpty()) {
            m_messages.show(tr("You must specify a configuration name").toStdString());
        } else {
            for (const QString& key : m_configs.retrieve(entries, m_target))
                m_messages.show(tr("Unimplemented setting: %1").arg(key).toStdString());
        }
    }
    close();
}

}  // namespace varnel
