#pragma once

#include "board/controls.h"

#include <array>
#include <string>
#include <vector>

namespace rods {

class BoardState;

// A board drawn into memory rather than onto the window: the same procedures
// that lay out the main window's board record their labels and lines here,
// so a second picture of the rods needs no second copy of their geometry.
class BoardSketch : public BoardControls {
public:
    struct Label : LabelControl {
        int top = 0;
        int left = 0;
        int points = 0;
        bool bold = false;
        std::string caption;

        void setTop(int twips) override { top = twips; }
        void setLeft(int twips) override { left = twips; }
        void setAutoSize(bool) override {}
        void setBold(bool on) override { bold = on; }
        void setFontSize(int size) override { points = size; }
        void setBackColor(SystemColor) override {}
        void setCaption(std::string_view text) override { caption = text; }
    };

    struct Line {
        float x1, y1, x2, y2;
    };

    LabelControl& label(LabelArray array, int index) override;
    TextControl& multiplierBox(int index) override;
    DrawingSurface& surface() override { return surface_; }

    // The labels that show something, in no particular order.
    [[nodiscard]] std::vector<const Label*> shownLabels() const;
    [[nodiscard]] const std::vector<Line>& lines() const { return surface_.lines; }

private:
    struct Surface : DrawingSurface {
        std::vector<Line> lines;
        float x = 0;
        float y = 0;
        void line(float x1, float y1, float x2, float y2) override;
        void lineTo(float x2, float y2) override;
        void cls() override { lines.clear(); }
    };
    struct Box : TextControl {
        std::string value;
        [[nodiscard]] std::string text() const override { return value; }
        void setText(std::string_view text) override { value = text; }
    };

    std::array<Label, 90> label1_;
    std::array<Label, 91> label2_;
    std::array<Label, 15> label4_;
    std::array<Box, 10> boxes_;
    Surface surface_;
};

// Every rod of the board with its digits, and the index rod with its row
// numbers beside them, as the main window shows them after "Done when
// finished".
[[nodiscard]] BoardSketch sketchRods(const BoardState& board);

} // namespace rods
