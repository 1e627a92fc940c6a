#include "working_window/progress_window.h"

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

namespace rods {

ProgressWindow::ProgressWindow(ProgressFile file, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , file_(std::move(file))
    , view_(new QPlainTextEdit(this))
    , copy_(new QPushButton(uiText("ProgressWindow", "Copy"), this))
    , saveCsv_(new QPushButton(uiText("ProgressWindow", "Save as CSV…"), this))
    , forget_(new QPushButton(uiText("ProgressWindow", "Forget my progress"), this))
    , close_(new QPushButton(uiText("ProgressWindow", "Close"), this))
{
    setObjectName("ProgressWindow");
    setWindowTitle(uiText("ProgressWindow", "Progress"));
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
        uiText("ProgressWindow", "Deletes the record of every problem worked, after asking."));
    close_->setObjectName("CloseProgress");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(saveCsv_);
    buttons->addStretch(1);
    buttons->addWidget(forget_);
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
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    refresh();
}

void ProgressWindow::refresh()
{
    std::string failure;
    ProgressRead read = file_.read(&failure);
    QString shown = fromUtf8(progressReport(read));
    if (!failure.empty())
        shown = fromUtf8(failure) + "\n\n" + shown;
    records_ = std::move(read.records);
    view_->setPlainText(shown);
    saveCsv_->setEnabled(!records_.empty());
    forget_->setEnabled(!records_.empty());
}

QString ProgressWindow::text() const { return view_->toPlainText(); }

QString ProgressWindow::saveCsv(const QString& path) const
{
    const std::string csv = progressCsv(records_);
    const QString error = writeWholeFile(
        path,
        [&csv](QIODevice& file) {
            return file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size());
        },
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
                // xgettext:no-c-format
                "Forget the %n problem you have worked? Their records are deleted and cannot be brought back.",
                "Forget the %n problems you have worked? Their records are deleted and cannot be brought back.",
                static_cast<long long>(records_.size())),
        QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        forget();
}

void ProgressWindow::forget()
{
    const std::string failure = file_.forget();
    refresh();
    if (!failure.empty())
        QMessageBox::warning(this, uiText("ProgressWindow", "Forget my progress"), fromUtf8(failure));
}

} // namespace rods
