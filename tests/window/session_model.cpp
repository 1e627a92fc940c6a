#include "session_model.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// Products of whole numbers on the board reach 10^8 x 10^21: beyond 64 bits.
__extension__ using Int128 = __int128;

// A decimal number with blanks around; possessive, so that it stays linear on
// a megabyte of digits.
const QRegularExpression& decimalPattern()
{
    static const QRegularExpression pattern(
        R"(^[ \t]*+[+-]?+(?:[0-9]++(?:\.[0-9]*+)?+|\.[0-9]++)(?:[eE][+-]?+[0-9]++)?+[ \t]*+$)");
    return pattern;
}

struct Reading {
    bool number = false;
    bool overflow = false;
    double value = 0.0;
};

Reading read(const QString& text)
{
    Reading reading;
    if (!decimalPattern().match(text).hasMatch())
        return reading;
    reading.number = true;
    bool ok = false;
    reading.value = text.trimmed().toDouble(&ok);
    if (!ok) {
        reading.overflow = std::isinf(reading.value);
        reading.value = 0.0; // beyond the smallest double
    }
    return reading;
}

QString int128ToText(Int128 value)
{
    if (value == 0)
        return "0";
    const bool negative = value < 0;
    QString digits;
    for (; value != 0; value /= 10)
        digits.prepend(QChar('0' + int(negative ? -(value % 10) : value % 10)));
    return negative ? "-" + digits : digits;
}

} // namespace

SessionModel::SessionModel()
{
    text4.fill("0");
    label1.fill("Label1");
    label2.fill("Label2");
    label4.fill("Label4");
}

void SessionModel::pressOk()
{
    message.clear();
    const Reading entry = read(text1);
    const bool digit = entry.number && !entry.overflow && entry.value >= 0 && entry.value <= 9
                       && entry.value == std::floor(entry.value);
    if (!digit) {
        message = "Only 1 DIGIT";
        return;
    }
    if (rods.size() == 8) {
        message = "Only 8 RODS";
        return;
    }
    rods.push_back(int(entry.value));
    if (indexShown_) {
        for (int p = 1; p <= 9; ++p)
            label4[std::size_t(p)].clear();
        indexShown_ = false;
    }
    relabel();
    drawn[rods.size() - 1] = true;
}

void SessionModel::relabel()
{
    for (std::size_t s = 0; s < rods.size(); ++s) {
        const int digit = rods[s];
        label1[10 * s] = QString::number(digit);
        for (std::size_t r = 1; r <= 9; ++r) {
            label1[10 * s + 10 + r] = QString::number(digit * int(r) % 10);
            label2[10 * s + r] = QString::number(digit * int(r) / 10);
        }
    }
}

void SessionModel::pressDone()
{
    for (int p = 1; p <= 9; ++p)
        label4[std::size_t(p)] = QString::number(p);
    for (std::size_t box = 0; box < 10; ++box) {
        const std::size_t leading = 10 - rods.size();
        text3[box] = box < leading ? QString() : QString::number(rods[box - leading]);
    }
    drawn[rods.size()] = true;
    indexShown_ = true;
}

void SessionModel::pressGo()
{
    message.clear();
    focusBox = -1;
    std::array<Reading, 7> boxes;
    for (int box = 6; box >= 1; --box) {
        boxes[std::size_t(box)] = read(text4[std::size_t(box)]);
        if (!boxes[std::size_t(box)].number)
            focusBox = box;
    }
    if (focusBox >= 0) {
        message = "Only NUMBERS";
        return;
    }

    Int128 multiplier = 0;
    for (int digit : rods)
        multiplier = multiplier * 10 + digit;
    bool overflow = false, whole = true;
    double multiplicand = 0.0, place = 1.0;
    Int128 exactMultiplicand = 0, exactPlace = 1;
    for (int box = 6; box >= 1; --box, place *= 10, exactPlace *= 10) {
        const Reading& reading = boxes[std::size_t(box)];
        overflow = overflow || reading.overflow;
        multiplicand += reading.value * place;
        whole = whole && reading.value == std::floor(reading.value) && std::fabs(reading.value * place) < 9e15;
        if (whole)
            exactMultiplicand += Int128(reading.value) * exactPlace;
    }
    const double product = double(multiplier) * multiplicand;
    if (overflow || !std::isfinite(product)) {
        message = "Too LARGE";
        return;
    }
    const Int128 exact = multiplier * exactMultiplicand;
    // The working reads the multiplicand as GO summed it, when that is whole.
    Factors made{rods.empty() ? "0" : QString(), std::nullopt, {}};
    for (int digit : rods)
        made.rods += QString::number(digit);
    if (!rods.empty() && multiplicand == std::floor(multiplicand) && multiplicand >= 0 && multiplicand < 1e15) {
        made.multiplicand = int128ToText(Int128(multiplicand));
        made.exactProduct = int128ToText(multiplier * Int128(multiplicand));
    }
    factors.push_back(made);
    const Int128 exactLimit = Int128(1) << 53;
    if (whole && exact < 1'000'000'000'000'000 && -exact < 1'000'000'000'000'000
        && std::fabs(multiplicand) < double(exactLimit)) {
        list << int128ToText(exact);
        approximateItems.push_back(std::nullopt);
    } else {
        list << QString();
        approximateItems.push_back(product);
    }
}

void SessionModel::pressClear()
{
    rods.clear();
    for (QString& caption : label1)
        caption.clear();
    for (QString& caption : label2)
        caption.clear();
    for (std::size_t p = 1; p < label4.size(); ++p)
        label4[p].clear();
    list.clear();
    approximateItems.clear();
    factors.clear();
    drawn.fill(false);
    indexShown_ = false;
}
