// The "Choices" page: the radio box, the picture choice box with its popup,
// the colour swatch with its grid and the date fields, each with a line that
// tells what it reported last.
#include "choices/colorwidget.h"
#include "choices/datewidget.h"
#include "choices/radiobox.h"
#include "choices/ultraradiobox.h"
#include "gallerypages.h"
#include "pictures.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace QMWidgets;

namespace {

QWidget* withReport(QWidget* widget, QLabel* report)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    layout->addSpacing(16);
    layout->addWidget(report, 1);
    return row;
}

QWidget* radioBox()
{
    auto* box = new RadioBox(QBoxLayout::LeftToRight);
    auto* report = new QLabel;
    for (const QString& size :
         { QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large") }) {
        auto* button = new QPushButton(size);
        box->addButton(button);
        QObject::connect(button, &QPushButton::clicked, report,
                         [report, size] { report->setText(QStringLiteral("Checked: %1").arg(size)); });
    }
    return withReport(box, report);
}

QWidget* ultraRadioBox()
{
    auto* box = new UltraRadioBox;
    auto* report = new QLabel(QStringLiteral("Press the box to open its popup"));
    struct Tool
    {
        const char* picture;
        const char* caption;
    };
    const Tool tools[] = { { "tool-line", "Line" },
                           { "tool-rectangle", "Rectangle" },
                           { "tool-ellipse", "Ellipse" },
                           { "tool-arrow", "Arrow" } };
    QToolButton* arrow = nullptr;
    QToolButton* first = nullptr;
    for (const Tool& tool : tools) {
        auto* button = new QToolButton;
        button->setFixedSize(36, 36);
        button->setIconSize(QSize(24, 24));
        button->setIcon(Pictures::icon(QStringLiteral(":/gallery/%1.png").arg(QLatin1String(tool.picture))));
        box->addButton(button, QLatin1String(tool.caption));
        first = first ? first : button;
        arrow = button;
    }
    box->setCurrentButton(first);
    QObject::connect(box, &UltraRadioBox::buttonClicked, report,
                     [box, report] { report->setText(QStringLiteral("Chosen: %1").arg(box->toolTip())); });

    auto* offerArrow = new QCheckBox(QStringLiteral("Offer the arrow"));
    offerArrow->setChecked(true);
    QObject::connect(offerArrow, &QCheckBox::toggled, box,
                     [box, arrow](bool offered) { box->setButtonVisible(arrow, offered); });

    auto* row = withReport(box, report);
    static_cast<QHBoxLayout*>(row->layout())->addWidget(offerArrow);
    return row;
}

QWidget* colorWidget()
{
    auto* swatch = new ColorWidget;
    swatch->setFixedSize(48, 28);
    auto* report = new QLabel(QStringLiteral("Press the swatch to open the colour grid"));
    QObject::connect(swatch, &ColorWidget::colorChanged, report, [report](const QColor& color) {
        report->setText(QStringLiteral("Chosen: %1").arg(color.name()));
    });
    return withReport(swatch, report);
}

QWidget* dateWidget()
{
    auto* date = new DateWidget;
    auto* report = new QLabel;
    QObject::connect(date, &DateWidget::dataChanged, report, [date, report] {
        const QString year = date->year() < 0 ? QStringLiteral("no year") : QString::number(date->year());
        report->setText(QStringLiteral("Day %1, month %2, %3").arg(date->day()).arg(date->month()).arg(year));
    });
    auto* clear = new QPushButton(QStringLiteral("Clear"));
    QObject::connect(clear, &QPushButton::clicked, date, [date, report] {
        date->clear();
        report->setText(QStringLiteral("Cleared"));
    });
    auto* row = withReport(date, report);
    static_cast<QHBoxLayout*>(row->layout())->addWidget(clear);
    return row;
}

QWidget* choicesPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setVerticalSpacing(18);
    form->addRow(QStringLiteral("RadioBox"), radioBox());
    form->addRow(QStringLiteral("UltraRadioBox"), ultraRadioBox());
    form->addRow(QStringLiteral("ColorWidget"), colorWidget());
    form->addRow(QStringLiteral("DateWidget"), dateWidget());
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(40, "Choices", choicesPage);
