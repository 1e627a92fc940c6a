#include "app/application_setup.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace rods {

QIcon programIcon()
{
    // Raw pixels, not the SVG or a PNG: an SVG loads Qt's SVG library and
    // icon engine, and an icon made from a file asks every image plugin
    // whether it can read it; start-up would pay for both.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        const QByteArray pixels = QResource(QString(":/icons/%1.argb").arg(size)).uncompressedData();
        if (pixels.size() != size * size * 4)
            continue;
        const QImage pixelsInPlace(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                                   QImage::Format_ARGB32_Premultiplied);
        // A copy: a pixmap may share an image's memory, and the array goes.
        icon.addPixmap(QPixmap::fromImage(pixelsInPlace.copy()));
    }
    return icon;
}

void setUpApplication()
{
    QGuiApplication::setDesktopFileName(RODS_APP_ID);
    QApplication::setWindowIcon(programIcon());
}

} // namespace rods
