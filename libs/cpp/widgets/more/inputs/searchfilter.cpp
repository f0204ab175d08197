#include "searchfilter.h"

#include "pictures.h"
#include "widgetutils.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

namespace QMWidgets {

SearchFilter::SearchFilter(QWidget* parent)
    : QLineEdit(parent)
{
    setObjectNameAndToolTip(this, QStringLiteral("SearchFilter"), tr("Search Filter"));

    m_clearButton = new QPushButton;
    m_clearButton->hide();
    m_clearButton->setCursor(Qt::ArrowCursor);
    m_clearButton->setMouseTracking(true);
    m_clearButton->setFlat(true);
    m_clearButton->setFixedSize(16, 16);
    setObjectNameAndToolTip(m_clearButton, QStringLiteral("SearchFilterDel"), tr("Clear"));
    connect(m_clearButton, &QPushButton::clicked, this, &SearchFilter::slotClearClicked);
    connect(this, &QLineEdit::textChanged, this, &SearchFilter::slotTextChanged);

    // Escape belongs to this field only, and only while there is something to
    // clear; otherwise it reaches the window (a dialog closes with it).
    m_closeAction = new QAction(QStringLiteral("Close"), this);
    m_closeAction->setShortcut(Qt::Key_Escape);
    m_closeAction->setShortcutContext(Qt::WidgetShortcut);
    m_closeAction->setEnabled(false);
    connect(m_closeAction, &QAction::triggered, this, &SearchFilter::slotClearClicked);
    addAction(m_closeAction);

    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch(1);
    layout->addWidget(m_clearButton);
    setLayout(layout);
    // The text ends left of the clear button, so the last characters typed stay in sight.
    setTextMargins(0, 0, m_clearButton->width(), 0);
}

void SearchFilter::slotClearClicked()
{
    clear();
    m_clearButton->hide();
}

void SearchFilter::slotTextChanged(const QString& text)
{
    m_clearButton->setVisible(!text.isEmpty());
    m_closeAction->setEnabled(!text.isEmpty());
}

void SearchFilter::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!text().isEmpty())
        return;

    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (QApplication::focusWidget() != this) {
        painter.setPen(Qt::white);
        painter.drawText(QRect(5, 0, w, h), Qt::AlignLeft | Qt::AlignVCenter, tr("Search:"));
    }
    // A host without the picture gets a field without it.
    const QPixmap magnifier = Pictures::scaled(QStringLiteral(":/pix/search.png"), QSize(h, h));
    if (!magnifier.isNull())
        painter.drawPixmap(QRect(w - h, 0, h, h), magnifier);
}

} // namespace QMWidgets
