#pragma once

#include "paper/class_table_paper.h"

#include <QStringList>
#include <QWidget>

#include <string>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace rods {

class ClassSetTab;
class ClassTableView;

// The teacher's view of the class: a row per pupil of what they worked, how
// well and when, from the pupils' files in the program's data folder and in
// the files and folders the teacher adds (only ever read); and who worked one
// set of a level, and how. Each table can be sorted, copied into a
// spreadsheet, saved as CSV, printed or saved as PDF.
class ClassWindow : public QWidget {
    Q_OBJECT

public:
    explicit ClassWindow(std::string dataFolder, QWidget* parent = nullptr);

    // Reads every file again and shows what they hold.
    void refresh();
    // Adds files or folders to read, for as long as the window lives.
    void addPaths(const QStringList& paths);

    // The shown tab's table as tab-separated text with its heads.
    [[nodiscard]] QString tableText() const;
    // Write the shown tab's table in the order sorted, as CSV or as PDF:
    // empty when done, or why not.
    QString saveCsv(const QString& path) const;
    QString savePdf(const QString& path) const;

Q_SIGNALS:
    // A row was activated: the pupil and the files their records are in.
    void progressAsked(const QString& pupil, const QStringList& files);

protected:
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] ClassTableView* shownTable() const;
    [[nodiscard]] ClassTable shownPaper() const;
    void enableButtons();
    void askForFiles();
    void askForFolder();
    void askAndSaveCsv();
    void askAndSavePdf();
    void print();

    std::string dataFolder_;
    QStringList added_;
    QPlainTextEdit* notice_;
    QTabWidget* tabs_;
    ClassTableView* pupils_;
    ClassSetTab* set_;
    QPushButton* addFiles_;
    QPushButton* addFolder_;
    QPushButton* copy_;
    QPushButton* saveCsv_;
    QPushButton* print_;
    QPushButton* savePdf_;
    QPushButton* close_;
};

} // namespace rods
