#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QList>
#include <QString>

namespace QMWidgets {

class SettingsWidget;

// The ".tssettings" files: an XML document with the root element "Settings"
// and one element per settings page, each nesting level indented by one blank.
// Files are written in UTF-8 with an XML declaration. A file with a byte-order
// mark or a declaration is read in the encoding these name (UTF-16 too, which
// is also recognised without a mark). Files of earlier versions carry no
// declaration and were written in the system's encoding; they are read as
// UTF-8 when they are valid UTF-8 and in the system's encoding when not.
namespace SettingsFile {

extern const char Suffix[]; // ".tssettings"
// Settings files are small; larger files are not read at all.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
// Elements nested deeper than this (far beyond any settings page) are refused
// before the document is built, which would take the stack for each level.
constexpr int MaxDepth = 256;
// Files whose document type declares more entities than this (settings pages
// declare none) are refused before the document is built, which would take a
// time that grows with the square of their number.
constexpr int MaxEntities = 256;
// Elements with more attributes than this (settings pages write a few) are
// refused before the text is read, which would take a time that grows with
// the square of their number.
constexpr int MaxAttributes = 1024;

// The path written for a chosen file name: the name with Suffix appended when
// it does not end with it (case-sensitive).
QString targetPath(const QString& chosenName);

// The text of a file with the elements of the pages, in list order.
QByteArray write(const QList<SettingsWidget*>& pages);

// Reads the document from a file's text; false when it is no XML document
// or when it is refused, and then refusal (if given) says why: elements
// nested deeper than MaxDepth, whatever else is wrong with the text, an
// element with more than MaxAttributes attributes, more than MaxEntities
// entities declared, or references to them that stand for more than
// MaxFileSize characters. An ordinary XML error leaves refusal empty. A UTF-16 text needs no byte-order
// mark.
bool read(const QByteArray& text, QDomDocument* document, QString* refusal = nullptr);

// Hands every child element of root to each page whose settingsName() equals
// its tag name; other children, and the root's own name, are not looked at.
void loadPages(const QDomElement& root, const QList<SettingsWidget*>& pages);

// Writes text to path so that the old file stays whole when writing fails.
// On failure, error (when given) receives the reason.
bool save(const QString& path, const QByteArray& text, QString* error = nullptr);

} // namespace SettingsFile
} // namespace QMWidgets
