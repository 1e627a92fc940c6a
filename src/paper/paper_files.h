#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;

namespace rods {

class Lesson;
struct Worksheet;

// How a worksheet is set out: each problem's rods drawn or not, the room to
// work it, and the answer key after the problems or not.
struct WorksheetLook {
    enum class Room {
        Squared, // 5 mm squares, the numbers written in them
        Lattice, // for a product, the lattice its rods give; a division keeps its squares
    };
    bool rods = true;
    bool answerKey = true;
    Room room = Room::Squared;
};

// What the tutor puts on paper, each onto any paged device: a PDF file or a
// printer. Each returns false when the device cannot be painted on.
bool paintWorking(QPagedPaintDevice& device, const Lesson& lesson);
bool paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const WorksheetLook& look = {});
bool paintCutoutRods(QPagedPaintDevice& device);

// The step the lesson shows, as it shows it, in a picture for a slide.
[[nodiscard]] QImage stepImage(const Lesson& lesson);
inline constexpr int StepImageWidth = 1920;
inline constexpr int StepImageHeight = 1080;

enum class PaperFormat { Pdf, Png };
// The kind of file a path names by its ending (.pdf, .png, in any case).
[[nodiscard]] std::optional<PaperFormat> paperFormat(const QString& path);

// How writing a file went: nothing when it was written, or why not.
struct PaperOutcome {
    bool written = false;
    bool unknownType = false; // the path's ending names no kind of file that can be written
    QString error;            // for the user, one sentence
};

// Writes pages as a PDF on the locale's paper, or a picture as a PNG: the
// file appears whole or not at all.
PaperOutcome savePdf(const QString& path, const std::function<bool(QPagedPaintDevice&)>& paint);
PaperOutcome savePng(const QString& path, const QImage& image);
// The lesson's whole working as a PDF, or the step shown as a PNG, by the
// path's ending.
PaperOutcome saveWorking(const QString& path, const Lesson& lesson);
// The worksheet and its answer key as a PDF.
PaperOutcome saveWorksheet(const QString& path, const Worksheet& sheet, const WorksheetLook& look = {});

} // namespace rods
