#include "mainwindowform.h"

#include "backupcontroller.h"
#include "backupview.h"
#include "contentwidget.h"
#include "findbackupsdlg.h"
#include "mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QSpacerItem>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Preset lists share the same look; only a few get a minimum height and wheel focus.
ContentWidget* makeList(QWidget* parent, const char* name, bool bTall, bool bWheelFocus)
{
    auto* list = new ContentWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    if (bTall)
        list->setMinimumSize(QSize(0, 100));
    if (bWheelFocus)
        list->setFocusPolicy(Qt::WheelFocus);
    return list;
}

template <typename Layout>
Layout* makeLayout(QWidget* parent, const char* name, int spacing, int left, int top, int right, int bottom)
{
    auto* layout = new Layout(parent);
    layout->setObjectName(QString::fromLatin1(name));
    layout->setSpacing(spacing);
    layout->setContentsMargins(left, top, right, bottom);
    return layout;
}

// A set-list style tab: one list filling the page.
template <typename Layout>
QWidget* makeListTab(QTabWidget* tabs, const char* pageName, const char* layoutName, ContentWidget** list,
                     const char* listName, bool bTall, bool bWheelFocus, Layout** layoutOut)
{
    auto* page = new QWidget();
    page->setObjectName(QString::fromLatin1(pageName));
    *layoutOut = makeLayout<Layout>(page, layoutName, 0, 0, 2, 5, 2);
    *list = makeList(page, listName, bTall, bWheelFocus);
    (*layoutOut)->addWidget(*list);
    tabs->addTab(page, QString());
    return page;
}

} // namespace

void Ui_MainWindow::setupUi(QMainWindow* MainWindow)
{
    if (MainWindow->objectName().isEmpty())
        MainWindow->setObjectName(QStringLiteral("MainWindow"));
    MainWindow->resize(900, 600);
    MainWindow->setMinimumSize(QSize(900, 600));

    centralwidget = new QWidget(MainWindow);
    centralwidget->setObjectName(QStringLiteral("centralwidget"));
    verticalLayoutMain = makeLayout<QVBoxLayout>(centralwidget, "verticalLayoutMain", 0, 25, 30, 25, 40);

    // 1. Top panel.
    widgetTopPanel = new QWidget(centralwidget);
    widgetTopPanel->setObjectName(QStringLiteral("widgetTopPanel"));
    widgetTopPanel->setMinimumSize(QSize(0, 46));
    widgetTopPanel->setMaximumSize(QSize(QWIDGETSIZE_MAX, 46));
    horizontalLayout = makeLayout<QHBoxLayout>(widgetTopPanel, "horizontalLayout", 5, 0, 0, 0, 0);

    labelLogo = new QLabel(widgetTopPanel);
    labelLogo->setObjectName(QStringLiteral("labelLogo"));
    labelLogo->setFixedSize(QSize(196, 46));
    horizontalLayout->addWidget(labelLogo);

    horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    widgetDevice = new QWidget(widgetTopPanel);
    widgetDevice->setObjectName(QStringLiteral("widgetDevice"));
    widgetDevice->setMinimumSize(QSize(0, 46));
    horizontalLayoutDevice = makeLayout<QHBoxLayout>(widgetDevice, "horizontalLayoutDevice", 0, 0, 0, 0, 0);
    deviceButton = new QLabel(widgetDevice);
    deviceButton->setObjectName(QStringLiteral("deviceButton"));
    horizontalLayoutDevice->addWidget(deviceButton);
    deviceLabel = new QLabel(widgetDevice);
    deviceLabel->setObjectName(QStringLiteral("deviceLabel"));
    // As wide as the state's words in the user's language, at least as wide as the English ones.
    deviceLabel->setMinimumWidth(90);
    deviceLabel->setFixedHeight(36);
    deviceLabel->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    horizontalLayoutDevice->addWidget(deviceLabel);
    // Beside the connection state while the update check made on connection is outstanding.
    labelUpdateCheck = new QLabel(widgetDevice);
    labelUpdateCheck->setObjectName(QStringLiteral("labelUpdateCheck"));
    labelUpdateCheck->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    labelUpdateCheck->hide();
    horizontalLayoutDevice->addWidget(labelUpdateCheck);
    horizontalLayout->addWidget(widgetDevice);

    horizontalLayout->addItem(new QSpacerItem(10, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));

    refreshButton = new QPushButton(widgetTopPanel);
    refreshButton->setObjectName(QStringLiteral("refreshButton"));
    horizontalLayout->addWidget(refreshButton);
    updateButton = new QPushButton(widgetTopPanel);
    updateButton->setObjectName(QStringLiteral("updateButton"));
    horizontalLayout->addWidget(updateButton);
    settingsButton = new QPushButton(widgetTopPanel);
    settingsButton->setObjectName(QStringLiteral("settingsButton"));
    horizontalLayout->addWidget(settingsButton);
    helpButton = new QPushButton(widgetTopPanel);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    horizontalLayout->addWidget(helpButton);

    verticalLayoutMain->addWidget(widgetTopPanel);

    // 2.
    verticalLayoutMain->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed));

    // 3. Content: user presets over the tabbed panes.
    contentBackground = new QWidget(centralwidget);
    contentBackground->setObjectName(QStringLiteral("contentBackground"));
    contentBackground->setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding));
    verticalLayout = makeLayout<QVBoxLayout>(contentBackground, "verticalLayout", 0, 2, 2, 2, 2);

    splitterMain = new QSplitter(contentBackground);
    splitterMain->setObjectName(QStringLiteral("splitterMain"));
    splitterMain->setFrameShape(QFrame::NoFrame);
    splitterMain->setOrientation(Qt::Vertical);
    splitterMain->setChildrenCollapsible(false);

    widgetUserPreset = new QWidget(splitterMain);
    widgetUserPreset->setObjectName(QStringLiteral("widgetUserPreset"));
    verticalLayout_2 = makeLayout<QVBoxLayout>(widgetUserPreset, "verticalLayout_2", 0, 0, 2, 5, 2);
    widgetFind = new QWidget(widgetUserPreset);
    widgetFind->setObjectName(QStringLiteral("widgetFind"));
    horizontalLayoutFind = makeLayout<QHBoxLayout>(widgetFind, "horizontalLayoutFind", 6, 10, 8, 10, 2);
    lineEditFind = new QLineEdit(widgetFind);
    lineEditFind->setObjectName(QStringLiteral("lineEditFind"));
    lineEditFind->setClearButtonEnabled(true);
    lineEditFind->setMaximumWidth(360);
    horizontalLayoutFind->addWidget(lineEditFind);
    pushButtonFindInBackUps = new QPushButton(widgetFind);
    pushButtonFindInBackUps->setObjectName(QStringLiteral("pushButtonFindInBackUps"));
    pushButtonFindInBackUps->setEnabled(false);
    horizontalLayoutFind->addWidget(pushButtonFindInBackUps);
    horizontalLayoutFind->addStretch();
    verticalLayout_2->addWidget(widgetFind);
    listWidgetUserPreset = makeList(widgetUserPreset, "listWidgetUserPreset", true, true);
    verticalLayout_2->addWidget(listWidgetUserPreset);
    splitterMain->addWidget(widgetUserPreset);

    tabFileFactorySet = new QTabWidget(splitterMain);
    tabFileFactorySet->setObjectName(QStringLiteral("tabFileFactorySet"));
    // Every tab in sight: where a language's names are longer the window is wider, rather than a tab scrolled away.
    tabFileFactorySet->setUsesScrollButtons(false);

    tabFileView = new QWidget();
    tabFileView->setObjectName(QStringLiteral("tabFileView"));
    verticalLayoutFile = makeLayout<QVBoxLayout>(tabFileView, "verticalLayoutFile", 7, 7, 4, 7, 5);
    widgetFileBrowser = new QWidget(tabFileView);
    widgetFileBrowser->setObjectName(QStringLiteral("widgetFileBrowser"));
    widgetFileBrowser->setMinimumSize(QSize(0, 30));
    horizontalLayoutBrowser = makeLayout<QHBoxLayout>(widgetFileBrowser, "horizontalLayoutBrowser", 4, 0, 0, 0, 0);
    pushButtonBrowse = new QPushButton(widgetFileBrowser);
    pushButtonBrowse->setObjectName(QStringLiteral("pushButtonBrowse"));
    horizontalLayoutBrowser->addWidget(pushButtonBrowse);
    lineEditBroswerPath = new QLineEdit(widgetFileBrowser);
    lineEditBroswerPath->setObjectName(QStringLiteral("lineEditBroswerPath"));
    horizontalLayoutBrowser->addWidget(lineEditBroswerPath);
    pushButtonUp = new QPushButton(widgetFileBrowser);
    pushButtonUp->setObjectName(QStringLiteral("pushButtonUp"));
    horizontalLayoutBrowser->addWidget(pushButtonUp);
    verticalLayoutFile->addWidget(widgetFileBrowser);

    widgetFileTreeList = new QWidget(tabFileView);
    widgetFileTreeList->setObjectName(QStringLiteral("widgetFileTreeList"));
    horizontalLayoutFileBrowser =
        makeLayout<QHBoxLayout>(widgetFileTreeList, "horizontalLayoutFileBrowser", 2, 5, 2, 5, 2);
    splitterView = new QSplitter(widgetFileTreeList);
    splitterView->setObjectName(QStringLiteral("splitterView"));
    splitterView->setFrameShape(QFrame::NoFrame);
    splitterView->setOrientation(Qt::Horizontal);
    splitterView->setChildrenCollapsible(false);
    treeViewFileBrowser = new QTreeView(splitterView);
    treeViewFileBrowser->setObjectName(QStringLiteral("treeViewFileBrowser"));
    treeViewFileBrowser->setMinimumSize(QSize(200, 0));
    treeViewFileBrowser->setFocusPolicy(Qt::WheelFocus);
    treeViewFileBrowser->setHeaderHidden(true);
    treeViewFileBrowser->header()->setStretchLastSection(false);
    splitterView->addWidget(treeViewFileBrowser);
    listViewFileBrowser = new QListView(splitterView);
    listViewFileBrowser->setObjectName(QStringLiteral("listViewFileBrowser"));
    listViewFileBrowser->setMinimumSize(QSize(0, 100));
    listViewFileBrowser->setFocusPolicy(Qt::WheelFocus);
    splitterView->addWidget(listViewFileBrowser);
    horizontalLayoutFileBrowser->addWidget(splitterView);
    verticalLayoutFile->addWidget(widgetFileTreeList);
    tabFileFactorySet->addTab(tabFileView, QString());

    tabFactoryView =
        makeListTab(tabFileFactorySet, "tabFactoryView", "verticalLayoutFactory", &listWidgetFactoryPresets,
                    "listWidgetFactoryPresets", true, false, &verticalLayoutFactory);
    tabFavorites = makeListTab(tabFileFactorySet, "tabFavorites", "verticalLayout_3", &listWidgetFavorites,
                               "listWidgetFavorites", true, true, &verticalLayout_3);
    tabSetListA = makeListTab(tabFileFactorySet, "tabSetListA", "verticalLayoutSetListA", &listWidgetSetListA,
                              "listWidgetSetListA", false, false, &verticalLayoutSetListA);
    tabSetListB = makeListTab(tabFileFactorySet, "tabSetListB", "verticalLayoutSetListB", &listWidgetSetListB,
                              "listWidgetSetListB", false, false, &verticalLayoutSetListB);
    tabSetListC = makeListTab(tabFileFactorySet, "tabSetListC", "verticalLayoutSetListC", &listWidgetSetListC,
                              "listWidgetSetListC", false, false, &verticalLayoutSetListC);
    tabSetListD = makeListTab(tabFileFactorySet, "tabSetListD", "horizontalLayoutSetListD", &listWidgetSetListD,
                              "listWidgetSetListD", false, false, &horizontalLayoutSetListD);

    splitterMain->addWidget(tabFileFactorySet);
    // A taller window is for seeing more presets: the extra height goes to the user list, the tabs keep theirs.
    // (A splitter grows only the children given a stretch factor, each in proportion to its size.)
    splitterMain->setStretchFactor(0, 1);
    splitterMain->setStretchFactor(1, 0);
    // An opened back-up stands beside the lists, their whole height, until it is closed.
    splitterBeside = new QSplitter(Qt::Horizontal, contentBackground);
    splitterBeside->setObjectName(QStringLiteral("splitterBeside"));
    splitterBeside->setChildrenCollapsible(false);
    splitterBeside->addWidget(splitterMain);
    backUpView = new BackUpView(splitterBeside);
    backUpView->hide();
    splitterBeside->addWidget(backUpView);
    splitterBeside->setStretchFactor(0, 1);
    splitterBeside->setStretchFactor(1, 0);
    verticalLayout->addWidget(splitterBeside);
    verticalLayoutMain->addWidget(contentBackground);

    // 4.
    verticalLayoutMain->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed));

    // 5. Back-up and restore, centred under the content.
    widgetBackupRestore = new QWidget(centralwidget);
    widgetBackupRestore->setObjectName(QStringLiteral("widgetBackupRestore"));
    widgetBackupRestore->setMinimumWidth(250); // wider where the buttons' words are longer
    widgetBackupRestore->setFixedHeight(28);
    horizontalLayoutBackupRestore =
        makeLayout<QHBoxLayout>(widgetBackupRestore, "horizontalLayoutBackupRestore", 50, 0, 0, 0, 0);
    backUp = new QPushButton(widgetBackupRestore);
    backUp->setObjectName(QStringLiteral("backUp"));
    horizontalLayoutBackupRestore->addWidget(backUp);
    restore = new QPushButton(widgetBackupRestore);
    restore->setObjectName(QStringLiteral("restore"));
    horizontalLayoutBackupRestore->addWidget(restore);
    verticalLayoutMain->addWidget(widgetBackupRestore, 0, Qt::AlignHCenter);

    // The tool buttons take the focus from the Tab key only: a click leaves it where it was, so the focus ring
    // shows where the keyboard is, not where the mouse last was.
    for (QPushButton* button : {refreshButton, updateButton, settingsButton, helpButton, pushButtonFindInBackUps,
                                pushButtonBrowse, pushButtonUp, backUp, restore})
        button->setFocusPolicy(Qt::TabFocus);

    MainWindow->setCentralWidget(centralwidget);
    if (auto* pWindow = qobject_cast<::MainWindow*>(MainWindow))
        backUpController = new BackUpController(pWindow, this);

    actionFind = new QAction(MainWindow);
    actionFind->setObjectName(QStringLiteral("actionFind"));
    actionFind->setShortcut(QKeySequence::Find);
    MainWindow->addAction(actionFind);

    retranslateUi(MainWindow);
    connectFind(MainWindow);

    tabFileFactorySet->setCurrentIndex(0);

    QMetaObject::connectSlotsByName(MainWindow);
}

void Ui_MainWindow::retranslateUi(QMainWindow* MainWindow)
{
    MainWindow->setWindowTitle(tr("Tessitra Stage Librarian"));
    labelLogo->setText(QString());
    deviceButton->setToolTip(QString());
    deviceButton->setStatusTip(tr("Check for firmware update..."));
    deviceButton->setText(QString());
    deviceLabel->setText(tr("Disconnected"));
    labelUpdateCheck->setText(tr("Checking for updates..."));
    refreshButton->setToolTip(tr("<html><head/><body><p>Refresh presets</p></body></html>"));
    refreshButton->setText(QString());
    updateButton->setToolTip(tr("<html><head/><body><p>Update Firmware</p></body></html>"));
    updateButton->setText(QString());
    settingsButton->setToolTip(tr("<html><head/><body><p>Settings</p></body></html>"));
    settingsButton->setText(QString());
    helpButton->setToolTip(tr("<html><head/><body><p>Help</p></body></html>"));
    helpButton->setText(QString());

    pushButtonBrowse->setToolTip(tr("<html><head/><body><p>Browse</p></body></html>"));
    pushButtonBrowse->setText(QString());
    pushButtonUp->setToolTip(tr("<html><head/><body><p>Up one folder</p></body></html>"));
    pushButtonUp->setText(QString());
    tabFileFactorySet->setTabText(tabFileFactorySet->indexOf(tabFileView), tr("File System"));
    tabFileFactorySet->setTabText(tabFileFactorySet->indexOf(tabFactoryView), tr("Factory Presets", "tab"));
    tabFileFactorySet->setTabText(tabFileFactorySet->indexOf(tabFavorites), tr("Favorites"));
    tabFileFactorySet->setTabText(tabFileFactorySet->indexOf(tabSetListA), tr("Set List A"));
    tabFileFactorySet->setTabText(tabFileFactorySet->indexOf(tabSetListB), tr("Set List B"));
    tabFileFactorySet->setTabText(tabFileFactorySet->indexOf(tabSetListC), tr("Set List C"));
    tabFileFactorySet->setTabText(tabFileFactorySet->indexOf(tabSetListD), tr("Set List D"));

    backUp->setToolTip(tr("<html><head/><body><p>Back up user presets from device.</p></body></html>"));
    backUp->setWhatsThis(tr(
        "<html><head/><body><p>Button will back up all presets from device to a file in computer.</p></body></html>"));
    backUp->setText(tr("<<Back Up"));
    restore->setToolTip(
        tr("<html><head/><body><p>Load user presets to device from a backed up file.</p></body></html>"));
    restore->setWhatsThis(
        tr("<html><head/><body><p>Button will load the presets from a backed up file.</p></body></html>"));
    restore->setText(tr("Restore>>"));

    // A screen reader reads the accessible name and description, never the markup of a tool tip or the arrows
    // drawn beside a button's words.
    const auto speak = [](QWidget* widget, const QString& name, const QString& description) {
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(description);
    };
    speak(refreshButton, tr("Refresh"), tr("Read the presets from the unit again"));
    speak(updateButton, tr("Update Firmware"), tr("Write new firmware from a file into the unit"));
    speak(settingsButton, tr("Settings"), tr("Update checks, safety and language"));
    speak(helpButton, tr("Help"), tr("The manual and the About box"));
    speak(pushButtonBrowse, tr("Browse"), tr("Choose the folder the file list shows"));
    speak(pushButtonUp, tr("Up one folder"), tr("Show the folder above this one"));
    speak(lineEditBroswerPath, tr("Folder"), tr("Type a folder and press Enter to show it"));
    speak(treeViewFileBrowser, tr("Folders"), QString());
    speak(listViewFileBrowser, tr("Preset files"), tr("Drag preset files onto the user presets to load them"));
    lineEditFind->setPlaceholderText(tr("Find a preset by name (Ctrl+F)"));
    speak(lineEditFind, tr("Find presets"), tr("Shows only the user and factory presets whose name holds this text"));
    // The field's own clear button (Escape does the same).
    for (QToolButton* button : lineEditFind->findChildren<QToolButton*>())
        speak(button, tr("Clear"), tr("Show every preset again"));
    pushButtonFindInBackUps->setText(tr("Find in back-ups..."));
    speak(pushButtonFindInBackUps, tr("Find in back-ups"),
          tr("List the back-ups and preset files that hold a preset of this name"));
    speak(listWidgetUserPreset, tr("User presets"), QString());
    speak(listWidgetFactoryPresets, tr("Factory presets"), QString());
    speak(listWidgetFavorites, tr("Favorites"), QString());
    speak(listWidgetSetListA, tr("Set List A"), QString());
    speak(listWidgetSetListB, tr("Set List B"), QString());
    speak(listWidgetSetListC, tr("Set List C"), QString());
    speak(listWidgetSetListD, tr("Set List D"), QString());
    speak(backUp, tr("Back Up"), tr("Back up the presets, set lists and settings of the unit to a file"));
    speak(restore, tr("Restore"), tr("Load a back-up file into the unit"));
}

void Ui_MainWindow::connectFind(QMainWindow* MainWindow)
{
    QLineEdit* field = lineEditFind;
    QPushButton* button = pushButtonFindInBackUps;
    QObject::connect(field, &QLineEdit::textChanged, field, [=](const QString& text) {
        for (ContentWidget* list : {listWidgetUserPreset, listWidgetFactoryPresets})
            list->setNameFilter(text.trimmed());
        button->setEnabled(!text.trimmed().isEmpty());
    });
    QObject::connect(actionFind, &QAction::triggered, field, [field] {
        field->setFocus(Qt::ShortcutFocusReason);
        field->selectAll();
    });
    // Escape in the field shows every preset again.
    auto* clear = new QAction(field);
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    clear->setShortcutContext(Qt::WidgetShortcut);
    field->addAction(clear);
    QObject::connect(clear, &QAction::triggered, field, &QLineEdit::clear);

    // A preset file chosen in the find dialog is shown selected in the file pane; a back-up opens beside the unit.
    QTabWidget* tabs = tabFileFactorySet;
    QWidget* fileTab = tabFileView;
    QLineEdit* folderField = lineEditBroswerPath;
    QListView* files = listViewFileBrowser;
    const auto open = [=](const QString& path, int userSlot) {
        if (userSlot >= 0) {
            backUpController->openBackUp(path, userSlot);
            return;
        }
        tabs->setCurrentWidget(fileTab);
        folderField->setText(QFileInfo(path).absolutePath());
        emit folderField->returnPressed(); // the window goes to a folder typed there
        if (auto* model = qobject_cast<QFileSystemModel*>(files->model())) {
            const QModelIndex index = model->index(path);
            files->setCurrentIndex(index);
            files->scrollTo(index);
            files->setFocus(Qt::OtherFocusReason);
        }
    };
    const auto find = [=](const QString& name, const QVector<int>& settings) {
        auto* dialog = new FindBackUpsDlg(name, settings, FindBackUpsDlg::modelFolders(), MainWindow);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(dialog, &FindBackUpsDlg::openRequested, MainWindow, open);
        dialog->open();
    };
    QObject::connect(button, &QPushButton::clicked, field, [=] { find(field->text().trimmed(), {}); });
    QObject::connect(listWidgetUserPreset, &ContentWidget::findInBackUpsRequested, MainWindow, find);
}
