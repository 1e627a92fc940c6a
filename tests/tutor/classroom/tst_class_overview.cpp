// The class overview: one table of three pupils' records, every figure of
// every row worked out by hand below; the view of one set; the cells and the
// CSV; and the files found in a data folder and in a folder of collected
// files.
#include "tutor/classroom/class_overview.h"

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

using namespace rods;

namespace {

constexpr const char* Bea = "O'Neil, \"Bea\""; // a comma, quotes and an apostrophe for the CSV

struct Row {
    const char* file;
    const char* time;
    const char* problem;
    int level; // 0: the pupil's own problem; -1: from a list
    int set;
    bool skipped;
    int steps, right, shown;
    std::vector<std::pair<SlipKind, int>> slips;
};

using enum SlipKind;

// Ada in two files, Bea in two (one with a damaged line), Cleo in a file
// without a pupil line, named by its folder.
const std::vector<Row> Records{
    {"ada-home.tsv", "2026-03-02T09:00:00+01:00", "307 × 12", 1, 11, false, 4, 4, 0, {}},
    {"ada-home.tsv", "2026-03-03T09:00:00+01:00", "307 × 12", 2, 21, false, 6, 5, 1, {{ForgottenCarry, 1}}},
    {"ada-home.tsv", "2026-03-03T09:30:00+01:00", "307 × 12", 3, 31, true, 1, 1, 0, {{Swapped, 1}}},
    {"ada-school.tsv",
     "2026-03-04T10:00:00+01:00",
     "307 × 12",
     2,
     22,
     false,
     4,
     3,
     0,
     {{ForgottenCarry, 2}, {WrongDigit, 1}}},
    {"ada-school.tsv",
     "2026-03-05T10:00:00+01:00",
     "307 × 12",
     3,
     31,
     false,
     24,
     19,
     2,
     {{WrongDigit, 3}, {Swapped, 2}}},
    {"ada-school.tsv", "2026-03-01T08:00:00+01:00", "12 × 5", 0, 0, false, 3, 2, 1, {{MissingDigit, 1}}},
    {"bea.tsv", "2026-02-10T14:00:00-05:00", "3684 ÷ 12", 1, 5, false, 5, 5, 0, {}},
    {"bea.tsv", "2026-02-11T14:00:00-05:00", "3684 ÷ 12", 2, 21, false, 10, 8, 0, {{RowTooLarge, 2}}},
    {"bea.tsv", "2026-02-12T23:30:00-05:00", "307 × 12", 1, 7, false, 5, 3, 0, {{ForgottenCarry, 1}}},
    {"bea-old.tsv",
     "2026-02-01T09:00:00-05:00",
     "3684 ÷ 12",
     -1,
     0,
     false,
     8,
     6,
     2,
     {{RowTooSmall, 1}, {RowTooLarge, 1}}},
    {"Cleo/progress.tsv", "2026-03-06T11:00:00+00:00", "307 × 12", 4, 21, true, 2, 0, 0, {{ForgottenCarry, 1}}},
};

ProgressRecord recordOf(const Row& row)
{
    ProgressRecord record;
    record.time = row.time;
    record.problem = *readProblem(row.problem).problem;
    record.source = row.level > 0 ? ProblemSource::Level : row.level < 0 ? ProblemSource::List : ProblemSource::Own;
    record.level = std::max(row.level, 0);
    record.set = row.set;
    record.skipped = row.skipped;
    record.steps = row.steps;
    record.rightFirst = row.right;
    record.shown = row.shown;
    for (const auto& [kind, count] : row.slips)
        record.slips[static_cast<std::size_t>(kind)] = count;
    return record;
}

void write(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::app) << text;
}

// The table's files in a folder, read back as the overview reads them.
std::vector<PupilFile> classFiles(const QTemporaryDir& folder)
{
    const std::filesystem::path root = folder.path().toStdString();
    write(root / "ada-home.tsv", pupilLine("Ada"));
    write(root / "ada-school.tsv", pupilLine("Ada"));
    write(root / "bea.tsv", pupilLine(Bea));
    write(root / "bea-old.tsv", pupilLine(Bea) + "2\tnot a record\n");
    for (const Row& row : Records)
        write(root / row.file, recordLine(recordOf(row)));
    std::vector<PupilFile> files;
    for (const char* name : {"ada-home.tsv", "ada-school.tsv", "bea.tsv", "bea-old.tsv", "Cleo/progress.tsv"})
        files.push_back(readPupilFile((root / name).string()));
    return files;
}

// A row as one line, so that a wrong figure shows beside the right one.
QString described(const PupilRow& row)
{
    QStringList files, levels, slips;
    for (const std::string& file : row.files)
        files << QString::fromStdString(std::filesystem::path(file).filename().string());
    for (const LevelWorked& level : row.levels)
        levels << QString(level.operation == Operation::Multiply ? "x%1" : "/%1").arg(level.level);
    for (const auto& [kind, count] : row.slips)
        slips << QString("%1:%2").arg(static_cast<int>(kind)).arg(count);
    return QString("%1 [%2] %3 problems, %4 answers, %5 right, %6 skipped; levels %7; best x%8 /%9; slips %10; %11; "
                   "%12 damaged")
        .arg(QString::fromStdString(row.pupil), files.join(' '))
        .arg(row.problems)
        .arg(row.answers)
        .arg(row.rightFirst)
        .arg(row.skipped)
        .arg(levels.join(' '))
        .arg(row.bestMultiply.value_or(0))
        .arg(row.bestDivide.value_or(0))
        .arg(slips.join(' '), QString::fromStdString(row.lastDay))
        .arg(row.unreadable);
}

QStringList qt(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

// A CSV line's fields: quoted ones with their doubled quotes undone.
QStringList csvFields(const QString& line)
{
    QStringList fields{QString()};
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"' && inQuotes && i + 1 < line.size() && line[i + 1] == '"')
            fields.last() += line[++i];
        else if (line[i] == '"')
            inQuotes = !inQuotes;
        else if (line[i] == ',' && !inQuotes)
            fields << QString();
        else
            fields.last() += line[i];
    }
    return fields;
}

} // namespace

class TestClassOverview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPupilsFiguresWorkedByHand();
    void oneSetCountsOnlyItsRecords();
    void cellsAndCsv();
    void filesOfADataFolder();
    void filesOfACollectedFolder();
};

void TestClassOverview::everyPupilsFiguresWorkedByHand()
{
    QTemporaryDir folder;
    const std::vector<PupilRow> rows = classOverview(classFiles(folder));
    QCOMPARE(rows.size(), 3u); // Ada's two files one row, Bea's two another; by name: A, C, O
    // Ada, the first six records. Worked to the end: all but the skipped ×3
    // (set 31), so 5 problems; answers 4+6+4+24+3 = 41, right 4+5+3+19+2 = 33.
    // Levels worked: ×1, ×2, ×3 (the ×3 of set 31 also worked to the end).
    // ×1: 4 of 4; ×2: 5+3 = 8 of 6+4 = 10, exactly 80%; ×3: 19 of 24, 79.2%
    // (with the skipped 1 of 1 it would be 20 of 25, 80%): the best is ×2.
    // Slips, the skipped problem's too: wrong digits 1+3 = 4, forgotten
    // carries 1+2 = 3, swapped 1+2 = 3 (kind 5, after kind 0 in a tie),
    // missing digits 1 (fourth, left out). Newest day 03-05, though the own
    // problem of 03-01 comes after it in its file.
    QCOMPARE(described(rows[0]), "Ada [ada-home.tsv ada-school.tsv] 5 problems, 41 answers, 33 right, 1 skipped; "
                                 "levels x1 x2 x3; best x2 /0; slips 6:4 0:3 5:3; 2026-03-05; 0 damaged");
    // Cleo: one skipped problem (×4, set 21) and its forgotten carry; no
    // problem worked to the end, so nothing worked, no level, no best.
    QCOMPARE(described(rows[1]), "Cleo [progress.tsv] 0 problems, 0 answers, 0 right, 1 skipped; levels ; best x0 /0; "
                                 "slips 0:1; 2026-03-06; 0 damaged");
    // Bea: 4 problems worked; answers 5+10+5+8 = 28, right 5+8+3+6 = 22.
    // Levels: ×1 (3 of 5, 60%), ÷1 (5 of 5), ÷2 (8 of 10, 80%), the list's
    // problem none: best ÷2 and no ×. Slips: rows too large 2+1 = 3, then
    // forgotten carries 1 (kind 0) and rows too small 1 (kind 9). Newest day
    // 02-12 (23:30 at -05:00, the day as written). One damaged line.
    QCOMPARE(described(rows[2]), QString("%1 [bea.tsv bea-old.tsv] 4 problems, 28 answers, 22 right, 0 skipped; "
                                         "levels x1 /1 /2; best x0 /2; slips 8:3 0:1 9:1; 2026-02-12; 1 damaged")
                                     .arg(Bea));
}

void TestClassOverview::oneSetCountsOnlyItsRecords()
{
    QTemporaryDir folder;
    // × level 2, set 21: only Ada's record of 03-03 (her ×2 of set 22, Bea's
    // ÷2 of set 21 and Cleo's ×4 of set 21 are other sets). 5 of 6 right,
    // 83%: ×2 mastered in this set.
    const std::vector<PupilRow> rows = setOverview(classFiles(folder), Operation::Multiply, 2, 21);
    QCOMPARE(rows.size(), 1u);
    QCOMPARE(described(rows[0]), "Ada [ada-home.tsv ada-school.tsv] 1 problems, 6 answers, 5 right, 0 skipped; "
                                 "levels x2; best x2 /0; slips 0:1; 2026-03-03; 0 damaged");
}

void TestClassOverview::cellsAndCsv()
{
    QTemporaryDir folder;
    const std::vector<PupilRow> rows = classOverview(classFiles(folder));
    const QStringList heads = QString("Pupil|Problems worked|Answers|Right at the first try|Share|Skipped|Levels "
                                      "worked|Highest level with 80% right|Slips made most often|Last worked|"
                                      "Damaged lines")
                                  .split('|');
    QCOMPARE(qt(classColumnHeads()), heads);
    // Shares rounded half up: Ada 33/41 = 80.49% -> 80, Bea 22/28 = 78.57% -> 79.
    QCOMPARE(qt(classRowCells(rows[0])),
             QStringList({"Ada", "5", "41", "33", "80%", "1", "× 1, 2, 3", "× 2",
                          "Other wrong digits (4), Forgotten carries (3), Digits swapped (3)", "2026-03-05", "0"}));
    QCOMPARE(qt(classRowCells(rows[1])),
             QStringList({"Cleo", "0", "0", "0", "–", "1", "–", "–", "Forgotten carries (1)", "2026-03-06", "0"}));

    const std::string csv = classCsv(rows);
    QVERIFY(csv.starts_with("\xef\xbb\xbf\"Pupil\",\"Problems worked\","));
    const QStringList lines = QString::fromStdString(csv.substr(3)).split("\r\n");
    QCOMPARE(lines.size(), 5); // heads, three rows, nothing after the last line's end
    QCOMPARE(lines[4], QString());
    QCOMPARE(csvFields(lines[0]), heads);
    QCOMPARE(csvFields(lines[1]),
             QStringList({"Ada", "5", "41", "33", "80", "1", "× 1, 2, 3", "× 2",
                          "Other wrong digits (4), Forgotten carries (3), Digits swapped (3)", "2026-03-05", "0"}));
    QCOMPARE(csvFields(lines[2]),
             QStringList({"Cleo", "0", "0", "0", "", "1", "", "", "Forgotten carries (1)", "2026-03-06", "0"}));
    QCOMPARE(csvFields(lines[3]),
             QStringList({Bea, "4", "28", "22", "79", "0", "× 1; ÷ 1, 2", "÷ 2",
                          "Rows too large (3), Forgotten carries (1), Rows too small (1)", "2026-02-12", "1"}));
    QVERIFY(lines[3].startsWith("\"O'Neil, \"\"Bea\"\"\",4,"));

    // A name a spreadsheet would take for a formula goes in as text.
    PupilRow formula;
    formula.pupil = "=HYPERLINK(\"x\")";
    QVERIFY(classCsv({formula}).find("\r\n\"'=HYPERLINK(\"\"x\"\")\",0,") != std::string::npos);
    formula.pupil = "Ada = 1";
    QVERIFY(classCsv({formula}).find("\r\n\"Ada = 1\",0,") != std::string::npos);
}

void TestClassOverview::filesOfADataFolder()
{
    QTemporaryDir folder;
    const std::filesystem::path data = std::filesystem::path(folder.path().toStdString()) / "numbering-rods";
    for (const char* name :
         {"pupils/ada/progress.tsv", "pupils/ada/forgotten-2026-03-01-120000.tsv", "pupils/ada/place",
          "pupils/ben/progress.tsv", "progress.tsv", "lists/class-4b.tsv"}) // not a progress file
        write(data / name, "");
    std::filesystem::create_directories(data / "pupils/new"); // no work yet
    const FoundFiles found = progressFilesIn(data.string());
    QCOMPARE(qt(found.files), QStringList({QString::fromStdString((data / "progress.tsv").string()),
                                           QString::fromStdString((data / "pupils/ada/progress.tsv").string()),
                                           QString::fromStdString((data / "pupils/ben/progress.tsv").string())}));
    QVERIFY(found.unreadable.empty());
    // No work yet is a row of its own; a file without a pupil line is named
    // by its folder, the one from before pupils too.
    write(data / "pupils/ada/progress.tsv", pupilLine("Ada"));
    std::vector<PupilFile> files;
    for (const std::string& file : found.files)
        files.push_back(readPupilFile(file));
    QStringList names;
    for (const PupilRow& row : classOverview(files))
        names << QString::fromStdString(row.pupil);
    QCOMPARE(names, QStringList({"Ada", "ben", "numbering-rods"}));

    const std::string missing = (data / "nobody.tsv").string();
    const FoundFiles none = progressFilesIn(missing);
    QVERIFY(none.files.empty());
    QCOMPARE(qt(none.unreadable), QStringList{QString::fromStdString(missing)});
    const PupilFile unread = readPupilFile(missing);
    QCOMPARE(unread.error, "Cannot read " + missing + ": No such file or directory");
    QVERIFY(unread.read.records.empty());
    QVERIFY(classOverview({unread}).empty());
}

void TestClassOverview::filesOfACollectedFolder()
{
    QTemporaryDir folder;
    const std::filesystem::path root = folder.path().toStdString();
    for (const char* name : {"a.tsv", "notes.txt", "class-b/Dan.tsv", "class-b/forgotten-2026-03-01-120000.tsv",
                             "1/2/3/deep.tsv", "1/2/3/4/too-deep.tsv"})
        write(root / name, "");
    std::filesystem::create_directory_symlink(root, root / "class-b/loop");
    const auto path = [&](const char* name) { return QString::fromStdString((root / name).string()); };
    QCOMPARE(qt(progressFilesIn(root.string()).files),
             QStringList({path("1/2/3/deep.tsv"), path("a.tsv"), path("class-b/Dan.tsv")}));
    QCOMPARE(qt(progressFilesIn((root / "a.tsv").string()).files), QStringList{path("a.tsv")});
    // No pupil line: the file's name names the pupil.
    QCOMPARE(readPupilFile((root / "class-b/Dan.tsv").string()).pupil, "Dan");
}

QTEST_GUILESS_MAIN(TestClassOverview)
#include "tst_class_overview.moc"
