#pragma once

#include "tutor/multiplication/working.h"

#include <QMetaType>
#include <QObject>

#include <optional>

class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPoint;

// An item keeps the record of its product.
Q_DECLARE_METATYPE(rods::ProductRecord)

namespace rods {

// What the product list does beyond listing: each item remembers what it is
// the product of; double-click or Enter on an item, or "Show the working" in
// its context menu, asks for its working; Ctrl+C and "Copy" copy its text.
// The menu also offers, anywhere in the list, a problem of one's own.
// The items' texts stay the bare products.
class ProductList : public QObject {
    Q_OBJECT

public:
    explicit ProductList(QListWidget* list);

    // Appends the product's text as the last item, with its record.
    void add(const ProductRecord& record);

    [[nodiscard]] static std::optional<ProductRecord> recordOf(const QListWidgetItem* item);

Q_SIGNALS:
    void workingRequested(const rods::ProductRecord& record);
    // "Work a problem…": the learner's own problem, in the Working window.
    void problemRequested();

private:
    void showMenu(const QPoint& position);
    void copyCurrent() const;
    void requestWorking(const QListWidgetItem* item);

    QListWidget* list_;
    QMenu* menu_ = nullptr; // made on first use
    QAction* showWorking_ = nullptr;
    QAction* copy_ = nullptr;
};

} // namespace rods
