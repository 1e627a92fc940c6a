#pragma once

#include "tutor/classroom/class_overview.h"

#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace rods {

// The class overview as it goes on paper: its title, the day it was made,
// the columns' heads and each pupil's cells, all as text.
struct ClassTable {
    QString title;
    QString date; // "2026-12-07"
    QStringList heads;
    QList<QStringList> rows;
};

// The whole class's table, made today.
[[nodiscard]] ClassTable classTable(const std::vector<PupilRow>& rows);
// The table of one set of a level, titled with the operation, level and set.
[[nodiscard]] ClassTable setTable(const std::vector<PupilRow>& rows, Operation operation, int level, int set);

// The table across landscape pages, the columns' heads on each: for a PDF
// file or a printer. False when the device cannot be painted on.
bool paintClassTable(QPagedPaintDevice& device, const ClassTable& table);

// Writes the table as a PDF on the locale's paper, whole or not at all;
// returns why not, for the user, or nothing.
[[nodiscard]] QString saveClassTablePdf(const QString& path, const ClassTable& table);

} // namespace rods
