#pragma once

#include <QEvent>
#include <QObject>

// Counts the paints of the widget it watches: a click or an open is timed to
// the end of its repaint.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};
