#include "windowtitle.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {
QPushButton* flatButton(const QString& objectName)
{
    auto* button = new QPushButton;
    button->setObjectName(objectName);
    button->setFlat(true);
    return button;
}
} // namespace

WindowTitle::WindowTitle(QWidget* parent)
    : QFrame(parent)
{
    m_optimizeButton = flatButton(QStringLiteral("AlwaysOptimizeButton"));
    m_optimizeButton->setCheckable(true);
    m_optimizeButton->setChecked(true);
    m_optimizeButton->setFixedSize(32, 32);
    m_hundredPercentButton = flatButton(QStringLiteral("100PercentButton"));
    m_closeButton = flatButton(QStringLiteral("CloseButton"));
    QPushButton* zoomInButton = flatButton(QStringLiteral("ZoomInButton"));
    QPushButton* zoomOutButton = flatButton(QStringLiteral("ZoomOutButton"));

    // Outside every layout until the host places it.
    m_actionsButton = new QPushButton(QStringLiteral("Actions"), this);
    m_actionsButton->setObjectName(QStringLiteral("Actions"));
    m_actionsButton->setFlat(true);
    m_actionsButton->hide();
    m_actionsMenu = new QMenu(m_actionsButton);
    m_actionsMenu->addAction(tr("Save as..."));
    m_actionsMenu->addAction(tr("Open with default program"));
    m_actionsMenu->addSeparator();
    m_actionsMenu->addAction(tr("Forward via chat"));
    m_actionsMenu->addAction(tr("Forward via e-mail"));
    m_actionsButton->setMenu(m_actionsMenu);

    m_toolsWidget = new QWidget;
    m_toolsWidget->setObjectName(QStringLiteral("WindowTitleTools"));
    // The two extra places of the tool row stay empty.
    m_extraToolWidget = new QWidget;
    m_extraWidget = new QWidget;

    auto* toolRow = new QHBoxLayout;
    toolRow->setContentsMargins(0, 0, 0, 0);
    toolRow->setSpacing(0);
    toolRow->addWidget(zoomInButton);
    toolRow->addWidget(zoomOutButton);
    toolRow->addWidget(m_hundredPercentButton);
    toolRow->addWidget(m_optimizeButton);
    toolRow->addWidget(m_extraToolWidget);
    toolRow->addStretch(1);
    toolRow->addWidget(m_extraWidget);

    m_bar = new QFrame;
    m_bar->setObjectName(QStringLiteral("WindowTitleBar"));
    m_barLayout = new QHBoxLayout(m_bar);
    m_barLayout->setContentsMargins(5, 5, 5, 5);
    m_barLayout->setSpacing(3);
    m_barLayout->addWidget(m_toolsWidget);
    m_barLayout->addLayout(toolRow);
    m_barLayout->addWidget(m_closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    setCursor(Qt::ArrowCursor);

    connect(m_actionsMenu, &QMenu::aboutToShow, this, &WindowTitle::slotMenuAboutToShow);
    connect(m_actionsMenu, &QMenu::aboutToHide, this, &WindowTitle::slotMenuAboutToHide);
    connect(m_closeButton, &QPushButton::clicked, this, &WindowTitle::closeWindow);
    connect(zoomInButton, &QPushButton::clicked, this, &WindowTitle::zoomOutClicked);
    connect(zoomOutButton, &QPushButton::clicked, this, &WindowTitle::zoomInClicked);
    connect(m_hundredPercentButton, &QPushButton::clicked, this, &WindowTitle::hundredPercentClicked);
    connect(m_optimizeButton, &QPushButton::toggled, this, &WindowTitle::optimizeToggled);
}

void WindowTitle::setToolsLayout(QLayout* layout)
{
    auto* box = new QHBoxLayout(m_toolsWidget);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addLayout(layout);
}

void WindowTitle::hideTools()
{
    m_toolsWidget->hide();
}

void WindowTitle::slotMenuAboutToShow()
{
    m_menuShown = true;
}

void WindowTitle::slotMenuAboutToHide()
{
    m_menuShown = false;
}

void WindowTitle::mousePressEvent(QMouseEvent* event)
{
    m_pressPos = event->pos();
    QFrame::mousePressEvent(event);
}

void WindowTitle::mouseMoveEvent(QMouseEvent* event)
{
    // Only a drag moves the window: with mouse tracking on, plain moves come
    // here too and must not drag the window after the pointer.
    if (event->buttons() & Qt::LeftButton)
        emit changePosition(event->globalPos() - m_pressPos);
    QFrame::mouseMoveEvent(event);
    event->accept();
}

} // namespace QMWidgets
