#include "mmessagebox.h"

#include "dialogrunner.h"
#include "dialogwatch.h"
#include "widgetutils.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
struct ButtonText
{
    QMessageBox::StandardButton value;
    const char* text;
};

// The buttons in the order they stand in the box.
const ButtonText standardButtons[] = {
    { QMessageBox::Ok, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "Ok") },
    { QMessageBox::Yes, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "Yes") },
    { QMessageBox::YesToAll, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "Yes to All") },
    { QMessageBox::No, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "No") },
    { QMessageBox::NoToAll, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "No to All") },
    { QMessageBox::Abort, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "Abort") },
    { QMessageBox::Retry, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "Retry") },
    { QMessageBox::Ignore, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "Ignore") },
    { QMessageBox::Cancel, QT_TRANSLATE_NOOP("QMWidgets::MMessageBox", "Cancel") },
};

QStyle::StandardPixmap iconFor(int kind)
{
    switch (kind) {
    case MMessageBox::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MMessageBox::Critical:
        return QStyle::SP_MessageBoxCritical;
    case MMessageBox::Question:
        return QStyle::SP_MessageBoxQuestion;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}
} // namespace

MMessageBox::MMessageBox(int kind, const QString& title, const QString& text,
                         QMessageBox::StandardButtons buttons, QWidget* parent, const QString& userButtonText)
    : QDialog(parent)
    , m_text(text)
{
    setObjectName(QStringLiteral("MMessageBox"));
    setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);

    auto* body = new QHBoxLayout;
    if (kind != NoIcon) {
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("MessageBoxIcon"));
        icon->setPixmap(style()->standardIcon(iconFor(kind), nullptr, this).pixmap(32, 32));
        body->addWidget(icon, 0, Qt::AlignTop);
    }
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    body->addWidget(label, 1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto addButton = [this, row](const QString& caption, int value) {
        auto* button = new QPushButton(caption, this);
        setupPushButton(button);
        row->addWidget(button);
        m_buttons.insert(value, button);
        connect(button, &QPushButton::clicked, this, [this, value] { done(value); });
    };
    for (const ButtonText& standard : standardButtons) {
        if (buttons.testFlag(standard.value))
            addButton(tr(standard.text), standard.value);
    }
    if (!userButtonText.isEmpty())
        addButton(userButtonText, UserButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(body);
    layout->addLayout(row);
}

int MMessageBox::exec()
{
    // A test that queued an answer gets it without a nested event loop.
    if (DialogRunner::pendingHandlers() > 0)
        return DialogRunner::exec(*this);
    // Unattended, a box without an answer ends at once as if it was closed.
    if (DialogWatch::refuseUnplanned(QStringLiteral("Message box"), windowTitle(), m_text)) {
        reject();
        return result();
    }
    return QDialog::exec();
}

void MMessageBox::reject()
{
    // Escape or the window's close button: Cancel when the box has it, else
    // no button at all.
    done(m_buttons.contains(QMessageBox::Cancel) ? int(QMessageBox::Cancel) : int(QMessageBox::NoButton));
}

} // namespace QMWidgets
