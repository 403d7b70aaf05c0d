#include "ContactSheet.h"
#include "WindowGeometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

using namespace WindowGeometry;

constexpr int Magnification = 3;
constexpr int MockMagnification = 2;
constexpr int SheetWidth = 1240;
constexpr int Margin = 16;
constexpr int LabelHeight = 18;
const QColor SheetColour(200, 203, 209);
const QColor LabelColour(40, 44, 52);

// The mock window: the frame as the window template lays it out, content reduced to the
// strips that carry decoration pictures.
constexpr QSize MockSize(400, 200);
constexpr int SubCategoryButtonSpacing = 96;
constexpr QPoint GlyphInButton(4, 8);
constexpr QPoint TextInButton(24, 20);
constexpr QPoint DialogButtons(150, 22);
constexpr int DialogButtonSpacing = 110;
constexpr QPoint DialogPanelMargin(20, 12);
constexpr QSize DialogPanelSize(240, 52);

QImage picture(const std::vector<ArtworkPicture>& pictures, const QString& name)
{
    const auto found = std::find_if(pictures.begin(), pictures.end(),
                                    [&](const ArtworkPicture& p) { return p.name == name; });
    return found == pictures.end() ? QImage() : found->image;
}

QFont labelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

struct SheetCell {
    QRect image;
    QString label;
};

// Places the magnified pictures in rows, each with its name and size below it.
std::vector<SheetCell> layOutCells(const std::vector<ArtworkPicture>& pictures,
                                   const QFontMetrics& metrics)
{
    std::vector<SheetCell> cells;
    QPoint next(Margin, Margin);
    int rowHeight = 0;
    for (const ArtworkPicture& item : pictures) {
        const QSize size = item.image.size() * Magnification;
        QString label = QStringLiteral("%1 %2x%3")
                            .arg(item.name)
                            .arg(item.image.width())
                            .arg(item.image.height());
        const int cellWidth = std::max(size.width(), metrics.horizontalAdvance(label));
        if (next.x() + cellWidth > SheetWidth - Margin) {
            next = QPoint(Margin, next.y() + rowHeight + Margin);
            rowHeight = 0;
        }
        cells.push_back({QRect(next, size), std::move(label)});
        next.rx() += cellWidth + Margin;
        rowHeight = std::max(rowHeight, size.height() + LabelHeight);
    }
    return cells;
}

int cellsBottom(const std::vector<SheetCell>& cells)
{
    int bottom = 0;
    for (const SheetCell& cell : cells)
        bottom = std::max(bottom, cell.image.bottom() + 1 + LabelHeight);
    return bottom + Margin;
}

void paintMockFrame(QPainter& painter, const std::vector<ArtworkPicture>& pictures,
                    const QString& suffix)
{
    const auto skin = [&](const char* name) {
        return picture(pictures, QString::fromLatin1(name) + suffix);
    };
    const int right = MockSize.width() - RightUpWidth;
    const int bottom = MockSize.height() - BottomBorderHeight;
    const int sideHeight = bottom - CaptionHeight;
    painter.drawImage(0, 0, skin("IMGLEFTUP"));
    painter.drawImage(QRect(LeftUpWidth, 0, right - LeftUpWidth, CaptionHeight), skin("TOP"));
    painter.drawImage(right, 0, skin("IMGRIGHTUP"));
    painter.drawImage(QRect(0, CaptionHeight, SideBorderWidth, sideHeight), skin("imgLeft"));
    painter.drawImage(
        QRect(MockSize.width() - SideBorderWidth, CaptionHeight, SideBorderWidth, sideHeight),
        skin("imgRight"));
    painter.drawImage(QRect(0, bottom, LeftDownWidth, BottomBorderHeight), skin("imgLeftDown"));
    painter.drawImage(QRect(LeftDownWidth, bottom,
                            MockSize.width() - LeftDownWidth - RightDownWidth, BottomBorderHeight),
                      skin("imgDownMin"));
    painter.drawImage(MockSize.width() - RightDownWidth, bottom, skin("imgRightDown"));

    const QPoint rightUp(right, 0);
    painter.drawImage(rightUp + MinButtonPosition, picture(pictures, QStringLiteral("BTNMIN")));
    painter.drawImage(rightUp + SizeButtonPosition, picture(pictures, QStringLiteral("BTNSIZE")));
    painter.drawImage(rightUp + CloseButtonPosition, picture(pictures, QStringLiteral("BTNCLOSE")));
    painter.setPen(Qt::black);
    painter.drawText(TitlePosition + QPoint(0, painter.fontMetrics().ascent()),
                     QStringLiteral("ZentuvioV2.0"));
}

// The content between the frame pieces: menu strip, category strip with a glyph button,
// rule, side piece, a dialog button pair and the status strip.
void paintMockContent(QPainter& painter, const std::vector<ArtworkPicture>& pictures)
{
    const QRect client(SideBorderWidth, CaptionHeight, MockSize.width() - 2 * SideBorderWidth,
                       MockSize.height() - CaptionHeight - BottomBorderHeight);
    painter.fillRect(client, Qt::white);
    painter.fillRect(client.x(), client.y(), client.width(), MenuStripHeight, StripColour);
    const int stripTop = client.y() + MenuStripHeight + 1;
    painter.fillRect(client.x(), stripTop - 1, client.width(), 1, Qt::black);
    painter.fillRect(client.x(), stripTop, client.width(), CategoryStripHeight, StripColour);
    painter.drawImage(client.x(), stripTop + StripDecorOffsetY,
                      picture(pictures, QStringLiteral("STRIPDECOR")), 0, 0, -1,
                      CategoryStripHeight - 1);
    QPoint button = QPoint(client.x() + SubCategoryButtonX, stripTop + SubCategoryButtonY);
    const std::pair<const char*, const char*> buttons[] = {{"GLYPHICONS", "Icons"},
                                                           {"GLYPHTEMPLATES", "Templates"}};
    for (const auto& [glyph, text] : buttons) {
        painter.drawImage(button + GlyphInButton, picture(pictures, QString::fromLatin1(glyph)));
        painter.drawText(button + TextInButton, QString::fromLatin1(text));
        button.rx() += SubCategoryButtonSpacing;
    }

    const int workTop = stripTop + CategoryStripHeight;
    const int statusTop = client.bottom() + 1 - StatusStripHeight;
    painter.drawImage(QRect(client.x(), workTop, client.width(), RuleHeight),
                      picture(pictures, QStringLiteral("RULEBLUE")));
    painter.drawImage(
        QRect(client.x(), workTop + RuleHeight, SidePieceWidth, statusTop - workTop - RuleHeight),
        picture(pictures, QStringLiteral("SIDEBLUE")));
    painter.drawImage(QRect(client.x(), statusTop, client.width(), StatusStripHeight),
                      picture(pictures, QStringLiteral("STATUSBAR")));

    const QPoint dialog = QPoint(client.x(), workTop) + DialogButtons;
    painter.fillRect(QRect(dialog - DialogPanelMargin, DialogPanelSize), DialogPanelColour);
    painter.drawImage(dialog, picture(pictures, QStringLiteral("DLGBUTTON")));
    painter.drawImage(dialog + QPoint(DialogButtonSpacing, 0),
                      picture(pictures, QStringLiteral("DLGBUTTONHOT")));
}

QImage drawMockWindow(const std::vector<ArtworkPicture>& pictures, const QString& suffix)
{
    QImage mock(MockSize, QImage::Format_RGB32);
    QPainter painter(&mock);
    painter.setFont(labelFont());
    paintMockContent(painter, pictures);
    paintMockFrame(painter, pictures, suffix);
    return mock;
}

} // namespace

QImage drawContactSheet(const std::vector<ArtworkPicture>& pictures)
{
    const QFont font = labelFont();
    const std::vector<SheetCell> cells = layOutCells(pictures, QFontMetrics(font));
    const int mocksTop = cellsBottom(cells);
    const QSize mockSize = MockSize * MockMagnification;
    const QString suffixes[] = {QString(), AlternativeSkinSuffix};

    QImage sheet(SheetWidth, mocksTop + 2 * (mockSize.height() + Margin), QImage::Format_RGB32);
    sheet.fill(SheetColour);
    QPainter painter(&sheet);
    painter.setFont(font);
    painter.setPen(LabelColour);
    for (std::size_t index = 0; index < cells.size(); ++index) {
        const SheetCell& cell = cells[index];
        painter.drawImage(cell.image, pictures[index].image);
        painter.drawText(
            QRect(cell.image.bottomLeft() + QPoint(0, 1), QSize(SheetWidth, LabelHeight)),
            Qt::AlignLeft | Qt::AlignVCenter, cell.label);
    }
    QPoint mockCorner(Margin, mocksTop);
    for (const QString& suffix : suffixes) {
        painter.drawImage(QRect(mockCorner, mockSize), drawMockWindow(pictures, suffix));
        mockCorner.ry() += mockSize.height() + Margin;
    }
    return sheet;
}
