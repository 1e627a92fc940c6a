// The installed program's command line, run as a separate process with no
// display at all.
#include "tutor/progress/progress_record.h"
#include "tutor/pupils/pupil_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
    void sayNoDisplayInOneLine();
    void startsWhereThereIsADisplay();
    void startsWithNoThreadToSpare();
    void takesTheToolkitsOptions_data();
    void takesTheToolkitsOptions();
    void manualPageHasEveryOption();
    void classReportOfTwoPupils();

private:
    struct Outcome {
        int status;
        QString out;
        QString err;
    };
    static Outcome run(const QStringList& arguments, const QProcessEnvironment& environment);
    static QProcessEnvironment noDisplay();
};

TestCommandLine::Outcome TestCommandLine::run(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(RODS_PROGRAM, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, "did not finish"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QProcessEnvironment TestCommandLine::noDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    return environment;
}

void TestCommandLine::answersWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "numbering-rods 1.0.0\n"
                               << "";
    QTest::newRow("-v") << QStringList{"-v"} << 0 << "numbering-rods 1.0.0\n"
                        << "";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: numbering-rods [options]"
                            << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << ""
                                    << "numbering-rods: Unknown option 'frobnicate'.";
    QTest::newRow("stray argument") << QStringList{"7"} << 2 << ""
                                    << "numbering-rods: unexpected argument '7'";
    QTest::newRow("unknown one-dash option") << QStringList{"-frobnicate"} << 2 << ""
                                             << "numbering-rods: Unknown option 'frobnicate'.";
    QTest::newRow("a Qt option without its value") << QStringList{"-platform"} << 2 << ""
                                                   << "numbering-rods: Missing value after '-platform'.";
    // A problem that cannot be read is refused before any window is needed.
    QTest::newRow("--work, no sign") << QStringList{"--work", "3684 12"} << 2 << ""
                                     << "numbering-rods: cannot read the problem '3684 12': Write the problem as two "
                                        "numbers with × or ÷ between them, like 307 × 12 or 3684 ÷ 12.\n";
    QTest::newRow("--work, nine rods") << QStringList{"--work=5 ÷ 123456789"} << 2 << ""
                                       << "numbering-rods: cannot read the problem '5 ÷ 123456789': The divisor has "
                                          "at most 8 digits.\n";
    QTest::newRow("--work, no problem") << QStringList{"--work"} << 2 << ""
                                        << "numbering-rods: Missing value after '--work'.";
    // A teacher's list is read before any window: one that cannot be read is
    // the system's error, one that is no list the command's.
    QTest::newRow("--problems, no such file")
        << QStringList{"--problems", "/nonexistent/tuesday.txt"} << 1 << ""
        << "numbering-rods: cannot use the list '/nonexistent/tuesday.txt': The file cannot be read: No such file or "
           "directory.\n";
    QTest::newRow("--problems, not a text file")
        << QStringList{"--problems", RODS_PROGRAM} << 2 << ""
        << QString("numbering-rods: cannot use the list '%1': The file is larger than 1 MB").arg(RODS_PROGRAM);
    // A language the program does not speak: one line, status 2; one it
    // speaks, by its code in any form.
    QTest::newRow("--language xx") << QStringList{"--language", "xx", "--version"} << 2 << ""
                                   << "numbering-rods: the program does not speak the language \"xx\"";
    QTest::newRow("--language=de_AT") << QStringList{"--language=de_AT", "--version"} << 0 << "numbering-rods 1.0.0\n"
                                      << "";
    QTest::newRow("--work and --problems") << QStringList{"--work", "2x3", "--problems", "a.txt"} << 2 << ""
                                           << "numbering-rods: --work and --problems cannot be given together";
}

void TestCommandLine::answersWithoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Outcome outcome = run(arguments, noDisplay());
    QCOMPARE(outcome.status, status);
    QVERIFY2(out.isEmpty() ? outcome.out.isEmpty() : outcome.out.startsWith(out), qPrintable(outcome.out));
    QVERIFY2(err.isEmpty() ? outcome.err.isEmpty() : outcome.err.startsWith(err), qPrintable(outcome.err));
    QVERIFY2(outcome.err.count('\n') <= 2, qPrintable(outcome.err));
    if (arguments.first() == "--help")
        QVERIFY(outcome.out.contains("--version"));
}

void TestCommandLine::sayNoDisplayInOneLine()
{
    Outcome outcome = run({}, noDisplay());
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err.count('\n'), 1);
    QVERIFY2(outcome.err.contains("no display"), qPrintable(outcome.err));

    // A display that is named but cannot be reached.
    QProcessEnvironment unreachable = noDisplay();
    unreachable.insert("DISPLAY", ":97");
    outcome = run({}, unreachable);
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err, QString("numbering-rods: cannot open a window: the display cannot be reached\n"));

    // A Wayland compositor that is named but not there, in a Wayland session
    // or not.
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    for (const char* session : {"wayland", "x11"}) {
        QProcessEnvironment absent = noDisplay();
        absent.insert("WAYLAND_DISPLAY", "no-such-compositor");
        absent.insert("XDG_RUNTIME_DIR", runtime.path());
        absent.insert("XDG_SESSION_TYPE", session);
        outcome = run({}, absent);
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.err, QString("numbering-rods: cannot open a window: the display cannot be reached\n"));
    }
}

void TestCommandLine::startsWhereThereIsADisplay()
{
    QProcessEnvironment environment = noDisplay();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(RODS_PROGRAM, {});
    QVERIFY(process.waitForStarted());
    QVERIFY2(!process.waitForFinished(1500), "the program ended by itself");
    process.terminate();
    QVERIFY(process.waitForFinished(5000));
}

// Where no more threads may be started (a limit on processes), the program
// starts all the same and reads its fonts on its one thread.
void TestCommandLine::startsWithNoThreadToSpare()
{
    QString program = RODS_PROGRAM;
    QStringList command{"--nproc=1", "--"};
    QTemporaryDir folder;
    if (geteuid() == 0) {
        // No limit on processes binds root: the program runs as nobody, copied
        // to a folder nobody can reach wherever the build lies.
        QVERIFY(folder.isValid());
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                         | QFile::ReadOther | QFile::ExeOther));
        program = folder.filePath("numbering-rods");
        QVERIFY(QFile::copy(RODS_PROGRAM, program));
        command << "setpriv"
                << "--reuid=65534"
                << "--regid=65534"
                << "--clear-groups";
    }
    command << program;
    QProcessEnvironment environment = noDisplay();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start("prlimit", command);
    QVERIFY(process.waitForStarted());
    QVERIFY2(!process.waitForFinished(1500), qPrintable(process.readAllStandardError()));
    process.terminate();
    QVERIFY(process.waitForFinished(5000));
}

void TestCommandLine::takesTheToolkitsOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, if any
    QTest::newRow("-platform offscreen, no display") << QStringList{"-platform", "offscreen"} << "";
    QTest::newRow("--platform offscreen") << QStringList{"--platform", "offscreen"} << "";
    QTest::newRow("-style fusion -reverse") << QStringList{"-style", "fusion", "-reverse"} << "offscreen";
    QTest::newRow("-qwindowgeometry, -qwindowtitle")
        << QStringList{"-qwindowgeometry", "1007x627+0+0", "-qwindowtitle", "Rods"} << "offscreen";
}

void TestCommandLine::takesTheToolkitsOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QProcessEnvironment environment = noDisplay();
    if (!platform.isEmpty())
        environment.insert("QT_QPA_PLATFORM", platform);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(RODS_PROGRAM, arguments);
    QVERIFY(process.waitForStarted());
    QVERIFY2(!process.waitForFinished(1500), qPrintable(process.readAllStandardError()));
    process.terminate();
    QVERIFY(process.waitForFinished(5000));
}

QTEST_GUILESS_MAIN(TestCommandLine)
void TestCommandLine::manualPageHasEveryOption()
{
    const Outcome help = run({"--help"}, noDisplay());
    QCOMPARE(help.status, 0);
    QFile page(RODS_MAN_PAGE);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll());
    static const QRegularExpression option("(?<![\\w-])(--?[a-z][a-z-]*)");
    QStringList options;
    for (auto match = option.globalMatch(help.out); match.hasNext();) {
        QString inRoff = match.next().captured(1);
        if (!options.contains(inRoff))
            options << inRoff;
        inRoff.replace("-", "\\-");
        // Written out whole: "\-h" but not only as the start of "\-\-help".
        const QRegularExpression written(QRegularExpression::escape(inRoff) + "(?![a-z]|\\\\-)");
        QVERIFY2(manual.contains(written), qPrintable(inRoff));
    }
    options.sort();
    QCOMPARE(options, (QStringList{"--all-steps", "--class-report",
                                   "--count",     "--cutout-rods",
                                   "--help",      "--help-all",
                                   "--language",  "--level",
                                   "--no-key",    "--no-rods",
                                   "--operation", "--output",
                                   "--problems",  "--pupil",
                                   "--room",      "--set",
                                   "--step",      "--title",
                                   "--version",   "--work",
                                   "--worksheet", "-h",
                                   "-v"}));
    for (const char* section : {".SH OPTIONS", ".SH EXIT STATUS", ".SH ENVIRONMENT"})
        QVERIFY2(manual.contains(section), section);
}

namespace {

rods::ProgressRecord record(const char* time, const char* problem, int level, int steps, int right)
{
    rods::ProgressRecord record;
    record.time = time;
    record.problem = *rods::readProblem(problem).problem;
    record.source = rods::ProblemSource::Level;
    record.level = level;
    record.set = 1;
    record.steps = steps;
    record.rightFirst = right;
    return record;
}

void writeFile(const QString& path, const std::string& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

} // namespace

void TestCommandLine::classReportOfTwoPupils()
{
    QTemporaryDir folder;
    const QString data = folder.filePath("numbering-rods");
    writeFile(data + "/pupils/ada/progress.tsv",
              rods::pupilLine("Ada") + rods::recordLine(record("2026-03-02T10:00:00+01:00", "307 × 12", 1, 5, 4))
                  + rods::recordLine(record("2026-03-04T10:00:00+01:00", "307 × 12", 2, 5, 5)));
    rods::ProgressRecord division = record("2026-03-03T09:00:00+01:00", "3684 ÷ 12", 1, 4, 2);
    division.slips[static_cast<std::size_t>(rods::SlipKind::RowTooLarge)] = 2;
    writeFile(data + "/pupils/ben/progress.tsv", rods::pupilLine("Ben") + rods::recordLine(division));
    const QString csv = folder.filePath("class.csv");
    Outcome outcome = run({"--class-report", data, "--output", csv}, noDisplay());
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.err, QString());
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).split("\r\n");
    QCOMPARE(lines.size(), 4);
    // Ada: 2 problems, 5 + 5 = 10 answers, 4 + 5 = 9 right, 90%; × 1 is
    // 80%, × 2 100%: the highest at 80% or more is 2. Ben: 1 problem, 2 of
    // 4 right, 50%, ÷ 1 under 80%, 2 rows too large.
    QCOMPARE(lines[1], "\"Ada\",2,10,9,90,0,\"× 1, 2\",\"× 2\",\"\",\"2026-03-04\",0");
    QCOMPARE(lines[2], "\"Ben\",1,4,2,50,0,\"÷ 1\",\"\",\"Rows too large (2)\",\"2026-03-03\",0");

    // Both as a PDF, the same way.
    const QString pdf = folder.filePath("class.pdf");
    QCOMPARE(run({"--class-report", data, "--output", pdf}, noDisplay()).status, 0);
    QFile paper(pdf);
    QVERIFY(paper.open(QIODevice::ReadOnly) && paper.read(5) == "%PDF-");

    // A path that cannot be read: one line naming it, nothing written.
    const QString missing = folder.filePath("nobody.tsv");
    const QString other = folder.filePath("other.csv");
    outcome = run({"--class-report", data, missing, "--output", other}, noDisplay());
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err, "numbering-rods: cannot read '" + missing + "': there is no such file or folder\n");
    QVERIFY(!QFile::exists(other));
    // A file that cannot be a report, or none: one line, status 2.
    for (const QStringList& arguments : {QStringList{"--output", folder.filePath("class.odt")}, QStringList{}}) {
        outcome = run(QStringList{"--class-report", data} + arguments, noDisplay());
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.err.count('\n'), 1);
    }
    // A pupil's name refused: the refusal, status 2.
    outcome = run({"--pupil", "a\tb"}, noDisplay());
    QCOMPARE(outcome.status, 2);
    QCOMPARE(outcome.err, "numbering-rods: " + QString::fromStdString(rods::checkedPupilName("a\tb").refusal) + "\n");
}

#include "tst_command_line.moc"
