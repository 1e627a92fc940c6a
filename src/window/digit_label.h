#pragma once

#include "board/controls.h"

#include <QLabel>

namespace rods {

// A label on the board. Opaque, borderless, left-aligned; with auto-size off
// it keeps its size and wraps its caption at blanks, with auto-size on it
// takes the size of its caption. Setting a property to the value it already
// has costs nothing, so relabelling a whole board stays cheap.
class DigitLabel : public QLabel, public LabelControl {
    Q_OBJECT

public:
    // origin: the board's inner top-left corner, in the board's pixels.
    DigitLabel(const QString& caption, QSize size, QPoint origin, QWidget* board);

    void setTop(int twips) override;
    void setLeft(int twips) override;
    void setAutoSize(bool on) override;
    void setBold(bool on) override;
    void setFontSize(int points) override;
    void setBackColor(SystemColor color) override;
    void setCaption(std::string_view caption) override;

    [[nodiscard]] int topTwips() const { return topTwips_; }
    [[nodiscard]] int leftTwips() const { return leftTwips_; }
    [[nodiscard]] bool autoSize() const { return autoSize_; }
    // Whether the board shows something in it. The labels the board has not
    // yet used stand stacked in its corner with their design caption, and
    // those it has emptied show nothing: neither is read to a screen reader.
    [[nodiscard]] bool inUse() const { return captioned_ && !text().isEmpty(); }

private:
    void place();
    void fitToCaption();
    void changeFont(const QFont& font);

    QPoint origin_;
    int topTwips_ = 0;
    int leftTwips_ = 0;
    bool autoSize_ = false;
    bool captioned_ = false; // by the board, not by the design
};

} // namespace rods
