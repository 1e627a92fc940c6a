// Problems the program poses and the learner's progress: the published sets
// pinned, every level's promise checked by exact arithmetic over many sets, a
// teacher's list on good and bad files, and the progress file read around
// damage, under kills while it is written, and with two writers at once.
#include "core/text_encoding.h"
#include "tutor/problems/levels.h"
#include "tutor/problems/problem_list.h"
#include "tutor/problems/problem_sets.h"
#include "tutor/progress/progress_file.h"
#include "tutor/progress/progress_report.h"
#include "tutor/session/problem_queue.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <set>
#include <sys/stat.h>

using namespace rods;

namespace {

QStringList texts(const std::vector<Problem>& problems)
{
    QStringList all;
    for (const Problem& problem : problems)
        all << QString::fromStdString(problemText(problem));
    return all;
}

int digitSum(std::uint64_t value)
{
    int sum = 0;
    for (; value > 0; value /= 10)
        sum += static_cast<int>(value % 10);
    return sum;
}

std::uint64_t valueOf(const std::vector<int>& rods)
{
    std::uint64_t value = 0;
    for (int rod : rods)
        value = value * 10 + static_cast<std::uint64_t>(rod);
    return value;
}

// Adding numbers column by column carries exactly when the digit sum of the
// total is less than the digit sums of the numbers added (each carry takes 9
// off). A row of the rods adds its cells' products, each in its place; the
// last step adds the rows.
bool rowsCarry(const std::vector<int>& rods, std::uint64_t multiplicand)
{
    for (std::uint64_t rest = multiplicand;; rest /= 10) {
        const std::uint64_t digit = rest % 10;
        int cells = 0;
        for (int rod : rods)
            cells += digitSum(static_cast<std::uint64_t>(rod) * digit);
        if (cells != digitSum(valueOf(rods) * digit))
            return true;
        if (rest < 10)
            return false;
    }
}

bool sumCarries(const std::vector<int>& rods, std::uint64_t multiplicand)
{
    int rows = 0;
    for (std::uint64_t rest = multiplicand; rest > 0; rest /= 10)
        rows += digitSum(valueOf(rods) * (rest % 10));
    return rows != digitSum(valueOf(rods) * multiplicand);
}

ProgressRecord sampleRecord(int level, int set)
{
    ProgressRecord record;
    record.time = "2026-12-07T19:12:02+01:00";
    record.problem = *readProblem("307 × 12").problem;
    record.source = ProblemSource::Level;
    record.level = level;
    record.set = set;
    record.steps = 3;
    record.rightFirst = 2;
    record.shown = 1;
    record.slips[static_cast<std::size_t>(SlipKind::ForgottenCarry)] = 2;
    return record;
}

std::string contentsOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

class TestProblemsAndProgress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void publishedSetsStayAsTheyAre();
    void everyLevelKeepsItsPromise();
    void setsFollowOneAnother();
    void teachersLists_data();
    void teachersLists();
    void singleByteLists();
    void recordsReadBackAsWritten();
    void damagedLinesAreSkippedAndCounted();
    void reportNamesTheSlipsMadeMostOften();
    void recordsSurviveKillsWhileWriting();
    void twoWritersLoseNoRecord();
    void unwritableFolderIsSaid();
};

void TestProblemsAndProgress::publishedSetsStayAsTheyAre()
{
    // Teachers hand these out: a change here changes a class's worksheet.
    QCOMPARE(texts(problemSet(*findLevel(Operation::Multiply, 3), 4711)),
             QStringList({"578 × 4", "391 × 6", "381 × 9", "287 × 6", "637 × 3", "146 × 9", "115 × 8", "343 × 3",
                          "349 × 9", "687 × 8"}));
    QCOMPARE(texts(problemSet(*findLevel(Operation::Divide, 4), 4711)),
             QStringList({"4626 ÷ 7", "7980 ÷ 7", "7303 ÷ 7", "4892 ÷ 3", "1442 ÷ 3", "6135 ÷ 3", "2813 ÷ 7",
                          "3630 ÷ 4", "5219 ÷ 4", "1764 ÷ 8"}));
    QCOMPARE(texts(problemSet(*findLevel(Operation::Multiply, 10), 4711)).first(), "24797816 × 677663");
    QCOMPARE(texts(problemSet(*findLevel(Operation::Divide, 10), 4711)).last(), "946518566618643 ÷ 71213339");
}

void TestProblemsAndProgress::everyLevelKeepsItsPromise()
{
    QRandomGenerator random(20261207);
    for (Operation operation : {Operation::Multiply, Operation::Divide}) {
        QCOMPARE(levels(operation).size(), 10u);
        for (const Level& level : levels(operation)) {
            const QString name = QString::fromStdString(translated(level.practises));
            for (int round = 0; round < 60; ++round) {
                const int set = round == 0 ? FirstSet : round == 1 ? LastSet : random.bounded(FirstSet, LastSet + 1);
                const std::vector<Problem> problems = problemSet(level, set);
                QCOMPARE(problems.size(), 10u);
                std::set<std::string> distinct;
                for (const Problem& problem : problems) {
                    const std::string text = problemText(problem);
                    const std::string other = std::to_string(problem.number);
                    const std::uint64_t rods = valueOf(problem.rods);
                    QVERIFY2(distinct.insert(text).second, qPrintable(name + ": twice " + text.c_str()));
                    QCOMPARE(int(problem.rods.size()), level.rodDigits);
                    QCOMPARE(int(other.size()), level.otherDigits);
                    QVERIFY(problem.rods.front() != 0);
                    const QString what = name + ": " + QString::fromStdString(text);
                    if (operation == Operation::Multiply) {
                        if (level.number > 1)
                            QVERIFY2(rods > 1 && other.find_first_of("01") == std::string::npos, qPrintable(what));
                        if (name.contains("with carries"))
                            QVERIFY2(rowsCarry(problem.rods, problem.number), qPrintable(what));
                        if (name.contains("no carries"))
                            QVERIFY2(!rowsCarry(problem.rods, problem.number)
                                         && !sumCarries(problem.rods, problem.number),
                                     qPrintable(what));
                        if (name.contains("0 rod"))
                            QVERIFY2(std::count(problem.rods.begin(), problem.rods.end(), 0) > 0, qPrintable(what));
                    } else {
                        QVERIFY2(rods >= 2 && problem.number >= rods, qPrintable(what));
                        if (name.contains("no remainder"))
                            QVERIFY2(problem.number % rods == 0, qPrintable(what));
                        if (name.contains("with a remainder"))
                            QVERIFY2(problem.number % rods != 0, qPrintable(what));
                        if (name.contains("a 0 in the quotient"))
                            QVERIFY2(std::to_string(problem.number / rods).find('0') != std::string::npos,
                                     qPrintable(what));
                    }
                }
            }
        }
    }
    // The promises in words, as the README lists them.
    QCOMPARE(translated(findLevel(Operation::Multiply, 3)->practises), "3 rods × 1 digit, with carries");
    QCOMPARE(translated(findLevel(Operation::Divide, 4)->practises), "1-digit divisor, a 0 in the quotient");
    QVERIFY(findLevel(Operation::Divide, 11) == nullptr && findLevel(Operation::Multiply, 0) == nullptr);
}

void TestProblemsAndProgress::setsFollowOneAnother()
{
    ProblemQueue queue;
    queue.chooseLevel(*findLevel(Operation::Multiply, 3), LastSet);
    PosedProblem posed;
    for (int i = 0; i < 11; ++i)
        posed = queue.next();
    // After the tenth problem of the last set, the first set's first.
    QCOMPARE(posed.set, FirstSet);
    QCOMPARE(QString::fromStdString(positionInWords(posed)), "Problem 1 of 10");
    QCOMPARE(texts({posed.problem}), texts({problemSet(*findLevel(Operation::Multiply, 3), FirstSet).front()}));

    queue.chooseList({*readProblem("1 x 2").problem, *readProblem("6/3").problem});
    QCOMPARE(QString::fromStdString(positionInWords(queue.next())), "Problem 1 of 2");
    QCOMPARE(queue.next().source, ProblemSource::List);
    QCOMPARE(texts({queue.next().problem}), QStringList{"1 × 2"}); // from the start again
}

void TestProblemsAndProgress::teachersLists_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QList<int>>("badLines");
    QTest::addColumn<QString>("refusal"); // a part of it

    QTest::newRow("comments, blanks, every sign")
        << QByteArray("# Tuesday\n\n307 × 12\r\n  3684 ÷ 12  \n58x7\n9*9\n100/7\n84:4\n")
        << QStringList{"307 × 12", "3684 ÷ 12", "58 × 7", "9 × 9", "100 ÷ 7", "84 ÷ 4"} << QList<int>{} << "";
    // ٣٠٧ × ١٢ (Arabic-Indic) and ۳۶۸۴ ÷ ۱۲ (Persian), as an Arabic or
    // Persian keyboard types them.
    QTest::newRow("Arabic-Indic and Persian digits") << QByteArray(
        "\xd9\xa3\xd9\xa0\xd9\xa7 × \xd9\xa1\xd9\xa2\n\xdb\xb3\xdb\xb6\xdb\xb8\xdb\xb4 ÷ \xdb\xb1\xdb\xb2\n")
                                                     << QStringList{"307 × 12", "3684 ÷ 12"} << QList<int>{} << "";
    QTest::newRow("bad lines named, the rest loaded")
        << QByteArray("307 × 12\n30 ×\nseven times two\n123456789 × 2\n5 ÷ 3") << QStringList{"307 × 12", "5 ÷ 3"}
        << QList<int>{2, 3, 4} << "";
    // Dividing by 0 is refused with its line, as any bad line is; × 0 is a problem.
    QTest::newRow("division by 0 named") << QByteArray("# Tuesday\n307 × 12\n\n5 ÷ 3\n4 × 0\n12 : 0\n0 ÷ 00\n")
                                         << QStringList{"307 × 12", "5 ÷ 3", "4 × 0"} << QList<int>{6, 7} << "";
    QTest::newRow("only a division by 0") << QByteArray("12 : 0\n") << QStringList{} << QList<int>{}
                                          << "Line 1, \"12 : 0\": dividing by 0 has no answer.";
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf"
                                                   "12 × 3\n")
                                     << QStringList{"12 × 3"} << QList<int>{} << "";
    QTest::newRow("empty") << QByteArray() << QStringList{} << QList<int>{} << "holds no problems";
    QTest::newRow("only comments") << QByteArray("# nothing yet\n\n") << QStringList{} << QList<int>{}
                                   << "holds no problems";
    QTest::newRow("no line a problem") << QByteArray("hello\nworld\n") << QStringList{} << QList<int>{}
                                       << "Line 1, \"hello\"";
    QTest::newRow("binary") << QByteArray("12 × 3\n\x00\x01\x02", 10) << QStringList{} << QList<int>{}
                            << "not a text file";
    QTest::newRow("Windows-1252, an undefined byte")
        << QByteArray("12 \xd7 3\n\x81\n") << QStringList{} << QList<int>{} << "not a text file";
    QTest::newRow("over 1 MB") << QByteArray(1'000'001, '\n') << QStringList{} << QList<int>{} << "larger than 1 MB";
    QByteArray thousand;
    for (int i = 0; i < 1000; ++i)
        thousand += "2 × 3\n";
    QTest::newRow("1,000 problems") << thousand << QStringList(1000, "2 × 3") << QList<int>{} << "";
    QTest::newRow("1,001 problems") << thousand + "2 × 3\n" << QStringList{} << QList<int>{} << "more than 1,000";
}

void TestProblemsAndProgress::teachersLists()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, problems);
    QFETCH(QList<int>, badLines);
    QFETCH(QString, refusal);

    const ProblemList list = readProblemList(std::string_view(contents.constData(), std::size_t(contents.size())));
    QCOMPARE(texts(list.problems), problems);
    QList<int> bad;
    for (const BadLine& line : list.badLines)
        bad << int(line.number);
    QCOMPARE(bad, badLines);
    QVERIFY2(QString::fromStdString(list.refusal).contains(refusal), list.refusal.c_str());
    QCOMPARE(list.refusal.empty(), refusal.isEmpty());
    QVERIFY(list.notice.empty()); // UTF-8, or refused
}

void TestProblemsAndProgress::singleByteLists()
{
    // × is 0xd7 and ÷ 0xf7 in Latin-1 and Windows-1252 alike; Windows-1252's
    // curly quotes 0x93 and 0x94 and its euro 0x80 stand in a comment.
    const QByteArray latin1("12 \xd7 3\r\n84 \xf7 4\n# \x93Tuesday\x94, \x80 5\n");
    const ProblemList list = readProblemList(std::string_view(latin1.constData(), std::size_t(latin1.size())));
    QCOMPARE(texts(list.problems), (QStringList{"12 × 3", "84 ÷ 4"}));
    QVERIFY(list.badLines.empty());
    QVERIFY2(QString::fromStdString(list.notice).contains("Windows-1252"), list.notice.c_str());
    // The code page's table, read off its chart: 0x80 €, 0x93 “, 0x9f Ÿ,
    // 0xa0 no-break space, 0xff ÿ.
    QCOMPARE(QString::fromStdString(*windows1252Text("\x80\x93\x9f\xa0\xff")), QString("€“Ÿ\u00a0ÿ"));
    // Undefined in Windows-1252, or a control character: not text.
    for (const char* bytes : {"\x81", "\x8d", "\x8f", "\x90", "\x9d", "\x01", "\x7f"})
        QVERIFY2(!windows1252Text(bytes), bytes);
    QVERIFY(!windows1252Text(std::string_view("a\0b", 3)));
}

void TestProblemsAndProgress::recordsReadBackAsWritten()
{
    QRandomGenerator random(4711);
    for (int round = 0; round < 500; ++round) {
        ProgressRecord record;
        record.time = "2026-01-31T23:59:0" + std::to_string(round % 10) + (round % 2 ? "-05:00" : "+13:45");
        record.problem.operation = round % 3 ? Operation::Multiply : Operation::Divide;
        for (int i = 0, n = random.bounded(1, 9); i < n; ++i)
            record.problem.rods.push_back(random.bounded(10));
        record.problem.number = random.generate64() % 1'000'000'000'000'000ULL;
        record.source = static_cast<ProblemSource>(round % 3);
        record.level = record.source == ProblemSource::Level ? random.bounded(1, 11) : 0;
        record.set = record.source == ProblemSource::Level ? random.bounded(FirstSet, LastSet + 1) : 0;
        record.steps = random.bounded(1, 40);
        record.rightFirst = random.bounded(record.steps + 1);
        record.shown = random.bounded(record.steps - record.rightFirst + 1);
        for (int& count : record.slips)
            count = random.bounded(4) == 0 ? random.bounded(1, 20) : 0;

        const std::string line = recordLine(record);
        QCOMPARE(line.back(), '\n');
        QCOMPARE(std::count(line.begin(), line.end(), '\n'), 1);
        const std::optional<ProgressRecord> back = readRecordLine(line.substr(0, line.size() - 1));
        QVERIFY2(back.has_value(), line.c_str());
        QCOMPARE(back->time, record.time);
        QCOMPARE(problemText(back->problem), problemText(record.problem));
        QCOMPARE(back->problem.operation, record.problem.operation);
        QCOMPARE(back->source, record.source);
        QCOMPARE(back->level, record.level);
        QCOMPARE(back->set, record.set);
        QCOMPARE(back->steps, record.steps);
        QCOMPARE(back->rightFirst, record.rightFirst);
        QCOMPARE(back->shown, record.shown);
        QVERIFY(back->slips == record.slips);
    }
}

void TestProblemsAndProgress::damagedLinesAreSkippedAndCounted()
{
    const std::string good = recordLine(sampleRecord(3, 4711));
    // Every byte of a record changed in turn: never read as a record.
    for (std::size_t at = 0; at + 1 < good.size(); ++at) {
        std::string damaged = good;
        damaged[at] = damaged[at] == '7' ? '8' : '7';
        const ProgressRead read = readProgress(good + damaged + good);
        QCOMPARE(read.records.size(), 2u);
        QCOMPARE(read.unreadable, 1u);
    }
    const std::string cutShort = good.substr(0, good.size() / 2);
    const ProgressRead read = readProgress(good + "a line from elsewhere\n\n" + good + cutShort);
    QCOMPARE(read.records.size(), 2u);
    QCOMPARE(read.unreadable, 2u); // the foreign line and the one cut short
    QVERIFY(QString::fromStdString(progressReport(read)).startsWith("2 records could not be read"));
}

void TestProblemsAndProgress::reportNamesTheSlipsMadeMostOften()
{
    ProgressRead read;
    ProgressRecord first = sampleRecord(3, 4711); // 2 forgotten carries; 2 of 3 right, 1 shown
    ProgressRecord second = sampleRecord(3, 4712);
    second.slips = {};
    second.slips[static_cast<std::size_t>(SlipKind::ForgottenCarry)] = 3;
    second.slips[static_cast<std::size_t>(SlipKind::MissingDigit)] = 1;
    ProgressRecord third;
    third.time = "2026-12-08T08:05:00+01:00";
    third.problem = *readProblem("3684 ÷ 12").problem;
    third.steps = 5;
    third.rightFirst = 5;
    read.records = {first, second, third};

    const QString report = QString::fromStdString(progressReport(read));
    const QStringList expected{
        "Altogether: 3 problems, 9 of 11 answers right at the first try (82%), 2 shown.",
        "",
        "Multiplication",
        "  Level 3, 3 rods × 1 digit, with carries: 2 problems, 4 of 6 answers right at the first try (67%), 2 shown.",
        "",
        "Division",
        "  Problems of your own: 1 problem, 5 of 5 answers right at the first try (100%).",
        "",
        "Slips made most often",
        "  Forgotten carries: 5. After each diagonal, check whether it made 10 or more.",
        "  Digits left out: 1. Each diagonal gives one digit: count them as you write.",
        "",
        "The last 3 problems",
        "  2026-12-08 08:05  3684 ÷ 12: 5 of 5 answers right at the first try",
        "  2026-12-07 19:12  307 × 12, level 3, set 4712: 2 of 3 answers right at the first try, 1 shown",
        "  2026-12-07 19:12  307 × 12, level 3, set 4711: 2 of 3 answers right at the first try, 1 shown",
        ""};
    QCOMPARE(report.split('\n'), expected);

    const QStringList csv = QString::fromStdString(progressCsv(read.records)).split("\r\n");
    QCOMPARE(csv.size(), 5); // head, three records, and the empty end
    QVERIFY(csv[0].startsWith(QString::fromUtf8("\xef\xbb\xbf\"Date and time\",\"Problem\"")));
    QVERIFY(csv[0].contains("\"Forgotten carries\""));
    QCOMPARE(csv[2], "\"2026-12-07T19:12:02+01:00\",\"307 × 12\",\"level\",0,3,4712,3,2,1,3,0,0,1,0,0,0,0,0,0,0,0,0");
    QCOMPARE(csv[3], "\"2026-12-08T08:05:00+01:00\",\"3684 ÷ 12\",\"own\",0,,,5,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
}

void TestProblemsAndProgress::recordsSurviveKillsWhileWriting()
{
    QTemporaryDir folder;
    const ProgressFile file(folder.path().toStdString());
    std::set<int> confirmed;
    int next = 1;
    QRandomGenerator random(1207);
    for (int kill = 0; kill < 15; ++kill) {
        QProcess writer;
        writer.start(PROGRESS_WRITER, {folder.path(), "1", QString::number(next), "100000"});
        // Killed once it is writing (a slow start under a sanitizer must not
        // make the kill come first), at a random moment after.
        QVERIFY(writer.waitForStarted() && writer.waitForReadyRead(30000));
        QTest::qWait(random.bounded(0, 40));
        writer.kill(); // SIGKILL, wherever it is
        writer.waitForFinished();
        // Each number the writer printed was appended and synced before.
        for (const QByteArray& line : writer.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                confirmed.insert(line.toInt());
        next = confirmed.empty() ? next : *confirmed.rbegin() + 1;
    }
    QVERIFY(confirmed.size() >= 15);
    const ProgressRead read = file.read();
    std::set<int> found;
    for (const ProgressRecord& record : read.records) {
        QCOMPARE(record.level, 1);
        QCOMPARE(record.steps, 3);
        found.insert(record.set);
    }
    for (int set : confirmed)
        QVERIFY2(found.count(set), qPrintable(QString("record %1 lost").arg(set)));
    QVERIFY(read.unreadable <= 15); // at most one line cut short per kill

    // After a line cut short, a new record starts on its own line, and the
    // damaged line stays as it was.
    {
        std::ofstream(file.path(), std::ios::app) << "1\t2026-12-07T19:1";
    }
    const std::string before = contentsOf(file.path());
    QCOMPARE(file.append(sampleRecord(2, 99)), "");
    const std::string after = contentsOf(file.path());
    QCOMPARE(after.substr(0, before.size()), before);
    const ProgressRead again = file.read();
    QCOMPARE(again.records.size(), read.records.size() + 1);
    QCOMPARE(again.records.back().set, 99);
    QCOMPARE(again.unreadable, read.unreadable + 1);
}

void TestProblemsAndProgress::twoWritersLoseNoRecord()
{
    QTemporaryDir folder;
    QProcess first;
    QProcess second;
    first.start(PROGRESS_WRITER, {folder.path(), "1", "1", "300"});
    second.start(PROGRESS_WRITER, {folder.path(), "2", "1", "300"});
    QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    const ProgressRead read = ProgressFile(folder.path().toStdString()).read();
    QCOMPARE(read.unreadable, 0u);
    std::set<std::pair<int, int>> found;
    for (const ProgressRecord& record : read.records)
        found.insert({record.level, record.set});
    QCOMPARE(found.size(), 600u);
    QCOMPARE(read.records.size(), 600u);
}

void TestProblemsAndProgress::unwritableFolderIsSaid()
{
    QTemporaryDir folder;
    // A file where the folder should be, and a folder that may not be written.
    const std::string blocked = folder.filePath("blocked").toStdString();
    {
        std::ofstream(blocked) << "not a folder";
    }
    const std::string failure = ProgressFile(blocked + "/numbering-rods").append(sampleRecord(1, 1));
    QVERIFY2(QString::fromStdString(failure).startsWith("Cannot make the folder"), failure.c_str());
    QCOMPARE(contentsOf(blocked), "not a folder");
    if (::geteuid() != 0) { // root writes anywhere
        const std::string readOnly = folder.filePath("read-only").toStdString();
        ::mkdir(readOnly.c_str(), 0500);
        QVERIFY(!ProgressFile(readOnly).append(sampleRecord(1, 1)).empty());
    }
    // A list that cannot be read at all.
    const ProblemList list = loadProblemList(folder.path().toStdString());
    QVERIFY(list.unreadable && list.problems.empty());
    QVERIFY(QString::fromStdString(list.refusal).contains("cannot be read"));
}

QTEST_GUILESS_MAIN(TestProblemsAndProgress)
#include "tst_problems_and_progress.moc"
