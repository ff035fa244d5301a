#include "configdialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "preferences.h"
#include "twips.h"

namespace varnel {

namespace {

constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Sets up the parts both dialogs share: caption, fixed size, the label and the two buttons.
template <typename Dialog>
void setUpDialog(Dialog& d, const char* name, const char* caption, double heightTwips,
                 const char* okCaption, double labelLeft) {
    d.setObjectName(QString::fromLatin1(name));
    d.setWindowTitle(QString::fromLatin1(caption));
    d.setAttribute(Qt::WA_DeleteOnClose);
    d.setModal(false);
    useDesignFont(d);
    d.setFixedSize(twipsToPixelsX(d, 6030), twipsToPixelsY(d, heightTwips));
    const auto place = [](QWidget* w, const char* objectName, double l, double t, double wd,
                          double h) {
        w->setObjectName(QString::fromLatin1(objectName));
        placeInTwips(w, l, t, wd, h);
    };
    d.lblFretConfigName = new QLabel(QStringLiteral("Fretboard Configuration Name"), &d);
    place(d.lblFretConfigName, "lblFretConfigName", labelLeft, 240, 3135, 255);
    d.OKButton = new QPushButton(QString::fromLatin1(okCaption), &d);
    place(d.OKButton, "OKButton", 4680, 120, 1215, 375);
    d.CancelButton = new QPushButton(QStringLiteral("Cancel"), &d);
    place(d.CancelButton, "CancelButton", 4680, 600, 1215, 375);
    for (QPushButton* b : {d.OKButton, d.CancelButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    QObject::connect(d.OKButton, &QPushButton::clicked, &d, &Dialog::OKButton_Click);
    QObject::connect(d.CancelButton, &QPushButton::clicked, &d, &QDialog::close);
}

bool isIndexKey(const QString& key) {
    return key.startsWith(kConfigNamePrefix);
}

}  // namespace

int getConfigNames(SettingsStore& store, QStringList& rows) {
    int count = 0;
    for (const auto& [key, value] : store.getAllSettings(kBaseSection)) {
        if (!isIndexKey(key)) continue;
        rows.append(value);
        ++count;
    }
    return count;
}

// ---- Save --------------------------------------------------------------------------------

diaSaveConfig::diaSaveConfig(SettingsStore& store, MessageBox& messages, ConfigTarget& target,
                             QWidget* parent)
    : PlainKeysDialog(parent, kFixedDialogFlags),
      m_store(store),
      m_messages(messages),
      m_target(target) {
    setUpDialog(*this, "diaSaveConfig", "Save Fretboard Configuration", 1245, "Save", 240);
    cboFretConfig = new QComboBox(this);
    cboFretConfig->setObjectName(QStringLiteral("cboFretConfig"));
    cboFretConfig->setEditable(true);
    cboFretConfig->setInsertPolicy(QComboBox::NoInsert);
    cboFretConfig->setCompleter(nullptr);  // a typed name is not completed into a saved one
    placeInTwips(cboFretConfig, 240, 600, 4095, 315);
    cboFretConfig->setAccessibleName(lblFretConfigName->text());
    lblFretConfigName->setBuddy(cboFretConfig);
    setTabOrder(cboFretConfig, OKButton);
    setTabOrder(OKButton, CancelButton);
    // Only typing names the configuration; choosing a row changes the text but not the name.
    connect(cboFretConfig->lineEdit(), &QLineEdit::textEdited, this,
            &diaSaveConfig::cboFretConfig_Change);
    connect(cboFretConfig, &QComboBox::activated, this, [this](int row) { m_chosenRow = row; });
}

void diaSaveConfig::Form_Load() {
    pendingName.clear();
    m_chosenRow = -1;
    cboFretConfig->clear();
    QStringList rows = {QStringLiteral("<default>")};
    configCount = getConfigNames(m_store, rows);
    cboFretConfig->addItems(rows);
    cboFretConfig->setCurrentIndex(-1);
    cboFretConfig->setEditText(QString());
    show();
    cboFretConfig->setFocus();
}

void diaSaveConfig::cboFretConfig_Change(const QString& text) {
    if (!text.isEmpty()) pendingName = text;
}

void diaSaveConfig::OKButton_Click() {
    if (pendingName.isEmpty() && m_chosenRow >= 0)
        pendingName = cboFretConfig->itemText(m_chosenRow);
    if (pendingName.isEmpty()) {
        m_messages.show("You must specify a name to save the configuration");
        return;
    }
    // Only the saved names (rows 1 on) count: "<default>" is a name like any other.
    bool listed = false;
    for (int row = 1; row < cboFretConfig->count() && !listed; ++row) {
        listed = cboFretConfig->itemText(row) == pendingName;
    }
    if (!listed) {
        if (configCount + 1 > kMaxConfigCount) {
            m_messages.show("No more configurations can be saved");
            return;
        }
        m_store.saveSetting(kBaseSection, kConfigNamePrefix + QString::number(configCount + 1),
                            pendingName);
    }
    const FretboardSettings& s = m_target.configRecord();
    m_store.saveSetting(pendingName, keyName(kKeyScaleLen), valueText(s.scaleLen));
    m_store.saveSetting(pendingName, keyName(kKeyNumFrets), valueText(s.nFrets));
    m_store.saveSetting(pendingName, keyName(kKeyUnitsType), valueText(s.unitsType));
    m_store.saveSetting(pendingName, keyName(kKeyUnitsGran), valueText(s.unitsGranularity));
    close();
}

// ---- Retrieve ----------------------------------------------------------------------------

DiaOpenConfig::DiaOpenConfig(SettingsStore& store, MessageBox& messages, ConfigTarget& target,
                             QWidget* parent)
    : PlainKeysDialog(parent, kFixedDialogFlags),
      m_store(store),
      m_messages(messages),
      m_target(target) {
    setUpDialog(*this, "DiaOpenConfig", "Retrieve Fretboard Configuration", 1215, "Retrieve", 360);
    lstFretConfig = new QListWidget(this);
    lstFretConfig->setObjectName(QStringLiteral("lstFretConfig"));
    placeInTwips(lstFretConfig, 360, 600, 4095, 495);
    lstFretConfig->setAccessibleName(lblFretConfigName->text());
    lblFretConfigName->setBuddy(lstFretConfig);
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, lstFretConfig);
    connect(lstFretConfig, &QListWidget::itemDoubleClicked, this, &DiaOpenConfig::OKButton_Click);
}

void DiaOpenConfig::Form_Load() {
    lstFretConfig->clear();
    QStringList rows;
    getConfigNames(m_store, rows);
    lstFretConfig->addItems(rows);
    lstFretConfig->setCurrentRow(-1);
    pendingName.clear();
    show();
    OKButton->setFocus();
}

void DiaOpenConfig::OKButton_Click() {
    const QList<QListWidgetItem*> selected = lstFretConfig->selectedItems();
    if (pendingName.isEmpty() && !selected.isEmpty()) pendingName = selected.front()->text();
    if (!pendingName.isEmpty()) {
        const SettingsList entries = m_store.getAllSettings(pendingName);
        if (entries.isEmpty()) {
            m_messages.show("You must specify a configuration name");
        } else {
            for (const auto& [key, value] : entries) apply(key, value);
        }
    }
    close();
}

void DiaOpenConfig::apply(const QString& key, const QString& value) {
    FretboardSettings& s = m_target.configRecord();
    // A known key with an empty, non-numeric or out-of-range value is passed over.
    if (key == keyName(kKeyNumFrets)) {
        if (const auto n = int16FromText(value)) {
            s.nFrets = *n;
            m_target.setNumFretsBoxText(valueText(s.nFrets));
        }
    } else if (key == keyName(kKeyScaleLen)) {
        if (const auto len = doubleFromText(value)) {
            s.scaleLen = *len;
            m_target.setScaleLenBoxText(valueText(s.scaleLen));
        }
    } else if (key == keyName(kKeyUnitsGran)) {
        if (const auto g = int16FromText(value)) {
            s.unitsGranularity = *g;
            if (s.unitsGranularity == kGranularityCoarse) {
                m_target.optMeasCoarse_Click();
            } else {
                m_target.optMeasFine_Click();
            }
        }
    } else if (key == keyName(kKeyUnitsType)) {
        if (const auto u = int16FromText(value)) {
            s.unitsType = *u;
            if (s.unitsType == kUnitsInches) {
                m_target.optEnglish_Click();
            } else {
                m_target.optMetric_Click();
            }
        }
    } else {
        m_messages.show(("Unimplemented setting: " + key).toStdString());
    }
}

}  // namespace varnel
