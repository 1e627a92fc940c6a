// Worksheets by the page, read back from the PDF: how many pages a sheet
// takes, what every page's head says, the rods' digits large enough for a
// child, and what each of the teacher's choices changes.
#include "paper/pdf_reading.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The digits of 10 points as pdftotext -bbox boxes them in DejaVu Sans, the
// font the tests run with: its ascent of 0.928 em and descent of 0.236 em
// make a box 1.164 times the size.
constexpr double TenPointBox = 10 * 1.164;
// Below the page head: the 15 mm margin and the 9 mm head, in points.
constexpr double BelowHead = (15 + 9) * 72 / 25.4;

// The digits that stand alone in a page's text: the rods' and the room's.
int singleDigits(const QString& text)
{
    static const QRegularExpression digit(R"((?<!\S)\d(?!\S))");
    return static_cast<int>(text.count(digit));
}

} // namespace

class TestWorksheetPages : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    // Writes a worksheet with these options and returns its file.
    QString sheet(const QString& name, const QStringList& options)
    {
        const QString pdf = folder_.filePath(name);
        const Run made = program(QStringList{"--worksheet", "--count", "40", "--output", pdf} + options);
        return made.status == 0 ? pdf : made.err;
    }

private Q_SLOTS:
    // On A4, 180 by 267 mm inside the margins of 15 mm, under a head of
    // 9 mm on every page and 30 mm more on the first, cells 5 mm apart.
    //
    // Level 1, "4 × 1 =": the chart of 1 rod and the index rod is
    // 6.2 + 5 = 11.2 mm wide and 6 + 9 × 6.2 = 61.8 mm high; beside it, 3 mm
    // on, 4 by 4 squares of 5 mm (the sign and 2 digits, fewer than the 4
    // squares a room has at least; the 2 numbers, 1 row and the sum): a
    // cell 34.2 mm wide and 8 + 61.8 = 69.8 mm high under its heading. 4 go
    // across (4 × 34.2 + 3 × 5 = 151.8; 5 need 191) and 3 down on every page
    // (39 + 3 × 69.8 + 2 × 5 = 258.4 on the first, 9 + 4 × 69.8 + 3 × 5 =
    // 303.2 for 4 on the others): 12 a page, 40 on 4 pages. The key's 40
    // one-line answers fit its first page's two columns.
    //
    // Level 10 of ÷, 15 digits by 8 rods: the chart is 8 × 6.2 + 5 = 54.6 mm
    // wide; the room 8 + 1 + 15 = 24 squares across (120 mm: 54.6 + 3 + 120
    // fits in 180) and 2 + 2 × 8 = 18 down (the quotient and the dividend,
    // then taken away and left for each of the 8 places of the quotient),
    // 90 mm: a cell 8 + 90 = 98 mm high, one across, 2 down (39 + 2 × 98 + 5
    // = 240 on the first page; 9 + 3 × 98 + 10 = 313 for 3 on the others):
    // 20 pages. Without the rods the room alone is as high: 20 still.
    void pageCounts_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("sheetPages");
        QTest::addColumn<QString>("title");
        QTest::newRow("level 1") << QStringList{"--level", "1"} << 4 << "Multiplication, level 1: 1 rod × 1 digit";
        QTest::newRow("level 10 of ÷") << QStringList{"--operation", "divide", "--level", "10"} << 20
                                       << "Division, level 10: 8-digit divisor into 15 digits";
        QTest::newRow("level 10 of ÷ without rods")
            << QStringList{"--operation", "divide", "--level", "10", "--no-rods"} << 20
            << "Division, level 10: 8-digit divisor into 15 digits";
    }

    // Every page says what the sheet is and its page's number; the first
    // has the name and date lines, the key's pages are counted apart.
    void pageCounts()
    {
        QFETCH(QStringList, options);
        QFETCH(int, sheetPages);
        QFETCH(QString, title);
        const QString pdf = sheet("count.pdf", options);
        const int pages = pageCount(pdf);
        QVERIFY2(pages > sheetPages, qPrintable(pdf));
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfText(pdf, page, page);
            const bool key = page > sheetPages;
            const int number = key ? page - sheetPages : page;
            const int of = key ? pages - sheetPages : sheetPages;
            QVERIFY2(text.contains(QString("Page %1 of %2").arg(number).arg(of)), qPrintable(text.left(200)));
            QVERIFY2(text.contains(title), qPrintable(text.left(200)));
            QCOMPARE(text.contains("Answer key"), key);
            QCOMPARE(text.contains("Name") && text.contains("Date"), page == 1);
        }
        QVERIFY(pdfText(pdf, sheetPages + 1, pages).contains("40. "));
    }

    // Every digit under the page's head, the rods' among them, is 10 points
    // or more.
    void rodsDigitsReadable()
    {
        const QString pdf = sheet("digits.pdf", {"--level", "1"});
        const Run boxes = run("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
        static const QRegularExpression word(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">(\d)</word>)re");
        int digits = 0;
        double smallest = 1e9;
        for (auto match = word.globalMatch(boxes.out); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            if (found.captured(1).toDouble() < BelowHead)
                continue;
            ++digits;
            smallest = std::min(smallest, found.captured(2).toDouble() - found.captured(1).toDouble());
        }
        // 12 problems, each with 1 + 18 digits on its rod and 9 beside it.
        QVERIFY2(digits > 12 * 28, qPrintable(QString::number(digits)));
        QVERIFY2(smallest >= TenPointBox * 0.995, qPrintable(QString::number(smallest)));
    }

    // What each choice changes, on 12 problems of level 7 (4 rods × 3 digits).
    void choices()
    {
        const QStringList level7{"--level", "7", "--count", "12"};
        const QString plain = sheet("plain.pdf", level7);
        const int plainPages = pageCount(plain);
        const QString plainText = pdfText(plain, 1, 1);

        // The teacher's line, on the first page and in every page's head.
        const QString titled = sheet("titled.pdf", level7 + QStringList{"--title", "Class 4b, Tuesday"});
        for (int page = 1; page <= pageCount(titled); ++page)
            QVERIFY(pdfText(titled, page, page).contains("Class 4b, Tuesday"));

        // No key: the sheet's pages alone.
        const QString keyless = sheet("keyless.pdf", level7 + QStringList{"--no-key"});
        QVERIFY(!pdfText(keyless).contains("Answer key"));
        QCOMPARE(pageCount(keyless), plainPages - 1);

        // No rods: fewer pages, and of the digits standing alone only the
        // room's, 4 + 3 a problem, and a few in the heads ("Page 1 of 1",
        // "4 rods", "Sets 1 and 2"); the rods give 4 × 19 + 9 more.
        const QString bare = sheet("bare.pdf", level7 + QStringList{"--no-rods"});
        QVERIFY2(pageCount(bare) < plainPages, qPrintable(QString::number(pageCount(bare))));
        const QString bareText = pdfText(bare, 1, pageCount(bare) - 1);
        QVERIFY2(singleDigits(bareText) <= 12 * 7 + 10, qPrintable(bareText));
        const int problemsOnPage = static_cast<int>(plainText.count(QRegularExpression(R"(\d+\. \d+ × \d+ =)")));
        QVERIFY(singleDigits(plainText) >= problemsOnPage * (7 + 4 * 19 + 9));

        // A lattice: no × sign written into the room, only in the headings
        // and twice in "4 rods × 3 digits" (the page head and the title).
        const QString lattice = sheet("lattice.pdf", level7 + QStringList{"--room", "lattice"});
        QCOMPARE(plainText.count("×"), 2 * problemsOnPage + 2);
        QCOMPARE(pdfText(lattice, 1, 1).count("×"), problemsOnPage + 2);

        // × and ÷ in turn, each answered in the key.
        const QString mixed = sheet("mixed.pdf", {"--operation", "mixed", "--level", "2", "--count", "4"});
        const QString text = pdfText(mixed);
        QVERIFY(QRegularExpression(R"(1\. \d+ × \d+ = .*2\. \d+ ÷ \d+ = .*3\. \d+ × \d+ = .*4\. \d+ ÷ \d+ =)")
                    .match(text)
                    .hasMatch());
        QVERIFY(text.contains("Multiplication and division, level 2"));
    }
};

QTEST_GUILESS_MAIN(TestWorksheetPages)
#include "tst_worksheet_pages.moc"
