#pragma once

#include <QCoreApplication>

class BackUpController;
class BackUpView;
class ContentWidget;
class QAction;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListView;
class QMainWindow;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTreeView;
class QVBoxLayout;
class QWidget;

// The main window's form: every widget of the window, built in one go by setupUi. The object names are
// what the style sheet selects on, so they stay exactly as they are here.
class Ui_MainWindow
{
    // The form's texts belong to the window's translation context.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    QWidget* centralwidget = nullptr;
    QVBoxLayout* verticalLayoutMain = nullptr;

    // Top panel: logo, connection indicator and the tool buttons.
    QWidget* widgetTopPanel = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QLabel* labelLogo = nullptr;
    QWidget* widgetDevice = nullptr;
    QHBoxLayout* horizontalLayoutDevice = nullptr;
    QLabel* deviceButton = nullptr;
    QLabel* deviceLabel = nullptr;
    QLabel* labelUpdateCheck = nullptr;
    QPushButton* refreshButton = nullptr;
    QPushButton* updateButton = nullptr;
    QPushButton* settingsButton = nullptr;
    QPushButton* helpButton = nullptr;

    // Content: user presets above, the tabbed panes below.
    QWidget* contentBackground = nullptr;
    QVBoxLayout* verticalLayout = nullptr;
    QSplitter* splitterBeside = nullptr; // the lists, and an opened back-up beside them
    QSplitter* splitterMain = nullptr;
    QWidget* widgetUserPreset = nullptr;
    QVBoxLayout* verticalLayout_2 = nullptr;
    // Over the user presets: the field that filters both preset lists by name (Ctrl+F), and Find in back-ups.
    QWidget* widgetFind = nullptr;
    QHBoxLayout* horizontalLayoutFind = nullptr;
    QLineEdit* lineEditFind = nullptr;
    QPushButton* pushButtonFindInBackUps = nullptr;
    QAction* actionFind = nullptr;
    ContentWidget* listWidgetUserPreset = nullptr;
    QTabWidget* tabFileFactorySet = nullptr;

    QWidget* tabFileView = nullptr;
    QVBoxLayout* verticalLayoutFile = nullptr;
    QWidget* widgetFileBrowser = nullptr;
    QHBoxLayout* horizontalLayoutBrowser = nullptr;
    QPushButton* pushButtonBrowse = nullptr;
    QLineEdit* lineEditBroswerPath = nullptr;
    QPushButton* pushButtonUp = nullptr;
    QWidget* widgetFileTreeList = nullptr;
    QHBoxLayout* horizontalLayoutFileBrowser = nullptr;
    QSplitter* splitterView = nullptr;
    QTreeView* treeViewFileBrowser = nullptr;
    QListView* listViewFileBrowser = nullptr;

    QWidget* tabFactoryView = nullptr;
    QVBoxLayout* verticalLayoutFactory = nullptr;
    ContentWidget* listWidgetFactoryPresets = nullptr;
    QWidget* tabFavorites = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    ContentWidget* listWidgetFavorites = nullptr;
    QWidget* tabSetListA = nullptr;
    QVBoxLayout* verticalLayoutSetListA = nullptr;
    ContentWidget* listWidgetSetListA = nullptr;
    QWidget* tabSetListB = nullptr;
    QVBoxLayout* verticalLayoutSetListB = nullptr;
    ContentWidget* listWidgetSetListB = nullptr;
    QWidget* tabSetListC = nullptr;
    QVBoxLayout* verticalLayoutSetListC = nullptr;
    ContentWidget* listWidgetSetListC = nullptr;
    QWidget* tabSetListD = nullptr;
    QHBoxLayout* horizontalLayoutSetListD = nullptr;
    ContentWidget* listWidgetSetListD = nullptr;

    // An opened back-up beside the unit's lists, hidden until one is opened, and what runs it.
    BackUpView* backUpView = nullptr;
    BackUpController* backUpController = nullptr;

    // Bottom row.
    QWidget* widgetBackupRestore = nullptr;
    QHBoxLayout* horizontalLayoutBackupRestore = nullptr;
    QPushButton* backUp = nullptr;
    QPushButton* restore = nullptr;

    void setupUi(QMainWindow* MainWindow);
    void retranslateUi(QMainWindow* MainWindow);

private:
    // What the find field, its button and the user presets' "Find in back-ups..." do.
    void connectFind(QMainWindow* MainWindow);
};

namespace Ui {
class MainWindow : public Ui_MainWindow
{
};
} // namespace Ui
