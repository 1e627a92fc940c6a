#include "working_window/paper_menu.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/paper_files.h"
#include "paper/printing.h"
#include "tutor/session/lesson.h"
#include "working_window/problem_picker.h"
#include "working_window/worksheet_dialog.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace rods {

PaperMenu::PaperMenu(QToolButton* button, QWidget* window, ProblemPicker* picker, const Lesson& lesson)
    : window_(window)
    , picker_(picker)
    , lesson_(lesson)
{
    button->setObjectName("Paper");
    button->setText(uiText("PaperMenu", "On paper"));
    button->setAccessibleDescription(
        uiText("PaperMenu", "Prints or saves the working, makes worksheets and rods to cut out."));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* menu = new QMenu(button);
    menu->setObjectName("PaperMenu");
    print_ = menu->addAction(uiText("PaperMenu", "&Print the working…"), window, [this] { printWorking(); });
    print_->setObjectName("PrintWorking");
    print_->setShortcut(QKeySequence::Print);
    save_ = menu->addAction(uiText("PaperMenu", "&Save the working as…"), window, [this] { saveWorkingAs(); });
    save_->setObjectName("SaveWorking");
    // Qt's key for Save As comes from the desktop's key scheme, and only
    // GNOME's and the Mac's have one: on KDE, on a desktop Qt does not know
    // and offscreen there is none. Ctrl+Shift+S, what the menu says, works
    // on every desktop, beside any key of the desktop's own.
    const QKeySequence saveAs(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    QList<QKeySequence> saveKeys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    saveKeys.removeAll(saveAs);
    saveKeys.prepend(saveAs);
    save_->setShortcuts(saveKeys);
    menu->addSeparator();
    QAction* sheet = menu->addAction(uiText("PaperMenu", "&Worksheet…"), window, [this] {
        WorksheetDialog* dialog = worksheetDialog();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    sheet->setObjectName("Worksheet");
    QAction* cutout = menu->addAction(uiText("PaperMenu", "&Cut-out rods…"), window, [this] { makeCutoutRods(); });
    cutout->setObjectName("CutoutRods");
    // The shortcuts work from anywhere in the window, the menu closed.
    for (QAction* action : {print_, save_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    button->setMenu(menu);
}

void PaperMenu::setWorkingShown(bool shown)
{
    workingShown_ = shown;
    print_->setEnabled(shown);
    save_->setEnabled(shown);
}

QString PaperMenu::saveWorkingTo(const QString& path) const
{
    if (!workingShown_)
        // TRANSLATORS: "New problem" is the button of that name.
        return uiText("PaperMenu", "There is no working to save yet: type a problem first, or press New problem.");
    return saveWorking(path, lesson_).error;
}

void PaperMenu::saveWorkingAs()
{
    // TRANSLATORS: a choice of file type; keep "(*.pdf)" as it is.
    const QString pdf = uiText("PaperMenu", "PDF: every step of the working (*.pdf)");
    // TRANSLATORS: a choice of file type; keep "(*.png)" as it is.
    const QString png = uiText("PaperMenu", "PNG picture: the step shown, for a slide (*.png)");
    QString filter = pdf;
    const Expression problem = lesson_.expression();
    const QString name = fromUtf8(problem.left + problem.sign + problem.right);
    // TRANSLATORS: the file name offered: %1 is the problem ("307×2"); keep
    // ".pdf" at the end.
    // xgettext:no-c-format
    const QString suggested = uiText("PaperMenu", "working %1.pdf").arg(name);
    QString path = QFileDialog::getSaveFileName(window_, uiText("PaperMenu", "Save the working"), suggested,
                                                pdf + ";;" + png, &filter);
    if (path.isEmpty())
        return;
    if (!paperFormat(path))
        path += filter == png ? ".png" : ".pdf";
    if (const QString error = saveWorkingTo(path); !error.isEmpty())
        QMessageBox::warning(window_, uiText("PaperMenu", "Save the working"), error);
}

void PaperMenu::printWorking()
{
    const Lesson lesson = lesson_;
    const QString error = printWithPreview(window_, fromUtf8(lesson.title()), [&lesson](QPagedPaintDevice& device) {
        return paintWorking(device, lesson);
    });
    if (!error.isEmpty())
        QMessageBox::warning(window_, uiText("PaperMenu", "Print the working"), error);
}

WorksheetDialog* PaperMenu::worksheetDialog()
{
    // Opened again, it starts from the level, set and list chosen now.
    if (worksheetDialog_ != nullptr && !worksheetDialog_->isVisible()) {
        delete worksheetDialog_;
        worksheetDialog_ = nullptr;
    }
    if (worksheetDialog_ == nullptr)
        worksheetDialog_ =
            new WorksheetDialog(picker_->choice(), picker_->set(), picker_->list(), picker_->listName(), window_);
    return worksheetDialog_;
}

void PaperMenu::makeCutoutRods()
{
    QMessageBox question(QMessageBox::Question, uiText("PaperMenu", "Cut-out rods"),
                         uiText("PaperMenu", "A page with the rods 0 to 9, twice, and the index rod, each 15 mm wide: "
                                             "print it on card and cut the rods out along the dashed lines."),
                         QMessageBox::Cancel, window_);
    QPushButton* print = question.addButton(uiText("PaperMenu", "&Print…"), QMessageBox::AcceptRole);
    QPushButton* save = question.addButton(uiText("PaperMenu", "Save as &PDF…"), QMessageBox::AcceptRole);
    question.exec();
    const auto paint = [](QPagedPaintDevice& device) { return paintCutoutRods(device); };
    QString error;
    if (question.clickedButton() == print) {
        error = printWithPreview(window_, uiText("PaperMenu", "Cut-out rods"), paint);
    } else if (question.clickedButton() == save) {
        // TRANSLATORS: the file name offered; keep ".pdf" at the end.
        const QString suggested = uiText("PaperMenu", "cut-out rods.pdf");
        const QString path = askWhereToSavePdf(window_, uiText("PaperMenu", "Save the cut-out rods"), suggested);
        if (path.isEmpty())
            return;
        error = savePdf(path, paint).error;
    }
    if (!error.isEmpty())
        QMessageBox::warning(window_, uiText("PaperMenu", "Cut-out rods"), error);
}

} // namespace rods
