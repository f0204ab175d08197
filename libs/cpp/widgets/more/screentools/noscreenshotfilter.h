#pragma once

#include <QObject>

namespace QMWidgets {

// The event filter that NoScreenShotWidget puts on its content: a key press
// in the content hides the whole content at once and is not delivered. Its
// parent is the protecting widget.
class NoScreeShotFilter : public QObject
{
    Q_OBJECT

public:
    explicit NoScreeShotFilter(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace QMWidgets
