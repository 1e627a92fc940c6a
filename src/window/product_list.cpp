#include "window/product_list.h"

#include "drawings/screen_words.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>

namespace rods {
namespace {

// Where an item keeps its record.
constexpr int RecordRole = Qt::UserRole;

} // namespace

ProductList::ProductList(QListWidget* list)
    : QObject(list)
    , list_(list)
{
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QListWidget::customContextMenuRequested, this, &ProductList::showMenu);
    // Double-click, and Enter on the current item.
    connect(list, &QListWidget::itemActivated, this, &ProductList::requestWorking);
    auto* copy = new QShortcut(QKeySequence::Copy, list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &ProductList::copyCurrent);
}

void ProductList::add(const ProductRecord& record)
{
    auto* item = new QListWidgetItem(QString::fromStdString(record.listed));
    item->setData(RecordRole, QVariant::fromValue(record));
    const QString sentence = QString::fromStdString(productSentence(record));
    item->setToolTip(sentence);
    item->setData(Qt::AccessibleDescriptionRole, sentence);
    list_->addItem(item);
}

std::optional<ProductRecord> ProductList::recordOf(const QListWidgetItem* item)
{
    if (item == nullptr || !item->data(RecordRole).canConvert<ProductRecord>())
        return std::nullopt;
    return item->data(RecordRole).value<ProductRecord>();
}

void ProductList::showMenu(const QPoint& position)
{
    QListWidgetItem* item = list_->itemAt(position);
    if (item != nullptr)
        list_->setCurrentItem(item);
    if (menu_ == nullptr) {
        menu_ = new QMenu(list_);
        menu_->setObjectName("ProductMenu");
        showWorking_ = menu_->addAction(uiText("ProductMenu", "Show the working"), this,
                                        [this] { requestWorking(list_->currentItem()); });
        copy_ = menu_->addAction(uiText("ProductMenu", "Copy"), this, &ProductList::copyCurrent);
        menu_->addSeparator();
        menu_->addAction(uiText("ProductMenu", "Work a problem\u2026"), this, &ProductList::problemRequested);
    }
    // Away from a product, only a problem of one's own.
    showWorking_->setVisible(item != nullptr);
    copy_->setVisible(item != nullptr);
    // popup, not exec: the menu must not hold up the event loop.
    menu_->popup(list_->viewport()->mapToGlobal(position));
}

void ProductList::copyCurrent() const
{
    if (const QListWidgetItem* item = list_->currentItem())
        QGuiApplication::clipboard()->setText(item->text());
}

void ProductList::requestWorking(const QListWidgetItem* item)
{
    if (const std::optional<ProductRecord> record = recordOf(item))
        Q_EMIT workingRequested(*record);
}

} // namespace rods
