#include "working_window/class_window.h"

#include "drawings/screen_words.h"
#include "paper/printing.h"
#include "paper/whole_file.h"
#include "working_window/class_files.h"
#include "working_window/class_set_tab.h"
#include "working_window/class_table_view.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace rods {

ClassWindow::ClassWindow(std::string dataFolder, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , dataFolder_(std::move(dataFolder))
    , notice_(new QPlainTextEdit(this))
    , tabs_(new QTabWidget(this))
    , pupils_(new ClassTableView(this))
    , set_(new ClassSetTab(this))
    , addFiles_(new QPushButton(uiText("ClassWindow", "Add files…"), this))
    , addFolder_(new QPushButton(uiText("ClassWindow", "Add folder…"), this))
    , copy_(new QPushButton(uiText("ClassWindow", "Copy"), this))
    , saveCsv_(new QPushButton(uiText("ClassWindow", "Save as CSV…"), this))
    , print_(new QPushButton(uiText("ClassWindow", "Print…"), this))
    , savePdf_(new QPushButton(uiText("ClassWindow", "Save as PDF…"), this))
    , close_(new QPushButton(uiText("ClassWindow", "Close"), this))
{
    setObjectName("ClassWindow");
    setWindowTitle(uiText("ClassWindow", "Class"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(960, 600);
    notice_->setObjectName("ClassNotice");
    notice_->setAccessibleName(uiText("ClassWindow", "What could not be read"));
    notice_->setReadOnly(true);
    // A line of text above the tables, scrolled when many files could not
    // be read.
    notice_->setFrameShape(QFrame::NoFrame);
    notice_->viewport()->setAutoFillBackground(false);
    notice_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notice_->hide();
    tabs_->setObjectName("ClassTabs");
    pupils_->setObjectName("ClassPupils");
    pupils_->setAccessibleName(uiText("ClassWindow", "Pupils"));
    pupils_->setAccessibleDescription(
        uiText("ClassWindow", "A row per pupil. Enter or a double-click shows the pupil's progress."));
    tabs_->addTab(pupils_, uiText("ClassWindow", "Pupils"));
    tabs_->addTab(set_, uiText("ClassWindow", "A set"));
    addFiles_->setObjectName("AddClassFiles");
    addFiles_->setAccessibleDescription(uiText("ClassWindow", "Adds pupils' progress files copied from elsewhere."));
    addFolder_->setObjectName("AddClassFolder");
    addFolder_->setAccessibleDescription(
        uiText("ClassWindow", "Adds every pupil's progress file in a folder and in the folders in it."));
    copy_->setObjectName("CopyClassTable");
    copy_->setAccessibleDescription(uiText("ClassWindow", "Copies the table shown, for a spreadsheet."));
    saveCsv_->setObjectName("SaveClassCsv");
    saveCsv_->setAccessibleDescription(uiText("ClassWindow", "Writes the table shown to a file a spreadsheet opens."));
    print_->setObjectName("PrintClassTable");
    print_->setAccessibleDescription(uiText("ClassWindow", "Prints the table shown."));
    savePdf_->setObjectName("SaveClassPdf");
    savePdf_->setAccessibleDescription(uiText("ClassWindow", "Writes the table shown to a PDF file."));
    close_->setObjectName("CloseClass");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addFiles_);
    buttons->addWidget(addFolder_);
    buttons->addStretch(1);
    for (QPushButton* button : {copy_, saveCsv_, print_, savePdf_, close_})
        buttons->addWidget(button);
    auto* column = new QVBoxLayout(this);
    column->addWidget(notice_);
    column->addWidget(tabs_, 1);
    column->addLayout(buttons);

    for (ClassTableView* table : {pupils_, set_->table()})
        connect(table, &ClassTableView::pupilActivated, this, &ClassWindow::progressAsked);
    connect(set_, &ClassSetTab::rowsChanged, this, &ClassWindow::enableButtons);
    connect(tabs_, &QTabWidget::currentChanged, this, &ClassWindow::enableButtons);
    connect(addFiles_, &QPushButton::clicked, this, &ClassWindow::askForFiles);
    connect(addFolder_, &QPushButton::clicked, this, &ClassWindow::askForFolder);
    connect(copy_, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(tableText()); });
    connect(saveCsv_, &QPushButton::clicked, this, &ClassWindow::askAndSaveCsv);
    connect(print_, &QPushButton::clicked, this, &ClassWindow::print);
    connect(savePdf_, &QPushButton::clicked, this, &ClassWindow::askAndSavePdf);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    enableButtons();
}

void ClassWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Opened again, the window shows what was worked since; brought back
    // from the task bar, it stays as it was.
    if (!event->spontaneous())
        refresh();
}

void ClassWindow::refresh()
{
    ClassFiles read = readClassFiles(dataFolder_, added_);
    const QString notice = classNotice(read);
    notice_->setPlainText(notice);
    const auto lines = std::min<qsizetype>(notice.count('\n') + 1, 4);
    notice_->setFixedHeight(int(lines) * notice_->fontMetrics().lineSpacing()
                            + 2 * int(notice_->document()->documentMargin()));
    notice_->setVisible(!notice.isEmpty());
    pupils_->setRows(classOverview(read.files));
    set_->setFiles(std::move(read.files));
    enableButtons();
}

ClassTableView* ClassWindow::shownTable() const { return tabs_->currentIndex() == 0 ? pupils_ : set_->table(); }

ClassTable ClassWindow::shownPaper() const
{
    return tabs_->currentIndex() == 0 ? classTable(pupils_->rowsShown()) : set_->paper();
}

void ClassWindow::enableButtons()
{
    const bool rows = !shownTable()->isEmpty();
    for (QPushButton* button : {copy_, saveCsv_, print_, savePdf_})
        button->setEnabled(rows);
}

void ClassWindow::addPaths(const QStringList& paths)
{
    added_ << paths;
    refresh();
}

QString ClassWindow::tableText() const { return shownTable()->text(); }

QString ClassWindow::saveCsv(const QString& path) const
{
    const std::string csv = classCsv(shownTable()->rowsShown());
    const QString error = writeWholeFile(path, csv,
                                         // TRANSLATORS: why a file could not be saved, put in a sentence after a colon.
                                         uiText("ClassWindow", "not all of it could be written"));
    if (!error.isEmpty())
        // TRANSLATORS: %1 is the file's path, %2 says why.
        return uiText("ClassWindow", "The table could not be saved to %1: %2").arg(path, error);
    return {};
}

QString ClassWindow::savePdf(const QString& path) const { return saveClassTablePdf(path, shownPaper()); }

void ClassWindow::askForFiles()
{
    // TRANSLATORS: a choice of file type; keep "(*.tsv)" as it is.
    const QString progress = uiText("ClassWindow", "Progress files (*.tsv)");
    // TRANSLATORS: a choice of file type; keep "(*)" as it is.
    const QString all = uiText("ClassWindow", "All files (*)");
    const QStringList paths = QFileDialog::getOpenFileNames(this, uiText("ClassWindow", "Add pupils' progress files"),
                                                            QDir::homePath(), progress + ";;" + all);
    if (!paths.isEmpty())
        addPaths(paths);
}

void ClassWindow::askForFolder()
{
    const QString path = QFileDialog::getExistingDirectory(
        this, uiText("ClassWindow", "Add a folder of progress files"), QDir::homePath());
    if (!path.isEmpty())
        addPaths({path});
}

void ClassWindow::askAndSaveCsv()
{
    // TRANSLATORS: the file name offered; keep ".csv" at the end.
    const QString suggested = QDir::home().filePath(uiText("ClassWindow", "class.csv"));
    // TRANSLATORS: a choice of file type; keep "(*.csv)" as it is.
    const QString filter = uiText("ClassWindow", "CSV files (*.csv)");
    const QString path =
        QFileDialog::getSaveFileName(this, uiText("ClassWindow", "Save the table as CSV"), suggested, filter);
    if (path.isEmpty())
        return;
    const QString failure = saveCsv(path);
    if (!failure.isEmpty())
        QMessageBox::warning(this, uiText("ClassWindow", "Save as CSV"), failure);
}

void ClassWindow::askAndSavePdf()
{
    // TRANSLATORS: the file name offered; keep ".pdf" at the end.
    const QString suggested = uiText("ClassWindow", "class.pdf");
    const QString path = askWhereToSavePdf(this, uiText("ClassWindow", "Save the table as PDF"), suggested);
    if (path.isEmpty())
        return;
    const QString failure = savePdf(path);
    if (!failure.isEmpty())
        QMessageBox::warning(this, uiText("ClassWindow", "Save as PDF"), failure);
}

void ClassWindow::print()
{
    const ClassTable table = shownPaper();
    const QString failure = printWithPreview(
        this, table.title, [&table](QPagedPaintDevice& device) { return paintClassTable(device, table); });
    if (!failure.isEmpty())
        QMessageBox::warning(this, uiText("ClassWindow", "Print"), failure);
}

} // namespace rods
