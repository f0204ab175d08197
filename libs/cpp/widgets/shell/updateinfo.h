#pragma once

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>

// The build information that the maker's update service publishes for an
// application: a text with "build:" followed by ";"-separated key:value pairs,
// for example "build:date:2024-03-01;windows:7;version:1.9.3".
//
// "date" ("yyyy-MM-dd") is the day of the build on offer, "windows" the
// oldest Windows version it runs on (see Platform::SystemInfo).
class UpdateInfo
{
public:
    // Reads the pairs after the first "build:" up to the end of that line.
    // Pairs without ":" are skipped; keys are compared in lower case.
    static UpdateInfo parse(const QByteArray& text);

    // True when the text had a "build:" part.
    bool hasBuild() const { return m_hasBuild; }
    // True when the text is build information: a "build:" part with a valid date.
    bool isReadable() const;
    QString value(const QString& key) const { return m_values.value(key.toLower()); }
    QMap<QString, QString> values() const { return m_values; }
    // The build's day; invalid when missing or not "yyyy-MM-dd".
    QDate date() const;
    // True when the "windows" entry names a version at or below generation.
    bool covers(int generation) const;
    // True when the build is newer than buildDate and runs on generation.
    bool offersUpdate(const QDate& buildDate, int generation) const;

private:
    bool m_hasBuild = false;
    QMap<QString, QString> m_values;
};
