#include "window/form_controls.h"

#include "board/geometry.h"
#include "window/board_surface.h"
#include "window/digit_label.h"
#include "window/etched_frame.h"
#include "window/layout.h"
#include "window/text_box.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

namespace rods {
namespace {

// The family the layout names. Liberation Sans, metric-compatible with Arial,
// is the closest face Debian ships and fits every caption in its control;
// without it fontconfig picks its own default.
constexpr const char* FontFamily = "MS Sans Serif";
constexpr const char* SubstituteFamily = "Liberation Sans";

// Edges are rounded rather than sizes, so that neighbours never drift apart.
QRect toPixels(int left, int top, int width, int height)
{
    auto px = [](int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; };
    return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

Qt::Alignment alignmentOf(layout::Align align)
{
    return align == layout::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

void applyFont(QWidget* widget, const layout::Font& item)
{
    if (item.points <= 0.0)
        return;
    QFont font(FontFamily);
    font.setPointSizeF(item.points);
    font.setBold(item.bold);
    widget->setFont(font);
}

QString indexedName(const char* name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }

template <typename T> T* withName(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

FormControls::FormControls(QWidget* window)
{
    QFont::insertSubstitution(FontFamily, SubstituteFamily);
    QFont windowFont(FontFamily);
    windowFont.setPointSizeF(8.25);
    window->setFont(windowFont);
    // A line edit lays its text out while it is being made, before it takes
    // its parent's font: with the desktop's font, which would load a third
    // face at start for nothing. While the controls are made, the
    // application's font is the window's.
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(windowFont);

    std::map<QString, QWidget*> byName;
    std::vector<std::pair<int, QWidget*>> tabStops;

    for (const layout::Control& item : layout::Controls) {
        const QString name = item.name;
        const QString caption = item.caption;
        QWidget* widget = nullptr;
        switch (item.kind) {
        case layout::Kind::TextBox:
            widget = withName(new TextBox(caption, alignmentOf(item.align), window), name);
            break;
        case layout::Kind::Board:
            widget = withName(new BoardSurface(window), name);
            break;
        case layout::Kind::Button: {
            auto* button = withName(new QPushButton(caption, window), name);
            button->setAutoDefault(false);
            widget = button;
            break;
        }
        case layout::Kind::Label: {
            auto* label = withName(new QLabel(caption, window), name);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setAutoFillBackground(true);
            label->setBackgroundRole(QPalette::Button);
            widget = label;
            break;
        }
        case layout::Kind::Frame:
            widget = withName(new EtchedFrame(caption, window), name);
            break;
        case layout::Kind::List:
            widget = withName(new QListWidget(window), name);
            break;
        }
        widget->setGeometry(toPixels(item.left, item.top, item.width, item.height));
        applyFont(widget, item.font);
        byName[name] = widget;
        widget->setProperty(TabIndexProperty, item.tabIndex);
        if (widget->focusPolicy() != Qt::NoFocus)
            tabStops.emplace_back(item.tabIndex, widget);
    }

    text1 = static_cast<TextBox*>(byName.at("Text1"));
    text2 = static_cast<TextBox*>(byName.at("Text2"));
    picture1 = static_cast<BoardSurface*>(byName.at("Picture1"));
    command1 = static_cast<QPushButton*>(byName.at("Command1"));
    command2 = static_cast<QPushButton*>(byName.at("Command2"));
    command3 = static_cast<QPushButton*>(byName.at("Command3"));
    command4 = static_cast<QPushButton*>(byName.at("Command4"));
    command5 = static_cast<QPushButton*>(byName.at("Command5"));
    list1 = static_cast<QListWidget*>(byName.at("List1"));

    for (const layout::ControlArray& item : layout::Arrays) {
        QWidget* container = byName.at(item.container);
        const QPoint origin = container->contentsRect().topLeft();
        for (int i = 0; i < item.count; ++i) {
            const QString name = indexedName(item.name, i);
            const QRect place = toPixels(item.left + i * item.leftStep, item.top, item.width, item.height);
            if (item.kind == layout::Kind::TextBox) {
                auto* box = withName(new TextBox(item.name, alignmentOf(item.align), container), name);
                box->setGeometry(place);
                box->setProperty(TabIndexProperty, layout::tabIndex(item, i));
                (QString(item.name) == "Text3" ? text3 : text4).push_back(box);
                tabStops.emplace_back(layout::tabIndex(item, i), box);
            } else {
                auto* label = withName(new DigitLabel(item.name, place.size(), origin, container), name);
                label->setProperty(TabIndexProperty, layout::tabIndex(item, i));
                labels(QString(item.name) == "Label1"   ? LabelArray::Label1
                       : QString(item.name) == "Label2" ? LabelArray::Label2
                                                        : LabelArray::Label4)
                    .push_back(label);
            }
        }
    }
    // Element 0 of the digit arrays shows the board's own background.
    label1.front()->setBackColor(SystemColor::WindowBackground);
    label2.front()->setBackColor(SystemColor::WindowBackground);

    std::sort(tabStops.begin(), tabStops.end());
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    text1->setFocus();
    QApplication::setFont(desktopFont);
}

LabelControl& FormControls::label(LabelArray array, int index)
{
    return *labels(array).at(static_cast<std::size_t>(index));
}

TextControl& FormControls::multiplierBox(int index) { return *text3.at(static_cast<std::size_t>(index)); }

DrawingSurface& FormControls::surface() { return *picture1; }

std::vector<DigitLabel*>& FormControls::labels(LabelArray array)
{
    switch (array) {
    case LabelArray::Label1:
        return label1;
    case LabelArray::Label2:
        return label2;
    case LabelArray::Label4:
        break;
    }
    return label4;
}

} // namespace rods
