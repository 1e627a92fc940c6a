// Two pupils at one computer, in the real Working window: each works under
// their own name, a problem left with New problem shows as skipped, each
// finds their set and place again after a restart and after the program is
// killed, the class overview, its CSV and its PDF show each one's figures,
// and forgetting touches one pupil and can be undone.
#include "tutor/problems/problem_sets.h"
#include "tutor/pupils/pupil_folders.h"
#include "working_window/class_window.h"
#include "working_window/level_choices.h"
#include "working_window/numbers_in.h"
#include "working_window/problem_picker.h"
#include "working_window/progress_window.h"
#include "working_window/pupil_bar.h"
#include "working_window/pupil_keeper.h"
#include "working_window/window_parts.h"
#include "working_window/working_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace rods;

namespace {

void typeInto(QWidget* box, const QString& typed)
{
    box->setFocus();
    QTest::keySequence(box, QKeySequence::SelectAll);
    // Key by key, letters beyond ASCII as a keyboard sends them.
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(box, Qt::Key_Return);
}

// Shows every answer of the problem open, which works it to the end.
void showEveryAnswer(WorkingWindow& w)
{
    auto* show = part<QPushButton>(&w, "ShowAnswer");
    for (int i = 0; i < 200 && show->isVisible(); ++i)
        QTest::mouseClick(show, Qt::LeftButton);
}

std::vector<ProgressRecord> recordsOf(const QString& data, const std::string& pupil)
{
    return PupilFolders(data.toStdString()).progressOf(pupil).read().records;
}

} // namespace

class TestPupilsAtOneComputer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void twoPupilsWorkRestartAndForget();
    void aPlaceSurvivesAKill();

private:
    QTemporaryDir data_;
};

void TestPupilsAtOneComputer::initTestCase()
{
    QVERIFY(data_.isValid());
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
}

void TestPupilsAtOneComputer::twoPupilsWorkRestartAndForget()
{
    const QString data = data_.filePath("numbering-rods");
    const Level& level = *findLevel(Operation::Multiply, 2);
    const std::vector<Problem> set = problemSet(level, 4711);
    {
        WorkingWindow w(nullptr, "Anna");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(part<QComboBox>(&w, "Pupil")->currentText(), "Anna");
        w.picker()->chooseLevel(Operation::Multiply, 2, 4711);
        click(&w, "NewProblem");
        showEveryAnswer(w); // problem 1, worked to the end
        click(&w, "NewProblem");
        click(&w, "NewProblem"); // problem 2 left, problem 3 open
        QCOMPARE(numbersIn(w.picker()->position()), QStringList({"3", "10"}));

        // Zoë types her name; a name that cannot be refused changes nothing.
        auto* name = part<QComboBox>(&w, "Pupil");
        typeInto(name->lineEdit(), "Zo\u00eb");
        QCOMPARE(w.pupil(), "Zo\u00eb");
        QVERIFY(w.picker()->position().isEmpty());
        QCOMPARE(w.stepCount(), 0); // nothing of Anna's problem in view
        QVERIFY(!part<PupilBar>(&w, "PupilBar")->choose("   "));
        QVERIFY(!part<PupilBar>(&w, "PupilBar")->refusal().isEmpty());
        QCOMPARE(w.pupil(), "Zo\u00eb");
        w.showProblem(*readProblem("12 × 3").problem);
        part<QCheckBox>(&w, "WorkItYourself")->setChecked(true);
        typeInto(part<QLineEdit>(&w, "Answer"), "36");
        // Both names are offered now.
        QCOMPARE(name->count(), 2);
    }

    // Each pupil's own records: Anna's problem 1 with every answer shown, then
    // problem 2 skipped with none; Zoë's 12 × 3 right at once.
    const std::vector<ProgressRecord> anna = recordsOf(data, "Anna"), zoe = recordsOf(data, "Zo\u00eb");
    QCOMPARE(anna.size(), std::size_t(2));
    QCOMPARE(anna[0].problem.number, set[0].number);
    QCOMPARE(anna[0].skipped, false);
    QCOMPARE(anna[0].shown, anna[0].steps);
    QCOMPARE(anna[1].problem.number, set[1].number);
    QCOMPARE(anna[1].skipped, true);
    QCOMPARE(anna[1].steps, 0);
    QCOMPARE(std::make_tuple(anna[1].level, anna[1].set), std::make_tuple(2, 4711));
    QCOMPARE(zoe.size(), std::size_t(1));
    QCOMPARE(std::make_tuple(zoe[0].steps, zoe[0].rightFirst, zoe[0].skipped), std::make_tuple(1, 1, false));

    // Started again, the one who worked last comes first; Anna finds her
    // level, set and problem 3 where she left them.
    {
        WorkingWindow w;
        QCOMPARE(w.pupil(), "Zo\u00eb");
    }
    WorkingWindow w(nullptr, "Anna");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.picker()->choice(), choiceOf(Operation::Multiply, 2));
    QCOMPARE(part<QSpinBox>(&w, "ProblemSet")->value(), 4711);
    QCOMPARE(numbersIn(w.picker()->position()), QStringList({"3", "10"}));
    click(&w, "NewProblem");
    QVERIFY2(w.windowTitle().endsWith(QString::fromStdString(problemText(set[2]))), qPrintable(w.windowTitle()));

    // The class overview, its CSV and its PDF, in the window and from the
    // command line, show each pupil's own figures: Anna 1 problem worked with
    // its N answers all shown (0 right at the first try, 0%), 1 skipped, level
    // 2 of ×; Zoë 1 problem, 1 answer right (100%), nothing skipped.
    const QString n = QString::number(anna[0].steps);
    const QStringList annasFigures{"1", n, "0", "0", "1", "2"};
    const QStringList zoesFigures{"1", "1", "1", "100", "0"};
    click(&w, "Class");
    ClassWindow* overview = w.classWindow();
    QVERIFY(overview && overview->isVisible());
    const QStringList table = overview->tableText().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(table.size(), 3); // the heads and two pupils
    QVERIFY2(table[1].startsWith("Anna\t") && numbersIn(table[1]).mid(0, 6) == annasFigures, qPrintable(table[1]));
    QVERIFY2(table[2].startsWith("Zo\u00eb\t") && numbersIn(table[2]).mid(0, 5) == zoesFigures, qPrintable(table[2]));
    QTemporaryDir out;
    QCOMPARE(overview->saveCsv(out.filePath("class.csv")), QString());
    QCOMPARE(overview->savePdf(out.filePath("class.pdf")), QString());
    QProcess report;
    report.start(RODS_PROGRAM, {"--class-report", data, "--output", out.filePath("report.csv")});
    QVERIFY(report.waitForFinished(30000));
    QCOMPARE(report.exitCode(), 0);
    for (const QString& csv : {out.filePath("class.csv"), out.filePath("report.csv")}) {
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[1].startsWith("\"Anna\",") && numbersIn(rows[1]).mid(0, 6) == annasFigures, qPrintable(rows[1]));
        QVERIFY2(rows[2].startsWith("\"Zo\u00eb\",") && numbersIn(rows[2]).mid(0, 5) == zoesFigures,
                 qPrintable(rows[2]));
    }
    QProcess pdf;
    pdf.start("pdftotext", {"-layout", out.filePath("class.pdf"), "-"});
    QVERIFY(pdf.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(pdf.readAllStandardOutput()).split('\n');
    for (const auto& [pupil, figures] :
         {std::pair{QString("Anna"), annasFigures}, {QString("Zo\u00eb"), zoesFigures}}) {
        const auto row = std::find_if(lines.begin(), lines.end(),
                                      [&](const QString& line) { return line.trimmed().startsWith(pupil + " "); });
        QVERIFY2(row != lines.end() && numbersIn(*row).mid(0, figures.size()) == figures, qPrintable(pupil));
    }
    // A pupil's row opens that pupil's progress.
    auto* rows = part<QTableView>(overview, "ClassPupils");
    rows->setFocus();
    rows->setCurrentIndex(rows->model()->index(1, 0));
    QTest::keyClick(rows, Qt::Key_Return);
    auto* zoesProgress = w.findChildren<ProgressWindow*>().last();
    QVERIFY(zoesProgress->isVisible() && zoesProgress->windowTitle().contains("Zo\u00eb"));
    QVERIFY(zoesProgress->text().contains("12 × 3"));
    overview->close();

    // Forgetting asks, names Anna, and leaves Zoë's file as it was.
    const std::string zoes = PupilFolders(data.toStdString()).progressOf("Zo\u00eb").path();
    QFile zoeFile(QString::fromStdString(zoes));
    QVERIFY(zoeFile.open(QIODevice::ReadOnly));
    const QByteArray zoeBefore = zoeFile.readAll();
    zoeFile.close();
    click(&w, "Progress");
    ProgressWindow* progress = nullptr;
    for (ProgressWindow* shown : w.findChildren<ProgressWindow*>())
        if (shown->windowTitle().contains("Anna"))
            progress = shown;
    QVERIFY(progress);
    QString asked;
    QTimer::singleShot(0, [&asked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(QMessageBox::Yes)->click();
        }
    });
    click(progress, "ForgetProgress");
    QVERIFY2(asked.contains("Anna") && numbersIn(asked).startsWith("2"), qPrintable(asked));
    QVERIFY(recordsOf(data, "Anna").empty());
    QVERIFY(zoeFile.open(QIODevice::ReadOnly));
    QCOMPARE(zoeFile.readAll(), zoeBefore);
    click(progress, "RestoreProgress");
    QCOMPARE(recordsOf(data, "Anna").size(), std::size_t(2));
    QVERIFY(!part<QPushButton>(progress, "RestoreProgress")->isEnabled());
}

void TestPupilsAtOneComputer::aPlaceSurvivesAKill()
{
    QTemporaryDir data;
    const PupilKeeper keeper(data.path().toStdString());
    int confirmed = 0;
    for (int kill = 0; kill < 10; ++kill) {
        QProcess writer;
        writer.start(PLACE_WRITER, {data.path(), "Anna", QString::number(confirmed + 1)});
        QVERIFY(writer.waitForStarted() && writer.waitForReadyRead(30000));
        QTest::qWait(QRandomGenerator::global()->bounded(0, 30));
        writer.kill(); // SIGKILL, wherever it is
        writer.waitForFinished();
        const QList<QByteArray> printed = writer.readAllStandardOutput().trimmed().split('\n');
        confirmed = std::max(confirmed, printed.last().toInt());
        // The place kept last, or the one being written when it was killed:
        // whole either way.
        const std::optional<KeptPlace> place = keeper.placeOf("Anna");
        QVERIFY(place);
        QVERIFY2(place->set == confirmed || place->set == confirmed + 1,
                 qPrintable(QString("%1 after %2").arg(place->set).arg(confirmed)));
        QCOMPARE(std::make_tuple(place->level, place->posed), std::make_tuple(2, std::size_t(4)));
        confirmed = place->set;
    }
}

QTEST_MAIN(TestPupilsAtOneComputer)
#include "tst_pupils_at_one_computer.moc"
