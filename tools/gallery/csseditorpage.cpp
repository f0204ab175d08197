// The "Style-sheet editor" page: the editor working on the gallery's own style
// sheet, a file in the gallery's data folder that starts out as a small sample.
// Apply dresses the whole gallery in it, Reset takes it off again, Save keeps
// the edits for the next run.
#include "csseditor/cssdoc.h"
#include "csseditor/csseditor.h"
#include "gallerypages.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const char kSampleStyleSheet[] = R"(/* The gallery's style sheet. Edit it, then Apply it from the tool
   bar; Reset takes it off again, Save (Ctrl+S) keeps it. */
QLabel#sampleTitle { font-size: 15pt; color: #2d6cdf; }
QPushButton#sampleButton {
    font-family: "DejaVu Sans";
    background: #2d6cdf;
    color: white; border-radius: 4px; padding: 6px 14px;
}
QLineEdit { border: 2px solid #2d6cdf; border-radius: 3px; padding: 2px; }
QCheckBox { color: #a03020; }
QTabBar::tab:selected { background: #dde8fa; }
)";

// The gallery's style-sheet file; written with the sample when it is missing.
QString styleSheetPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/gallery.qss");
    if (!QFile::exists(path)) {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(kSampleStyleSheet, sizeof(kSampleStyleSheet) - 1);
        file.commit();
    }
    return path;
}

void openEditor()
{
    auto* editor = new QMWidgets::CssEditor;
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->doc()->loadFile(styleSheetPath());
    editor->resize(720, 480);
    editor->show();
}

QWidget* cssEditorPage()
{
    auto* page = new QWidget;
    auto* title = new QLabel(QStringLiteral("Style-sheet editor"));
    title->setObjectName(QStringLiteral("sampleTitle"));
    auto* note = new QLabel(
        QStringLiteral(
            "The editor opens the gallery's own style sheet (%1). Apply it to see these widgets and the "
            "tabs change; SetInfo (Ctrl+I) puts class and object name into the tool tips of named widgets.")
            .arg(QDir::toNativeSeparators(styleSheetPath())));
    note->setWordWrap(true);

    auto* open = new QPushButton(QStringLiteral("Open the style-sheet editor"));
    open->setObjectName(QStringLiteral("sampleButton"));
    QObject::connect(open, &QPushButton::clicked, open, &openEditor);

    auto* name = new QLineEdit(QStringLiteral("A line edit"));
    name->setObjectName(QStringLiteral("sampleEdit"));
    auto* check = new QCheckBox(QStringLiteral("A check box"));
    check->setChecked(true);

    auto* samples = new QFormLayout;
    samples->addRow(QStringLiteral("Text:"), name);
    samples->addRow(QStringLiteral("Option:"), check);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addLayout(samples);
    layout->addStretch(1);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(500, "Style-sheet editor", cssEditorPage);
