#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

class QPushButton;

namespace rods {

class FixedText;

// Where a learner answers one step of a working: what to work out, a box for
// the answer, Check and Show answer, and the hint or verdict under them. The
// hint is announced to screen readers whenever it changes.
class AnswerPanel : public QWidget {
    Q_OBJECT

public:
    explicit AnswerPanel(QWidget* parent = nullptr);

    // Asks for an answer: `question` stands before the box ("307 × 2 ="),
    // `name` tells a screen reader which step the box answers.
    void ask(const QString& question, const QString& name, const QString& typed);
    // Shows a step already answered: its answer in the box, which then takes
    // nothing more.
    void showAnswered(const QString& question, const QString& name, const QString& answer);
    void setHint(const QString& hint);
    void announceHint();

    [[nodiscard]] QString typed() const;
    void focusAnswer();

Q_SIGNALS:
    void checkRequested(const QString& typed);
    void showAnswerRequested();
    // The hint as it went out to screen readers.
    void hintAnnounced(const QString& hint);

protected:
    void changeEvent(QEvent* event) override;

private:
    void setAnswerable(bool answerable);
    void fitToFont();

    QLabel* question_;
    QLineEdit* answer_;
    QPushButton* check_;
    QPushButton* show_;
    FixedText* hint_;
};

} // namespace rods
