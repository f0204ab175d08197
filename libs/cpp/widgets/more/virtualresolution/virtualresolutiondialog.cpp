#include "virtualresolutiondialog.h"

#include "pictures.h"
#include "resolutionsetupwidget.h"
#include "widgetutils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {

// The screen sizes offered, smallest first.
const QSize kResolutions[] = {
    { 1024, 768 },  { 1152, 864 },  { 1280, 800 },  { 1280, 1024 }, { 1440, 900 },
    { 1600, 1200 }, { 1680, 1050 }, { 1920, 1200 }, { 1980, 1250 }, { 2048, 1536 },
    { 2650, 1600 }, { 3840, 2400 }, { 4096, 3072 }, { 5300, 3200 },
};

QHBoxLayout* row(int margin, int spacing)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    return layout;
}

} // namespace

VirtualResolutionDialog::VirtualResolutionDialog(QWidget* parent)
    : QDialog(parent)
    , m_modeCombo(new QComboBox)
{
    m_modeCombo->addItem(tr("Virtual Resolution Mode"));
    m_modeCombo->addItem(tr("Normal Model"));
    connect(m_modeCombo, QOverload<int>::of(&QComboBox::activated), this,
            &VirtualResolutionDialog::slotModeChanged);

    // Offered but not available.
    auto* acceleration = new QCheckBox;
    acceleration->setChecked(false);
    acceleration->setEnabled(false);

    // A host supplies the logo; without it the label takes no room.
    auto* logo = new QLabel;
    const QPixmap logoPicture = Pictures::pixmap(QStringLiteral(":/pix/vrlogo.png"));
    logo->setPixmap(logoPicture);
    logo->setFixedSize(logoPicture.size());

    m_resolutionBox = new ResolutionSetupWidget;
    m_windowSizeBox = new ResolutionSetupWidget;
    for (const QSize& size : kResolutions)
        m_resolutionBox->addResolution(size.width(), size.height());
    connect(m_resolutionBox, &ResolutionSetupWidget::resolutionChanged, this,
            &VirtualResolutionDialog::virtualResolutionChanged);
    m_resolutionBox->setTitle(tr("Virtual Resolution"));
    m_windowSizeBox->setTitle(tr("Window Size"));
    m_windowSizeBox->hide();

    auto* ok = new QPushButton(tr("&Ok"));
    auto* cancel = new QPushButton(tr("&Cancel"));
    auto* apply = new QPushButton(tr("&Apply"));
    for (QPushButton* button : { ok, cancel, apply })
        setupPushButton(button);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &VirtualResolutionDialog::slotApply);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(3);
    layout->addWidget(logo);
    QHBoxLayout* accelerationRow = row(5, 1);
    accelerationRow->addWidget(new QLabel(tr("OpenGL Acceleration")));
    accelerationRow->addWidget(acceleration);
    accelerationRow->addStretch(1);
    layout->addLayout(accelerationRow);
    layout->addWidget(m_modeCombo);
    QHBoxLayout* boxRow = row(5, 5);
    boxRow->addWidget(m_resolutionBox);
    boxRow->addWidget(m_windowSizeBox);
    layout->addLayout(boxRow);
    QHBoxLayout* buttonRow = row(5, 3);
    buttonRow->addStretch(1);
    buttonRow->addWidget(ok);
    buttonRow->addWidget(cancel);
    buttonRow->addWidget(apply);
    layout->addLayout(buttonRow);
}

VirtualResolutionDialog::Mode VirtualResolutionDialog::mode() const
{
    return m_modeCombo->currentIndex() != 0 ? NormalMode : VirtualResolutionMode;
}

QSize VirtualResolutionDialog::virtualResolution() const
{
    return m_resolutionBox->resolution();
}

void VirtualResolutionDialog::slotApply()
{
    // A host may delete the dialog (with the host) on the first signal.
    const QPointer<VirtualResolutionDialog> self(this);
    emit changeVirtualResolution(virtualResolution());
    if (self)
        emit changeSettings();
}

void VirtualResolutionDialog::slotModeChanged(int)
{
    m_resolutionBox->setEnabled(m_modeCombo->currentIndex() == 0);
}

} // namespace QMWidgets
