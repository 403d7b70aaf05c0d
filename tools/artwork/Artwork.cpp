#include "Artwork.h"

#include "BarGlyphs.h"
#include "WindowGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

using namespace WindowGeometry;

// ---------------------------------------------------------------------------------------
// The frame pieces are cut from one imaginary window drawn pixel by pixel, so that
// corners, tiles and borders join without seams when the window stretches the tiles.

constexpr QSize FrameModelSize(400, 200);

// Lines counted from the outer edge of the frame inwards.
constexpr int EdgeLine = 0;
constexpr int HighlightLine = 1;
constexpr int SideInnerLine = SideBorderWidth - 1;
constexpr int BottomInnerLine = BottomBorderHeight - 1;
constexpr int CaptionSeparatorRow = CaptionHeight - 1;
constexpr int FirstCaptionGradientRow = HighlightLine + 1;
constexpr int LastCaptionGradientRow = CaptionSeparatorRow - 1;

constexpr int CaptionTileWidth = 2;
constexpr int BorderTileHeight = 32;
constexpr int BottomTileWidth = 8;

// The visible faces of the frame buttons: equal gaps between them, and the narrow faces
// sized to the part of the size button that the close button leaves uncovered.
constexpr int FaceGap = 1;
constexpr int FaceTop = 2;
constexpr int FaceHeight = 15;
constexpr int SmallFaceWidth = CloseButtonPosition.x() - SizeButtonPosition.x() - 2 * FaceGap;
constexpr int CloseFaceWidth = CloseButtonSize.width() - 3 * FaceGap; // clear of the edge
constexpr qreal FaceRadius = 3.0;
constexpr int FrameGlyphSize = 7;
constexpr int GlyphTitleThickness = 2;
constexpr int RestoreWindowSize = 5;
constexpr qreal CloseStrokeWidth = 1.8;

// Program emblem in the top-left corner: a round badge holding a two-by-two picture grid.
constexpr QPointF EmblemCentre(18.5, 14.0);
constexpr qreal EmblemRadius = 9.0;
constexpr qreal EmblemTileSize = 4.5;
constexpr qreal EmblemTileGap = 1.5;
constexpr qreal EmblemTileRadius = 1.0;

constexpr qreal DialogButtonRadius = 4.0;

// Main window decorations.
constexpr QSize StripDecorSize(9, 105);
// Stretched pieces: a short run is enough along the stretched direction.
constexpr int StretchedRun = 8;
constexpr QSize StatusBarSize(StretchedRun, StatusStripHeight);
constexpr QSize RuleSize(StretchedRun, RuleHeight);
constexpr QSize SidePieceSize(SidePieceWidth, StretchedRun);
constexpr QSize SubCategoryGlyphSize(16, 16);
const QColor RuleLight(222, 229, 255);
const QColor RuleDark(196, 208, 248);
const QColor SideLight(226, 232, 255);
const QColor SideDark(205, 215, 252);
const QColor SideEdge(184, 197, 240);

// The strip decoration is 9 wide and 105 high and is placed at (0, 1) in a 47-high strip:
// only its top 46 rows show, left of the first sub-category button (x 16). Its accent bar
// spans the rows of the sub-category buttons (y 5, 33 high in the strip).
constexpr QRectF StripAccentBar(3, SubCategoryButtonY - StripDecorOffsetY, 3,
                                SubCategoryButtonHeight);

struct SkinScheme {
    QString suffix; // appended to every picture name of the set
    QColor edge;    // outermost line of the frame
    QColor highlight;
    QColor captionTop;
    QColor captionBottom;
    QColor band;       // body of the side and bottom borders
    QColor innerShade; // where the frame meets the window's content
    QColor emblemLight;
    QColor emblemDark;
    // The frame buttons always carry the default caption's colours; a set with another
    // caption seats them in an inset tray of those colours.
    bool buttonTray;
};

SkinScheme defaultSkin()
{
    return {.suffix = QString(),
            .edge = QColor(59, 71, 90),
            .highlight = QColor(245, 248, 252),
            .captionTop = QColor(227, 233, 241),
            .captionBottom = QColor(168, 181, 199),
            .band = QColor(160, 174, 193),
            .innerShade = QColor(108, 125, 150),
            .emblemLight = QColor(127, 166, 218),
            .emblemDark = QColor(47, 92, 153),
            .buttonTray = false};
}

// Wine and plum, around the button bar colour of this set (127, 79, 96).
SkinScheme wineSkin()
{
    return {.suffix = AlternativeSkinSuffix,
            .edge = QColor(63, 30, 42),
            .highlight = QColor(248, 237, 240),
            .captionTop = QColor(238, 221, 227),
            .captionBottom = QColor(190, 150, 164),
            .band = QColor(176, 136, 151),
            .innerShade = QColor(127, 79, 96),
            .emblemLight = QColor(196, 137, 158),
            .emblemDark = QColor(106, 58, 76),
            .buttonTray = true};
}

QColor mix(const QColor& from, const QColor& to, qreal toShare)
{
    const auto channel = [toShare](int a, int b) { return qRound(a + (b - a) * toShare); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

QColor captionGradientColour(const SkinScheme& skin, int row)
{
    const qreal share =
        qreal(row - FirstCaptionGradientRow) / (LastCaptionGradientRow - FirstCaptionGradientRow);
    return mix(skin.captionTop, skin.captionBottom, std::clamp(share, 0.0, 1.0));
}

// Colour of the caption bar; side is the distance to the nearer side edge.
QColor captionFrameColour(const SkinScheme& skin, int side, int row)
{
    if (side == EdgeLine || row == EdgeLine)
        return skin.edge;
    if (side == HighlightLine || row == HighlightLine)
        return skin.highlight;
    if (row == CaptionSeparatorRow)
        return side < SideInnerLine ? skin.band : skin.innerShade;
    return captionGradientColour(skin, row);
}

// Colour of the imaginary window's frame at (x, y). Its content, inside the inner lines,
// is never cut into a piece.
QColor frameColour(const SkinScheme& skin, int x, int y)
{
    const int side = std::min(x, FrameModelSize.width() - 1 - x);
    if (y < CaptionHeight)
        return captionFrameColour(skin, side, y);
    const int bottom = FrameModelSize.height() - 1 - y;
    const int outer = std::min(side, bottom);
    if (outer == EdgeLine)
        return skin.edge;
    if (outer == HighlightLine)
        return skin.highlight;
    const bool onSideInnerLine = side == SideInnerLine && bottom >= BottomInnerLine;
    const bool onBottomInnerLine = bottom == BottomInnerLine && side >= SideInnerLine;
    if (onSideInnerLine || onBottomInnerLine)
        return skin.innerShade;
    return skin.band;
}

QImage cutFrame(const SkinScheme& skin, const QRect& area)
{
    QImage image(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x)
            image.setPixelColor(x, y, frameColour(skin, area.x() + x, area.y() + y));
    }
    return image;
}

int modelRight(int width)
{
    return FrameModelSize.width() - width;
}
int modelBottom(int height)
{
    return FrameModelSize.height() - height;
}
int modelMiddleX()
{
    return FrameModelSize.width() / 2;
}
int modelMiddleY()
{
    return FrameModelSize.height() / 2;
}

void paintEmblem(QPainter& painter, const SkinScheme& skin)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient body(EmblemCentre - QPointF(EmblemRadius / 3, EmblemRadius / 3),
                         EmblemRadius * 1.6);
    body.setColorAt(0.0, skin.emblemLight);
    body.setColorAt(1.0, skin.emblemDark);
    painter.setPen(QPen(skin.edge, 1.0));
    painter.setBrush(body);
    painter.drawEllipse(EmblemCentre, EmblemRadius, EmblemRadius);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(EmblemCentre, EmblemRadius - 1.0, EmblemRadius - 1.0);

    const qreal gridSize = 2 * EmblemTileSize + EmblemTileGap;
    const QPointF gridOrigin = EmblemCentre - QPointF(gridSize / 2, gridSize / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QPointF corner =
                gridOrigin + QPointF(column, row) * (EmblemTileSize + EmblemTileGap);
            painter.drawRoundedRect(QRectF(corner, QSizeF(EmblemTileSize, EmblemTileSize)),
                                    EmblemTileRadius, EmblemTileRadius);
        }
    }
}

QImage drawLeftUp(const SkinScheme& skin)
{
    QImage image = cutFrame(skin, QRect(0, 0, LeftUpWidth, CaptionHeight));
    QPainter painter(&image);
    paintEmblem(painter, skin);
    return image;
}

// The tray takes the default caption's rows under the buttons, sunk into the caption by
// a shaded line above and left of them and a light line below, up to the frame's
// highlight line.
void paintButtonTray(QImage& image, const SkinScheme& skin)
{
    const SkinScheme buttonSkin = defaultSkin();
    const int trayRight = image.width() - 1 - HighlightLine;
    const QRect buttons(MinButtonPosition,
                        QSize(trayRight - MinButtonPosition.x(), SmallButtonSize.height()));
    const QRect tray = buttons.adjusted(-1, -1, 0, 1);
    for (int y = tray.top(); y <= tray.bottom(); ++y) {
        for (int x = tray.left(); x <= tray.right(); ++x) {
            QColor colour = captionGradientColour(buttonSkin, y);
            if (y == tray.bottom())
                colour = skin.highlight;
            else if (!buttons.contains(x, y))
                colour = skin.innerShade;
            image.setPixelColor(x, y, colour);
        }
    }
}

QImage drawRightUp(const SkinScheme& skin)
{
    QImage image = cutFrame(skin, QRect(modelRight(RightUpWidth), 0, RightUpWidth, CaptionHeight));
    if (skin.buttonTray)
        paintButtonTray(image, skin);
    return image;
}

QImage drawRightDown(const SkinScheme& skin)
{
    QImage image = cutFrame(skin, QRect(modelRight(RightDownWidth), modelBottom(BottomBorderHeight),
                                        RightDownWidth, BottomBorderHeight));
    // Sizing grip: three raised dots in a triangle towards the corner.
    const QPoint dots[] = {{9, 4}, {11, 4}, {11, 2}};
    for (const QPoint& dot : dots) {
        image.setPixelColor(dot, skin.innerShade);
        image.setPixelColor(dot - QPoint(1, 1), skin.highlight);
    }
    return image;
}

void addSkinSet(std::vector<ArtworkPicture>& pictures, const SkinScheme& skin)
{
    const int bottomY = modelBottom(BottomBorderHeight);
    const auto add = [&](const QString& name, const QImage& image) {
        pictures.push_back({name + skin.suffix, ArtworkFormat::Jpeg, image});
    };
    add(QStringLiteral("IMGLEFTUP"), drawLeftUp(skin));
    add(QStringLiteral("TOP"),
        cutFrame(skin, QRect(modelMiddleX(), 0, CaptionTileWidth, CaptionHeight)));
    add(QStringLiteral("IMGRIGHTUP"), drawRightUp(skin));
    add(QStringLiteral("imgLeft"),
        cutFrame(skin, QRect(0, modelMiddleY(), SideBorderWidth, BorderTileHeight)));
    add(QStringLiteral("imgRight"),
        cutFrame(skin, QRect(modelRight(SideBorderWidth), modelMiddleY(), SideBorderWidth,
                             BorderTileHeight)));
    add(QStringLiteral("imgLeftDown"),
        cutFrame(skin, QRect(0, bottomY, LeftDownWidth, BottomBorderHeight)));
    add(QStringLiteral("imgDownMin"),
        cutFrame(skin, QRect(modelMiddleX(), bottomY, BottomTileWidth, BottomBorderHeight)));
    add(QStringLiteral("imgRightDown"), drawRightDown(skin));
}

// ---------------------------------------------------------------------------------------
// Frame and dialog buttons.

enum class ButtonLook { Normal, Hot, Alarm }; // Alarm: the close button under the mouse
enum class FrameGlyph { Minimise, Maximise, Restore, Close };

struct FaceColours {
    QColor top;
    QColor bottom;
    QColor outline;
    QColor glyph;
};

FaceColours faceColours(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Normal:
        return {QColor(255, 255, 255, 170), QColor(255, 255, 255, 40), QColor(70, 88, 115, 150),
                QColor(51, 66, 90)};
    case ButtonLook::Hot:
        return {QColor(255, 255, 255), QColor(197, 215, 241), QColor(79, 116, 168),
                QColor(29, 61, 107)};
    case ButtonLook::Alarm:
        return {QColor(244, 160, 146), QColor(199, 64, 47), QColor(138, 42, 30), Qt::white};
    }
    Q_UNREACHABLE();
}

void paintFace(QPainter& painter, const QRectF& face, const FaceColours& colours, qreal radius)
{
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0.0, colours.top);
    fill.setColorAt(1.0, colours.bottom);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.outline, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

// A small window outline with a thicker title edge, as the maximise and restore glyphs
// show it.
void paintWindowOutline(QPainter& painter, const QRect& window, const QColor& colour)
{
    painter.fillRect(window.x(), window.y(), window.width(), GlyphTitleThickness, colour);
    painter.fillRect(window.x(), window.bottom(), window.width(), 1, colour);
    painter.fillRect(window.x(), window.y(), 1, window.height(), colour);
    painter.fillRect(window.right(), window.y(), 1, window.height(), colour);
}

void paintRestoreGlyph(QPainter& painter, const QRect& box, const QColor& colour)
{
    const int shift = FrameGlyphSize - RestoreWindowSize;
    const QRect front(box.x(), box.y() + shift, RestoreWindowSize, RestoreWindowSize);
    const QRect back(box.x() + shift, box.y(), RestoreWindowSize, RestoreWindowSize);
    // Only the parts of the back window that the front one leaves open.
    painter.fillRect(back.x(), back.y(), back.width(), 1, colour);
    painter.fillRect(back.right(), back.y(), 1, back.height(), colour);
    painter.fillRect(back.x(), back.y(), 1, shift, colour);
    painter.fillRect(front.right(), back.bottom(), back.right() - front.right(), 1, colour);
    paintWindowOutline(painter, front, colour);
}

void paintCloseGlyph(QPainter& painter, const QRect& box, const QColor& colour)
{
    const QRectF cross = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, CloseStrokeWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void paintFrameGlyph(QPainter& painter, const QRect& face, FrameGlyph glyph, const QColor& colour)
{
    const QRect box(face.x() + (face.width() - FrameGlyphSize) / 2,
                    face.y() + (face.height() - FrameGlyphSize) / 2, FrameGlyphSize,
                    FrameGlyphSize);
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (glyph) {
    case FrameGlyph::Minimise:
        painter.fillRect(box.x(), box.bottom() - 1, box.width(), GlyphTitleThickness, colour);
        break;
    case FrameGlyph::Maximise:
        paintWindowOutline(painter, box, colour);
        break;
    case FrameGlyph::Restore:
        paintRestoreGlyph(painter, box, colour);
        break;
    case FrameGlyph::Close:
        paintCloseGlyph(painter, box, colour);
        break;
    }
}

// A frame button on the default caption's colours, cut where the button lies.
QImage drawFrameButton(QPoint position, QSize size, const QRect& face, FrameGlyph glyph,
                       ButtonLook look)
{
    const QPoint rightUpPiece(modelRight(RightUpWidth), 0);
    QImage image = cutFrame(defaultSkin(), QRect(rightUpPiece + position, size));
    const FaceColours colours = faceColours(look);
    QPainter painter(&image);
    paintFace(painter, face, colours, FaceRadius);
    paintFrameGlyph(painter, face, glyph, colours.glyph);
    return image;
}

void addFrameButtons(std::vector<ArtworkPicture>& pictures)
{
    const QRect minFace(SmallButtonSize.width() - FaceGap - SmallFaceWidth, FaceTop, SmallFaceWidth,
                        FaceHeight);
    const QRect sizeFace(FaceGap, FaceTop, SmallFaceWidth, FaceHeight);
    const QRect closeFace(FaceGap, FaceTop, CloseFaceWidth, FaceHeight);
    const auto add = [&](const char* name, QPoint position, QSize size, const QRect& face,
                         FrameGlyph glyph, ButtonLook look) {
        pictures.push_back({QString::fromLatin1(name), ArtworkFormat::Jpeg,
                            drawFrameButton(position, size, face, glyph, look)});
    };
    using enum FrameGlyph;
    using enum ButtonLook;
    add("BTNCLOSE", CloseButtonPosition, CloseButtonSize, closeFace, Close, Normal);
    add("BTNCLOSEHOT", CloseButtonPosition, CloseButtonSize, closeFace, Close, Alarm);
    add("BTNSIZE", SizeButtonPosition, SmallButtonSize, sizeFace, Maximise, Normal);
    add("BTNMAX", SizeButtonPosition, SmallButtonSize, sizeFace, Maximise, Hot);
    add("BTNRESTORE", SizeButtonPosition, SmallButtonSize, sizeFace, Restore, Hot);
    add("BTNMIN", MinButtonPosition, SmallButtonSize, minFace, Minimise, Normal);
    add("BTNMINHOT", MinButtonPosition, SmallButtonSize, minFace, Minimise, Hot);
}

// Dialog buttons carry no text: their labels lie over them.
QImage drawDialogButton(ButtonLook look)
{
    QImage image(DialogButtonSize, QImage::Format_RGB32);
    image.fill(DialogPanelColour);
    QPainter painter(&image);
    const QRectF face(QPointF(0, 0), DialogButtonSize);
    FaceColours colours = faceColours(look);
    if (look == ButtonLook::Normal)
        colours = {Qt::white, QColor(217, 222, 234), QColor(133, 144, 170), Qt::black};
    paintFace(painter, face, colours, DialogButtonRadius);
    // Inner light rim for the raised look.
    const QColor rim =
        look == ButtonLook::Hot ? QColor(150, 185, 235, 160) : QColor(255, 255, 255, 200);
    painter.setPen(QPen(rim, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), DialogButtonRadius - 1,
                            DialogButtonRadius - 1);
    return image;
}

// ---------------------------------------------------------------------------------------
// Main window decorations and sub-category glyphs.

QImage verticalGradient(QSize size, const QColor& top, const QColor& bottom)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const qreal share = size.height() > 1 ? qreal(y) / (size.height() - 1) : 0.0;
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, mix(top, bottom, share));
    }
    return image;
}

QImage drawStripDecor()
{
    QImage image(StripDecorSize, QImage::Format_RGB32);
    image.fill(StripColour);
    const SkinScheme accent = defaultSkin();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bar(StripAccentBar.topLeft(), StripAccentBar.bottomLeft());
    bar.setColorAt(0.0, accent.emblemLight);
    bar.setColorAt(1.0, accent.emblemDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bar);
    const qreal radius = StripAccentBar.width() / 2;
    painter.drawRoundedRect(StripAccentBar, radius, radius);
    return image;
}

QImage drawStatusBar()
{
    QImage image = verticalGradient(StatusBarSize, QColor(246, 247, 252), QColor(221, 227, 237));
    QPainter painter(&image);
    painter.fillRect(0, 0, StatusBarSize.width(), 1, QColor(190, 200, 216));
    painter.fillRect(0, 1, StatusBarSize.width(), 1, Qt::white);
    return image;
}

QImage drawRule()
{
    QImage image(RuleSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, RuleSize.width(), 1, RuleDark);
    painter.fillRect(0, 1, RuleSize.width(), 1, RuleLight);
    return image;
}

QImage drawSidePiece()
{
    QImage image(SidePieceSize, QImage::Format_RGB32);
    const int edgeX = SidePieceSize.width() - 1;
    for (int x = 0; x < SidePieceSize.width(); ++x) {
        const QColor colour = x == edgeX ? SideEdge : mix(SideLight, SideDark, qreal(x) / edgeX);
        for (int y = 0; y < SidePieceSize.height(); ++y)
            image.setPixelColor(x, y, colour);
    }
    return image;
}

// Glyphs stand on the strip colour and keep their bottom-left pixel free, since a
// speed button may take that pixel's colour as transparent.
QImage emptyGlyph()
{
    QImage image(SubCategoryGlyphSize, QImage::Format_RGB32);
    image.fill(StripColour);
    return image;
}

void paintGlyphTile(QPainter& painter, const QRectF& tile, const QColor& colour)
{
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0.0, colour.lighter(150));
    fill.setColorAt(1.0, colour);
    painter.setPen(QPen(colour.darker(140), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
}

// Icons: four coloured tiles, one picture each.
QImage drawIconsGlyph()
{
    constexpr qreal tileSize = 6.0;
    constexpr qreal firstTile = 1.0;
    constexpr qreal secondTile = 9.0;
    const QColor colours[] = {QColor(63, 123, 208), QColor(63, 165, 90), QColor(232, 145, 45),
                              QColor(142, 79, 106)};
    const QPointF corners[] = {{firstTile, firstTile},
                               {secondTile, firstTile},
                               {firstTile, secondTile},
                               {secondTile, secondTile}};
    QImage image = emptyGlyph();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int tile = 0; tile < 4; ++tile)
        paintGlyphTile(painter, QRectF(corners[tile], QSizeF(tileSize, tileSize)), colours[tile]);
    return image;
}

// Templates: a small window with a title bar, a picture and two lines of text.
QImage drawTemplatesGlyph()
{
    constexpr QRect window(1, 2, 14, 12);
    constexpr int titleHeight = 3;
    constexpr QRect picture(3, 7, 4, 4);
    constexpr QRect firstLine(8, 7, 5, 1);
    constexpr QRect secondLine(8, 9, 4, 1);
    const QColor frame(59, 79, 110);
    const QColor text(150, 160, 178);
    const QColor pictureColour(232, 145, 45);
    const SkinScheme accent = defaultSkin();

    QImage image = emptyGlyph();
    QPainter painter(&image);
    painter.fillRect(window, frame);
    const QRect inside = window.adjusted(1, 1, -1, -1);
    const QRect title(inside.topLeft(), QSize(inside.width(), titleHeight));
    QLinearGradient titleFill(title.topLeft(), title.bottomLeft());
    titleFill.setColorAt(0.0, accent.emblemLight);
    titleFill.setColorAt(1.0, accent.emblemDark);
    painter.fillRect(title, titleFill);
    painter.fillRect(inside.adjusted(0, titleHeight, 0, 0), Qt::white);
    painter.fillRect(picture, pictureColour);
    painter.fillRect(firstLine, text);
    painter.fillRect(secondLine, text);
    return image;
}

void addDecorations(std::vector<ArtworkPicture>& pictures)
{
    using enum ArtworkFormat;
    pictures.push_back({QStringLiteral("DLGBUTTON"), Jpeg, drawDialogButton(ButtonLook::Normal)});
    pictures.push_back({QStringLiteral("DLGBUTTONHOT"), Jpeg, drawDialogButton(ButtonLook::Hot)});
    pictures.push_back({QStringLiteral("STRIPDECOR"), Jpeg, drawStripDecor()});
    pictures.push_back({QStringLiteral("STATUSBAR"), Jpeg, drawStatusBar()});
    pictures.push_back({QStringLiteral("RULEBLUE"), Jpeg, drawRule()});
    pictures.push_back({QStringLiteral("SIDEBLUE"), Jpeg, drawSidePiece()});
    pictures.push_back({QStringLiteral("GLYPHICONS"), Bitmap, drawIconsGlyph()});
    pictures.push_back({QStringLiteral("GLYPHTEMPLATES"), Bitmap, drawTemplatesGlyph()});
}

} // namespace

std::vector<ArtworkPicture> drawAllArtwork()
{
    std::vector<ArtworkPicture> pictures;
    addSkinSet(pictures, defaultSkin());
    addSkinSet(pictures, wineSkin());
    addFrameButtons(pictures);
    addDecorations(pictures);
    addBarGlyphs(pictures);
    return pictures;
}
