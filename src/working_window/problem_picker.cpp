#include "working_window/problem_picker.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "tutor/problems/problem_sets.h"
#include "working_window/level_choices.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace rods {

ProblemPicker::ProblemPicker(QWidget* parent)
    : QWidget(parent)
    , level_(new QComboBox(this))
    , set_(new QSpinBox(this))
    , newProblem_(new QPushButton(uiText("ProblemPicker", "New problem"), this))
    , position_(new QLabel(this))
    , openList_(new QPushButton(uiText("ProblemPicker", "Open problems…"), this))
    , message_(new QLabel(this))
{
    setObjectName("ProblemPicker");
    level_->setObjectName("Level");
    level_->setAccessibleName(uiText("ProblemPicker", "Level"));
    addLevelChoices(level_);
    // Narrow enough for a small screen at any zoom; the open list is as wide
    // as its longest level, and the level chosen is said whole in a tooltip.
    level_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    level_->setMinimumContentsLength(16);
    level_->view()->setMinimumWidth(level_->view()->sizeHintForColumn(0) + 24);
    set_->setObjectName("ProblemSet");
    set_->setAccessibleName(uiText("ProblemPicker", "Problem set"));
    // The box inside the spin box takes the keys, and a screen reader asks
    // it for its name.
    if (auto* box = set_->findChild<QLineEdit*>())
        box->setAccessibleName(uiText("ProblemPicker", "Problem set"));
    set_->setRange(FirstSet, LastSet);
    set_->setToolTip(
        uiText("ProblemPicker", "The same set number and level give the same ten problems on every computer."));
    // A learner alone gets a set of their own; a class types the set the
    // teacher gives.
    set_->setValue(QRandomGenerator::global()->bounded(FirstSet, LastSet + 1));
    newProblem_->setObjectName("NewProblem");
    newProblem_->setAccessibleDescription(
        uiText("ProblemPicker", "Poses the next problem of the set, to work yourself."));
    // TRANSLATORS: Ctrl+N is the key that poses it; name Ctrl as keyboards in your language do.
    newProblem_->setToolTip(uiText("ProblemPicker", "The next problem of the set or list (Ctrl+N)"));
    position_->setObjectName("ProblemPosition");
    openList_->setObjectName("OpenProblems");
    openList_->setAccessibleDescription(
        uiText("ProblemPicker", "Loads a teacher's list of problems from a text file."));
    message_->setObjectName("PickerMessage");
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->hide();

    auto* levelLabel = new QLabel(uiText("LevelChoices", "&Level:"), this);
    levelLabel->setBuddy(level_);
    auto* setLabel = new QLabel(uiText("LevelChoices", "&Set:"), this);
    setLabel->setBuddy(set_);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(levelLabel);
    row->addWidget(level_);
    row->addWidget(setLabel);
    row->addWidget(set_);
    row->addWidget(newProblem_);
    row->addWidget(position_, 1);
    row->addWidget(openList_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addWidget(message_);

    chooseFromBoxes();
    connect(level_, &QComboBox::currentIndexChanged, this, &ProblemPicker::chooseFromBoxes);
    connect(level_, &QComboBox::currentTextChanged, level_, &QComboBox::setToolTip);
    level_->setToolTip(level_->currentText());
    connect(set_, &QSpinBox::valueChanged, this, &ProblemPicker::chooseFromBoxes);
    connect(newProblem_, &QPushButton::clicked, this, &ProblemPicker::poseNext);
    connect(openList_, &QPushButton::clicked, this, [this] {
        // TRANSLATORS: a choice of file type; keep "(*.txt)" as it is.
        const QString text = uiText("ProblemPicker", "Text files (*.txt)");
        // TRANSLATORS: a choice of file type; keep "(*)" as it is.
        const QString all = uiText("ProblemPicker", "All files (*)");
        const QString filters = text + ";;" + all;
        const QString path =
            QFileDialog::getOpenFileName(this, uiText("ProblemPicker", "Open a list of problems"), QString(), filters);
        if (!path.isEmpty())
            openList(path);
    });
}

void ProblemPicker::chooseFromBoxes()
{
    const int choice = level_->currentData().toInt();
    set_->setEnabled(choice != ListChoice);
    if (choice == ListChoice) {
        queue_.chooseList(list_);
    } else {
        queue_.chooseLevel(*levelOfChoice(choice), set_->value());
    }
    position_->clear();
    posed_ = 0;
    finished_ = false;
    listEndSaid_ = false;
    Q_EMIT placeChanged();
}

void ProblemPicker::chooseLevel(Operation operation, int level, int set)
{
    const int index = level_->findData(choiceOf(operation, level));
    if (index < 0 || set < FirstSet || set > LastSet)
        return;
    const QSignalBlocker blockLevel(level_);
    const QSignalBlocker blockSet(set_);
    level_->setCurrentIndex(index);
    set_->setValue(set);
    chooseFromBoxes();
}

void ProblemPicker::addListChoice(const QString& name, std::size_t count)
{
    const QSignalBlocker block(level_);
    const QString text = listChoiceText(name, count);
    int index = level_->findData(ListChoice);
    if (index < 0) {
        addHeading(level_, uiText("LevelChoices", "A teacher's list"));
        level_->addItem(text, ListChoice);
        index = level_->count() - 1;
    } else {
        level_->setItemText(index, text);
    }
    level_->setCurrentIndex(index);
}

void ProblemPicker::useList(const ProblemList& list, const QString& name)
{
    if (list.problems.empty()) {
        // TRANSLATORS: %1 is the file's name, %2 the sentence that says why.
        say(uiText("ProblemPicker", "%1 is not loaded. %2").arg(name, fromUtf8(list.refusal)));
        return;
    }
    list_ = list.problems;
    listName_ = name;
    addListChoice(name, list_.size());
    chooseFromBoxes();
    poseNext();
    // TRANSLATORS: %1 is the file's name.
    QString loaded = uiCount("ProblemPicker", "%n problem loaded from %1.", "%n problems loaded from %1.",
                             static_cast<long long>(list_.size()))
                         .arg(name);
    if (!list.badLines.empty()) {
        // TRANSLATORS: %1 names each such line and says what is wrong with it,
        // in sentences of its own.
        const QString bad = uiCount("ProblemPicker", "%n line is not a problem: %1", "%n lines are not a problem: %1",
                                    static_cast<long long>(list.badLines.size()))
                                .arg(fromUtf8(badLinesInWords(list.badLines)));
        loaded += " " + bad;
    }
    if (!list.notice.empty())
        loaded += " " + fromUtf8(list.notice);
    say(loaded);
}

void ProblemPicker::openList(const QString& path)
{
    useList(loadProblemList(QFile::encodeName(path).toStdString()), QFileInfo(path).fileName());
}

void ProblemPicker::poseNext()
{
    if (queue_.listDone() && !listEndSaid_) {
        // The list waits at its end until it is asked for again.
        listEndSaid_ = true;
        // TRANSLATORS: "New problem" is the button of that name.
        // xgettext:no-c-format
        say(uiCount("ProblemPicker", "You have worked the %n problem of the list. Press New problem to start it again.",
                    "You have worked all %n problems of the list. Press New problem to start it again.",
                    static_cast<long long>(list_.size())));
        return;
    }
    listEndSaid_ = false;
    const PosedProblem problem = queue_.next();
    if (!queue_.fromList() && set_->value() != problem.set) {
        // The set moved on after its tenth problem.
        const QSignalBlocker block(set_);
        set_->setValue(problem.set);
    }
    position_->setText(fromUtf8(positionInWords(problem)));
    say({});
    posed_ = problem.number;
    finished_ = false;
    Q_EMIT placeChanged();
    Q_EMIT posed(problem);
}

void ProblemPicker::finish()
{
    if (posed_ == 0 || finished_)
        return;
    finished_ = true;
    Q_EMIT placeChanged();
    if (queue_.listDone()) {
        listEndSaid_ = true;
        // TRANSLATORS: said when the last problem of a teacher's list is worked to the end.
        // xgettext:no-c-format
        say(uiCount("ProblemPicker", "You have worked the %n problem of the list.",
                    "You have worked all %n problems of the list.", static_cast<long long>(list_.size())));
    }
}

KeptPlace ProblemPicker::place() const
{
    KeptPlace place;
    if (const Level* level = levelOfChoice(choice())) {
        place.operation = level->operation;
        place.level = level->number;
        place.set = set();
    }
    place.posed = posed_;
    place.finished = finished_;
    if (!list_.empty()) {
        place.list = list_;
        place.listName = listName_.toStdString();
    }
    return place;
}

void ProblemPicker::resume(const KeptPlace& place)
{
    if (!place.list.empty()) {
        list_ = place.list;
        listName_ = fromUtf8(place.listName);
        addListChoice(listName_, list_.size());
    }
    if (place.level > 0)
        chooseLevel(place.operation, place.level, place.set);
    else
        chooseFromBoxes();
    if (place.posed == 0)
        return;
    // The next problem is the one left open, or the one after the last
    // worked; the learner goes on with New problem.
    queue_.resumeAt(place.finished ? place.posed + 1 : place.posed);
    posed_ = place.posed;
    finished_ = place.finished;
    PosedProblem last;
    last.number = place.posed;
    last.count = place.level > 0 ? static_cast<std::size_t>(ProblemsInSet) : list_.size();
    position_->setText(fromUtf8(positionInWords(last)));
    if (!place.finished)
        // TRANSLATORS: %1 of %2 is the problem the learner left before its end; "New problem" is the button.
        say(uiText("ProblemPicker", "You left off at problem %1 of %2. Press New problem to go on with it.")
                .arg(last.number)
                .arg(last.count));
    listEndSaid_ = queue_.listDone();
}

void ProblemPicker::say(const QString& message)
{
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
    if (!message.isEmpty()) {
        QAccessibleEvent event(message_, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    }
}

QString ProblemPicker::message() const { return message_->text(); }
QString ProblemPicker::position() const { return position_->text(); }

} // namespace rods

namespace rods {

int ProblemPicker::choice() const { return level_->currentData().toInt(); }

int ProblemPicker::set() const { return set_->value(); }

} // namespace rods
