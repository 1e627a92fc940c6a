#include "working_window/progress_window.h"

#include "core/file_bytes.h"
#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/whole_file.h"
#include "tutor/progress/progress_report.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace rods {

ProgressWindow::ProgressWindow(ProgressFile file, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , file_(std::move(file))
    , pupil_(fromUtf8(file_->pupil()))
{
    build();
}

ProgressWindow::ProgressWindow(const QString& pupil, std::vector<std::string> files, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , pupil_(pupil)
    , files_(std::move(files))
{
    build();
    forget_->hide();
    restore_->hide();
    refresh();
}

void ProgressWindow::setFile(ProgressFile file)
{
    file_ = std::move(file);
    pupil_ = fromUtf8(file_->pupil());
    refresh();
}

void ProgressWindow::build()
{
    view_ = new QPlainTextEdit(this);
    copy_ = new QPushButton(uiText("ProgressWindow", "Copy"), this);
    saveCsv_ = new QPushButton(uiText("ProgressWindow", "Save as CSV…"), this);
    forget_ = new QPushButton(uiText("ProgressWindow", "Forget my progress"), this);
    restore_ = new QPushButton(uiText("ProgressWindow", "Restore"), this);
    close_ = new QPushButton(uiText("ProgressWindow", "Close"), this);
    setObjectName("ProgressWindow");
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(720, 560);
    view_->setObjectName("ProgressText");
    view_->setAccessibleName(uiText("ProgressWindow", "Progress"));
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    copy_->setObjectName("CopyProgress");
    saveCsv_->setObjectName("SaveProgressCsv");
    saveCsv_->setAccessibleDescription(
        uiText("ProgressWindow", "Writes every problem worked to a file a spreadsheet opens."));
    forget_->setObjectName("ForgetProgress");
    forget_->setAccessibleDescription(
        uiText("ProgressWindow", "Moves the record of every problem worked aside into a dated file, after asking."));
    restore_->setObjectName("RestoreProgress");
    restore_->setAccessibleDescription(uiText("ProgressWindow", "Brings back the records forgotten last."));
    close_->setObjectName("CloseProgress");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(saveCsv_);
    buttons->addStretch(1);
    buttons->addWidget(forget_);
    buttons->addWidget(restore_);
    buttons->addWidget(close_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(view_, 1);
    column->addLayout(buttons);

    connect(copy_, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    connect(saveCsv_, &QPushButton::clicked, this, [this] {
        // TRANSLATORS: the file name offered; keep ".csv" at the end.
        const QString suggested = QDir::home().filePath(uiText("ProgressWindow", "progress.csv"));
        // TRANSLATORS: a choice of file type; keep "(*.csv)" as it is.
        const QString filter = uiText("ProgressWindow", "CSV files (*.csv)");
        const QString path =
            QFileDialog::getSaveFileName(this, uiText("ProgressWindow", "Save progress as CSV"), suggested, filter);
        if (path.isEmpty())
            return;
        const QString failure = saveCsv(path);
        if (!failure.isEmpty())
            QMessageBox::warning(this, uiText("ProgressWindow", "Save as CSV"), failure);
    });
    connect(forget_, &QPushButton::clicked, this, &ProgressWindow::askToForget);
    connect(restore_, &QPushButton::clicked, this, &ProgressWindow::restore);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    if (file_)
        refresh();
}

void ProgressWindow::refresh()
{
    // TRANSLATORS: the Progress window's title: %1 is the pupil's name.
    setWindowTitle(uiText("ProgressWindow", "Progress of %1").arg(pupil_));
    QString failures;
    ProgressRead read;
    const auto add = [&](ProgressRead more, const std::string& failure) {
        if (!failure.empty())
            failures += fromUtf8(failure) + "\n";
        read.unreadable += more.unreadable;
        read.records.insert(read.records.end(), more.records.begin(), more.records.end());
    };
    if (file_) {
        std::string failure;
        ProgressRead own = file_->read(&failure);
        add(std::move(own), failure);
    }
    for (const std::string& path : files_) {
        const FileBytes file = readPlainFile(path, SIZE_MAX);
        // TRANSLATORS: %1 is a progress file's path, %2 the system's reason.
        add(readProgress(file.bytes), file.error == 0 ? std::string()
                                                      : uiText("ProgressWindow", "%1 cannot be read: %2")
                                                            .arg(fromUtf8(path), fromUtf8(std::strerror(file.error)))
                                                            .toStdString());
    }
    if (!files_.empty())
        std::stable_sort(read.records.begin(), read.records.end(),
                         [](const ProgressRecord& a, const ProgressRecord& b) { return a.time < b.time; });
    QString shown = fromUtf8(progressReport(read));
    if (!failures.isEmpty())
        shown = failures + "\n" + shown;
    records_ = std::move(read.records);
    view_->setPlainText(shown);
    saveCsv_->setEnabled(!records_.empty());
    forget_->setEnabled(file_ && !records_.empty());
    restore_->setEnabled(file_ && !file_->forgottenFiles().empty());
}

QString ProgressWindow::text() const { return view_->toPlainText(); }

QString ProgressWindow::saveCsv(const QString& path) const
{
    const std::string csv = progressCsv(records_);
    const QString error = writeWholeFile(path, csv,
                                         // TRANSLATORS: why a file could not be saved, put in a sentence after a colon.
                                         uiText("ProgressWindow", "not all of it could be written"));
    if (!error.isEmpty())
        // TRANSLATORS: %1 is the file's path, %2 says why.
        return uiText("ProgressWindow", "The progress could not be saved to %1: %2").arg(path, error);
    return {};
}

void ProgressWindow::askToForget()
{
    const auto answer = QMessageBox::question(
        this, uiText("ProgressWindow", "Forget my progress"),
        uiCount("ProgressWindow",
                // TRANSLATORS: %1 is the pupil's name; "Restore" is the button of that name.
                // xgettext:no-c-format
                "Forget the %n problem %1 has worked? Its record is moved aside into a dated file, and Restore "
                "brings it back.",
                "Forget the %n problems %1 has worked? Their records are moved aside into a dated file, and Restore "
                "brings them back.",
                static_cast<long long>(records_.size()))
            .arg(pupil_),
        QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        forget();
}

void ProgressWindow::forget()
{
    if (!file_)
        return;
    const std::string failure = file_->forget();
    refresh();
    if (!failure.empty())
        QMessageBox::warning(this, uiText("ProgressWindow", "Forget my progress"), fromUtf8(failure));
}

void ProgressWindow::restore()
{
    if (!file_)
        return;
    const std::vector<std::string> forgotten = file_->forgottenFiles();
    if (forgotten.empty())
        return;
    const std::string failure = file_->restore(forgotten.back());
    refresh();
    if (!failure.empty())
        QMessageBox::warning(this, uiText("ProgressWindow", "Restore"), fromUtf8(failure));
}

} // namespace rods
