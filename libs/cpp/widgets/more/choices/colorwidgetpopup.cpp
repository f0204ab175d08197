#include "colorwidgetpopup.h"

#include <QGridLayout>
#include <QPixmap>
#include <QPushButton>

namespace QMWidgets {

namespace {
const int kCellSide = 20;

// Row by row, as red, green, blue.
const QRgb kGrid[ColorWidgetPopup::kRows][ColorWidgetPopup::kColumns] = {
    { qRgb(255, 255, 255), qRgb(255, 192, 192), qRgb(255, 224, 192), qRgb(255, 255, 192), qRgb(192, 255, 192),
      qRgb(192, 255, 255), qRgb(192, 192, 255), qRgb(255, 192, 255) },
    { qRgb(224, 224, 224), qRgb(255, 128, 128), qRgb(255, 192, 128), qRgb(255, 255, 128), qRgb(128, 255, 128),
      qRgb(128, 255, 255), qRgb(128, 128, 255), qRgb(255, 128, 255) },
    { qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(255, 128, 0), qRgb(255, 255, 0), qRgb(0, 255, 0),
      qRgb(0, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 255) },
    { qRgb(128, 128, 128), qRgb(192, 0, 0), qRgb(192, 64, 0), qRgb(192, 192, 0), qRgb(0, 192, 0),
      qRgb(0, 192, 192), qRgb(0, 0, 192), qRgb(192, 0, 192) },
    { qRgb(64, 64, 64), qRgb(128, 0, 0), qRgb(128, 64, 0), qRgb(128, 128, 0), qRgb(0, 128, 0),
      qRgb(0, 128, 128), qRgb(0, 0, 128), qRgb(128, 0, 128) },
    { qRgb(0, 0, 0), qRgb(64, 0, 0), qRgb(128, 64, 64), qRgb(64, 64, 0), qRgb(0, 64, 0), qRgb(0, 64, 64),
      qRgb(0, 0, 64), qRgb(64, 0, 64) },
};
} // namespace

QColor ColorWidgetPopup::gridColor(int row, int column)
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return QColor();
    return QColor(kGrid[row][column]);
}

ColorWidgetPopup::ColorWidgetPopup(QWidget* parent)
    : QWidget(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("ColorWidgetPopup"));
    setMinimumSize(30, 15);
    // A press on the swatch while the grid is open only closes the grid; it is
    // not passed on to the swatch, which would open the grid again.
    setAttribute(Qt::WA_NoMouseReplay);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(2);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column)
            grid->addWidget(createColorButton(gridColor(row, column)), row, column);
    }
    setLayout(grid);
}

QPushButton* ColorWidgetPopup::createColorButton(const QColor& color)
{
    QPixmap swatch(kCellSide, kCellSide);
    swatch.fill(color);
    auto* button = new QPushButton;
    button->setFixedSize(kCellSide, kCellSide);
    button->setIcon(QIcon(swatch));
    button->setFlat(true);
    connect(button, &QPushButton::clicked, this, &ColorWidgetPopup::slotColorChanged);
    return button;
}

void ColorWidgetPopup::slotColorChanged()
{
    if (auto* button = qobject_cast<QPushButton*>(sender())) {
        // The cell's colour is that of its icon, always taken as opaque.
        const QImage icon = button->icon().pixmap(kCellSide, kCellSide).toImage();
        emit colorChanged(QColor(icon.pixel(0, 0)));
    }
    dismiss();
}

void ColorWidgetPopup::dismiss()
{
    m_hovered = false;
    hide();
}

void ColorWidgetPopup::enterEvent(QEvent*)
{
    m_hovered = true;
}

void ColorWidgetPopup::leaveEvent(QEvent*)
{
    dismiss();
}

} // namespace QMWidgets
