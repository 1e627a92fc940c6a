// The class overview on paper, read back from the PDF: every pupil's row
// with its figures, the columns' heads on every page, and how many pages.
#include "paper/class_table_paper.h"
#include "paper/pdf_reading.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace rods;

namespace {

// The text of one page as laid out, one space for any run of blanks.
QString pageText(const QString& pdf, int page)
{
    const QString number = QString::number(page);
    return run("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"}).out;
}

} // namespace

class TestClassTablePaper : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // 60 pupils, each row one line: A4 across is 297 by 210 mm, inside the
    // margins of 15 mm 267 by 180. A row of 9 points in DejaVu Sans (1.164
    // em a line) is 10.5 pt = 3.7 mm high, with 0.8 mm above and below
    // 5.3 mm. Under the page head of 9 mm and the heads' row (one line,
    // 5.3 mm, to three, 12.7 mm), a page after the first holds 165.7 / 5.3
    // = 31 rows to 158.3 / 5.3 = 29; the first, with 16 mm more for the
    // title and the date, 28 to 26. So 59 rows at most on two pages, and
    // 26 + 29 = 55 at least leave fewer than 29 for the third: 3 pages.
    void sixtyPupils()
    {
        ClassTable table;
        table.title = "Class 4b";
        table.date = "2026-03-07";
        table.heads = QString("Pupil|Problems worked|Answers|Right at the first try|Share|Skipped|Levels worked|"
                              "Highest level with 80% right|Slips made most often|Last worked|Damaged lines")
                          .split('|');
        for (int i = 1; i <= 60; ++i) {
            const QString name = QString("Child %1").arg(i, 2, 10, QChar('0'));
            table.rows << QStringList{name,
                                      QString::number(i),
                                      QString::number(5 * i),
                                      QString::number(4 * i),
                                      "80%",
                                      "0",
                                      "× 1, 2",
                                      "× 2",
                                      "Forgotten carries (4)",
                                      "2026-03-05",
                                      "0"};
        }
        QTemporaryDir folder;
        const QString pdf = folder.filePath("class.pdf");
        QCOMPARE(saveClassTablePdf(pdf, table), QString());
        QCOMPARE(pageCount(pdf), 3);
        QVERIFY(run("pdfinfo", {pdf}).out.contains("842 x 595 pts (A4)")); // across
        QString all;
        for (int page = 1; page <= 3; ++page) {
            const QString text = pageText(pdf, page);
            QVERIFY2(text.contains("Pupil") && text.contains("Answers") && text.contains("Skipped"), qPrintable(text));
            QVERIFY(text.contains(QString("Page %1 of 3").arg(page)));
            all += text;
        }
        QVERIFY(all.contains("Class 4b") && all.contains("2026-03-07"));
        // Each pupil once, with the figures of their row beside the name.
        for (int i = 1; i <= 60; ++i) {
            const QRegularExpression row(
                QString(R"(Child %1\s+%2\s+%3\s+%4\s+80%)").arg(i, 2, 10, QChar('0')).arg(i).arg(5 * i).arg(4 * i));
            QVERIFY2(all.count(row) == 1, qPrintable(QString::number(i)));
        }
    }
};

QTEST_MAIN(TestClassTablePaper)
#include "tst_class_table_paper.moc"
