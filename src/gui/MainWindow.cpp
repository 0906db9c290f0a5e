#include "gui/MainWindow.h"

#include "editor/ControlHints.h"
#include "gui/BusyScope.h"
#include "gui/HintedControls.h"
#include "gui/LanguageMenu.h"
#include "gui/Translations.h"
#include "gui/debug/HexDumpView.h"
#include "gui/editor/EditorFrame.h"
#include "gui/editor/PageWidgets.h"
#include "gui/help/HelpWindow.h"
#include "platform/UserDataFolder.h"
#include "program/ErrorLog.h"
#include "program/UserSettings.h"
#include "program/WindowCaption.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>
#include <cmath>

namespace tq58 {

namespace {

constexpr QSize FirstStartSize(607, 444);
constexpr int SplitterTwips = 2500;

} // namespace

MainWindow::MainWindow(RadioData& data, SettingsStore& store, std::string programFolder,
                       StartOptions options, QWidget* parent)
    : QMainWindow(parent), data_(data), store_(store), programFolder_(std::move(programFolder)),
      options_(options), document_(store, data), undo_(data.Settings),
      transferLines_(SerialTransferLines(store)), messages_(this), files_(this, store) {
    setObjectName("frmMain");
    connect(&document_, &Document::ChangedStateChanged, this, &QWidget::setWindowModified);
    connect(&document_, &Document::FileNameChanged, this, &MainWindow::UpdateCaption);
    connect(&document_, &Document::RecentFilesChanged, this, &MainWindow::ShowRecentFiles);
    connect(&document_, &Document::DataReplaced, this,
            [this](bool changed) { undo_.Reset(!changed); });
    connect(&document_, &Document::DataSaved, &undo_, &UndoSteps::MarkSaved);
    setAcceptDrops(true);
    BuildLayout();
    ConnectMenus();
    ConnectUndo();
    BuildFind();
    newDataTimer_.setObjectName("Timer1");
    newDataTimer_.setSingleShot(true);
    connect(&newDataTimer_, &QTimer::timeout, this, &MainWindow::StartNewData);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
    qApp->installEventFilter(this);
}

// The widgets below go on changing the focus while they are taken down, after this part of
// the window is gone: the application's signals must not reach it then.
MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
}

void MainWindow::BuildLayout() {
    menus_ = BuildMainMenus(this);
    AddLanguageMenu(menus_.Options, store_);
    editor_ = new EditorFrame(*this, this);
    setCentralWidget(editor_);
    connect(editor_, &EditorFrame::HintChanged, this, &MainWindow::ShowHint);

    auto* dock = new QDockWidget(tr("Hexdump"), this);
    dock->setObjectName("dockHex");
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    hexDump_ = new HexDumpView(dock);
    dock->setWidget(hexDump_);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();

    statusBar()->setObjectName("sbStatusBar");
    hint_ = new QLabel(this);
    hint_->setObjectName("sbStatusBar_0");
    hint_->setAccessibleName(tr("Keyboard hint"));
    statusBar()->addWidget(hint_, 1);
}

QString MainWindow::ProgramTitle() const {
    return Translated(tq58::ProgramTitle(model_));
}

bool MainWindow::Start() {
    menus_.EditModel->menuAction()->setVisible(false);
    model_.MultiStationHidden = true;
    BusyScope busy(this);

    const std::string globalIni = GlobalIniPath(programFolder_);
    offer_ = SelectStartupModel(globalIni, store_);
    if (offer_.Count == 0) {
        messages_.Show(AppTitle, tr("Unknown model!!"), QMessageBox::Critical);
        return false;
    }
    menus_.EditModel->menuAction()->setVisible(offer_.EditMenuVisible());
    model_ = ModelStateFor(offer_.ModelType, globalIni);
    ShowModelMenu();

    menus_.Hexdump->setChecked(StoredHexVisible(store_));
    menus_.Hexdump->setVisible(options_.DebugMode);
    ChoosePort(StoredPortNumber(store_) - 1);

    MakeNewData();
    document_.Replaced({}, false);
    ApplyStartGeometry();

    menus_.HelpContents->setEnabled(HelpDocumentExists(programFolder_));
    hexDump_->parentWidget()->setVisible(options_.DebugMode && menus_.Hexdump->isChecked());
    hexDump_->Refresh(data_);
    ShowRecentFiles();
    UpdateCaption();
    if (!options_.FileName.empty()) {
        // Once the window is on screen, as if the user had chosen the file.
        QTimer::singleShot(0, this,
                           [this] { OpenDataFile(QString::fromStdString(options_.FileName)); });
    }
    return true;
}

void MainWindow::ApplyStartGeometry() {
    // The splitter stands 2500 twips from the left, or as far as the tree's longest setting
    // node needs in this desktop's font.
    const int treeWidth = std::max(SplitterTwips / TwipsPerPixel, editor_->TreeWidthHint());
    const auto placement = StoredPlacement(store_);
    resize(placement ? FirstStartSize : FirstSize(treeWidth));
    // On a screen too narrow for the tool bar's captions beside the icons they go below them,
    // so that every button stays in view.
    if (menus_.ToolBar->sizeHint().width() > width()) {
        menus_.ToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    if (placement) {
        const QRect stored(static_cast<int>(std::lround(placement->Left / TwipsPerPixel)),
                           static_cast<int>(std::lround(placement->Top / TwipsPerPixel)),
                           static_cast<int>(std::lround(placement->Width / TwipsPerPixel)),
                           static_cast<int>(std::lround(placement->Height / TwipsPerPixel)));
        // A window stored on a screen that is gone opens where it can be seen.
        const QScreen* screen = QGuiApplication::screenAt(stored.center());
        if (screen && stored.width() > 100 && stored.height() > 100) {
            setGeometry(stored.intersected(screen->availableGeometry()));
        }
    }
    editor_->setSizes(
        {treeWidth, std::max(width() - treeWidth - editor_->handleWidth(), treeWidth)});
}

// Large enough that every page shows all its controls, every grid all its columns and the tool
// bar all its buttons in this desktop's font and the window's language; never smaller than the
// program's first size, never larger than the screen.
QSize MainWindow::FirstSize(int treeWidth) {
    resize(FirstStartSize);
    layout()->activate();
    const QSize chrome = size() - editor_->size();
    const QSize page = editor_->PreferredPageSize();
    QSize wanted = QSize(treeWidth + editor_->handleWidth() + page.width(), page.height()) + chrome;
    wanted = wanted.expandedTo(FirstStartSize);
    wanted.setWidth(std::max(wanted.width(), menus_.ToolBar->sizeHint().width() + chrome.width()));
    if (const QScreen* shown = screen()) {
        wanted = wanted.boundedTo(shown->availableGeometry().size());
    }
    return wanted;
}

void MainWindow::UpdateCaption() {
    // "[*]" is where the window shows that the data has changed.
    setWindowTitle(QString::fromStdString(WindowCaption(ProgramTitle().toStdString(),
                                                        document_.FileName().toStdString())) +
                   "[*]");
}

void MainWindow::LogError(const std::string& procedure, const std::string& detail) {
    if (!options_.DebugMode || procedure.empty()) {
        return;
    }
    const QLocale locale = QLocale::system();
    const std::string line =
        ErrorLogLine(locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString(),
                     locale.toString(QTime::currentTime(), QLocale::LongFormat).toStdString(),
                     procedure, detail);
    AppendErrorLog(programFolder_, UserDataFolder(), line);
}

bool MainWindow::ValidateCurrentPage() {
    return editor_->ValidateCurrentPage();
}

NodeRef MainWindow::CurrentNode() const {
    return editor_->CurrentNode();
}

void MainWindow::RefreshTreeTexts() {
    editor_->RefreshTreeTexts();
}

void MainWindow::RebuildTree() {
    editor_->RebuildTree();
}

void MainWindow::JumpToNode(const std::string& key) {
    editor_->SelectNode(key);
}

void MainWindow::ShowHint(const QString& hint) {
    hint_->setText(hint);
}

namespace {

// A grid, or the editor of one of its cells.
bool InItemView(QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (qobject_cast<QAbstractItemView*>(widget)) {
            return true;
        }
    }
    return false;
}

} // namespace

void MainWindow::OnFocusChanged(QWidget* now) {
    if (!now || now->window() != this) {
        return;
    }
    QString hint = now->property(StatusHintProperty).toString();
    const std::optional<HintedControl> control = HintedControlOf(now->objectName());
    if (hint.isEmpty() && control) {
        hint = Translated(StatusHint(*control));
    }
    if (!hint.isEmpty()) {
        ShowHint(hint);
    }
    // A field that takes input offers its whole text for overtyping. A grid's cell editor
    // does so itself, and when typing opened it, its first key already stands in it.
    if (auto* field = qobject_cast<QLineEdit*>(now);
        field && !field->isReadOnly() && !InItemView(field)) {
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (HandleHistoryKey(watched, event)) {
        return true;
    }
    // Enter does nothing anywhere in the window (no default button, no beep), except in the
    // grids, where it jumps to the row's page or ends a cell's edit, and in the find field.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && widget && widget->window() == this && widget != find_ && !InItemView(widget)) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

namespace {

// The one settings file of a drop, or an empty text.
QString DroppedSettingsFile(const QMimeData* mime) {
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile()) {
        return {};
    }
    const QString path = urls.constFirst().toLocalFile();
    return path.endsWith(".dat", Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedSettingsFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedSettingsFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // The drop ends before the file is read, so the dragging program is not kept waiting.
    QTimer::singleShot(0, this, [this, path] {
        if (ValidateCurrentPage() && MayReplaceData()) {
            OpenDataFile(path);
        }
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MayReplaceData()) {
        event->ignore();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    StorePlacementUnlessMinimized();
    event->accept();
}

bool MainWindow::MayReplaceData() {
    return document_.MayDiscardChanges(
        [this] {
            switch (messages_.Show(
                ProgramTitle(), tr("QYL data has changed.\r\nDo you want to save changes?"),
                QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
            case QMessageBox::Yes:
                return SaveAnswer::Yes;
            case QMessageBox::No:
                return SaveAnswer::No;
            default:
                return SaveAnswer::Cancel;
            }
        },
        [this] { return ValidateCurrentPage() && SaveDataFile(true); });
}

void MainWindow::StorePlacementUnlessMinimized() {
    if (isMinimized()) {
        return;
    }
    const QRect frame = geometry();
    StorePlacement(store_,
                   {double(frame.x()) * TwipsPerPixel, double(frame.y()) * TwipsPerPixel,
                    double(frame.width()) * TwipsPerPixel, double(frame.height()) * TwipsPerPixel});
}

void MainWindow::ShowHelpForFocus() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        const std::optional<HintedControl> control = HintedControlOf(widget->objectName());
        if (const int context = control ? HelpContextFor(*control) : 0) {
            ShowHelp(context);
            return;
        }
    }
    ShowHelp(HelpContentsContext);
}

} // namespace tq58
