#include "settingspages.h"

#include "app.h"
#include "settingswidget.h"

#include <QCoreApplication>
#include <QMap>
#include <QPointer>
#include <QWidget>

namespace QMWidgets {

namespace {

struct Entry
{
    QPointer<QWidget> page;
    // The parent the page had when it was registered; it gets the page back.
    QPointer<QWidget> home;
};

QMap<QString, Entry>& entries()
{
    static QMap<QString, Entry> map;
    return map;
}

QStringList& registrationOrder()
{
    static QStringList names;
    return names;
}

// Deletes the pages that nobody owns any more, while the widget machinery of
// the application object still stands.
void deleteOrphanedPages()
{
    for (const Entry& entry : qAsConst(entries())) {
        if (entry.page && !entry.page->parent())
            delete entry.page.data();
    }
}

void ensureOrphansAreDeleted()
{
    static QCoreApplication* watched = nullptr;
    if (!QCoreApplication::instance() || watched == QCoreApplication::instance())
        return;
    watched = QCoreApplication::instance();
    qAddPostRoutine(deleteOrphanedPages);
}

} // namespace

void SettingsPages::add(const QString& name, QWidget* page)
{
    entries().insert(name, Entry { page, page ? page->parentWidget() : nullptr });
    registrationOrder().append(name);
    ensureOrphansAreDeleted();
}

QStringList SettingsPages::order()
{
    return registrationOrder();
}

QWidget* SettingsPages::page(const QString& name)
{
    return entries().value(name).page;
}

QList<QWidget*> SettingsPages::pages()
{
    QList<QWidget*> live;
    for (const Entry& entry : qAsConst(entries())) {
        if (entry.page)
            live.append(entry.page);
    }
    return live;
}

QList<SettingsWidget*> SettingsPages::settingsWidgets()
{
    QList<SettingsWidget*> widgets;
    for (QWidget* page : pages()) {
        if (auto* widget = qobject_cast<SettingsWidget*>(page))
            widgets.append(widget);
    }
    return widgets;
}

void SettingsPages::release(QWidget* holder)
{
    for (const Entry& entry : qAsConst(entries())) {
        if (!entry.page || !App::isChildOf(entry.page, holder))
            continue;
        const bool homeStays = entry.home && entry.home != holder && !App::isChildOf(entry.home, holder);
        entry.page->hide();
        entry.page->setParent(homeStays ? entry.home.data() : nullptr);
    }
}

} // namespace QMWidgets
