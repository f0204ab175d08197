#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace QMWidgets {

class SettingsWidget;

// The process-wide registry of settings pages: the page under each name (in
// the order of the names) and the names in the order of registration (the tab
// order).
//
// A page lives on after the dialogs that showed it: a dialog takes a page into
// its tabs only while it is alive and gives it back to the parent it had when
// it was registered (or to none) when it goes away. The registry never points
// at a destroyed page: a page deleted by its host drops out. Pages that end up
// without any parent are deleted when the application object goes away.
class SettingsPages
{
public:
    // Registers page under name, replacing an earlier page of that name, and
    // appends the name to the registration order.
    static void add(const QString& name, QWidget* page);

    // The names in the order of registration; a name registered twice appears twice.
    static QStringList order();
    // The live page under name, or null.
    static QWidget* page(const QString& name);
    // Every live page, by ascending name.
    static QList<QWidget*> pages();
    // The live pages that are settings pages, by ascending name.
    static QList<SettingsWidget*> settingsWidgets();

    // Gives every registered page that sits inside holder back to the parent it
    // had when registered (or to none), hidden. A dialog calls this before it
    // goes away.
    static void release(QWidget* holder);
};

} // namespace QMWidgets
