#pragma once

#include <QFont>
#include <QPalette>
#include <QRectF>
#include <QStaticText>

#include <optional>
#include <vector>

class QPainter;

namespace rods {

// Lines of figures laid out in a fixed-width font, right-aligned at the
// right of `area`, from its top, a line spacing apart; column `column` from
// the right stands out in the lines given (from 0). The long working is
// drawn this way on the screen and on paper alike.
void drawFigures(QPainter& painter, const QRectF& area, const QFont& font, const std::vector<QStaticText>& lines,
                 const QPalette& colours, std::optional<int> column, const std::vector<int>& marked);

} // namespace rods
