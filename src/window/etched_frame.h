#pragma once

#include <QGroupBox>

namespace rods {

// A frame with a caption, its border drawn as an etched line. Styles that
// draw a group box's border from an image file (Fusion does) would make the
// first paint ask every image plugin whether it can read that file, loading
// each plugin and the libraries behind it; this border needs no file.
class EtchedFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace rods
