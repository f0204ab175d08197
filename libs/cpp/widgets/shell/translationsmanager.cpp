#include "translationsmanager.h"

#include "app.h"
#include "shellsettings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>

namespace QMWidgets {

QStringList TranslationsManager::knownCodes()
{
    return { QStringLiteral("de"), QStringLiteral("ru"),    QStringLiteral("fr"),    QStringLiteral("nl"),
             QStringLiteral("it"), QStringLiteral("pt"),    QStringLiteral("es"),    QStringLiteral("ko"),
             QStringLiteral("ja"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW"), QStringLiteral("hi"),
             QStringLiteral("ar") };
}

QString TranslationsManager::codeFor(const QString& setting)
{
    for (const QString& code : knownCodes()) {
        if (setting.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

TranslationsManager::TranslationsManager(QObject* parent)
    : QObject(parent)
{
    // Only a stored choice changes the language: the program ships no
    // translations, so following the system locale would only turn the layout
    // around (Arabic) or pick slides of another language around English texts.
    QString setting;
    if (App* application = App::instance())
        setting = application->value(ShellSettings::Language).toString();
    m_language = codeFor(setting);
    if (m_language != QLatin1String("en"))
        install(m_language);
    if (m_language == QLatin1String("ar"))
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
}

TranslationsManager::~TranslationsManager()
{
    for (QTranslator* translator : qAsConst(m_translators))
        QCoreApplication::removeTranslator(translator);
}

void TranslationsManager::install(const QString& code)
{
    const QStringList files
        = { QStringLiteral(":/Translations/qt_") + code, QStringLiteral(":/Translations/libs_") + code,
            QStringLiteral(":/Translations/") + QCoreApplication::applicationName() + QLatin1Char('_')
                + code };
    for (const QString& file : files) {
        auto* translator = new QTranslator(this);
        if (translator->load(file) && QCoreApplication::installTranslator(translator))
            m_translators.append(translator);
        else
            delete translator;
    }
}

} // namespace QMWidgets
