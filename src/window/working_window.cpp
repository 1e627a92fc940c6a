#include "window/working_window.h"

#include "core/reading_words.h"
#include "window/rods_picture.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace rods {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QString joinLines(const std::vector<std::string>& lines)
{
    QStringList joined;
    for (const std::string& line : lines)
        joined << fromUtf8(line);
    return joined.join('\n');
}

QLabel* textLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

WorkingWindow::WorkingWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , picture_(new RodsPicture(this))
    , counter_(textLabel("StepCounter", this))
    , explanation_(new QPlainTextEdit(this))
    , longMultiplication_(textLabel("LongMultiplication", this))
    , previous_(new QPushButton("Previous", this))
    , next_(new QPushButton("Next", this))
{
    setObjectName("WorkingWindow");
    // The program ends with its main window, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(820, 560);

    // Larger than the toolkit's default: pupils read these.
    QFont reading = font();
    reading.setPointSizeF(reading.pointSizeF() * 1.25);
    explanation_->setFont(reading);
    // A step's text has a place of its own, and scrolls when it is long, so
    // that a longer text never shrinks the picture: a step then repaints only
    // what changed.
    explanation_->setObjectName("Explanation");
    explanation_->setAccessibleName("Step");
    explanation_->setReadOnly(true);
    explanation_->setFrameShape(QFrame::NoFrame);
    explanation_->setBackgroundRole(QPalette::Window);
    explanation_->viewport()->setBackgroundRole(QPalette::Window);
    explanation_->setFocusPolicy(Qt::NoFocus);
    explanation_->setFixedHeight(QFontMetrics(reading).lineSpacing() * 5 + 8);
    longMultiplication_->setWordWrap(false);
    longMultiplication_->setAccessibleName("Long multiplication");
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(reading.pointSizeF() * 1.2);
    longMultiplication_->setFont(fixed);
    longMultiplication_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    longMultiplication_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    counter_->setAccessibleName("Step number");
    previous_->setObjectName("Previous");
    previous_->setAccessibleDescription("Shows the step before this one.");
    next_->setObjectName("Next");
    next_->setAccessibleDescription("Shows the next step.");

    auto* top = new QHBoxLayout;
    top->addWidget(picture_, 1);
    top->addWidget(longMultiplication_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(counter_, 1);
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addWidget(explanation_);
    column->addLayout(buttons);

    connect(previous_, &QPushButton::clicked, this, [this] { goToStep(step_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { goToStep(step_ + 1); });
    auto shortcut = [this](QKeySequence keys, auto action) {
        auto* added = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
        connect(added, &QShortcut::activated, this, action);
    };
    shortcut(Qt::Key_Left, [this] { goToStep(step_ - 1); });
    shortcut(Qt::Key_Right, [this] { goToStep(step_ + 1); });
    shortcut(Qt::Key_Home, [this] { goToStep(0); });
    shortcut(Qt::Key_End, [this] { goToStep(stepCount() - 1); });
    shortcut(Qt::Key_Escape, [this] { close(); });
    shortcut(QKeySequence::Copy, [this] { QGuiApplication::clipboard()->setText(workingText()); });
}

void WorkingWindow::showProduct(const ProductRecord& record)
{
    record_ = record;
    working_ = workOut(record);
    setWindowTitle(fromUtf8(workingTitle(record)));
    picture_->setRods(record.rods);
    // Wide and tall enough for the whole sum from the start, so that the
    // layout keeps still while the steps add lines.
    longMultiplication_->setText(working_.reading ? joinLines(longMultiplication(*working_.reading, SIZE_MAX))
                                                  : QString());
    longMultiplication_->setMinimumSize(longMultiplication_->sizeHint());
    step_ = 0;
    showStep();
}

int WorkingWindow::stepCount() const
{
    return working_.reading ? static_cast<int>(working_.reading->rows.size()) + 1 : 0;
}

void WorkingWindow::goToStep(int step)
{
    if (stepCount() == 0 || step < 0 || step >= stepCount() || step == step_)
        return;
    step_ = step;
    showStep();
}

QString WorkingWindow::stepText(int step) const
{
    const Reading& reading = *working_.reading;
    const auto index = static_cast<std::size_t>(step);
    return fromUtf8(index < reading.rows.size() ? rowInWords(reading, index) : sumInWords(reading, record_.listed));
}

void WorkingWindow::showStep()
{
    const bool reading = working_.reading.has_value();
    counter_->setVisible(reading);
    previous_->setVisible(reading);
    next_->setVisible(reading);
    if (!reading) {
        explanation_->setPlainText(fromUtf8(productSentence(record_) + "\n" + working_.whyNot));
        longMultiplication_->clear();
        picture_->setRow(nullptr);
        return;
    }
    const auto index = static_cast<std::size_t>(step_);
    const std::vector<RowReading>& rows = working_.reading->rows;
    picture_->setRow(index < rows.size() ? &rows[index] : nullptr);
    counter_->setText(QString("Step %1 of %2").arg(step_ + 1).arg(stepCount()));
    explanation_->setPlainText(stepText(step_));
    longMultiplication_->setText(joinLines(longMultiplication(*working_.reading, index + 1)));
    previous_->setEnabled(step_ > 0);
    next_->setEnabled(step_ + 1 < stepCount());
}

QString WorkingWindow::workingText() const
{
    if (!working_.reading)
        return fromUtf8(productSentence(record_) + "\n" + working_.whyNot + "\n");
    QString text = joinLines(longMultiplication(*working_.reading, working_.reading->rows.size())) + "\n\n";
    for (int step = 0; step < stepCount(); ++step)
        text += QString("Step %1 of %2: %3\n").arg(step + 1).arg(stepCount()).arg(stepText(step));
    return text;
}

} // namespace rods
