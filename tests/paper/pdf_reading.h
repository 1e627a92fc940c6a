#pragma once

// The program run as a separate process, and its PDF files read back with
// poppler's tools, as a teacher's viewer would see them.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

inline Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

inline Run program(const QStringList& arguments) { return run(RODS_PROGRAM, arguments); }

inline int pageCount(const QString& pdf)
{
    const Run info = run("pdfinfo", {pdf});
    const QRegularExpressionMatch pages = QRegularExpression(R"(Pages:\s+(\d+))").match(info.out);
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// The text of pages `first` to `last` (all when 0), one space for any run of
// blanks.
inline QString pdfText(const QString& pdf, int first = 0, int last = 0)
{
    QStringList arguments;
    if (first > 0)
        arguments << "-f" << QString::number(first) << "-l" << QString::number(last);
    const Run text = run("pdftotext", arguments << pdf << "-");
    return text.out.simplified();
}

} // namespace
