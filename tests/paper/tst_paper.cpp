// The tutor on paper, read back from the files as a teacher's viewer would
// see them: worksheets (their problems, answer key and set) and the working
// of a problem as PDF, a step as PNG, the cut-out rods measured on the page;
// the command line's refusals; the Working window's paper menu and dialog.
#include "paper/pdf_reading.h"
#include "tutor/problems/problem_list.h"
#include "tutor/problems/problem_sets.h"
#include "tutor/problems/worksheet.h"
#include "tutor/session/lesson.h"
#include "working_window/working_window.h"
#include "working_window/worksheet_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace rods;

namespace {

__extension__ using Wide = unsigned __int128;

// Products in 128 bits, worked apart from the program's rods.
QString times(quint64 a, quint64 b)
{
    Wide left = static_cast<Wide>(a) * b;
    QString digits;
    do {
        digits.prepend(QChar('0' + static_cast<int>(left % 10)));
        left /= 10;
    } while (left != 0);
    return digits;
}

} // namespace

class TestPaper : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     "poppler-utils is needed: scripts/install-deps.sh test installs it");
        QVERIFY(folder_.isValid());
        QFile list(folder_.filePath("class.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("# Tuesday\n307 × 12\n3684 ÷ 12\n");
    }

    // Hand-worked keys, and every level's sheet against exact arithmetic.
    void answerKeys()
    {
        const WorksheetProblem product = worksheetProblem(*readProblem("307 × 12").problem);
        QCOMPARE(product.text, "307 × 12 =");
        QCOMPARE(product.answer, "307 × 12 = 3684");
        QCOMPARE(product.partials, "614 + 3070");
        QCOMPARE(product.workingLines, 3);
        const WorksheetProblem division = worksheetProblem(*readProblem("3684 ÷ 12").problem);
        QCOMPARE(division.answer, "3684 ÷ 12 = 307 remainder 0");
        QCOMPARE(division.partials, "36, 0, 84");
        QCOMPARE(worksheetProblem(*readProblem("7000 ÷ 9").problem).answer, "7000 ÷ 9 = 777 remainder 7");
        QCOMPARE(worksheetProblem(*readProblem("578 × 4").problem).partials, ""); // one row is the product

        for (Operation operation : {Operation::Multiply, Operation::Divide})
            for (const Level& level : levels(operation))
                for (int set : {1, 4711, 99'999}) {
                    const Worksheet sheet = levelWorksheet(level, set, 25);
                    QCOMPARE(sheet.problems.size(), 25u);
                    for (const WorksheetProblem& problem : sheet.problems) {
                        const quint64 rods = rodsNumber(problem.problem.rods);
                        const quint64 number = problem.problem.number;
                        const QString text = QString::fromStdString(problem.answer);
                        if (operation == Operation::Multiply)
                            QCOMPARE(text, QString("%1 × %2 = %3").arg(rods).arg(number).arg(times(rods, number)));
                        else
                            QCOMPARE(text, QString("%1 ÷ %2 = %3 remainder %4")
                                               .arg(number)
                                               .arg(rods)
                                               .arg(number / rods)
                                               .arg(number % rods));
                    }
                }
        // × and ÷ in turn, each from its own level's sets: the 11th product
        // is the 2nd set's first.
        const Worksheet mixed = mixedWorksheet(3, 4711, 22);
        QCOMPARE(mixed.source, "Sets 4711 and 4712");
        for (const std::size_t i : {0u, 1u, 20u, 21u}) {
            const Level& level = levels(i % 2 == 0 ? Operation::Multiply : Operation::Divide)[2];
            QCOMPARE(problemText(mixed.problems[i].problem), problemText(problemSet(level, i < 20 ? 4711 : 4712)[0]));
        }

        // Past ten, the next set's problems; after the last set, the first.
        const Level& third = levels(Operation::Multiply)[2];
        const Worksheet sheet = levelWorksheet(third, 99'999, 12);
        QCOMPARE(sheet.source, "Sets 99999 and 1");
        QCOMPARE(problemText(sheet.problems[10].problem), problemText(problemSet(third, 1)[0]));
    }

    // The issue's own command, read back: twelve level-3 problems, the set
    // named, the answer key on the last page with every answer right.
    void worksheetFromTheCommandLine()
    {
        const QString pdf = folder_.filePath("sheet.pdf");
        const Run made = program({"--worksheet", "--level", "3", "--count", "12", "--set", "4711", "--output", pdf});
        QCOMPARE(made.status, 0);
        const int pages = pageCount(pdf);
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        QVERIFY(run("pdfinfo", {pdf}).out.contains("(A4)"));
        const QString sheet = pdfText(pdf, 1, pages - 1);
        QVERIFY(sheet.contains("Name"));
        QVERIFY(sheet.contains("Multiplication, level 3: 3 rods × 1 digit, with carries"));
        QVERIFY(sheet.contains("Sets 4711 and 4712"));
        QVERIFY(sheet.contains("1. 578 × 4 ="));
        QVERIFY(!sheet.contains("Answer key"));
        const QString key = pdfText(pdf, pages, pages);
        QVERIFY(key.startsWith("Answer key"));
        const QRegularExpression answer(R"((\d+)\. (\d+) × (\d) = (\d+))");
        int answers = 0;
        for (auto match = answer.globalMatch(key); match.hasNext(); ++answers) {
            const QRegularExpressionMatch found = match.next();
            QCOMPARE(found.captured(1).toInt(), answers + 1);
            QCOMPARE(found.captured(4), times(found.captured(2).toULongLong(), found.captured(3).toULongLong()));
        }
        QCOMPARE(answers, 12);
        QVERIFY(key.contains("1. 578 × 4 = 2312"));

        // A division sheet and a teacher's list.
        const QString divisions = folder_.filePath("divide.pdf");
        QCOMPARE(
            program({"--worksheet", "--operation", "divide", "--level", "1", "--count", "3", "--output", divisions})
                .status,
            0);
        QVERIFY(pdfText(divisions).contains("Division, level 1"));
        const QString fromList = folder_.filePath("list.pdf");
        QCOMPARE(program({"--worksheet", "--problems", folder_.filePath("class.txt"), "--output", fromList}).status, 0);
        const QString text = pdfText(fromList);
        QVERIFY(text.contains("From the list class.txt"));
        QVERIFY(text.contains("307 × 12 = 3684 Rows added: 614 + 3070"));
        QVERIFY(text.contains("3684 ÷ 12 = 307 remainder 0 Taken away: 36, 0, 84"));
    }

    // The whole working of the largest product and of a long division, and
    // a step as a picture with its row lit across every rod.
    void workingOnPaper()
    {
        const QString large = folder_.filePath("large.pdf");
        QCOMPARE(program({"--work", "98765432 × 123456", "--output", large}).status, 0);
        const QString text = pdfText(large);
        for (int step = 1; step <= 7; ++step)
            QVERIFY2(text.contains(QString("Step %1 of 7").arg(step)), qPrintable(QString::number(step)));
        QVERIFY(text.contains(times(98'765'432, 123'456)));
        QVERIFY(pageCount(large) >= 3);

        const QString division = folder_.filePath("division.pdf");
        QCOMPARE(program({"--work", "3684 ÷ 12", "--output", division}).status, 0);
        QVERIFY(pdfText(division).contains("Step 5 of 5"));

        const QString png = folder_.filePath("step.png");
        QCOMPARE(program({"--work", "307 × 12", "--output", png}).status, 0);
        const QImage image(png);
        QVERIFY(image.width() >= 1600);
        // Row 2 lit across the three rods and the index rod: along a line of
        // pixels just under the row's top, four long runs of the light split
        // by the rods' sides (the cells' diagonals end at their top right).
        const QColor light(0xff, 0xd8, 0x6b);
        int litLine = -1;
        for (int y = 0; y < image.height() && litLine < 0; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == light) {
                    litLine = y + 3;
                    break;
                }
        QVERIFY(litLine > 0);
        int runs = 0;
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = image.pixelColor(x, litLine) == light ? run + 1 : 0;
            runs += run == 40 ? 1 : 0;
        }
        QCOMPARE(runs, 4);

        // Slides of any step: 307 x 12 reads row 2, then row 1 (higher on
        // the rods), then adds its rows in columns, with no row lit.
        auto litRow = [&light](const QImage& slide) {
            for (int y = 0; y < slide.height(); ++y)
                for (int x = 0; x < slide.width(); ++x)
                    if (slide.pixelColor(x, y) == light)
                        return y;
            return -1;
        };
        const QString slides = folder_.filePath("slide.png");
        QCOMPARE(program({"--work", "307 × 12", "--output", slides, "--all-steps"}).status, 0);
        QVERIFY(!QFile::exists(slides) && !QFile::exists(folder_.filePath("slide-4.png")));
        const int row2 = litRow(QImage(folder_.filePath("slide-1.png")));
        const int row1 = litRow(QImage(folder_.filePath("slide-2.png")));
        QVERIFY2(row1 > 0 && row2 > row1, qPrintable(QString("%1, %2").arg(row1).arg(row2)));
        QCOMPARE(litRow(QImage(folder_.filePath("slide-3.png"))), -1);
        const QString second = folder_.filePath("second.png");
        QCOMPARE(program({"--work", "307 × 12", "--output", second, "--step", "2"}).status, 0);
        QCOMPARE(QImage(second), QImage(folder_.filePath("slide-2.png")));
        // Sixteen steps are numbered in two figures, so that they sort.
        QCOMPARE(program({"--work", "99999999 × 999999999999999", "--output", slides, "--all-steps"}).status, 0);
        QVERIFY(QFile::exists(folder_.filePath("slide-01.png")) && QFile::exists(folder_.filePath("slide-16.png")));
    }

    // Each rod 15 mm wide and 7000/930 times as high, measured on the page
    // drawn at 150 dots per inch: the longest dark line across the first rod
    // is its top, and the longest down it its side.
    void cutoutRods()
    {
        const QString pdf = folder_.filePath("rods.pdf");
        QCOMPARE(program({"--cutout-rods", "--output", pdf}).status, 0);
        QCOMPARE(pageCount(pdf), 1);
        QVERIFY(pdfText(pdf).contains("Cut along the dashed lines"));
        QCOMPARE(run("pdftoppm", {"-r", "150", "-png", "-singlefile", pdf, folder_.filePath("rods")}).status, 0);
        const QImage page(folder_.filePath("rods.png"));
        QVERIFY(!page.isNull());
        const double pixelsPerMillimetre = 150 / 25.4;
        auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 100; };
        // The first rod starts 10 mm from the left and top of the page.
        const int left = static_cast<int>(9 * pixelsPerMillimetre);
        const int right = static_cast<int>(27 * pixelsPerMillimetre);
        int widest = 0;
        int tallest = 0;
        for (int y = 0; y < page.height() / 2; ++y)
            for (int x = left, run = 0; x < right; ++x) {
                run = dark(x, y) ? run + 1 : 0;
                widest = std::max(widest, run);
            }
        for (int x = left; x < right; ++x)
            for (int y = 0, run = 0; y < page.height() / 2 + 100; ++y) {
                run = dark(x, y) ? run + 1 : 0;
                tallest = std::max(tallest, run);
            }
        QVERIFY2(std::abs(widest / pixelsPerMillimetre - 15.0) < 0.5, qPrintable(QString::number(widest)));
        QVERIFY2(std::abs(tallest / pixelsPerMillimetre - 15.0 * 7000 / 930) < 1.0,
                 qPrintable(QString::number(tallest)));

        // Where the locale's paper is Letter, the page is Letter, and the
        // rods still fit on one.
        QCOMPARE(run("localedef", {"-i", "en_US", "-f", "UTF-8", folder_.filePath("en_US.UTF-8")}).status, 0);
        QProcess letter;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LOCPATH", folder_.path());
        // The whole locale, as a desktop sets it.
        for (const QString& name : environment.keys())
            if (name.startsWith("LC_"))
                environment.remove(name);
        environment.insert("LANG", "en_US.UTF-8");
        letter.setProcessEnvironment(environment);
        const QString letterPdf = folder_.filePath("letter.pdf");
        letter.start(RODS_PROGRAM, {"--cutout-rods", "--output", letterPdf});
        QVERIFY(letter.waitForFinished(60'000));
        QCOMPARE(letter.exitCode(), 0);
        QVERIFY(run("pdfinfo", {letterPdf}).out.contains("(letter)"));
        QCOMPARE(pageCount(letterPdf), 1);
    }

    void commandLineRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const QString pdf = QDir::temp().filePath("never-written.pdf");
        QTest::newRow("no folder") << QStringList{"--cutout-rods", "--output", "/no/such/folder/rods.pdf"} << 1
                                   << "Could not write rods.pdf: the folder /no/such/folder does not exist.";
        QTest::newRow("under a file") << QStringList{"--cutout-rods", "--output", RODS_PROGRAM "/rods.pdf"} << 1
                                      << QString("Could not write rods.pdf: %1 is not a folder.").arg(RODS_PROGRAM);
        QTest::newRow("text file") << QStringList{"--cutout-rods", "--output", "rods.txt"} << 2 << "must end in .pdf";
        QTest::newRow("png sheet") << QStringList{"--worksheet", "--output", "sheet.png"} << 2 << "must end in .pdf";
        QTest::newRow("level 11") << QStringList{"--worksheet", "--level", "11", "--output", pdf} << 2
                                  << "--level must be a whole number from 1 to 10, not '11'";
        QTest::newRow("count 0") << QStringList{"--worksheet", "--count", "0", "--output", pdf} << 2
                                 << "--count must be a whole number from 1 to 40";
        QTest::newRow("set x") << QStringList{"--worksheet", "--set", "x", "--output", pdf} << 2 << "--set must be";
        QTest::newRow("operation") << QStringList{"--worksheet", "--operation", "add", "--output", pdf} << 2
                                   << "--operation must be multiply, divide or mixed, not 'add'";
        QTest::newRow("room") << QStringList{"--worksheet", "--room", "round", "--output", pdf} << 2
                              << "--room must be squared or lattice, not 'round'";
        QTest::newRow("long title") << QStringList{"--worksheet", "--title", QString(61, 'x'), "--output", pdf} << 2
                                    << "--title must be at most 60 characters long, not 61";
        QTest::newRow("no rods alone") << QStringList{"--no-rods", "--output", pdf} << 2
                                       << "--no-rods is for --worksheet";
        QTest::newRow("title of a working") << QStringList{"--work", "2 × 3", "--title", "Tuesday", "--output", pdf}
                                            << 2 << "--title is for --worksheet";
        QTest::newRow("no output") << QStringList{"--worksheet"} << 2 << "--worksheet needs --output";
        QTest::newRow("output alone") << QStringList{"--output", pdf} << 2 << "--output needs --worksheet";
        const QString png = folder_.filePath("slide.png");
        QTest::newRow("step 4 of 3") << QStringList{"--work", "307x12", "--output", png, "--step", "4"} << 2
                                     << "--step must be a whole number from 1 to 3";
        QTest::newRow("step of a PDF") << QStringList{"--work", "307x12", "--output", pdf, "--step", "1"} << 2
                                       << "--step is for --work";
        QTest::newRow("step and all") << QStringList{"--work", "307x12", "--output", png, "--step", "1", "--all-steps"}
                                      << 2 << "cannot be given together";
        QTest::newRow("all steps alone") << QStringList{"--all-steps"} << 2 << "--all-steps is for --work";
        QTest::newRow("level alone") << QStringList{"--level", "3"} << 2 << "--level is for --worksheet";
        QTest::newRow("both") << QStringList{"--worksheet", "--cutout-rods", "--output", pdf} << 2
                              << "cannot be given together";
        QTest::newRow("set of a list")
            << QStringList{"--worksheet", "--problems", folder_.filePath("class.txt"), "--set", "3", "--output", pdf}
            << 2 << "--set is for the program's problems, not a --problems list";
    }

    void commandLineRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        const Run refused = program(arguments);
        QCOMPARE(refused.status, status);
        QVERIFY2(refused.err.contains(says), qPrintable(refused.err));
        QVERIFY(!QFile::exists(QDir::temp().filePath("never-written.pdf")));
    }

    // The Working window's menu: the working saved as the window shows it,
    // and a worksheet made in its dialog from the level chosen.
    void paperMenuInTheWindow()
    {
        WorkingWindow window;
        window.show();
        window.showProblem(*readProblem("3684 ÷ 12").problem);
        auto* paper = window.findChild<QToolButton*>("Paper");
        QVERIFY(paper != nullptr && paper->isVisible());
        QStringList actions;
        for (const QAction* action : paper->menu()->actions())
            if (!action->isSeparator())
                actions << action->text();
        QCOMPARE(actions,
                 (QStringList{"&Print the working…", "&Save the working as…", "&Worksheet…", "&Cut-out rods…"}));

        const QString pdf = folder_.filePath("window.pdf");
        QCOMPARE(window.saveWorkingTo(pdf), QString());
        QVERIFY(pdfText(pdf).contains("Working: 3684 ÷ 12"));
        QVERIFY(window.saveWorkingTo(folder_.filePath("working.doc")).contains(".pdf or .png"));

        // A slide is the step as the window shows it: worked by the pupil,
        // the digits under the lit row are empty rings, not lit discs. The
        // PDF still holds the whole working.
        window.showProblem(*readProblem("307 × 12").problem);
        const QColor light(0xff, 0xd8, 0x6b);
        auto lightPixels = [this, &window, &light](const QString& name) {
            const QString png = folder_.filePath(name);
            if (!window.saveWorkingTo(png).isEmpty())
                return -1;
            const QImage image(png);
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixelColor(x, y) == light ? 1 : 0;
            return count;
        };
        const int watched = lightPixels("watched.png");
        window.findChild<QCheckBox*>("WorkItYourself")->setChecked(true);
        const int worked = lightPixels("worked.png");
        QVERIFY2(worked > 0 && worked < watched * 9 / 10, qPrintable(QString("%1, %2").arg(worked).arg(watched)));
        const QString whole = folder_.filePath("worked.pdf");
        QCOMPARE(window.saveWorkingTo(whole), QString());
        QVERIFY(pdfText(whole).contains("Step 3 of 3"));

        paper->menu()->findChild<QAction*>("Worksheet")->trigger();
        WorksheetDialog* dialog = window.worksheetDialog();
        QVERIFY(dialog->isVisible());
        auto* count = dialog->findChild<QSpinBox*>("WorksheetCount");
        auto* set = dialog->findChild<QSpinBox*>("WorksheetSet");
        count->selectAll();
        QTest::keyClicks(count, "12");
        set->selectAll();
        QTest::keyClicks(set, "4711");
        auto* level = dialog->findChild<QComboBox*>("WorksheetLevel");
        level->setCurrentIndex(level->findText("Level 3: 3 rods × 1 digit, with carries"));
        const QString sheet = folder_.filePath("dialog.pdf");
        QCOMPARE(dialog->saveTo(sheet), QString());
        const int pages = pageCount(sheet);
        QVERIFY(pdfText(sheet, 1, 1).contains("1. 578 × 4 ="));
        QVERIFY(pdfText(sheet, pages, pages).contains("12. "));

        // The teacher's line, × and ÷ mixed, no rods and no key.
        QTest::keyClicks(dialog->findChild<QLineEdit*>("WorksheetTitle"), "Class 4b, Tuesday");
        for (const char* box : {"WorksheetMixed", "WorksheetRods", "WorksheetKey"})
            dialog->findChild<QCheckBox*>(box)->click();
        const QString chosen = folder_.filePath("chosen.pdf");
        QCOMPARE(dialog->saveTo(chosen), QString());
        const QString text = pdfText(chosen);
        QVERIFY(text.contains("Class 4b, Tuesday"));
        QVERIFY(QRegularExpression(R"(1\. \d+ × \d+ = .*2\. \d+ ÷ \d+ =)").match(text).hasMatch());
        // No rods: a rod's 19 digits and the index rod's 9 would stand
        // alone; the room's are 5 a problem at most (3 rods and 1 digit, or
        // 1 rod and 3 digits), and a few in the heads ("Page 1 of 1").
        QVERIFY2(text.count(QRegularExpression(R"((?<!\S)\d(?!\S))")) <= 12 * 5 + 10, qPrintable(text));
        QVERIFY(!text.contains("Answer key"));

        // Opened again after a teacher's list is loaded, the dialog offers it.
        dialog->close();
        window.useProblemList(loadProblemList(folder_.filePath("class.txt").toStdString()), "class.txt");
        paper->menu()->findChild<QAction*>("Worksheet")->trigger();
        auto* levels = window.worksheetDialog()->findChild<QComboBox*>("WorksheetLevel");
        QVERIFY(levels->findText("class.txt (2 problems)") >= 0);
        levels->setCurrentIndex(levels->findText("class.txt (2 problems)"));
        const QString fromList = folder_.filePath("dialog-list.pdf");
        QCOMPARE(window.worksheetDialog()->saveTo(fromList), QString());
        QVERIFY(pdfText(fromList).contains("From the list class.txt"));
    }

    // Printing is a plugin loaded at the first "Print…": found beside the
    // program, its preview shows the pages of the whole working.
    void printPreview()
    {
        WorkingWindow window;
        window.show();
        window.showProblem(*readProblem("98765432 × 123456").problem);
        int pages = -1;
        QString warning;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&pages, &warning] {
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                if (auto* preview = qobject_cast<QPrintPreviewDialog*>(shown); preview && preview->isVisible()) {
                    pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                    preview->reject();
                }
                if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible()) {
                    warning = box->text();
                    box->reject();
                }
            }
        });
        poll.start(50);
        window.findChild<QAction*>("PrintWorking")->trigger();
        QCOMPARE(warning, QString());
        // Seven steps, at most two to a page, whatever paper the printer
        // has: the margins of a real printer may differ from a PDF's.
        QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(TestPaper)
#include "tst_paper.moc"
