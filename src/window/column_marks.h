#pragma once

#include <QLabel>

#include <optional>
#include <vector>

namespace rods {

// Lines of figures in a fixed-width font, right-aligned, one of whose
// columns may stand out in some of the lines: the long multiplication, with
// the column a hint points at marked in its rows. The text stays plain, so a
// new text is laid out as quickly as any label's.
class ColumnMarks : public QLabel {
    Q_OBJECT

public:
    explicit ColumnMarks(QWidget* parent = nullptr);

    // Column `column` from the right marked in the given lines (from 0), or
    // nothing marked.
    void setMarkedColumn(std::optional<int> column, const std::vector<int>& lines);
    [[nodiscard]] std::optional<int> markedColumn() const { return column_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<int> column_;
    std::vector<int> lines_;
};

} // namespace rods
