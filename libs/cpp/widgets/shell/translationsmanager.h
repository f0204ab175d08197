#pragma once

#include <QObject>
#include <QStringList>

class QTranslator;

namespace QMWidgets {

// Chooses the interface language from the setting "Language" and installs the
// translators for it: the Qt libraries', the maker's libraries' and the
// application's, all from the resource folder ":/Translations/". Arabic turns
// the layout right to left. A translation that is not there leaves the texts
// in English.
class TranslationsManager : public QObject
{
    Q_OBJECT

public:
    explicit TranslationsManager(QObject* parent = nullptr);
    ~TranslationsManager() override;

    // The codes the program knows, in the order they are looked for.
    static QStringList knownCodes();
    // The first known code found in setting, else "en".
    static QString codeFor(const QString& setting);

    QString language() const { return m_language; }
    // How many of the three translators loaded.
    int loadedTranslators() const { return m_translators.size(); }

private:
    void install(const QString& code);

    QString m_language;
    QList<QTranslator*> m_translators;
};

} // namespace QMWidgets
