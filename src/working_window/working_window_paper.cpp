// The Working window's paper: the working printed, or saved as a PDF of every
// step or a PNG of the step shown; worksheets; the rods to cut out of card.
#include "drawings/text_lines.h"
#include "paper/paper_files.h"
#include "paper/printing.h"
#include "working_window/problem_picker.h"
#include "working_window/working_window.h"
#include "working_window/worksheet_dialog.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace rods {

void WorkingWindow::addPaperMenu()
{
    paper_->setObjectName("Paper");
    paper_->setText("On paper");
    paper_->setAccessibleDescription("Prints or saves the working, makes worksheets and rods to cut out.");
    paper_->setPopupMode(QToolButton::InstantPopup);
    paper_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* menu = new QMenu(paper_);
    menu->setObjectName("PaperMenu");
    QAction* print = menu->addAction("&Print the working…", this, &WorkingWindow::printWorking);
    print->setObjectName("PrintWorking");
    print->setShortcut(QKeySequence::Print);
    QAction* save = menu->addAction("&Save the working as…", this, &WorkingWindow::saveWorkingAs);
    save->setObjectName("SaveWorking");
    save->setShortcut(QKeySequence::SaveAs);
    menu->addSeparator();
    QAction* sheet = menu->addAction("&Worksheet…", this, [this] {
        WorksheetDialog* dialog = worksheetDialog();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    sheet->setObjectName("Worksheet");
    QAction* cutout = menu->addAction("&Cut-out rods…", this, &WorkingWindow::makeCutoutRods);
    cutout->setObjectName("CutoutRods");
    // The shortcuts work from anywhere in the window, the menu closed.
    for (QAction* action : {print, save}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    paper_->setMenu(menu);
}

QString WorkingWindow::saveWorkingTo(const QString& path) const { return saveWorking(path, lesson_).error; }

void WorkingWindow::saveWorkingAs()
{
    const QString pdf = "PDF: every step of the working (*.pdf)";
    const QString png = "PNG picture: the step shown, for a slide (*.png)";
    QString filter = pdf;
    const QString name = fromUtf8(lesson_.title()).section(':', -1).trimmed().replace(' ', QString());
    QString path = QFileDialog::getSaveFileName(this, "Save the working", QString("working %1.pdf").arg(name),
                                                pdf + ";;" + png, &filter);
    if (path.isEmpty())
        return;
    if (!paperFormat(path))
        path += filter == png ? ".png" : ".pdf";
    if (const QString error = saveWorkingTo(path); !error.isEmpty())
        QMessageBox::warning(this, "Save the working", error);
}

void WorkingWindow::printWorking()
{
    const Lesson lesson = lesson_;
    const QString error = printWithPreview(
        this, fromUtf8(lesson.title()), [&lesson](QPagedPaintDevice& device) { return paintWorking(device, lesson); });
    if (!error.isEmpty())
        QMessageBox::warning(this, "Print the working", error);
}

WorksheetDialog* WorkingWindow::worksheetDialog()
{
    // Opened again, it starts from the level, set and list chosen now.
    if (worksheetDialog_ != nullptr && !worksheetDialog_->isVisible()) {
        delete worksheetDialog_;
        worksheetDialog_ = nullptr;
    }
    if (worksheetDialog_ == nullptr)
        worksheetDialog_ =
            new WorksheetDialog(picker_->choice(), picker_->set(), picker_->list(), picker_->listName(), this);
    return worksheetDialog_;
}

void WorkingWindow::makeCutoutRods()
{
    QMessageBox question(QMessageBox::Question, "Cut-out rods",
                         "A page with the rods 0 to 9, twice, and the index rod, each 15 mm wide: print it on card "
                         "and cut the rods out along the dashed lines.",
                         QMessageBox::Cancel, this);
    QPushButton* print = question.addButton("&Print…", QMessageBox::AcceptRole);
    QPushButton* save = question.addButton("Save as &PDF…", QMessageBox::AcceptRole);
    question.exec();
    const auto paint = [](QPagedPaintDevice& device) { return paintCutoutRods(device); };
    QString error;
    if (question.clickedButton() == print) {
        error = printWithPreview(this, "Cut-out rods", paint);
    } else if (question.clickedButton() == save) {
        const QString path = askWhereToSavePdf(this, "Save the cut-out rods", "cut-out rods.pdf");
        if (path.isEmpty())
            return;
        error = savePdf(path, paint).error;
    }
    if (!error.isEmpty())
        QMessageBox::warning(this, "Cut-out rods", error);
}

} // namespace rods
