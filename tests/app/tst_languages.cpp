#include "app/catalogues.h"
#include "tutor/problems/problem.h"
#include "window/window_driver.h"
#include "working_window/class_window.h"
#include "working_window/worksheet_dialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace rods;

namespace {

// What a text shows outside the pseudo-language's marks: every marked text
// comes wrapped in ⟦ ⟧, a sentence put into a sentence wrapped twice, so
// the marks are taken away innermost first. What is left may hold digits,
// signs, blanks and punctuation, but no letter: a letter there is a word
// nobody marked.
QString unmarked(QString text)
{
    static const QRegularExpression innermost(QString::fromUtf8("\u27e6[^\u27e6\u27e7]*\u27e7"));
    for (QString before; before != text;) {
        before = text;
        text.replace(innermost, " ");
    }
    static const QRegularExpression letter("\\p{L}");
    return text.contains(letter) ? text.simplified() : QString();
}

// Every text of the application's windows a person reads or hears: each
// widget's text, tooltip, placeholder, accessible name and description, the
// windows' titles, the entries of drop-downs and menus. The fixed main
// window's own captions and names stay as designed; its descriptions count.
QStringList shownTexts(const QWidget* board)
{
    QStringList texts;
    for (QWidget* widget : QApplication::allWidgets()) {
        const bool onBoard = widget == board || board->isAncestorOf(widget);
        if (!onBoard) {
            if (widget->isWindow())
                texts << widget->windowTitle();
            texts << widget->toolTip() << widget->accessibleName();
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts << label->text();
            // A dialog's standard buttons speak Qt's own words, from Qt's
            // catalogue (the Arabic test reads one).
            auto* buttons = qobject_cast<QDialogButtonBox*>(widget->parentWidget());
            if (auto* button = qobject_cast<QAbstractButton*>(widget);
                button != nullptr
                && (buttons == nullptr || buttons->standardButton(button) == QDialogButtonBox::NoButton))
                texts << button->text();
            // So do a tab bar's scroll buttons.
            if (qobject_cast<QTabBar*>(widget->parentWidget()))
                texts.removeAll(widget->accessibleName());
            if (auto* box = qobject_cast<QLineEdit*>(widget))
                texts << box->placeholderText();
            if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
                texts << text->toPlainText();
            // The pupils' names are theirs, not words of the program.
            if (auto* choices = qobject_cast<QComboBox*>(widget); choices && choices->objectName() != "Pupil")
                for (int i = 0; i < choices->count(); ++i)
                    texts << choices->itemText(i);
            if (auto* menu = qobject_cast<QMenu*>(widget))
                for (QAction* action : menu->actions())
                    texts << action->text() << action->toolTip();
        }
        texts << widget->accessibleDescription();
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyWordIsMarked();
    void helpAndPaperAreMarked();

private:
    QStringList found_;
    void look(const QWidget* board, const char* where);
};

void TestLanguages::initTestCase()
{
    QVERIFY2(builtInLanguages().contains("pseudo"), "the test build has the pseudo-language");
    loadWords("pseudo");
    loadToolkitWords("pseudo");
}

void TestLanguages::look(const QWidget* board, const char* where)
{
    for (const QString& text : shownTexts(board))
        if (const QString left = unmarked(text); !left.isEmpty() && !found_.contains(left))
            found_ << QString("%1: \"%2\"").arg(where, left);
}

// A product and a long division watched step by step and worked with slips
// of every kind a hint names, the dialogs opened: not a word unmarked.
void TestLanguages::everyWordIsMarked()
{
    WindowDriver driver;
    QWidget* board = &driver.window();
    driver.enterRods("307");
    driver.pressDone();
    driver.setMultiplicand("000012");
    driver.pressGo();
    WorkingWindow* w = driver.doubleClickProduct(0);
    QVERIFY(w != nullptr);
    look(board, "watching 307 x 12");
    for (int step = 0; step < w->stepCount(); ++step) {
        w->goToStep(step);
        look(board, "a step of 307 x 12");
    }
    auto* answer = w->findChild<QLineEdit*>("Answer");
    auto type = [&](const QString& typed, const char* where) {
        answer->setText(typed);
        QTest::keyClick(answer, Qt::Key_Return);
        look(board, where);
    };
    w->findChild<QCheckBox*>("WorkItYourself")->setChecked(true);
    // 307 x 2 = 614: a carry that is not there, a digit left out, a letter,
    // two digits swapped, then right; 307 x 1; the sum with a column wrong.
    for (const char* typed : {"624", "64", "6l4", "641", "614"})
        type(typed, "working 307 x 12");
    w->goToStep(1);
    type("307", "working 307 x 12");
    w->goToStep(2);
    for (const char* typed : {"3674", "36840", "3684"})
        type(typed, "the sum of 307 x 12");
    // 379 x 6 = 2274: the whole 12 written in one place; a carry forgotten.
    const ProblemRead product = readProblem("379 × 6");
    w->showProblem(*product.problem);
    for (const char* typed : {"21274", "2174", "2274"})
        type(typed, "working 379 x 6");

    // 98765 / 43 = 2296 remainder 37, worked with slips; and watched.
    const ProblemRead division = readProblem("98765 ÷ 43");
    w->showProblem(*division.problem);
    for (const char* typed : {"1", "0", "3", "2", "22", "12"})
        type(typed, "working 98765 / 43");
    for (int step = 0; step < 12 && w->step() + 1 < w->stepCount(); ++step) {
        QTest::keyClick(w, Qt::Key_PageDown);
        type("9", "working 98765 / 43");
        type("0", "working 98765 / 43");
    }
    w->findChild<QCheckBox*>("WorkItYourself")->setChecked(false);
    for (int step = 0; step < w->stepCount(); ++step) {
        w->goToStep(step);
        look(board, "a step of 98765 / 43");
    }
    // A problem with no working, and one refused.
    w->showProblem(*readProblem("307 × 0").problem);
    look(board, "307 x 0");

    // The dialogs and menus the window opens.
    WorksheetDialog* sheet = w->worksheetDialog();
    sheet->show();
    look(board, "the worksheet dialog");
    sheet->close();
    w->showProgress();
    look(board, "the progress window");
    w->showClass();
    look(board, "the class window");
    w->classWindow()->findChild<QTabWidget*>()->setCurrentIndex(1);
    look(board, "the class window's set");
    QVERIFY2(found_.isEmpty(), qPrintable(found_.join('\n')));
}

// --help and a worksheet with its key, as the program writes them.
void TestLanguages::helpAndPaperAreMarked()
{
    QProcess help;
    help.start(RODS_PROGRAM, {"--language", "pseudo", "--help"});
    QVERIFY(help.waitForFinished(30000));
    QCOMPARE(help.exitCode(), 0);
    QStringList left;
    // Option names are the program's interface, not words to translate. A
    // marked text may wrap over lines: the marks are matched across them.
    QString helpText = QString::fromUtf8(help.readAllStandardOutput());
    helpText.remove(QRegularExpression("-{1,2}[a-z][a-z-]*|<[^>]*>"));
    if (const QString rest = unmarked(helpText); !rest.isEmpty())
        left << "--help: " + rest;

    QTemporaryDir folder;
    const QString pdf = folder.filePath("sheet.pdf");
    QProcess paper;
    paper.start(RODS_PROGRAM, {"--language", "pseudo", "--worksheet", "--operation", "mixed", "--level", "3", "--count",
                               "6", "--title", "1", "--output", pdf});
    QVERIFY(paper.waitForFinished(30000));
    QCOMPARE(paper.exitCode(), 0);
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished(30000));
    if (const QString rest = unmarked(QString::fromUtf8(text.readAllStandardOutput())); !rest.isEmpty())
        left << "worksheet: " + rest;
    QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
