// Pupils' names and files: every name a child or teacher may type is refused
// with a sentence or kept inside the data folder and read back as typed;
// forgetting moves one pupil's records aside and Restore brings them back;
// the place a pupil left off is read back whole or not at all.
#include "core/file_bytes.h"
#include "tutor/pupils/pupil_folders.h"
#include "tutor/pupils/pupil_name.h"
#include "tutor/session/kept_place.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

using namespace rods;

namespace {

ProgressRecord record(int set, bool skipped = false)
{
    ProgressRecord record;
    record.time = "2026-12-08T10:15:00+01:00";
    record.problem = *readProblem("307 × 12").problem;
    record.source = ProblemSource::Level;
    record.level = 3;
    record.set = set;
    record.skipped = skipped;
    record.steps = 4;
    record.rightFirst = skipped ? 1 : 3;
    return record;
}

std::string contentsOf(const std::string& path) { return readPlainFile(path, SIZE_MAX).bytes; }

// Every file and folder under the root, as paths from it.
QStringList everythingUnder(const QString& root)
{
    QStringList found;
    QDirIterator walk(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext())
        found << walk.next().mid(root.size() + 1);
    found.sort();
    return found;
}

} // namespace

class TestPupils : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesStayInsideTheDataFolder_data();
    void namesStayInsideTheDataFolder();
    void forgettingMovesOnePupilsRecordsAside();
    void earlierProgressGoesToTheAccountsPupil();
    void aPlaceIsReadWholeOrNotAtAll();
};

void TestPupils::namesStayInsideTheDataFolder_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("kept"); // empty when refused
    const QByteArray hundred(100, 'a');
    QTest::newRow("accents") << QByteArray("Zoë Müller") << QByteArray("Zoë Müller");
    QTest::newRow("Arabic") << QByteArray("محمد") << QByteArray("محمد");
    QTest::newRow("apostrophe") << QByteArray("Jean-Luc O'Neil") << QByteArray("Jean-Luc O'Neil");
    QTest::newRow("spaces around") << QByteArray("  Anna  ") << QByteArray("Anna");
    QTest::newRow("up a folder") << QByteArray("../x") << QByteArray("../x");
    QTest::newRow("two dots") << QByteArray("..") << QByteArray("..");
    QTest::newRow("one dot") << QByteArray(".") << QByteArray(".");
    QTest::newRow("a slash") << QByteArray("a/b") << QByteArray("a/b");
    QTest::newRow("a root") << QByteArray("/etc/passwd") << QByteArray("/etc/passwd");
    QTest::newRow("leading dot") << QByteArray(".hidden") << QByteArray(".hidden");
    QTest::newRow("backslash") << QByteArray("a\\b") << QByteArray("a\\b");
    QTest::newRow("a tilde") << QByteArray("~") << QByteArray("~");
    QTest::newRow("100 characters") << hundred << hundred;
    QTest::newRow("100 Arabic letters") << QByteArray("ب").repeated(100) << QByteArray("ب").repeated(100);
    QTest::newRow("101 characters") << QByteArray(101, 'a') << QByteArray();
    QTest::newRow("300 characters") << QByteArray(300, 'z') << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("only spaces") << QByteArray("   ") << QByteArray();
    QTest::newRow("a tab") << QByteArray("An\tna") << QByteArray();
    QTest::newRow("a line break") << QByteArray("An\nna") << QByteArray();
    QTest::newRow("a carriage return") << QByteArray("Anna\r") << QByteArray();
    QTest::newRow("a NUL") << QByteArray("An\0na", 5) << QByteArray();
    QTest::newRow("an escape") << QByteArray("\x1b[31mAnna") << QByteArray();
    QTest::newRow("DEL") << QByteArray("Anna\x7f") << QByteArray();
    QTest::newRow("a C1 control") << QByteArray("Anna\xc2\x85") << QByteArray();
    QTest::newRow("a line separator") << QByteArray("Anna\xe2\x80\xa8") << QByteArray();
    QTest::newRow("not UTF-8") << QByteArray("Anna\xff") << QByteArray();
    QTest::newRow("a cut sequence") << QByteArray("Zo\xc3") << QByteArray();
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xafx") << QByteArray();
}

void TestPupils::namesStayInsideTheDataFolder()
{
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, kept);
    const CheckedName checked =
        checkedPupilName(std::string_view(typed.data(), static_cast<std::size_t>(typed.size())));
    if (kept.isEmpty()) {
        QVERIFY(checked.name.empty());
        QVERIFY(checked.refusal.size() > 20 && checked.refusal.back() == '.');
        return;
    }
    QCOMPARE(QByteArray::fromStdString(checked.name), kept);
    QVERIFY(checked.refusal.empty());

    // Kept, the pupil's record and place land in one folder under "pupils",
    // and nowhere else.
    QTemporaryDir outside;
    const QString data = outside.filePath("data");
    const PupilFolders folders(data.toStdString());
    QCOMPARE(folders.progressOf(checked.name).append(record(4711)), "");
    KeptPlace place;
    place.pupil = checked.name;
    place.level = 3;
    place.set = 4711;
    std::ofstream(folders.placeOf(checked.name)) << placeText(place);
    const QStringList everything = everythingUnder(outside.path());
    QCOMPARE(everything.size(), 6); // data, pupils, the folder, its file, its lock and its place
    const QString folder = everything[2];
    QVERIFY2(folder.startsWith("data/pupils/") && folder.count('/') == 2, qPrintable(folder));
    QVERIFY(!folder.section('/', 2).startsWith('.'));
    QVERIFY(folder.section('/', 2).toUtf8().size() <= 60);
    QCOMPARE(everything.mid(3), QStringList({folder + "/place", folder + "/progress.lock", folder + "/progress.tsv"}));

    // Read back as typed, from the folder and from the file.
    QCOMPARE(folders.pupils(), std::vector<std::string>{checked.name});
    const ProgressRead read = folders.progressOf(checked.name).read();
    QCOMPARE(QByteArray::fromStdString(read.pupil), kept);
    QCOMPARE(read.records.size(), std::size_t(1));
}

void TestPupils::forgettingMovesOnePupilsRecordsAside()
{
    QTemporaryDir data;
    const PupilFolders folders(data.path().toStdString());
    const ProgressFile anna = folders.progressOf("Anna"), ben = folders.progressOf("Ben");
    QCOMPARE(anna.append(record(1)), "");
    QCOMPARE(anna.append(record(2, true)), "");
    QCOMPARE(ben.append(record(3)), "");
    const std::string annas = contentsOf(anna.path()), bens = contentsOf(ben.path());
    QCOMPARE(anna.read().records[1].skipped, true);

    std::string kept;
    QCOMPARE(anna.forget(&kept), "");
    QVERIFY(anna.read().records.empty());
    QCOMPARE(contentsOf(kept), annas); // moved whole, pupil line and all
    QCOMPARE(contentsOf(ben.path()), bens);
    QCOMPARE(anna.forgottenFiles(), std::vector<std::string>{kept});
    QVERIFY(QFileInfo(QString::fromStdString(kept)).fileName().startsWith("forgotten-20"));

    // A problem worked after forgetting, then Restore: the forgotten records
    // first, the new one after, and one pupil line.
    QCOMPARE(anna.append(record(5)), "");
    const std::string since = contentsOf(anna.path());
    QCOMPARE(anna.restore(kept), "");
    QCOMPARE(contentsOf(anna.path()), annas + since.substr(since.find('\n') + 1));
    QVERIFY(anna.forgottenFiles().empty());
    // A restoring cut short before the forgotten file went, done again,
    // doubles nothing.
    std::ofstream(kept) << annas;
    QCOMPARE(anna.restore(kept), "");
    const ProgressRead read = anna.read();
    QCOMPARE(read.pupil, "Anna");
    QCOMPARE(read.records.size(), std::size_t(3));
    QCOMPARE(read.records[2].set, 5);
    QCOMPARE(contentsOf(ben.path()), bens);
}

void TestPupils::earlierProgressGoesToTheAccountsPupil()
{
    QTemporaryDir data;
    // A line as the version before skipped problems wrote it; its checksum is
    // FNV-1a of the line up to its last tab, worked out apart from the program.
    const std::string first = "1\t2026-12-07T19:12:02+01:00\t307x12\tlevel\t3\t4711\t4\t3\t0\t-";
    std::uint32_t hash = 2166136261u;
    for (char c : first)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    const std::string earlier = first + "\t" + QByteArray::number(hash, 16).rightJustified(8, '0').toStdString() + "\n";
    std::ofstream(data.filePath("progress.tsv").toStdString()) << earlier << "damaged\n";
    const PupilFolders folders(data.path().toStdString());
    QCOMPARE(folders.adoptEarlierProgress("Anna"), "");
    QVERIFY(!QFile::exists(data.filePath("progress.tsv")));
    const ProgressRead read = folders.progressOf("Anna").read();
    QCOMPARE(read.pupil, "Anna");
    QCOMPARE(read.records.size(), std::size_t(1));
    QCOMPARE(read.records[0].set, 4711);
    QCOMPARE(read.records[0].skipped, false);
    QCOMPARE(read.unreadable, std::size_t(1)); // kept as found
    // Once only: a second start finds nothing to give.
    QCOMPARE(folders.adoptEarlierProgress("Anna"), "");
    QCOMPARE(folders.progressOf("Anna").read().records.size(), std::size_t(1));
}

void TestPupils::aPlaceIsReadWholeOrNotAtAll()
{
    KeptPlace place;
    place.pupil = "Zoë";
    place.posed = 2;
    place.listName = "class 4.txt";
    place.list = {*readProblem("12 × 3").problem, *readProblem("3684 ÷ 12").problem};
    const std::string text = placeText(place);
    const std::optional<KeptPlace> read = readPlace(text);
    QVERIFY(read);
    QCOMPARE(read->pupil, "Zoë");
    QCOMPARE(read->posed, std::size_t(2));
    QCOMPARE(read->finished, false);
    QCOMPARE(read->listName, "class 4.txt");
    QCOMPARE(read->list.size(), std::size_t(2));
    QCOMPARE(problemText(read->list[1]), "3684 ÷ 12");
    // Any byte changed, or the end cut off, and the place is not read.
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string damaged = text;
        damaged[at] = damaged[at] == '7' ? '8' : '7';
        QVERIFY2(!readPlace(damaged), qPrintable(QString("byte %1").arg(at)));
        QVERIFY(!readPlace(text.substr(0, at)));
    }
    // A third problem of a list of two is no place.
    place.posed = 3;
    QVERIFY(!readPlace(placeText(place)));
}

QTEST_GUILESS_MAIN(TestPupils)
#include "tst_pupils.moc"
