// Works a problem in the real window and saves a picture of it, and with a
// fourth argument a picture of the product's working at its second step, with
// a fifth one the first step worked by a learner after a slip:
//   numbering-rods-screenshot out.png [digits] [multiplicand] [working.png]
//                             [yourself.png [slip]]
#include "window/board_surface.h"
#include "window/form1.h"
#include "window/text_box.h"
#include "working_window/working_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: numbering-rods-screenshot out.png [digits] [multiplicand]");
        return 2;
    }
    const QString digits = args.value(2, "345");
    const QString multiplicand = args.value(3, "000012");
    rods::Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    rods::FormControls& controls = window.controls();
    for (QChar digit : digits) {
        controls.text1->selectAll();
        QTest::keyClicks(controls.text1, QString(digit));
        QTest::mouseClick(controls.command1, Qt::LeftButton);
    }
    QTest::mouseClick(controls.command2, Qt::LeftButton);
    for (int i = 0; i < 6 && i < multiplicand.size(); ++i) {
        rods::TextBox* box = controls.text4.at(static_cast<std::size_t>(i + 1));
        box->selectAll();
        QTest::keyClicks(box, QString(multiplicand.at(i)));
    }
    QTest::mouseClick(controls.command4, Qt::LeftButton);
    if (!window.grab().save(args.at(1)))
        return 1;
    if (args.size() < 5)
        return 0;
    QListWidgetItem* product = controls.list1->item(controls.list1->count() - 1);
    const QPoint middle = controls.list1->visualItemRect(product).center();
    // A double-click is a press followed by a double-click event.
    QTest::mousePress(controls.list1->viewport(), Qt::LeftButton, {}, middle);
    QTest::mouseDClick(controls.list1->viewport(), Qt::LeftButton, {}, middle);
    rods::WorkingWindow* working = window.workingWindow();
    if (working == nullptr || !QTest::qWaitForWindowExposed(working))
        return 1;
    working->goToStep(1);
    if (!working->grab().save(args.at(4)))
        return 1;
    if (args.size() < 6)
        return 0;
    auto* mode = working->findChild<QCheckBox*>("WorkItYourself");
    auto* answer = working->findChild<QLineEdit*>("Answer");
    if (mode == nullptr || answer == nullptr)
        return 1;
    mode->setChecked(true);
    QTest::keyClicks(answer, args.value(6, "624"));
    QTest::keyClick(answer, Qt::Key_Return);
    QTest::qWait(50); // the layout settles around the answer panel
    return working->grab().save(args.at(5)) ? 0 : 1;
}
