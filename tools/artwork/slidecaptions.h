#pragma once

#include <QString>
#include <QStringList>

// The words on the introduction slides: a title and one or two sentences for
// each of the five steps, in every language that has slides.
namespace SlideCaptions {

struct Caption
{
    QString title;
    QString text;
};

// The language codes that get a set of slides ("en", "de", "ru").
QStringList languages();

// The caption of slide number (1 to 5) in a language of languages(); an
// unknown language gets the English words.
Caption caption(int number, const QString& language);

} // namespace SlideCaptions
