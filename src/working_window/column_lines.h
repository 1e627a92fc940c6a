#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

namespace rods {

// Short lines, one under the other, flowing into as many columns side by
// side as the height needs, so that none is ever scrolled to: the adding
// step's columns, one line each. They are drawn once into a picture of their
// own, which each paint then only copies. Hidden, they say nothing to a
// screen reader: the columns hold the product's digits before the learner
// has found them.
class ColumnLines : public QWidget {
    Q_OBJECT

public:
    explicit ColumnLines(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    [[nodiscard]] QStringList lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Gives screen readers the name and lines while shown, nothing while not.
    void speak();

    QStringList lines_;
    QPixmap drawn_; // the lines at the widget's size; null when to be drawn again
};

} // namespace rods
