#include "artworkcatalog.h"

#include "buttonart.h"
#include "galleryart.h"
#include "glyphs.h"
#include "itemart.h"
#include "logoart.h"
#include "noteart.h"
#include "overlayart.h"

#include <QImageWriter>

#include <memory>

namespace {

const int kOverlaySide = 1024;
const int kItemSide = 88;

struct BarButton
{
    const char* stem;
    QPainterPath (*glyph)();
};

struct Badge
{
    const char* fileStem;
    const char* letters;
    QPainterPath (*glyph)();
};

QPainterPath noGlyph()
{
    return QPainterPath();
}

} // namespace

ArtworkCatalog::ArtworkCatalog()
{
    const QString overlays = QStringLiteral("Effect overlays");
    add(QStringLiteral("glossytop.png"), overlays, [] { return OverlayArt::glossyTop(kOverlaySide); });
    add(QStringLiteral("glossymiddle.png"), overlays, [] { return OverlayArt::glossyMiddle(kOverlaySide); });
    add(QStringLiteral("overlay_volume.png"), overlays, [] { return OverlayArt::volume(kOverlaySide); });
    add(QStringLiteral("overlay_frame.png"), overlays, [] { return OverlayArt::frame(kOverlaySide); });
    add(QStringLiteral("overlay_freelabel.png"), overlays,
        [] { return OverlayArt::cornerBand(kOverlaySide, OverlayArt::freeBand()); });
    add(QStringLiteral("overlay_litelabel.png"), overlays,
        [] { return OverlayArt::cornerBand(kOverlaySide, OverlayArt::liteBand()); });
    add(QStringLiteral("roundrectmask.png"), overlays,
        [] { return OverlayArt::roundRectMask(kOverlaySide); });

    const QString drop = QStringLiteral("Drop area and logo");
    add(QStringLiteral("droparea.png"), drop, [] { return LogoArt::dropArea(); });
    add(QStringLiteral("openfiles.png"), drop, [] { return LogoArt::openFiles(); });
    add(QStringLiteral("app.png"), drop, [] { return LogoArt::logo(128); });
    add(QStringLiteral("appicon.png"), drop, [] { return LogoArt::logo(64); });

    const QString items = QStringLiteral("Effect switches");
    using ItemArt::Effect;
    using ItemArt::State;
    for (Effect effect : { Effect::TopGlossy, Effect::CenterGlossy, Effect::Volume, Effect::Frame,
                           Effect::FreeLabel, Effect::LiteLabel, Effect::RoundedEdges }) {
        // The four states share one tile, worked out on first use.
        auto tile = std::make_shared<QImage>();
        for (State state : { State::Normal, State::Hover, State::Checked, State::CheckedHover }) {
            add(ItemArt::stem(effect) + ItemArt::suffix(state) + QStringLiteral(".png"), items,
                [effect, state, tile] {
                    if (tile->isNull())
                        *tile = ItemArt::effectTile(effect, kItemSide * 56 / 88);
                    return ItemArt::effectItem(*tile, state, kItemSide);
                });
        }
    }

    const QString bar = QStringLiteral("Menu bar and settings");
    add(QStringLiteral("backgroundbar.png"), bar, [] { return ButtonArt::backgroundBar(); });
    const BarButton barButtons[] = {
        { "settings", Glyphs::gear },
        { "AppButton", Glyphs::appMark },
        { "MoreAppsButton", Glyphs::tileGrid },
        { "RateButton", Glyphs::star },
        { "share", Glyphs::share },
        { "Help", Glyphs::question },
        { "More", Glyphs::threeDots },
        { "join", Glyphs::people },
    };
    for (const BarButton& b : barButtons) {
        const auto glyph = b.glyph;
        add(QLatin1String(b.stem) + QStringLiteral(".png"), bar,
            [glyph] { return ButtonArt::barButton(glyph(), false); });
        add(QLatin1String(b.stem) + QStringLiteral("_hover.png"), bar,
            [glyph] { return ButtonArt::barButton(glyph(), true); });
    }

    const QString dialogs = QStringLiteral("Dialogs");
    add(QStringLiteral("videobutton.png"), dialogs, [] { return ButtonArt::videoButton(false); });
    add(QStringLiteral("videobutton_hover.png"), dialogs, [] { return ButtonArt::videoButton(true); });
    add(QStringLiteral("arrowleft.png"), dialogs, [] { return ButtonArt::scrollArrow(true); });
    add(QStringLiteral("arrowright.png"), dialogs, [] { return ButtonArt::scrollArrow(false); });
    add(QStringLiteral("spinbox_button2.png"), dialogs, [] { return ButtonArt::menuIndicator(); });

    const QString social = QStringLiteral("Share and join");
    const Badge shares[] = {
        { "facebookshare", "Fb", noGlyph },     { "twittershare", "Tw", noGlyph },
        { "vkontakteshare", "Vk", noGlyph },    { "linkedinshare", "Li", noGlyph },
        { "emailshare", "", Glyphs::envelope },
    };
    const Badge joins[] = {
        { "youtubejoin", "", Glyphs::play },   { "facebookjoin", "Fb", noGlyph },
        { "twitterjoin", "Tw", noGlyph },      { "vkontaktejoin", "Vk", noGlyph },
        { "emailjoin", "", Glyphs::envelope },
    };
    auto addBadges = [&](const Badge* list, int count, ButtonArt::BadgeKind kind) {
        for (int i = 0; i < count; ++i) {
            const QString letters = QLatin1String(list[i].letters);
            const auto glyph = list[i].glyph;
            for (bool hover : { false, true }) {
                add(QLatin1String(list[i].fileStem)
                        + (hover ? QStringLiteral("_hover.png") : QStringLiteral(".png")),
                    social, [=] { return ButtonArt::badge(letters, glyph(), kind, hover); });
            }
        }
    };
    addBadges(shares, 5, ButtonArt::BadgeKind::Share);
    addBadges(joins, 5, ButtonArt::BadgeKind::Join);

    for (const GalleryArt::Picture& picture : GalleryArt::pictures())
        add(picture.path, GalleryArt::group(), picture.draw);
    for (const GalleryArt::Picture& picture : NoteArt::pictures())
        add(picture.path, GalleryArt::group(), picture.draw);
}

void ArtworkCatalog::add(const QString& fileName, const QString& group, std::function<QImage()> draw)
{
    m_entries.append(Entry { fileName, group, std::move(draw) });
}

QVector<ArtworkCatalog::Picture> ArtworkCatalog::render() const
{
    QVector<Picture> pictures;
    pictures.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
        pictures.append(Picture { entry.fileName, entry.group, entry.draw() });
    return pictures;
}

bool ArtworkCatalog::writePng(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "png");
    // For PNG, quality 0 asks for the strongest compression.
    writer.setQuality(0);
    return writer.write(image.convertToFormat(QImage::Format_ARGB32));
}
