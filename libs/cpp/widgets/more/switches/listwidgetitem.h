#pragma once

#include <QListWidgetItem>

namespace QMWidgets {

// A list item that carries one extra text, its tag. A copy of an item takes
// the item's data but starts with an empty tag.
class ListWidgetItem : public QListWidgetItem
{
public:
    explicit ListWidgetItem(QListWidget* listview = nullptr, int type = Type);
    explicit ListWidgetItem(const QString& text, QListWidget* listview = nullptr, int type = Type);
    ListWidgetItem(const QIcon& icon, const QString& text, QListWidget* listview = nullptr, int type = Type);
    ListWidgetItem(const ListWidgetItem& other);
    ~ListWidgetItem() override;

    void setTag(const QString& tag);
    QString tag() const { return m_tag; }

private:
    QString m_tag;
};

} // namespace QMWidgets
