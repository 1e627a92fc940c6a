#pragma once

#include "tutor/progress/progress_file.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace rods {

// A pupil's progress: the problems worked per operation and level, the
// share right at the first try, the slips made most often with advice, and
// the last problems. It can be copied and saved as CSV for a teacher's
// spreadsheet. The pupil working can forget their records, which are moved
// aside into a dated file, and restore them; files a teacher added from
// elsewhere are only read.
class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    // The progress of the pupil working, who may forget and restore it.
    explicit ProgressWindow(ProgressFile file, QWidget* parent = nullptr);
    // A pupil's progress from files that are only read.
    ProgressWindow(const QString& pupil, std::vector<std::string> files, QWidget* parent = nullptr);

    // Shows another pupil's progress, as the first constructor does.
    void setFile(ProgressFile file);
    // Reads the files again and shows what they hold.
    void refresh();
    [[nodiscard]] QString text() const;

    // Writes the records as CSV to the path; empty when done, or why not.
    QString saveCsv(const QString& path) const;
    // Moves the records aside, once the pupil has said so.
    void forget();
    // Brings back the records forgotten last.
    void restore();

private:
    void build();
    void askToForget();

    std::optional<ProgressFile> file_; // none when only read
    QString pupil_;
    std::vector<std::string> files_; // read only
    std::vector<ProgressRecord> records_;
    QPlainTextEdit* view_;
    QPushButton* copy_;
    QPushButton* saveCsv_;
    QPushButton* forget_;
    QPushButton* restore_;
    QPushButton* close_;
};

} // namespace rods
