#include "effects.h"

#include "imageeffects.h"
#include "picture.h"

#include <QPainter>

#include <algorithm>

namespace Effects {

const QVector<Effect>& all()
{
    // The two labels are drawn in the reverse of their switches' order, so
    // that the Free band covers the Lite band where they meet.
    static const QVector<Effect> effects = {
        { QStringLiteral("TopGlossyItem"), QT_TRANSLATE_NOOP("CreatorEffects", "Top Glossy"),
          QStringLiteral(":/glossytop.png"), 0, false, false },
        { QStringLiteral("CenterGlossyItem"), QT_TRANSLATE_NOOP("CreatorEffects", "Center Glossy"),
          QStringLiteral(":/glossymiddle.png"), 1, false, false },
        { QStringLiteral("VolumeItem"), QT_TRANSLATE_NOOP("CreatorEffects", "Volume"),
          QStringLiteral(":/volume.png"), 2, true, true },
        { QStringLiteral("FrameItem"), QT_TRANSLATE_NOOP("CreatorEffects", "Frame"),
          QStringLiteral(":/frame.png"), 3, true, true },
        { QStringLiteral("FreeLabelItem"), QT_TRANSLATE_NOOP("CreatorEffects", "Free Label"),
          QStringLiteral(":/freelabel.png"), 5, false, false },
        { QStringLiteral("LiteLabelItem"), QT_TRANSLATE_NOOP("CreatorEffects", "Lite Label"),
          QStringLiteral(":/litelabel.png"), 4, false, false },
        { QStringLiteral("RoundedEdgesItem"), QT_TRANSLATE_NOOP("CreatorEffects", "Rounded Edges"), QString(),
          -1, false, true },
    };
    return effects;
}

QStringList namesIn(const QString& effectState)
{
    return effectState.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

bool isOn(const QString& effectState, const QString& effectName)
{
    return namesIn(effectState).contains(effectName);
}

QString stateOf(const QStringList& on)
{
    QString state;
    for (const Effect& effect : all()) {
        if (on.contains(effect.name))
            state += effect.name + QLatin1Char(';');
    }
    return state;
}

void apply(QImage& picture, const QString& effectState, bool mask)
{
    if (picture.isNull())
        return;
    const QStringList on = namesIn(effectState);

    QVector<const Effect*> overlays;
    bool masked = false;
    for (const Effect& effect : all()) {
        if (!on.contains(effect.name))
            continue;
        if (effect.layer >= 0 && (mask || !effect.needsMask))
            overlays.append(&effect);
        masked = masked || (mask && effect.masks);
    }
    std::sort(overlays.begin(), overlays.end(),
              [](const Effect* a, const Effect* b) { return a->layer < b->layer; });

    const qreal ratio = picture.devicePixelRatio();
    const QRectF target(0, 0, int(picture.width() / ratio), int(picture.height() / ratio));
    for (const Effect* effect : overlays) {
        // Loaded at each use; no render hints, so a preview smaller than the
        // overlay gets it scaled without smoothing.
        const QImage art = Picture::normalized(QImage(effect->overlay));
        QPainter painter(&picture);
        painter.drawImage(target, art, QRectF(art.rect()));
    }

    if (masked) {
        QImage cut = Picture::normalized(MGraphX::applyAlphaMask(
            picture, Picture::normalized(QImage(QStringLiteral(":/roundrectmask.png")))));
        cut.setDevicePixelRatio(ratio);
        picture = cut;
    }
}

} // namespace Effects
