// The "Small widgets" page: the folder tree, the picture label, the host frame
// and a combo box painted by the flat combo-box filter next to a plain one.
#include "gallerypages.h"
#include "pictures.h"
#include "smallwidgets/advancedlabel.h"
#include "smallwidgets/comboboxfilter.h"
#include "smallwidgets/dirview.h"
#include "smallwidgets/mobilesimulator.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace QMWidgets;

namespace {

QWidget* dirView()
{
    auto* column = new QWidget;
    auto* layout = new QHBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* view = new DirView;
    view->setFixedSize(320, 180);
    view->setRootPath(QDir::homePath());
    auto* report = new QLabel(QStringLiteral("Click a folder or a file"));
    report->setWordWrap(true);
    QObject::connect(view, &DirView::showContent, report, [report](const QString& path) {
        report->setText(QStringLiteral("showContent: ") + path);
    });
    QObject::connect(view, &DirView::showItem, report,
                     [report](const QString& path) { report->setText(QStringLiteral("showItem: ") + path); });
    layout->addWidget(view);
    layout->addWidget(report, 1);
    return column;
}

QWidget* advancedLabel()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new AdvancedLabel;
    label->setFixedSize(96, 96);
    label->setMargin(6);
    label->setPixmap(Pictures::pixmap(QStringLiteral(":/gallery/badge.png")));
    label->setText(QStringLiteral("Badge"));
    auto* report = new QLabel(QStringLiteral("Point at the picture, click it"));
    QObject::connect(label, &AdvancedLabel::clicked, report, [report, clicks = 0]() mutable {
        report->setText(QStringLiteral("Clicked %1 times").arg(++clicks));
    });
    layout->addWidget(label);
    layout->addWidget(report, 1);
    return row;
}

QWidget* mobileSimulator()
{
    auto* frame = new MobileSimulator;
    frame->setFrameShape(QFrame::Box);
    frame->setWidget(new QLabel(QStringLiteral("A hosted widget")));
    frame->setWidget(new QPushButton(QStringLiteral("And another")));
    frame->setMaximumWidth(320);
    return frame;
}

QWidget* comboBoxes()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* filter = new ComboBoxFilter(row);
    for (bool flat : { true, false }) {
        auto* combo = new QComboBox;
        combo->addItems(
            { QStringLiteral("Portrait"), QStringLiteral("Landscape"), QStringLiteral("Square") });
        combo->setFixedSize(140, 30);
        if (flat)
            combo->installEventFilter(filter);
        layout->addWidget(combo);
        layout->addWidget(
            new QLabel(flat ? QStringLiteral("painted by ComboBoxFilter") : QStringLiteral("plain")));
    }
    layout->addStretch(1);
    return row;
}

QWidget* smallWidgetsPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setVerticalSpacing(18);
    form->addRow(QStringLiteral("DirView"), dirView());
    form->addRow(QStringLiteral("AdvancedLabel"), advancedLabel());
    form->addRow(QStringLiteral("MobileSimulator"), mobileSimulator());
    form->addRow(QStringLiteral("ComboBoxFilter"), comboBoxes());
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(70, "Small widgets", smallWidgetsPage);
