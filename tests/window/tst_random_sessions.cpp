// Seeded random sessions against the real window: typed texts of every kind,
// clicks on OK, "Done when finished", GO and Clear, the working of a listed
// product opened and stepped through, and after every event a comparison
// with an independent model of what the window must show.
//
// RODS_SESSIONS sets the number of sessions (2,000 by default), RODS_SEED the
// first seed; a failure names the seed and the events that led to it.
#include "session_model.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace rods;

namespace {

const QStringList Unusual{"é", "٧", "中", "😀", "\u00a0", "\u200b", "７", "½", "\u0301", "e", "E", "inf", "NaN", "0x"};

QString randomText(QRandomGenerator& rng)
{
    const int kind = int(rng.bounded(100));
    if (kind < 35)
        return QString::number(rng.bounded(10));
    if (kind < 55) {
        // A well-formed number, often a digit in another spelling.
        QString text;
        if (rng.bounded(4) == 0)
            text += " ";
        if (rng.bounded(4) == 0)
            text += rng.bounded(2) ? "+" : "-";
        const int digits = int(rng.bounded(4));
        for (int i = 0; i < digits; ++i)
            text += QChar('0' + int(rng.bounded(10)));
        if (rng.bounded(3) == 0)
            text += "." + QString::number(rng.bounded(3) == 0 ? 5 : 0);
        if (text.isEmpty() || !text.back().isDigit())
            text += QChar('0' + int(rng.bounded(10)));
        if (rng.bounded(5) == 0)
            text += QString("e%1%2").arg(rng.bounded(2) ? "-" : "").arg(rng.bounded(rng.bounded(4) == 0 ? 400 : 3));
        if (rng.bounded(4) == 0)
            text += "\t";
        return text;
    }
    if (kind < 85) {
        const QString alphabet = "0123456789 +-.eE\tabxINF,";
        QString text;
        const int length = int(rng.bounded(12));
        for (int i = 0; i < length; ++i)
            text += rng.bounded(6) == 0 ? Unusual[int(rng.bounded(Unusual.size()))]
                                        : QString(alphabet[int(rng.bounded(alphabet.size()))]);
        return text;
    }
    if (kind < 97)
        return QString(int(rng.bounded(3)), ' ');
    // Very long: a run of one character, sometimes a megabyte.
    const int length = rng.bounded(10) == 0 ? (1 << 20) : int(rng.bounded(1000, 100000));
    return QString(length, QString("7 0x.")[int(rng.bounded(5))]);
}

QString describe(const QString& text)
{
    return text.size() > 40 ? QString("<%1 x '%2'>").arg(text.size()).arg(text.front()) : "'" + text + "'";
}

template <std::size_t N>
QString captionDifference(const char* array, const std::vector<DigitLabel*>& labels,
                          const std::array<QString, N>& expected)
{
    for (std::size_t i = 0; i < N; ++i)
        if (labels[i]->text() != expected[i])
            return QString("%1(%2) shows '%3', expected '%4'").arg(array).arg(i).arg(labels[i]->text(), expected[i]);
    return {};
}

// What differs between the window and the model, or nothing.
QString difference(WindowDriver& driver, const SessionModel& model)
{
    FormControls& controls = driver.controls();
    if (driver.board().RodCount() != model.rods.size() || driver.board().RodCount() > 8)
        return QString("rod count %1, expected %2").arg(driver.board().RodCount()).arg(model.rods.size());
    if (driver.message() != model.message)
        return QString("message '%1', expected '%2'").arg(driver.message(), model.message);
    const QStringList items = driver.listItems();
    if (items.size() != model.list.size())
        return QString("%1 list items, expected %2").arg(items.size()).arg(model.list.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const auto approximate = model.approximateItems[std::size_t(i)];
        if (!approximate && items[i] != model.list[i])
            return QString("item %1 is '%2', expected '%3'").arg(i).arg(items[i], model.list[i]);
        if (approximate) {
            bool ok = false;
            const double shown = items[i].toDouble(&ok);
            const double tolerance = std::max(std::fabs(*approximate) * 1e-14, 1e-300);
            if (!ok || std::fabs(shown - *approximate) > tolerance)
                return QString("item %1 is '%2', expected about %3").arg(i).arg(items[i]).arg(*approximate, 0, 'g', 17);
        }
    }
    for (const QString& differs : {captionDifference("Label1", controls.label1, model.label1),
                                   captionDifference("Label2", controls.label2, model.label2),
                                   captionDifference("Label4", controls.label4, model.label4)})
        if (!differs.isEmpty())
            return differs;
    for (std::size_t i = 0; i < model.text3.size(); ++i)
        if (controls.text3[i]->QLineEdit::text() != model.text3[i])
            return QString("Text3(%1) shows '%2'").arg(i).arg(controls.text3[i]->QLineEdit::text());
    if (model.focusBox >= 0 && QApplication::focusWidget() != controls.text4[std::size_t(model.focusBox)])
        return QString("the cursor is not in Text4(%1)").arg(model.focusBox);
    return {};
}

// What a learner's answer says as a number: its digits with blanks left out
// and no leading zeros; empty when it holds anything else.
QString answerValue(const QString& typed)
{
    QString digits;
    for (QChar c : typed) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        if (c < '0' || c > '9')
            return {};
        digits += c;
    }
    while (digits.size() > 1 && digits.startsWith('0'))
        digits.remove(0, 1);
    return digits;
}

// Works the product in "Work it yourself": each step answered right, wrong or
// shown at random, the right answers worked out by integer arithmetic. What
// differs, or nothing.
QString workItYourself(WindowDriver& driver, WorkingWindow* working, const SessionModel::Factors& factors,
                       QRandomGenerator& rng, QStringList& log)
{
    const QString& multiplicand = *factors.multiplicand;
    const quint64 multiplier = factors.rods.toULongLong();
    auto* box = working->findChild<QLineEdit*>("Answer");
    auto* hint = working->findChild<QPlainTextEdit*>("Hint");
    for (int step = 0; step < working->stepCount(); ++step) {
        if (working->step() != step)
            return QString("the working is at step %1, expected %2").arg(working->step() + 1).arg(step + 1);
        const qsizetype place = multiplicand.size() - 1 - step;
        const QString right =
            place >= 0 ? QString::number(multiplier * quint64(multiplicand[place].digitValue())) : factors.exactProduct;
        for (int tries = 0;; ++tries) {
            const int kind = tries >= 3 ? 0 : int(rng.bounded(4));
            if (kind == 3) {
                log << QString("Show answer at step %1").arg(step + 1);
                QTest::mouseClick(working->findChild<QPushButton*>("ShowAnswer"), Qt::LeftButton);
                if (box->text() != right)
                    return QString("step %1 shows the answer '%2', expected %3").arg(step + 1).arg(box->text(), right);
                break;
            }
            QString typed = kind == 0 ? right : kind == 2 ? randomText(rng) : right;
            if (kind == 1) {
                const auto at = qsizetype(rng.bounded(quint32(typed.size())));
                typed[at] = QChar('0' + (typed[at].digitValue() + 1 + int(rng.bounded(9))) % 10);
            }
            driver.type(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
            log << QString("Answer %1 at step %2").arg(describe(box->text())).arg(step + 1);
            const bool isRight = answerValue(box->text()) == right;
            if (hint->toPlainText().isEmpty() || hint->toPlainText().startsWith("Right!") != isRight)
                return QString("the answer '%1' to step %2 got '%3'")
                    .arg(box->text())
                    .arg(step + 1)
                    .arg(hint->toPlainText());
            if (isRight)
                break;
        }
        if (step + 1 < working->stepCount())
            QTest::mouseClick(working->findChild<QPushButton*>("Next"), Qt::LeftButton);
    }
    return {};
}

// Whether each board place shows a drawn rod, read from the board's pixels at
// the middle of a rod's top and bottom lines (rods 930 twips wide on a pitch
// of 1030, from y 200 to 7200). What differs, or nothing.
QString drawingDifference(WindowDriver& driver, const SessionModel& model)
{
    const QImage board = driver.grabBoard();
    for (int slot = 0; slot < 9; ++slot) {
        const double middle = 1030 * slot + 440;
        const bool shown = driver.darkNear(board, middle, 200, 0) && driver.darkNear(board, middle, 7200, 0);
        if (shown != model.drawn[std::size_t(slot)])
            return QString("board place %1 is %2drawn").arg(slot).arg(shown ? "" : "not ");
    }
    return {};
}

// What a box shows after typing must be what was typed, or for a very long
// paste its beginning. What differs, or nothing.
QString typingDifference(const QString& typed, const QString& shown)
{
    if (shown == typed || (typed.size() > 200 && !shown.isEmpty() && typed.startsWith(shown)))
        return {};
    return QString("typed %1, the box shows %2").arg(describe(typed), describe(shown));
}

// Opens the working of a random product, steps through it by keys and checks
// it against the model; then closes it and gives the main window back its
// keyboard. What differs, or nothing.
QString workThrough(WindowDriver& driver, const SessionModel& model, QRandomGenerator& rng, QStringList& log)
{
    const int row = int(rng.bounded(model.list.size()));
    const bool byEnter = rng.bounded(2) == 0;
    log << QString("Working of item %1 (%2)").arg(row).arg(byEnter ? "Enter" : "double-click");
    WorkingWindow* working = byEnter ? driver.enterOnProduct(row) : driver.doubleClickProduct(row);
    if (working == nullptr || !working->isVisible())
        return "the Working window did not open";
    const SessionModel::Factors& factors = model.factors[std::size_t(row)];
    if (!working->windowTitle().startsWith("Working: " + factors.rods + " × "))
        return QString("the Working window's title is '%1'").arg(working->windowTitle());
    // A step for each digit of the multiplicand, and one to add the rows
    // where two or more of them are not 0.
    int steps = 0;
    if (factors.multiplicand) {
        const qsizetype nonZeroRows =
            factors.rods.toULongLong() == 0 ? 0 : factors.multiplicand->count(QRegularExpression("[1-9]"));
        steps = int(factors.multiplicand->size()) + (nonZeroRows >= 2 ? 1 : 0);
    }
    if (working->stepCount() != steps)
        return QString("%1 steps, expected %2").arg(working->stepCount()).arg(steps);
    auto* mode = working->findChild<QCheckBox*>("WorkItYourself");
    if (rng.bounded(3) == 0) {
        log << "Work it yourself " + QString(mode->isChecked() ? "off" : "on");
        mode->click();
    }
    if (mode->isChecked() && factors.multiplicand) {
        const QString differs = workItYourself(driver, working, factors, rng, log);
        if (!differs.isEmpty())
            return differs;
    }
    const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Home, Qt::Key_End};
    for (int press = int(rng.bounded(4)); press > 0; --press)
        QTest::keyClick(working, keys[rng.bounded(4)]);
    QTest::keyClick(working, Qt::Key_End);
    const QString last = working->findChild<QPlainTextEdit*>("Explanation")->toPlainText();
    if (factors.multiplicand && !last.contains(" × " + *factors.multiplicand + " = " + factors.exactProduct))
        return QString("the last step says '%1', expected the product %2").arg(last, factors.exactProduct);
    QTest::keyClick(working, Qt::Key_Escape);
    if (working->isVisible())
        return "Escape did not close the Working window";
    driver.window().activateWindow();
    if (!QTest::qWaitForWindowActive(&driver.window()))
        return "the main window did not become active again";
    return {};
}

} // namespace

class TestRandomSessions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sessionsMatchTheModel();
};

void TestRandomSessions::sessionsMatchTheModel()
{
    const int sessions =
        qEnvironmentVariableIsSet("RODS_SESSIONS") ? qEnvironmentVariableIntValue("RODS_SESSIONS") : 2000;
    const quint32 firstSeed = quint32(qEnvironmentVariableIntValue("RODS_SEED"));
    int events = 0;
    for (int session = 0; session < sessions; ++session) {
        const quint32 seed = firstSeed + quint32(session);
        QRandomGenerator rng(seed);
        WindowDriver driver;
        SessionModel model;
        QStringList log;
        const int length = int(rng.bounded(1, 40));
        for (int event = 0; event < length; ++event, ++events) {
            const int kind = int(rng.bounded(100));
            model.focusBox = -1; // only the press of GO that refuses a box moves the cursor
            if (kind < 30) {
                const QString text = randomText(rng);
                log << "Text1 " + describe(text);
                driver.type(driver.controls().text1, text);
                const QString shown = driver.controls().text1->QLineEdit::text();
                if (const QString differs = typingDifference(text, shown); !differs.isEmpty())
                    QFAIL(qPrintable(QString("seed %1: %2\nafter: %3").arg(seed).arg(differs, log.join(", "))));
                model.typeEntry(shown);
            } else if (kind < 55) {
                log << "OK";
                driver.pressOk();
                model.pressOk();
            } else if (kind < 75) {
                const int box = int(rng.bounded(7));
                const QString text = rng.bounded(3) == 0 ? randomText(rng) : QString::number(rng.bounded(10));
                log << QString("Text4(%1) %2").arg(box).arg(describe(text));
                driver.type(driver.controls().text4[std::size_t(box)], text);
                const QString shown = driver.controls().text4[std::size_t(box)]->QLineEdit::text();
                if (const QString differs = typingDifference(text, shown); !differs.isEmpty())
                    QFAIL(qPrintable(QString("seed %1: %2\nafter: %3").arg(seed).arg(differs, log.join(", "))));
                model.typeMultiplicand(box, shown);
            } else if (kind < 83) {
                log << "Done";
                driver.pressDone();
                model.pressDone();
            } else if (kind < 93) {
                log << "GO";
                driver.pressGo();
                model.pressGo();
            } else if (kind < 96) {
                if (model.list.isEmpty())
                    continue;
                const QString differs = workThrough(driver, model, rng, log);
                if (!differs.isEmpty())
                    QFAIL(qPrintable(QString("seed %1: %2\nafter: %3").arg(seed).arg(differs, log.join(", "))));
            } else {
                log << "Clear";
                driver.pressClear();
                model.pressClear();
            }
            QString differs = difference(driver, model);
            // The board's pixels cost a grab: after each Clear, and at the end.
            if (differs.isEmpty() && (log.last() == "Clear" || event + 1 == length))
                differs = drawingDifference(driver, model);
            if (!differs.isEmpty())
                QFAIL(qPrintable(QString("seed %1: %2\nafter: %3").arg(seed).arg(differs, log.join(", "))));
        }
    }
    qInfo("%d sessions, %d events, first seed %u", sessions, events, firstSeed);
}

QTEST_MAIN(TestRandomSessions)
#include "tst_random_sessions.moc"
