#pragma once
// The main window's controls and menus, built in the designed layout. Members are named after
// what they show; each widget's object name is the program's own control name, which tests
// and the accessibility tree use.

#include <QCoreApplication>
#include <QList>

class QAction;
class QActionGroup;
class QComboBox;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace varnel {

class FretChartView;

struct MainWindowUi {
    Q_DECLARE_TR_FUNCTIONS(varnel::MainWindowUi)

  public:
    // Builds every control and menu into the window, in the designed places.
    explicit MainWindowUi(QMainWindow& window);

    // The keyboard order of the controls: Tab walks it forwards, Shift+Tab backwards. An option
    // group is entered at its selected option.
    QList<QWidget*> tabOrder() const;

    QWidget* client = nullptr;
    QLineEdit* numberOfFrets = nullptr;
    QComboBox* scaleLength = nullptr;
    FretChartView* fretChart = nullptr;

    QPushButton* displayChart = nullptr;
    QPushButton* verify = nullptr;
    QPushButton* printChart = nullptr;
    QPushButton* printTemplate = nullptr;
    QPushButton* exit = nullptr;

    QRadioButton* millimetres = nullptr;
    QRadioButton* inches = nullptr;
    QRadioButton* coarse = nullptr;
    QRadioButton* fine = nullptr;
    QRadioButton* twelfthRoot = nullptr;
    QRadioButton* ruleOf18ths = nullptr;

    QMenu* fileMenu = nullptr;
    QMenu* printMenu = nullptr;
    QMenu* previewMenu = nullptr;
    QMenu* exportMenu = nullptr;
    QMenu* preferencesMenu = nullptr;
    QMenu* methodMenu = nullptr;
    QMenu* toolsMenu = nullptr;
    QMenu* helpMenu = nullptr;

    QAction* retrieveConfigItem = nullptr;
    QAction* saveConfigItem = nullptr;
    QAction* printerSetupItem = nullptr;
    // File > Export, in the order of ExportFormat.
    QList<QAction*> exportItems;
    QAction* previewChartItem = nullptr;
    QAction* previewTemplateItem = nullptr;
    QAction* quickFormPrintItem = nullptr;
    QAction* printCalibrationItem = nullptr;
    QAction* printChartItem = nullptr;
    QAction* printTemplateItem = nullptr;
    QAction* exitItem = nullptr;
    QAction* millimetresItem = nullptr;
    QAction* inchesItem = nullptr;
    QAction* coarseItem = nullptr;
    QAction* fineItem = nullptr;
    QAction* printOptionsItem = nullptr;
    QAction* calibrationItem = nullptr;
    QAction* twelfthRootItem = nullptr;
    QAction* commonItem = nullptr;
    QAction* dervinItem = nullptr;
    QAction* primitiveItem = nullptr;
    QAction* explainItem = nullptr;
    QAction* saveDefaultsItem = nullptr;
    QAction* reloadDefaultsItem = nullptr;
    QAction* designerItem = nullptr;
    QAction* checkItem = nullptr;
    QAction* readMeItem = nullptr;
    QAction* aboutItem = nullptr;

  private:
    void createControls(QMainWindow& window);
    void createMenus(QMainWindow& window);
};

// Design size of the client area, below the menu bar, in twips.
constexpr double kClientWidthTwips = 5670;
constexpr double kClientHeightTwips = 5040;

// The chart box's top in the client area, and the margin its bottom keeps above the client
// area's bottom, in twips.
constexpr double kChartTopTwips = 3120;
constexpr double kChartBottomMarginTwips = 105;

}  // namespace varnel
