#include "promomenubar.h"

#include "app.h"
#include "appbutton.h"
#include "moreappsbutton.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

namespace QMWidgets {

PromoMenuBar::PromoMenuBar(QWidget* parent, bool quitThroughSignal)
    : QFrame(parent)
    , m_quitThroughSignal(quitThroughSignal)
    , m_extraWidgets(new QHBoxLayout)
    , m_appButton(new AppButton(this))
    , m_moreAppsButton(new MoreAppsButton(this))
{
    setObjectName(QStringLiteral("MenuBar"));
    setFixedHeight(45);

    m_introButton = addBarButton(QStringLiteral("IntroButton"), tr("Introduction"));
    m_rateButton = addBarButton(QStringLiteral("RateButton"), tr("Rate"));
    m_shareButton = addBarButton(QStringLiteral("ShareButton"), tr("Share"));
    m_joinButton = addBarButton(QStringLiteral("JoinButton"), tr("Join"));
    m_moreButton = addBarButton(QStringLiteral("MoreButton"), tr("More"));
    m_moreMenu = new QMenu(m_moreButton);
    m_moreButton->setMenu(m_moreMenu);
    m_moreButton->hide();
    m_foldable = { m_introButton, m_rateButton, m_shareButton, m_joinButton };

    m_extraWidgets->setContentsMargins(0, 0, 0, 0);
    m_extraWidgets->setSpacing(0);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_appButton);
    layout->addLayout(m_extraWidgets);
    layout->addStretch(1);
    for (QPushButton* button : qAsConst(m_foldable))
        layout->addWidget(button);
    layout->addWidget(m_moreButton);
    layout->addWidget(m_moreAppsButton);

    auto run = [](void (App::*slot)()) {
        return [slot] {
            if (App* application = App::instance())
                (application->*slot)();
        };
    };
    connect(m_introButton, &QPushButton::clicked, this, run(&App::slotIntro));
    connect(m_rateButton, &QPushButton::clicked, this, run(&App::slotRate));
    connect(m_shareButton, &QPushButton::clicked, this, run(&App::slotShareApp));
    connect(m_joinButton, &QPushButton::clicked, this, run(&App::slotJoin));
    connect(m_appButton, &AppButton::quitPressed, this, [this] {
        if (m_quitThroughSignal)
            emit quitRequested();
        else
            QApplication::closeAllWindows();
    });
}

QPushButton* PromoMenuBar::addBarButton(const QString& objectName, const QString& toolTip)
{
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    button->setFlat(true);
    button->setFixedSize(50, 32);
    return button;
}

void PromoMenuBar::fillCrossPromo(const QString& category)
{
    m_moreAppsButton->fill(category);
}

void PromoMenuBar::hideMoreAppsButton()
{
    m_moreAppsHidden = true;
    m_moreAppsButton->hide();
    fitButtons();
}

void PromoMenuBar::addWidget(QWidget* widget)
{
    m_extraWidgets->addWidget(widget);
    fitButtons();
}

void PromoMenuBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitButtons();
}

void PromoMenuBar::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    fitButtons();
}

void PromoMenuBar::fitButtons()
{
    if (m_fitting)
        return;
    m_fitting = true;

    for (QPushButton* button : qAsConst(m_foldable))
        button->setVisible(true);
    m_moreButton->setVisible(false);
    layout()->invalidate();

    // Fold the buttons from the end until the bar's content fits its width.
    QList<QPushButton*> folded;
    const int available = contentsRect().width();
    for (int i = m_foldable.size() - 1; i >= 0; --i) {
        if (layout()->minimumSize().width() <= available)
            break;
        m_foldable.at(i)->setVisible(false);
        folded.prepend(m_foldable.at(i));
        m_moreButton->setVisible(true);
        layout()->invalidate();
    }

    m_moreMenu->clear();
    for (QPushButton* button : qAsConst(folded)) {
        QAction* action = m_moreMenu->addAction(button->toolTip());
        connect(action, &QAction::triggered, button, &QPushButton::click);
    }
    m_fitting = false;
}

} // namespace QMWidgets
