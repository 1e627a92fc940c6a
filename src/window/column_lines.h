#pragma once

#include <QStaticText>
#include <QWidget>

namespace rods {

// Short lines, one under the other, flowing into as many columns side by
// side as the height needs, so that none is ever scrolled to: the adding
// step's columns, one line each. Each line is laid out once, when it is set.
class ColumnLines : public QWidget {
    Q_OBJECT

public:
    explicit ColumnLines(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    [[nodiscard]] QStringList lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void prepare();

    QStringList lines_;
    std::vector<QStaticText> laidOut_;
    double widest_ = 0;
};

} // namespace rods
