#include "ultraradiobox.h"

#include "dropdownmark.h"
#include "shellservices.h"
#include "ultraradioboxpopup.h"
#include "widgetutils.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
const char* const kTransparencyKey = "TransparencyParameters/UltraRadioPopups";
const int kDefaultTransparency = 35;
} // namespace

UltraRadioBox::UltraRadioBox(QWidget* parent)
    : QWidget(parent)
    , m_popupLayout(new QVBoxLayout)
    , m_popup(new UltraRadioBoxPopup(this, Qt::Window | Qt::FramelessWindowHint))
{
    setAttribute(Qt::WA_MouseTracking);
    m_popup->hide();
    m_popup->setWindowOpacity(0.6);
    m_popupLayout->setContentsMargins(0, 0, 0, 0);
    m_popupLayout->setSpacing(0);
    m_popup->setLayout(m_popupLayout);
}

UltraRadioBox::~UltraRadioBox()
{
    // The buttons are destroyed with the popup after the members of this
    // object; they must not report back to it then.
    for (auto it = m_captionButtons.cbegin(); it != m_captionButtons.cend(); ++it)
        disconnect(it.key(), &QObject::destroyed, this, nullptr);
}

void UltraRadioBox::addButton(QAbstractButton* button, const QString& caption)
{
    if (!button || m_captionButtons.contains(button))
        return;

    auto* captionButton = new QPushButton(caption);
    m_captionButtons.insert(button, captionButton);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    row->addWidget(button);
    row->addWidget(captionButton);
    button->setCheckable(true);
    button->setChecked(false);
    setupPushButton(captionButton);
    connect(captionButton, &QPushButton::clicked, button, &QAbstractButton::click);
    m_popupLayout->addLayout(row);
    setFixedSize(button->size());

    connect(button, &QAbstractButton::clicked, this, &UltraRadioBox::slotButtonClicked);
    // A host may delete a button; the box must not keep its address.
    connect(button, &QObject::destroyed, this, [this, button] { forget(button); });

    m_face = button->grab();
    repaint();
}

void UltraRadioBox::setCurrentButton(QAbstractButton* button)
{
    if (!button || !m_captionButtons.contains(button))
        return;

    m_current = button;
    for (auto it = m_captionButtons.cbegin(); it != m_captionButtons.cend(); ++it) {
        const bool listed = !m_hiddenButtons.contains(it.key());
        it.key()->setChecked(false);
        it.key()->setVisible(listed);
        it.value()->setVisible(listed);
    }
    m_hoverFace = button->grab();

    button->setChecked(true);
    m_face = button->grab();
    m_normalFace = m_face;
    button->hide();
    QPushButton* captionButton = m_captionButtons.value(button);
    captionButton->hide();
    m_popup->hide();

    setToolTip(captionButton->text());
    repaint();
}

void UltraRadioBox::setButtonVisible(QAbstractButton* button, bool visible)
{
    if (!button || !m_captionButtons.contains(button))
        return;
    if (visible)
        m_hiddenButtons.remove(button);
    else
        m_hiddenButtons.insert(button);
    const bool listed = visible && button != m_current;
    button->setVisible(listed);
    m_captionButtons.value(button)->setVisible(listed);
}

void UltraRadioBox::slotButtonClicked()
{
    auto* button = qobject_cast<QAbstractButton*>(sender());
    if (!button)
        return;
    setCurrentButton(button);
    emit buttonClicked();
}

void UltraRadioBox::slotFocusChanged(QWidget* pwgtOld, QWidget* pwgtNow)
{
    Q_UNUSED(pwgtOld)
    Q_UNUSED(pwgtNow)
}

void UltraRadioBox::hidePopup()
{
    m_popup->hide();
}

void UltraRadioBox::setPopupOpacity(float opacity)
{
    m_popup->setWindowOpacity(opacity);
}

qreal UltraRadioBox::popupOpacityFor(int transparencyPercent)
{
    const float percent = float(qMin(transparencyPercent, 100));
    return qMin(1.0f, 1.3f - percent / 100.0f);
}

void UltraRadioBox::mousePressEvent(QMouseEvent* event)
{
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->raise();
    if (m_popup->isVisible()) {
        m_popup->hide();
    } else {
        // Shrink to the rows that are listed now, measured once shown: before
        // its first showing the popup's rows are not laid out by the style
        // sheet yet, and the popup would keep the size they had then.
        m_popup->show();
        m_popup->adjustSize();
    }
    const int transparency
        = ShellServices::value(QLatin1String(kTransparencyKey), kDefaultTransparency).toInt();
    m_popup->setWindowOpacity(popupOpacityFor(transparency));

    QWidget::mousePressEvent(event);
    emit actionPerformed();
}

void UltraRadioBox::enterEvent(QEvent* event)
{
    if (m_current) {
        m_face = m_hoverFace;
        repaint();
    }
    QWidget::enterEvent(event);
}

void UltraRadioBox::leaveEvent(QEvent* event)
{
    if (m_current) {
        m_face = m_normalFace;
        repaint();
    }
    QWidget::leaveEvent(event);
}

void UltraRadioBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_face, m_face.rect());
    drawDropDownMark(painter, size());
}

void UltraRadioBox::forget(QAbstractButton* button)
{
    if (QPushButton* captionButton = m_captionButtons.take(button))
        captionButton->deleteLater();
    m_hiddenButtons.remove(button);
    if (m_current == button)
        m_current = nullptr;
}

} // namespace QMWidgets
