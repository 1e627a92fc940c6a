// The board procedures against recording controls: which property of which
// label is set, in which order, and which lines are drawn.
#include "board/controls.h"
#include "board/index_rod.h"
#include "board/rod_digits.h"
#include "board/rod_outline.h"
#include "core/board_state.h"

#include <QTest>

#include <map>
#include <vector>

using namespace rods;

namespace {

struct RecordedLabel : LabelControl {
    int top = 0, left = 0, size = 0;
    bool autoSize = false, bold = false;
    std::optional<SystemColor> back;
    std::string caption = "creation";
    std::vector<std::string> calls;

    void setTop(int twips) override { top = twips, calls.push_back("Top"); }
    void setLeft(int twips) override { left = twips, calls.push_back("Left"); }
    void setAutoSize(bool on) override { autoSize = on, calls.push_back("AutoSize"); }
    void setBold(bool on) override { bold = on, calls.push_back("Bold"); }
    void setFontSize(int points) override { size = points, calls.push_back("Size"); }
    void setBackColor(SystemColor color) override { back = color, calls.push_back("BackColor"); }
    void setCaption(std::string_view text) override { caption = text, calls.push_back("Caption"); }
};

struct RecordedBox : TextControl {
    std::string value = "creation";
    std::string text() const override { return value; }
    void setText(std::string_view text) override { value = text; }
};

struct RecordedSurface : DrawingSurface {
    struct Call {
        bool fromCurrent;
        float x1, y1, x2, y2;
    };
    std::vector<Call> calls;
    void line(float x1, float y1, float x2, float y2) override { calls.push_back({false, x1, y1, x2, y2}); }
    void lineTo(float x2, float y2) override { calls.push_back({true, 0, 0, x2, y2}); }
    void cls() override { calls.clear(); }
};

struct RecordedControls : BoardControls {
    std::map<std::pair<LabelArray, int>, RecordedLabel> labels;
    std::array<RecordedBox, 10> boxes;
    RecordedSurface board;

    LabelControl& label(LabelArray array, int index) override
    {
        const int last = array == LabelArray::Label1 ? 89 : array == LabelArray::Label2 ? 90 : 14;
        if (index < 0 || index > last)
            throw std::out_of_range("no such label");
        return labels[{array, index}];
    }
    TextControl& multiplierBox(int index) override { return boxes.at(std::size_t(index)); }
    DrawingSurface& surface() override { return board; }
    RecordedLabel& at(LabelArray array, int index) { return labels.at({array, index}); }
};

BoardState boardOf(const std::vector<int>& digits)
{
    BoardState board;
    for (int digit : digits)
        board.placeRod(digit);
    return board;
}

} // namespace

class TestBoardProcedures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rodOutlineIsTwentyFourLinesInOrder();
    void eighthRodStandsInSlotSeven();
    void digitLabelsTakeTheirPropertiesInOrder();
    void eightRodsUseTheLastLabels();
    void indexRodHasFifteenLinesAndNumbers();
    void indexRodFillsBoxesRightAligned();
};

void TestBoardProcedures::rodOutlineIsTwentyFourLinesInOrder()
{
    RecordedControls controls;
    DrawRod(boardOf({3, 4}), controls.board);
    const auto& calls = controls.board.calls;
    QCOMPARE(calls.size(), std::size_t(24));
    // Zero-length move to the top-left corner, then the outline clockwise.
    QVERIFY(!calls[0].fromCurrent);
    QCOMPARE(calls[0].x1, 1030.f);
    QCOMPARE(calls[0].y1, 200.f);
    QCOMPARE(calls[0].x2, 1030.f);
    QCOMPARE(calls[0].y2, 200.f);
    const float corners[4][2] = {{1960, 200}, {1960, 7200}, {1030, 7200}, {1030, 200}};
    for (int i = 0; i < 4; ++i) {
        QVERIFY(calls[std::size_t(1 + i)].fromCurrent);
        QCOMPARE(calls[std::size_t(1 + i)].x2, corners[i][0]);
        QCOMPARE(calls[std::size_t(1 + i)].y2, corners[i][1]);
    }
    for (int i = 1; i <= 10; ++i) {
        const auto& call = calls[std::size_t(4 + i)];
        QCOMPARE(call.x1, 1030.f);
        QCOMPARE(call.x2, 1960.f);
        QCOMPARE(call.y1, float(200 + 700 * i));
        QCOMPARE(call.y2, float(200 + 700 * i));
    }
    for (int r = 1; r <= 9; ++r) {
        const auto& call = calls[std::size_t(14 + r)];
        QCOMPARE(call.x1, 1030.f);
        QCOMPARE(call.y1, float(900 + 700 * r)); // bottom-left corner of cell r
        QCOMPARE(call.x2, 1960.f);
        QCOMPARE(call.y2, float(200 + 700 * r)); // top-right corner
    }
}

void TestBoardProcedures::eighthRodStandsInSlotSeven()
{
    RecordedControls controls;
    DrawRod(boardOf({1, 2, 3, 4, 5, 6, 7, 8}), controls.board);
    QCOMPARE(controls.board.calls[0].x1, 7210.f);
    QCOMPARE(controls.board.calls[1].x2, 8140.f);
}

void TestBoardProcedures::digitLabelsTakeTheirPropertiesInOrder()
{
    RecordedControls controls;
    ShowRodDigits(boardOf({7, 2}), controls);
    QCOMPARE(controls.labels.size(), std::size_t(2 * 19));

    RecordedLabel& header = controls.at(LabelArray::Label1, 0);
    QCOMPARE(header.calls, (std::vector<std::string>{"Top", "Left", "AutoSize", "Bold", "Size", "Caption"}));
    QCOMPARE(header.caption, std::string("7"));
    QCOMPARE(header.top, 330);
    QCOMPARE(header.left, 500);
    QVERIFY(!header.back); // keeps the window's background

    const std::string tens = "012234456", units = "741852963";
    for (int r = 1; r <= 9; ++r) {
        RecordedLabel& unit = controls.at(LabelArray::Label1, 10 + r);
        QCOMPARE(unit.calls,
                 (std::vector<std::string>{"Top", "Left", "AutoSize", "Size", "Bold", "BackColor", "Caption"}));
        QCOMPARE(unit.caption, std::string(1, units[std::size_t(r - 1)]));
        QCOMPARE(unit.top, 700 * r + 420);
        QCOMPARE(unit.left, 650);
        QCOMPARE(unit.size, 14);
        QVERIFY(unit.bold && unit.autoSize);
        QCOMPARE(*unit.back, SystemColor::WindowBackground);

        RecordedLabel& ten = controls.at(LabelArray::Label2, r);
        QCOMPARE(ten.caption, std::string(1, tens[std::size_t(r - 1)]));
        QCOMPARE(ten.top, 700 * r + 220);
        QCOMPARE(ten.left, 230);
    }
    // The second rod: slot 1.
    QCOMPARE(controls.at(LabelArray::Label1, 10).left, 1530);
    QCOMPARE(controls.at(LabelArray::Label1, 21).left, 1680);
    QCOMPARE(controls.at(LabelArray::Label2, 11).left, 1260);
    QCOMPARE(controls.at(LabelArray::Label1, 29).caption, std::string("8")); // 2 x 9 = 18
    QCOMPARE(controls.at(LabelArray::Label2, 19).caption, std::string("1"));

    // Relabelling sets the first rod again, to the same values.
    ShowRodDigits(boardOf({7, 2}), controls);
    QCOMPARE(controls.at(LabelArray::Label1, 0).calls.size(), std::size_t(12));
    QCOMPARE(controls.at(LabelArray::Label1, 0).caption, std::string("7"));
}

void TestBoardProcedures::eightRodsUseTheLastLabels()
{
    RecordedControls controls;
    ShowRodDigits(boardOf({0, 0, 0, 0, 0, 0, 0, 9}), controls);
    QCOMPARE(controls.labels.size(), std::size_t(8 * 19));
    QCOMPARE(controls.at(LabelArray::Label1, 70).caption, std::string("9"));
    QCOMPARE(controls.at(LabelArray::Label1, 89).caption, std::string("1"));
    QCOMPARE(controls.at(LabelArray::Label2, 79).caption, std::string("8"));
    QCOMPARE(controls.at(LabelArray::Label2, 71).left, 7440);
    // Labels a rod never uses.
    QVERIFY(!controls.labels.count({LabelArray::Label1, 1}));
    QVERIFY(!controls.labels.count({LabelArray::Label2, 10}));
}

void TestBoardProcedures::indexRodHasFifteenLinesAndNumbers()
{
    RecordedControls controls;
    ShowIndexRod(boardOf({3, 0, 7}), controls);
    const auto& calls = controls.board.calls;
    QCOMPARE(calls.size(), std::size_t(15));
    QCOMPARE(calls[0].x1, 3090.f);
    QCOMPARE(calls[1].x2, 4020.f);
    for (const auto& call : calls)
        QVERIFY(call.y1 == call.y2 || call.fromCurrent); // no diagonal
    for (int p = 1; p <= 9; ++p) {
        RecordedLabel& number = controls.at(LabelArray::Label4, p);
        QCOMPARE(number.calls, (std::vector<std::string>{"Top", "Left", "AutoSize", "Bold", "Size", "Caption"}));
        QCOMPARE(number.top, 700 * p + 300);
        QCOMPARE(number.left, 3490);
        QCOMPARE(number.size, 18);
        QCOMPARE(number.caption, std::to_string(p));
    }
    QVERIFY(!controls.labels.count({LabelArray::Label4, 0}));
    QVERIFY(!controls.labels.count({LabelArray::Label4, 10}));

    clearIndexNumbers(controls, 9);
    QCOMPARE(controls.at(LabelArray::Label4, 9).caption, std::string());
    QVERIFY(!controls.labels.count({LabelArray::Label4, 10}));
}

void TestBoardProcedures::indexRodFillsBoxesRightAligned()
{
    RecordedControls controls;
    ShowIndexRod(boardOf({9, 8, 7, 6, 5}), controls);
    ShowIndexRod(boardOf({3, 0, 7}), controls);
    const char* expected[10] = {"", "", "", "", "", "", "", "3", "0", "7"};
    for (std::size_t i = 0; i < 10; ++i)
        QCOMPARE(controls.boxes[i].value, std::string(expected[i]));

    ShowIndexRod(BoardState(), controls); // no rods: index rod in slot 0
    QCOMPARE(controls.board.calls[30].x1, 0.f);
    QCOMPARE(controls.at(LabelArray::Label4, 1).left, 400);
}

QTEST_APPLESS_MAIN(TestBoardProcedures)
#include "tst_board_procedures.moc"
