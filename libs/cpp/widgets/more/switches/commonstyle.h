#pragma once

#include <QObject>

namespace QMWidgets {

// A style object for hosts to derive from: text() returns the style's text
// (a style sheet, say); the base returns an empty one.
class CommonStyle : public QObject
{
    Q_OBJECT

public:
    explicit CommonStyle(QObject* parent = nullptr);

    virtual QString text() const;
};

} // namespace QMWidgets
