#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace rods {

// The row of the Working window that says who is working: the pupil's name,
// chosen from those who worked on this computer or typed anew, the pupil's
// progress and the class's overview. A name that cannot be a pupil's is
// refused with a sentence, and the pupil stays who they were.
class PupilBar : public QWidget {
    Q_OBJECT

public:
    explicit PupilBar(QWidget* parent = nullptr);

    // Shows the pupil working, among the names known.
    void showPupil(const QString& pupil, const QStringList& known);
    [[nodiscard]] QString pupil() const { return pupil_; }
    // Takes a name as typed in the box; false, with the refusal said, when
    // it cannot be a pupil's.
    bool choose(const QString& typed);
    [[nodiscard]] QString refusal() const;

Q_SIGNALS:
    void pupilChosen(const QString& pupil);
    void progressRequested();
    void classRequested();

private:
    QComboBox* names_;
    QPushButton* progress_;
    QPushButton* class_;
    QLabel* refusal_;
    QString pupil_;
};

} // namespace rods
