#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// An independent model of what the window must show after each event of a
// session. It reads numbers with its own pattern and Qt's parser, and works
// products of whole numbers with 128-bit integers.
class SessionModel {
public:
    SessionModel();

    // What a box shows after typing; the test checks it against what was typed.
    void typeEntry(const QString& shown) { text1 = shown; }
    void typeMultiplicand(int box, const QString& shown) { text4.at(std::size_t(box)) = shown; }
    void pressOk();
    void pressDone();
    void pressGo();
    void pressClear();

    std::vector<int> rods;
    QString text1 = "6";
    std::array<QString, 7> text4;
    std::array<QString, 10> text3;
    QString message;
    QStringList list;
    // For a product that is not exact, the value the item must show.
    std::vector<std::optional<double>> approximateItems;
    std::array<QString, 90> label1;
    std::array<QString, 91> label2;
    std::array<QString, 15> label4;
    // The board places (0 to 8) where a rod or the index rod has been drawn
    // since the board was last cleared.
    std::array<bool, 9> drawn{};
    int focusBox = -1; // the box GO put the cursor into

    // What each listed product is the product of, for its working.
    struct Factors {
        QString rods; // as they stood, "0" with none
        // With rods and a multiplicand that GO summed to a whole number from 0
        // to fifteen nines: that number and the exact product the working
        // reads off.
        std::optional<QString> multiplicand;
        QString exactProduct;
    };
    std::vector<Factors> factors;

private:
    void relabel();
    bool indexShown_ = false;
};
