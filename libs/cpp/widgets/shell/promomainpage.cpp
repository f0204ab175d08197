#include "promomainpage.h"

#include "promomenubar.h"

namespace QMWidgets {

PromoMainPage::PromoMainPage(QWidget* parent, bool quitThroughSignal)
    : QFrame(parent)
    , m_menuBar(new PromoMenuBar(this, quitThroughSignal))
{
    connect(m_menuBar, &PromoMenuBar::quitRequested, this, &PromoMainPage::quitRequested);
}

} // namespace QMWidgets
