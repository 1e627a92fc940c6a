#pragma once

#include <QPalette>
#include <QStaticText>
#include <QWidget>

#include <optional>
#include <vector>

class QPainter;

namespace rods {

// Lines of figures in a fixed-width font, right-aligned, one of whose
// columns may stand out in some of the lines: the long multiplication, with
// the column a hint points at marked in its rows. Each line is laid out once,
// when it is set, and the widget's size never follows its text, so a new
// text repaints only this widget and never lays out the window again.
class ColumnMarks : public QWidget {
    Q_OBJECT

public:
    explicit ColumnMarks(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    // The lines as one text, a line each.
    [[nodiscard]] QString text() const { return lines_.join('\n'); }
    // Room for the given lines, the most the widget will be asked to show.
    void fitTo(const QStringList& lines);
    // Where line `line` (from 0) ends, from the widget's top.
    [[nodiscard]] int lineBottom(int line) const;

    // Column `column` from the right marked in the given lines (from 0), or
    // nothing marked.
    void setMarkedColumn(std::optional<int> column, const std::vector<int>& lines);
    [[nodiscard]] std::optional<int> markedColumn() const { return column_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void prepare();

    QStringList lines_;
    std::vector<QStaticText> laidOut_;
    std::optional<int> column_;
    std::vector<int> marked_;
};

} // namespace rods
