#include "window/form1.h"

#include "board/board_description.h"
#include "board/index_rod.h"
#include "board/rod_digits.h"
#include "board/rod_outline.h"
#include "core/entry_check.h"
#include "core/product.h"
#include "drawings/screen_words.h"
#include "window/accessibility.h"
#include "window/board_surface.h"
#include "window/layout.h"
#include "window/product_list.h"
#include "window/text_box.h"
#include "working_window/working_window.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

namespace rods {
namespace {

// The box's tooltip follows its text, typed or set: the whole text when the
// box is too narrow for it, none when it fits.
void showWholeTextInTooltip(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        const int room = box->contentsRect().width() - 2 * frame - 4; // less the line edit's own margins
        box->setToolTip(box->fontMetrics().horizontalAdvance(text) > room ? text : QString());
    });
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , controls_(this)
    , products_(new ProductList(controls_.list1))
{
    setObjectName("Form1");
    // The board is laid out left to right as designed, in every language and
    // under -reverse: its rods, boxes and buttons stand where they stand.
    setLayoutDirection(Qt::LeftToRight);
    setWindowTitle(layout::WindowCaption);
    resize(layout::ClientWidth / TwipsPerPixel, layout::ClientHeight / TwipsPerPixel);

    connect(controls_.command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(controls_.command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(controls_.command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(controls_.command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(controls_.command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(products_, &ProductList::workingRequested, this, &Form1::showWorking);
    connect(products_, &ProductList::problemRequested, this, [this] { askForProblem(Operation::Multiply, {}); });
    // The board's menu: a problem of one's own, or a division by its rods.
    controls_.picture1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(controls_.picture1, &QWidget::customContextMenuRequested, this, &Form1::showBoardMenu);
    showWholeTextInTooltip(controls_.text2);
    nameControls(controls_);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    board_.clear();
    for (TextBox* box : controls_.text3)
        box->setText(std::string_view());
    for (TextBox* box : controls_.text4)
        box->setText(std::string_view("0"));
}

void Form1::Command1_Click()
{
    showMessage({});
    const EntryVerdict verdict = checkEntry(controls_.text1->text(), board_);
    if (!verdict.digit) {
        showMessage(verdict.message);
        return;
    }
    board_.placeRod(*verdict.digit);
    if (indexRodShown_) {
        clearIndexNumbers(controls_, 9);
        indexRodShown_ = false;
    }
    ShowRodDigits(board_, controls_);
    DrawRod(board_, controls_.surface());
    describeBoardChange();
}

void Form1::Command2_Click()
{
    ShowIndexRod(board_, controls_);
    indexRodShown_ = true;
    describeBoardChange();
}

void Form1::Command3_Click() { QCoreApplication::exit(0); }

void Form1::Command4_Click()
{
    showMessage({});
    MultiplicandTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = controls_.text4[i]->text();
    const ProductOutcome outcome = computeProduct(board_, texts);
    if (!outcome.message.empty()) {
        showMessage(outcome.message);
        if (outcome.badBox >= 0) {
            TextBox* box = controls_.text4.at(static_cast<std::size_t>(outcome.badBox));
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
        return;
    }
    products_->add({board_.digits(), outcome.multiplicand, outcome.text});
    // The list shows one line; keep the newest product in view.
    controls_.list1->scrollToBottom();
}

void Form1::Command5_Click()
{
    controls_.surface().cls();
    board_.clear();
    clearRodDigits(controls_);
    clearIndexNumbers(controls_, 14);
    indexRodShown_ = false;
    controls_.list1->clear();
    describeBoardChange();
}

WorkingWindow& Form1::openWorking()
{
    if (working_ == nullptr)
        working_ = std::make_unique<WorkingWindow>(nullptr, pupil_);
    working_->show();
    working_->raise();
    working_->activateWindow();
    return *working_;
}

void Form1::showWorking(const ProductRecord& record) { openWorking().showProduct(record); }

void Form1::workProblem(const Problem& problem) { openWorking().showProblem(problem); }

void Form1::workProblemList(const ProblemList& list, const QString& name) { openWorking().useProblemList(list, name); }

void Form1::askForProblem(Operation operation, const QString& rods) { openWorking().askForProblem(operation, rods); }

void Form1::showBoardMenu(const QPoint& position)
{
    if (boardMenu_ == nullptr) {
        boardMenu_ = new QMenu(controls_.picture1);
        boardMenu_->setObjectName("BoardMenu");
        boardMenu_->addAction(uiText("BoardMenu", "Work a problem\u2026"), this,
                              [this] { askForProblem(Operation::Multiply, {}); });
        divide_ = boardMenu_->addAction(uiText("BoardMenu", "Divide with these rods\u2026"), this, [this] {
            QString rods;
            for (int digit : board_.digits())
                rods += QChar('0' + digit);
            askForProblem(Operation::Divide, rods);
        });
    }
    divide_->setVisible(board_.RodCount() > 0);
    // popup, not exec: the menu must not hold up the event loop.
    boardMenu_->popup(controls_.picture1->mapToGlobal(position));
}

void Form1::showMessage(std::string_view message)
{
    TextBox* box = controls_.text2;
    box->setText(message);
    // "Only NUMBERS" is a little wider than the box: show its beginning; its
    // tooltip shows all of it.
    box->setCursorPosition(0);
}

void Form1::describeBoardChange()
{
    controls_.picture1->setAccessibleDescription(QString::fromStdString(describeBoard(board_, indexRodShown_)));
}

} // namespace rods
