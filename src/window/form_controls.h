#pragma once

#include "board/controls.h"

#include <QString>

#include <vector>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace rods {

class BoardSurface;
class DigitLabel;
class TextBox;

// Each control keeps its tab index from the layout in this property, labels
// and frames included, which take no focus: the tab order can be read back.
inline constexpr const char* TabIndexProperty = "tabIndex";

// Every control of the window, built from the layout table and owned by the
// window through Qt's parent chain. Also the window's side of the control
// operations the board procedures use.
class FormControls : public BoardControls {
public:
    // Builds the controls as children of window, sets their tab order and
    // puts the focus into the entry box.
    explicit FormControls(QWidget* window);

    LabelControl& label(LabelArray array, int index) override;
    TextControl& multiplierBox(int index) override;
    DrawingSurface& surface() override;

    TextBox* text1 = nullptr;
    TextBox* text2 = nullptr;
    BoardSurface* picture1 = nullptr;
    QPushButton* command1 = nullptr;
    QPushButton* command2 = nullptr;
    QPushButton* command3 = nullptr;
    QPushButton* command4 = nullptr;
    QPushButton* command5 = nullptr;
    QListWidget* list1 = nullptr;
    std::vector<TextBox*> text3;
    std::vector<TextBox*> text4;
    std::vector<DigitLabel*> label1;
    std::vector<DigitLabel*> label2;
    std::vector<DigitLabel*> label4;

private:
    std::vector<DigitLabel*>& labels(LabelArray array);
};

} // namespace rods
