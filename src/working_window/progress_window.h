#pragma once

#include "tutor/progress/progress_file.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace rods {

// The learner's progress: the problems worked per operation and level, the
// share right at the first try, the slips made most often with advice, and
// the last problems. It can be copied, saved as CSV for a teacher's
// spreadsheet, and forgotten.
class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    explicit ProgressWindow(ProgressFile file, QWidget* parent = nullptr);

    // Reads the file again and shows what it holds.
    void refresh();
    [[nodiscard]] QString text() const;

    // Writes the records as CSV to the path; empty when done, or why not.
    QString saveCsv(const QString& path) const;
    // Empties the progress file, once the learner has said so.
    void forget();

private:
    void askToForget();

    ProgressFile file_;
    std::vector<ProgressRecord> records_;
    QPlainTextEdit* view_;
    QPushButton* copy_;
    QPushButton* saveCsv_;
    QPushButton* forget_;
    QPushButton* close_;
};

} // namespace rods
