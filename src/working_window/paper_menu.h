#pragma once

#include <QString>

class QAction;
class QToolButton;
class QWidget;

namespace rods {

class Lesson;
class ProblemPicker;
class WorksheetDialog;

// The Working window's "On paper" button and its menu: the working printed,
// or saved as a PDF of every step or a PNG of the step shown; worksheets; the
// rods to cut out of card. The working put on paper is always the lesson the
// window holds at that moment, so the menu refers to the window's lesson and
// keeps no copy of its own; a print takes its copy as it starts, so that the
// preview's pages never change under it. The Worksheet dialog is made afresh
// from the picker's level, set and list whenever it is not open, and kept as
// it is while it is. Print and Save as work from anywhere in the window, the
// menu closed. Dialogs and messages all belong to the window.
class PaperMenu {
public:
    // The lesson is the window's own, and outlives the menu.
    PaperMenu(QToolButton* button, QWidget* window, ProblemPicker* picker, const Lesson& lesson);

    // Whether the window shows a problem's working; before it does, the
    // working can be neither printed nor saved.
    void setWorkingShown(bool shown);
    // Writes the whole working as a PDF, or the step shown as a PNG, by the
    // path's ending; says why not, or nothing.
    [[nodiscard]] QString saveWorkingTo(const QString& path) const;
    WorksheetDialog* worksheetDialog();

private:
    void printWorking();
    void saveWorkingAs();
    void makeCutoutRods();

    QWidget* window_;
    QAction* print_ = nullptr;
    QAction* save_ = nullptr;
    bool workingShown_ = true;
    ProblemPicker* picker_;
    const Lesson& lesson_;
    WorksheetDialog* worksheetDialog_ = nullptr; // made when first asked for
};

} // namespace rods
