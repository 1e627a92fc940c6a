// The Class window driven as a teacher drives it: two pupils' files in the
// data folder, a third pupil's copied file with a damaged line added, the
// table sorted, a set looked up, a row opened, the table copied and saved.
// Every figure is worked out by hand from the records below; each row is
// pinned by the numbers its cells show, in order, not by their words.
#include "paper/pdf_reading.h"
#include "tutor/progress/progress_record.h"
#include "working_window/class_window.h"
#include "working_window/level_choices.h"
#include "working_window/numbers_in.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace rods;

namespace {

ProgressRecord record(const char* day, Operation operation, int level, int set, int steps, int rightFirst)
{
    ProgressRecord r;
    r.time = std::string(day) + "T10:00:00+01:00";
    r.problem = operation == Operation::Multiply ? Problem{operation, {3, 0, 7}, 4} : Problem{operation, {4}, 936};
    r.source = level > 0 ? ProblemSource::Level : ProblemSource::Own;
    r.level = level;
    r.set = set;
    r.steps = steps;
    r.rightFirst = rightFirst;
    return r;
}

QString write(const QString& path, const std::string& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(contents.data(), qint64(contents.size())) != qint64(contents.size()))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A row's cells by its pupil, from the table as shown.
QStringList cellsOf(QTableView* table, const QString& pupil)
{
    for (int r = 0; r < table->model()->rowCount(); ++r)
        if (table->model()->index(r, 0).data().toString() == pupil) {
            QStringList cells;
            for (int c = 0; c < table->model()->columnCount(); ++c)
                cells << table->model()->index(r, c).data().toString();
            return cells;
        }
    return {};
}

QStringList pupilsInOrder(QTableView* table)
{
    QStringList pupils;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        pupils << table->model()->index(r, 0).data().toString();
    return pupils;
}

} // namespace

class TestClassWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aClassLookedOver();
};

void TestClassWindow::aClassLookedOver()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString data = folder.filePath("data");
    const Operation x = Operation::Multiply, divide = Operation::Divide;
    ProgressRecord carryForgotten = record("2026-12-02", x, 3, 4711, 6, 4);
    carryForgotten.slips[std::size_t(SlipKind::ForgottenCarry)] = 1;
    const QString ada = write(data + "/pupils/ada/progress.tsv",
                              pupilLine("Ada") + recordLine(record("2026-12-01", x, 3, 4711, 6, 6))
                                  + recordLine(carryForgotten) + recordLine(record("2026-12-03", divide, 2, 12, 5, 5)));
    ProgressRecord left = record("2026-12-04", x, 3, 4711, 2, 1);
    left.skipped = true;
    write(data + "/pupils/ben/progress.tsv", pupilLine("Ben") + recordLine(record("2026-12-04", x, 3, 4711, 6, 3))
                                                 + recordLine(left) + recordLine(record("2026-12-04", x, 0, 0, 3, 3)));
    // Cleo's file, copied from another computer, with a line cut short.
    const std::string cut = recordLine(record("2026-12-05", x, 1, 7, 4, 4)).substr(0, 20) + "\n";
    const QString cleo = write(folder.filePath("collected/cleo.tsv"),
                               pupilLine("Cleo") + cut + recordLine(record("2026-12-05", x, 1, 7, 3, 2)));
    const QByteArray cleoBefore = bytesOf(cleo);

    ClassWindow window(data.toStdString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* pupils = window.findChild<QTableView*>("ClassPupils");
    QVERIFY(pupils);
    // Columns: problems worked, answers, right at the first try, share,
    // skipped, levels worked, highest level with 80% right, slips, last day,
    // damaged lines.
    // Ada: 3 problems, 6 + 6 + 5 = 17 answers, 6 + 4 + 5 = 15 right (15/17 =
    // 88.2%), none skipped; × 3 and ÷ 2; × 3 has 10/12 = 83% and ÷ 2 5/5, so
    // both are her highest; 1 forgotten carry; last on 2026-12-03.
    const QStringList adaFigures{"3", "17", "15", "88", "0", "3", "2", "3", "2", "1", "2026", "12", "03", "0"};
    QCOMPARE(numbersIn(cellsOf(pupils, "Ada").join(' ')), adaFigures);
    // Ben: the skipped problem counts apart, so 2 problems (one of level 3,
    // one of his own), 6 + 3 = 9 answers, 3 + 3 = 6 right (66.7%), 1 skipped;
    // × 3 at 3/6 = 50% is no highest; no slips; last on 2026-12-04.
    const QStringList benFigures{"2", "9", "6", "67", "1", "3", "2026", "12", "04", "0"};
    QCOMPARE(numbersIn(cellsOf(pupils, "Ben").join(' ')), benFigures);
    QVERIFY(window.findChild<QPlainTextEdit*>("ClassNotice")->isHidden());

    // Sorted by answers, as numbers: 9 before 17 (as text, "17" comes first).
    QHeaderView* heads = pupils->horizontalHeader();
    QTest::mouseClick(heads->viewport(), Qt::LeftButton, {},
                      QPoint(heads->sectionViewportPosition(2) + heads->sectionSize(2) / 2, heads->height() / 2));
    QCOMPARE(pupilsInOrder(pupils), QStringList({"Ben", "Ada"}));

    // Cleo: of her two lines, the cut one is left and counted: 1 problem of
    // × 1, 3 answers, 2 right (66.7%, under 80%), last on 2026-12-05, and one
    // damaged line, said above the table too. Her 3 answers sort first.
    window.addPaths({folder.filePath("collected")});
    const QStringList cleoFigures{"1", "3", "2", "67", "0", "1", "2026", "12", "05", "1"};
    QCOMPARE(numbersIn(cellsOf(pupils, "Cleo").join(' ')), cleoFigures);
    QCOMPARE(pupilsInOrder(pupils), QStringList({"Cleo", "Ben", "Ada"}));
    auto* notice = window.findChild<QPlainTextEdit*>("ClassNotice");
    QVERIFY(notice->isVisible());
    QCOMPARE(numbersIn(notice->toPlainText()), QStringList({"1"}));
    // Reading the data folder again and the file twice counts nothing twice.
    window.addPaths({data, cleo});
    QCOMPARE(pupilsInOrder(pupils), QStringList({"Cleo", "Ben", "Ada"}));
    QCOMPARE(numbersIn(cellsOf(pupils, "Cleo").last()), QStringList({"1"}));
    QCOMPARE(bytesOf(cleo), cleoBefore);

    // A row activated by Enter asks for that pupil's progress, from her file.
    QSignalSpy asked(&window, &ClassWindow::progressAsked);
    pupils->setFocus();
    pupils->setCurrentIndex(pupils->model()->index(2, 0));
    QTest::keyClick(pupils, Qt::Key_Return);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.at(0).at(0).toString(), "Ada");
    QCOMPARE(QFileInfo(asked.at(0).at(1).toStringList().value(0)).canonicalFilePath(),
             QFileInfo(ada).canonicalFilePath());

    // Copied and saved as CSV as shown: a line of heads, then the pupils in
    // the order sorted; the CSV with a byte order mark, and the share as a
    // plain number.
    QTest::mouseClick(window.findChild<QPushButton*>("CopyClassTable"), Qt::LeftButton);
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 4);
    QCOMPARE(copied.at(1).split('\t').size(), copied.at(0).split('\t').size());
    QCOMPARE(numbersIn(copied.at(3)), adaFigures);
    const QString csv = folder.filePath("class.csv");
    QCOMPARE(window.saveCsv(csv), QString());
    const QByteArray written = bytesOf(csv);
    QVERIFY(written.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(written).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(numbersIn(lines.at(1)), cleoFigures);
    QCOMPARE(numbersIn(lines.at(2)), benFigures);
    QCOMPARE(numbersIn(lines.at(3)), adaFigures);
    QVERIFY(!window.saveCsv(folder.filePath("no such folder/class.csv")).isEmpty());

    // The set worked last, level 3 of × set 4711, is shown first. Ada worked
    // two of its problems: 12 answers, 10 right (83.3%), last on 2026-12-02;
    // Ben one, 6 answers, 3 right (50%), and skipped one.
    auto* tabs = window.findChild<QTabWidget*>("ClassTabs");
    tabs->setCurrentIndex(1);
    QCOMPARE(window.findChild<QComboBox*>("ClassLevel")->currentData().toInt(), choiceOf(x, 3));
    QCOMPARE(window.findChild<QSpinBox*>("ClassSet")->value(), 4711);
    auto* set = window.findChild<QTableView*>("ClassSetPupils");
    QCOMPARE(pupilsInOrder(set), QStringList({"Ada", "Ben"}));
    QCOMPARE(numbersIn(cellsOf(set, "Ada").join(' ')),
             QStringList({"2", "12", "10", "83", "0", "3", "3", "1", "2026", "12", "02", "0"}));
    QCOMPARE(numbersIn(cellsOf(set, "Ben").join(' ')),
             QStringList({"1", "6", "3", "50", "1", "3", "2026", "12", "04", "0"}));
    // Set 12 of level 2 of ÷: only Ada's one problem, 5 answers all right.
    window.findChild<QComboBox*>("ClassLevel")
        ->setCurrentIndex(window.findChild<QComboBox*>("ClassLevel")->findData(choiceOf(divide, 2)));
    window.findChild<QSpinBox*>("ClassSet")->setValue(12);
    QCOMPARE(pupilsInOrder(set), QStringList({"Ada"}));
    const QStringList adaInSet12{"1", "5", "5", "100", "0", "2", "2", "2026", "12", "03", "0"};
    QCOMPARE(numbersIn(cellsOf(set, "Ada").join(' ')), adaInSet12);

    // The set on paper, as a viewer shows it: Ada's row, her figures in it.
    const QString pdf = folder.filePath("set.pdf");
    QCOMPARE(window.savePdf(pdf), QString());
    const QStringList page = run("pdftotext", {"-layout", pdf, "-"}).out.split('\n');
    const QStringList adaOnPaper = page.filter(QRegularExpression("^\\s*Ada\\s"));
    QCOMPARE(adaOnPaper.size(), 1);
    QCOMPARE(numbersIn(adaOnPaper.at(0)), adaInSet12);

    // A folder gone since it was added is named above the tables.
    window.addPaths({folder.filePath("gone")});
    QVERIFY(notice->toPlainText().contains(QDir::toNativeSeparators(folder.filePath("gone"))));
    QCOMPARE(pupilsInOrder(pupils), QStringList({"Cleo", "Ben", "Ada"}));
}

QTEST_MAIN(TestClassWindow)
#include "tst_class_window.moc"
