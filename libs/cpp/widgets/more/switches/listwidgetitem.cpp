#include "listwidgetitem.h"

namespace QMWidgets {

ListWidgetItem::ListWidgetItem(QListWidget* listview, int type)
    : QListWidgetItem(listview, type)
{
}

ListWidgetItem::ListWidgetItem(const QString& text, QListWidget* listview, int type)
    : QListWidgetItem(text, listview, type)
{
}

ListWidgetItem::ListWidgetItem(const QIcon& icon, const QString& text, QListWidget* listview, int type)
    : QListWidgetItem(icon, text, listview, type)
{
}

// The tag belongs to the original item only.
ListWidgetItem::ListWidgetItem(const ListWidgetItem& other)
    : QListWidgetItem(other)
{
}

ListWidgetItem::~ListWidgetItem() = default;

void ListWidgetItem::setTag(const QString& tag)
{
    m_tag = tag;
}

} // namespace QMWidgets
