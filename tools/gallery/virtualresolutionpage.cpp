// The "Virtual resolution" page: a sample window in the virtual-resolution
// host. In virtual mode its form is laid out at the chosen screen size and
// drawn stretched into a window of any size; the settings dialog picks the
// mode and the size.
#include "gallerypages.h"
#include "virtualresolution/hybridwidget.h"
#include "virtualresolution/virtualresolutionwidget.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

// close is called from the form's "Close" button, which deletes the window
// the form lives in: in virtual mode too, while the click is being delivered.
QWidget* sampleForm(const std::function<void()>& close)
{
    auto* form = new QGroupBox(QStringLiteral("A form laid out for its own screen"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name:"), new QLineEdit(QStringLiteral("Lumastrand")));
    fields->addRow(QStringLiteral("Folder:"), new QLineEdit(QStringLiteral("/home/user/Icons")));
    auto* notes = new QPlainTextEdit(QStringLiteral("In virtual mode this form keeps its virtual resolution "
                                                    "and is stretched to whatever size the window has."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QCheckBox(QStringLiteral("Remember")));
    buttons->addStretch(1);
    buttons->addWidget(new QPushButton(QStringLiteral("Cancel")));
    buttons->addWidget(new QPushButton(QStringLiteral("Save")));
    auto* closeButton = new QPushButton(QStringLiteral("Close"));
    QObject::connect(closeButton, &QPushButton::clicked, closeButton, close);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(form);
    layout->addLayout(fields);
    layout->addWidget(notes, 1);
    layout->addLayout(buttons);
    return form;
}

QWidget* virtualResolutionPage()
{
    auto* page = new QWidget;
    auto* note = new QLabel(QStringLiteral(
        "The sample window is a virtual-resolution host. \"Virtual mode\" lays its form out at the "
        "virtual resolution (1280 x 800 until the settings say otherwise) and stretches it over a "
        "window of any size; \"Normal window\" brings it back at its old size. The settings dialog "
        "picks mode and size; its Apply hands them to the window. The form's Close deletes the sample "
        "window; the next Show makes a new one."));
    note->setWordWrap(true);

    // One sample window for the page's lifetime, made on first use.
    auto holder = std::make_shared<std::unique_ptr<QMWidgets::HybridWidget>>();
    const auto hybrid = [holder] {
        if (!*holder) {
            *holder = std::make_unique<QMWidgets::HybridWidget>();
            (*holder)->setWindowTitle(QStringLiteral("Virtual resolution sample"));
            const std::weak_ptr<std::unique_ptr<QMWidgets::HybridWidget>> weakHolder = holder;
            (*holder)->addWidget(sampleForm([weakHolder] {
                if (const auto sample = weakHolder.lock())
                    sample->reset();
            }));
            (*holder)->resize(480, 320);
        }
        return holder->get();
    };
    QObject::connect(page, &QObject::destroyed, [holder] { holder->reset(); });

    auto* show = new QPushButton(QStringLiteral("Show the sample window"));
    auto* settings = new QPushButton(QStringLiteral("Settings..."));
    auto* virtualMode = new QPushButton(QStringLiteral("Virtual mode"));
    auto* normalMode = new QPushButton(QStringLiteral("Normal window"));
    auto* fullScreen = new QCheckBox(QStringLiteral("Full screen"));
    QObject::connect(show, &QPushButton::clicked, page, [hybrid] {
        QMWidgets::HybridWidget* window = hybrid();
        if (window->isVirtualResolutionMode()) {
            window->resolutionView()->show();
            window->resolutionView()->raise();
        } else {
            window->show();
            window->raise();
        }
    });
    QObject::connect(settings, &QPushButton::clicked, page, [hybrid] { hybrid()->slotShowSettingsDialog(); });
    QObject::connect(virtualMode, &QPushButton::clicked, page,
                     [hybrid] { hybrid()->slotSetVirtualResolutionMode(true); });
    QObject::connect(normalMode, &QPushButton::clicked, page,
                     [hybrid] { hybrid()->slotSetVirtualResolutionMode(false); });
    QObject::connect(fullScreen, &QCheckBox::toggled, page,
                     [hybrid](bool on) { hybrid()->slotShowFullScreenMode(on); });

    auto* buttons = new QHBoxLayout;
    for (QWidget* button :
         { static_cast<QWidget*>(show), static_cast<QWidget*>(settings), static_cast<QWidget*>(virtualMode),
           static_cast<QWidget*>(normalMode), static_cast<QWidget*>(fullScreen) })
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(note);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(510, "Virtual resolution", virtualResolutionPage);
