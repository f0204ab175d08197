#include "dialogrunner.h"

#include "dialogwatch.h"

#include <QDialog>
#include <QQueue>

namespace QMWidgets {

namespace {
QQueue<DialogRunner::Handler>& handlers()
{
    static QQueue<DialogRunner::Handler> queue;
    return queue;
}
} // namespace

int DialogRunner::exec(QDialog& dialog)
{
    if (handlers().isEmpty()) {
        if (!DialogWatch::refuseUnplanned(QLatin1String(dialog.metaObject()->className()),
                                          dialog.windowTitle()))
            return dialog.exec();
        dialog.reject();
        return dialog.result();
    }

    const Handler handler = handlers().dequeue();
    dialog.show();
    const int result = handler(dialog);
    dialog.done(result);
    return result;
}

void DialogRunner::setNextHandler(Handler handler)
{
    handlers().enqueue(std::move(handler));
}

void DialogRunner::setNextResult(int result)
{
    setNextHandler([result](QDialog&) { return result; });
}

void DialogRunner::clearHandlers()
{
    handlers().clear();
}

int DialogRunner::pendingHandlers()
{
    return handlers().size();
}

} // namespace QMWidgets
