#include "T_AM2000_ItemPainter.h"

#include "RectEdges.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TImageList.h"
#include "TMenuItem2000.h"
#include "T_AM2000_CheckMarks.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_GlyphChoice.h"
#include "T_AM2000_GlyphEffects.h"
#include "T_AM2000_ItemTexts.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuControl.h"
#include "T_AM2000_MenuItemCache.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_Separator.h"
#include "T_AM2000_Skin.h"
#include "T_AM2000_SkinBackground.h"

#include <utility>

namespace {

using C = T_AM2000_Colors;
using M = T_AM2000_Margins;
using F = T_AM2000_Flag;

constexpr int XpMarkHalf = 8; // the xp marks sit in a 16 x 16 box
constexpr int NormalDividerIndent = 14;
constexpr int FullDividerIndent = 2;
constexpr int ArrowHalfHeight = 3; // the submenu arrow: 4 columns, 7 rows at most
constexpr int ArrowColumns = 4;

// A skin bitmap without its transparent colour.
QImage Transparent(const TBitmap& bitmap)
{
    return T_AM2000_GlyphEffects::KeyedOut(bitmap.Image(),
                                           TColors::ToQColor(bitmap.TransparentColor()).rgb());
}

} // namespace

T_AM2000_ItemPainter::T_AM2000_ItemPainter(const T_AM2000_MenuOptions& options, const TFont& font,
                                           const TImageList* images, int rightColumn)
    : m_options(options)
    , m_font(font)
    , m_images(images)
    , m_rightColumn(rightColumn)
{}

TColor T_AM2000_ItemPainter::Color(int index) const
{
    return m_options.Colors()->ValueAt(index);
}

bool T_AM2000_ItemPainter::Flag(T_AM2000_Flag flag) const
{
    return m_options.Flags().Contains(flag);
}

bool T_AM2000_ItemPainter::Highlighted(int state) const
{
    return (state & dsSelected) && !((state & dsDisabled) && Flag(F::mfNoHighDisabled));
}

bool T_AM2000_ItemPainter::GutterShown() const
{
    const int gutter = m_options.Margins()->ValueAt(M::Gutter);
    return !m_options.ParentColors() && Color(C::Gutter) != clNone &&
           (!m_options.ParentMargins() ||
            (gutter > 0 && m_options.Margins()->ValueAt(M::Left) >= gutter));
}

QRect T_AM2000_ItemPainter::GutterBand(const QRect& rect) const
{
    return QRect(rect.x(), rect.y(), m_options.Margins()->ValueAt(M::Gutter), rect.height());
}

QRect T_AM2000_ItemPainter::GlyphColumn(const QRect& rect) const
{
    return QRect(rect.x(), rect.y(), m_options.Margins()->ValueAt(M::Left), rect.height());
}

void T_AM2000_ItemPainter::FillOrDither(TCanvas& canvas, const QRect& rect, TColor color) const
{
    if (color != clNone) {
        canvas.Brush()->SetColor(color);
        canvas.FillRect(rect);
        return;
    }
    TBitmap pattern(2, 2, TPixelFormat::pf24bit);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            pattern.Canvas()->SetPixels(x, y, (x + y) % 2 == 0 ? Color(C::Menu) : clWhite);
    canvas.Brush()->SetBitmap(&pattern);
    canvas.FillRect(rect);
    canvas.Brush()->SetBitmap(nullptr);
}

bool T_AM2000_ItemPainter::PaintOwnerDrawn(TCanvas& canvas, const QRect& rect, TMenuItem2000& item,
                                           int state)
{
    if (item.OnAdvancedDrawItem) {
        using O = TOwnerDrawStateItem;
        TOwnerDrawState owner;
        const std::pair<int, O> states[] = {{dsSelected, O::odSelected},
                                            {dsDisabled, O::odDisabled},
                                            {dsDisabled, O::odGrayed},
                                            {dsChecked, O::odChecked},
                                            {dsDefault, O::odDefault}};
        for (const auto& [bit, member] : states) {
            if (state & bit)
                owner.Include(member);
        }
        item.OnAdvancedDrawItem(&item, &canvas, rect, owner);
        return true;
    }
    if (item.OnDrawItem) {
        item.OnDrawItem(&item, &canvas, rect, (state & dsSelected) != 0);
        return true;
    }
    return false;
}

void T_AM2000_ItemPainter::Paint(TCanvas& canvas, const QRect& rect, TMenuItem2000& item,
                                 int state) const
{
    if (PaintOwnerDrawn(canvas, rect, item, state))
        return;
    if (item.OnBeforeDrawItem) {
        bool cancel = false;
        item.OnBeforeDrawItem(&item, &canvas, rect, state, cancel);
        if (cancel)
            return;
    }
    const bool separator = T_AM2000_Separator::IsSeparator(item.Caption());
    if (separator)
        state &= ~(dsSelected | dsPressed);
    const QRect inner = PaintBackground(canvas, rect, item, state);
    if (separator) {
        PaintSeparator(canvas, inner, item, state);
        return;
    }
    const T_AM2000_GlyphChoice choice(item, m_images, T_AM2000_MenuItemCache::Instance());
    const bool plain = SkinBackground(state) == nullptr && !(state & dsHidden);
    PaintGlyphBox(canvas, inner, state, plain, choice.Kind() != T_AM2000_GlyphChoice::None);
    if (choice.Kind() != T_AM2000_GlyphChoice::None)
        PaintGlyph(canvas, inner, choice, state);
    else
        PaintCheckMark(canvas, inner, state);
    PaintContent(canvas, inner, item, state);
    if (state & dsSubmenu)
        PaintArrow(canvas, inner, state);
}

// The embedded control, when the item has one with a face of its own, else the texts.
void T_AM2000_ItemPainter::PaintContent(TCanvas& canvas, const QRect& rect,
                                        const TMenuItem2000& item, int state) const
{
    if (item.Control() != T_AM2000_MenuControlType::ctlNone &&
        item.ControlOptions()->Paint(canvas, ContentArea(rect), Highlighted(state)))
        return;
    PaintTexts(canvas, rect, item, state);
}

QRect T_AM2000_ItemPainter::ControlArea(const QRect& rect, int state) const
{
    return ContentArea(InnerRect(rect, state));
}

QRect T_AM2000_ItemPainter::ContentArea(const QRect& inner) const
{
    const T_AM2000_Margins& margins = *m_options.Margins();
    return Rect(inner.x() + margins.ValueAt(M::Left), inner.y(),
                RightEdge(inner) - margins.ValueAt(M::Right), BottomEdge(inner));
}

// A demoted entry without a skin keeps a line of its sunken band at top and bottom.
QRect T_AM2000_ItemPainter::InnerRect(const QRect& rect, int state) const
{
    if (SkinBackground(state) || !(state & dsHidden))
        return rect;
    return rect.adjusted(0, 1, 0, -1);
}

const QImage* T_AM2000_ItemPainter::SkinBackground(int state) const
{
    const T_AM2000_Skin& skin = *m_options.Skin();
    const TBitmap* picture = nullptr;
    if (Highlighted(state)) {
        picture = skin.ValueAt(T_AM2000_Skin::ItemBackgroundHighlight);
        const TBitmap* pressed = skin.ValueAt(T_AM2000_Skin::ItemBackgroundPressed);
        if (!picture->Empty() && (state & dsPressed) && !pressed->Empty())
            picture = pressed;
    } else if (state & dsHidden) {
        picture = skin.ValueAt(T_AM2000_Skin::ItemBackgroundSunken);
    }
    return picture && !picture->Empty() ? &picture->Image() : nullptr;
}

void T_AM2000_ItemPainter::PaintSkinBackground(TCanvas& canvas, const QRect& rect,
                                               TMenuItem2000& item, int state,
                                               const QImage& picture) const
{
    const T_AM2000_Skin& skin = *m_options.Skin();
    if (skin.OnPaintItemBackground) {
        skin.OnPaintItemBackground(&item, &canvas, rect, &item, state);
        return;
    }
    const bool hidden = state & dsHidden;
    T_AM2000_SkinBackground::DrawNinePart(
        canvas, rect, picture, QSize(skin.ItemCornerWidth(), skin.ItemCornerHeight()),
        !(hidden && (state & dsHiddenAbove)), !(hidden && (state & dsHiddenBelow)));
}

QRect T_AM2000_ItemPainter::PaintBackground(TCanvas& canvas, const QRect& rect, TMenuItem2000& item,
                                            int state) const
{
    if (const QImage* picture = SkinBackground(state)) {
        PaintSkinBackground(canvas, rect, item, state, *picture);
        return rect;
    }
    const QRect inner = InnerRect(rect, state);
    if (state & dsHidden) {
        const int border = m_options.Margins()->ValueAt(M::Border);
        FillOrDither(canvas, rect.adjusted(-border, 0, border, 0), Color(C::Sunken));
    }
    if (Highlighted(state)) {
        const bool withColumn = Flag(F::mfNoBitmapRect);
        const int columnWidth = withColumn ? 0 : GlyphColumn(rect).width();
        canvas.Brush()->SetColor(Color((state & dsPressed) ? C::Pressed : C::Highlight));
        canvas.FillRect(inner.adjusted(columnWidth, 0, 0, 0));
    } else if (!(state & dsHidden)) {
        const bool gutter = GutterShown();
        const int bandWidth = gutter ? GutterBand(inner).width() : 0;
        canvas.Brush()->SetColor(Color(C::Menu));
        canvas.FillRect(inner.adjusted(bandWidth, 0, 0, 0));
        if (gutter) {
            canvas.Brush()->SetColor(Color(C::Gutter));
            canvas.FillRect(GutterBand(inner));
        }
    }
    return inner;
}

void T_AM2000_ItemPainter::PaintSeparator(TCanvas& canvas, const QRect& rect,
                                          const TMenuItem2000& item, int state) const
{
    T_AM2000_Separator::Look look;
    look.line = Color(C::Line);
    look.lineShadow = Color(C::LineShadow);
    look.menu = Color(C::Menu);
    const bool xp = Flag(F::mfXpControls);
    look.indent = xp || Flag(F::mfNoShortDividers) ? FullDividerIndent : NormalDividerIndent;
    look.gutter = Color(C::Gutter) != clNone ? m_options.Margins()->ValueAt(M::Gutter) : 0;
    look.fade = xp;
    look.hiddenArea = state & dsHidden;
    T_AM2000_Separator(item.Caption()).Paint(canvas, rect, look, m_font);
}

void T_AM2000_ItemPainter::PaintGlyphBox(TCanvas& canvas, const QRect& rect, int state, bool plain,
                                         bool hasGlyph) const
{
    const QRect column = GlyphColumn(rect);
    const bool selectionCovers = Highlighted(state) && Flag(F::mfNoBitmapRect);
    if (plain && !selectionCovers) {
        const TColor gutter = Color(C::Gutter);
        canvas.Brush()->SetColor(gutter == clNone ? Color(C::Menu) : gutter);
        canvas.FillRect(column);
    }
    if (!(state & dsChecked) || !hasGlyph || Flag(F::mfNoBitmapRect))
        return;
    const QRect box = column.adjusted(1, 1, -1, -1);
    const TBitmap& pressed = *m_options.Skin()->ValueAt(T_AM2000_Skin::ItemBackgroundPressed);
    if (!pressed.Empty())
        canvas.DrawImage(box, pressed.Image(), pressed.Image().rect());
    else
        FillOrDither(canvas, box, Color(C::Sunken));
}

void T_AM2000_ItemPainter::PaintGlyph(TCanvas& canvas, const QRect& rect,
                                      const T_AM2000_GlyphChoice& choice, int state) const
{
    const QRect column = GlyphColumn(rect);
    const QSize size = choice.Size();
    const QPoint at(column.x() + (column.width() - size.width()) / 2,
                    rect.y() + (rect.height() - size.height()) / 2);
    const QImage glyph = choice.Glyph(state);
    const QRect cell(QPoint(0, 0), size);
    if ((state & dsDisabled) && !choice.HasOwnDisabledGlyph()) {
        const TColor shadow = Color(C::DisabledShadow);
        if (shadow != clNone)
            canvas.DrawImage(
                QRect(at + QPoint(1, 1), size),
                T_AM2000_GlyphEffects::FlatShape(glyph, TColors::ToQColor(shadow).rgb(), true),
                cell);
        canvas.DrawImage(QRect(at, size),
                         T_AM2000_GlyphEffects::FlatShape(
                             glyph, TColors::ToQColor(Color(C::DisabledText)).rgb(), true),
                         cell);
        return;
    }
    if ((state & dsSelected) && Flag(F::mfRaiseBitmaps)) {
        const QRgb shadow = TColors::ToQColor(Color(C::GlyphShadow)).rgb();
        canvas.DrawImage(QRect(at + QPoint(1, 1), size),
                         T_AM2000_GlyphEffects::FlatShape(glyph, shadow), cell);
        canvas.DrawImage(QRect(at - QPoint(1, 1), size), glyph, cell);
        return;
    }
    PaintPlainGlyph(canvas, at, glyph, state);
}

void T_AM2000_ItemPainter::PaintPlainGlyph(TCanvas& canvas, QPoint at, QImage glyph,
                                           int state) const
{
    if (!(state & dsSelected) && Flag(F::mfLightenBitmaps))
        glyph = T_AM2000_GlyphEffects::Lighten(glyph);
    if (Flag(F::mfBitmapShadow)) {
        auto pixel = [&](int x, int y) { return TColors::ToQColor(canvas.Pixels(x, y)).rgb(); };
        const QImage shadow =
            T_AM2000_GlyphEffects::SoftShadow(glyph, TColors::ToQColor(Color(C::GlyphShadow)).rgb(),
                                              pixel(at.x(), at.y()), pixel(at.x() + 1, at.y()));
        canvas.DrawImage(QRect(at, shadow.size()), shadow, shadow.rect());
    }
    canvas.DrawImage(QRect(at, glyph.size()), glyph, glyph.rect());
}

void T_AM2000_ItemPainter::PaintCheckMark(TCanvas& canvas, const QRect& rect, int state) const
{
    const bool checked = state & dsChecked;
    const bool radio = state & dsRadio;
    const bool xp = Flag(F::mfXpControls);
    if (!checked && !(Flag(F::mfShowCheckMark) && radio && xp))
        return;
    const QRect column = GlyphColumn(rect);
    if (checked && Flag(F::mfSoftColors)) {
        const int border = m_options.Margins()->ValueAt(M::Border);
        const QRect box = column.adjusted(border, 1, 0, -1);
        canvas.Brush()->SetColor(Color((state & dsSelected) ? C::CheckFillSelected : C::CheckFill));
        canvas.FillRect(box);
        canvas.Brush()->SetColor(Color(C::Frame));
        canvas.FrameRect(box);
    }
    const TBitmap& skinMark =
        *m_options.Skin()->ValueAt(radio ? T_AM2000_Skin::Radio : T_AM2000_Skin::CheckMark);
    if (!skinMark.Empty()) {
        PaintMarkImage(canvas, column, Transparent(skinMark), !(state & dsDisabled));
        return;
    }
    if (xp) {
        const int x = column.x() + column.width() / 2 - XpMarkHalf, y = column.y();
        if (radio)
            T_AM2000_CheckMarks::PaintXpRadio(canvas, x, y, checked, Color(C::DisabledText),
                                              Color(C::Menu), Color(C::MenuText));
        else
            T_AM2000_CheckMarks::PaintXpCheck(canvas, x, y, Color(C::MenuText));
        return;
    }
    PaintMarkImage(canvas, column, T_AM2000_CheckMarks::ResourceMark(radio), !(state & dsDisabled));
}

void T_AM2000_ItemPainter::PaintMarkImage(TCanvas& canvas, const QRect& column, const QImage& mark,
                                          bool enabled) const
{
    const QPoint at(column.x() + (column.width() - mark.width()) / 2,
                    column.y() + (column.height() - mark.height()) / 2);
    if (enabled) {
        canvas.DrawImage(QRect(at, mark.size()), mark, mark.rect());
        return;
    }
    const TColor shadow = Color(C::DisabledShadow);
    if (shadow != clNone)
        canvas.DrawImage(QRect(at + QPoint(1, 1), mark.size()),
                         T_AM2000_GlyphEffects::FlatShape(mark, TColors::ToQColor(shadow).rgb()),
                         mark.rect());
    canvas.DrawImage(
        QRect(at, mark.size()),
        T_AM2000_GlyphEffects::FlatShape(mark, TColors::ToQColor(Color(C::DisabledText)).rgb()),
        mark.rect());
}

TColor T_AM2000_ItemPainter::TextColor(int state) const
{
    if (state & dsDisabled)
        return Color(C::DisabledText);
    if (Highlighted(state))
        return Color((state & dsPressed) ? C::PressedText : C::HighlightText);
    if (state & dsHidden)
        return Color(C::SunkenText);
    return Color(C::MenuText);
}

void T_AM2000_ItemPainter::PaintTextInColors(TCanvas& canvas, QRect rect, const QString& text,
                                             TAlignment align, int state) const
{
    TTextFormats format{TTextFormat::tfSingleLine, TTextFormat::tfTop};
    if (!m_showUnderlines)
        format.Include(TTextFormat::tfHidePrefix);
    format.Include(align == TAlignment::taCenter         ? TTextFormat::tfCenter
                   : align == TAlignment::taRightJustify ? TTextFormat::tfRight
                                                         : TTextFormat::tfLeft);
    QString shown = text;
    const TColor shadow = Color(C::DisabledShadow);
    const bool shadowed = (state & dsDisabled) && shadow != clNone &&
                          (!(state & dsSelected) || Flag(F::mfNoHighDisabled));
    if (shadowed) {
        QRect moved = rect.translated(1, 1);
        canvas.Font()->SetColor(shadow);
        canvas.TextRect(moved, shown, format);
    }
    canvas.Font()->SetColor(TextColor(state));
    canvas.TextRect(rect, shown, format);
}

void T_AM2000_ItemPainter::PaintTexts(TCanvas& canvas, const QRect& rect, const TMenuItem2000& item,
                                      int state) const
{
    const T_AM2000_Margins& margins = *m_options.Margins();
    canvas.SetFont(&m_font);
    if (state & dsDefault)
        canvas.Font()->SetStyle(TFontStyles(m_font.Style()).Include(TFontStyle::fsBold));
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const T_AM2000_ItemTexts texts(item);
    const int frame = margins.ValueAt(M::Frame);
    const int textHeight = canvas.TextHeight(QStringLiteral("Hj"));
    const int lines = int(texts.Lines().size());
    const int pitch = (rect.height() - 2 * frame - 3) / lines; // LineHeight - 3
    const int left = rect.x() + margins.ValueAt(M::Left);
    const int right = RightEdge(rect) - margins.ValueAt(M::Right);
    for (int i = 0; i < lines; ++i) {
        const int y = rect.y() + frame + i * pitch + (pitch + 3 - textHeight) / 2;
        PaintTextInColors(canvas, Rect(left, y, right, y + textHeight), texts.Lines()[i],
                          m_options.Alignment(), state);
    }
    if (texts.RightText().isEmpty())
        return;
    const int y = rect.y() + frame + (pitch + 3 - textHeight) / 2;
    const bool column = m_options.Flags().Contains(F::mfStandardAlign);
    const QRect place = column ? Rect(right - m_rightColumn, y, right, y + textHeight)
                               : Rect(left, y, right, y + textHeight);
    PaintTextInColors(canvas, place, texts.RightText(),
                      column ? TAlignment::taLeftJustify : TAlignment::taRightJustify, state);
}

void T_AM2000_ItemPainter::PaintArrow(TCanvas& canvas, const QRect& rect, int state) const
{
    const int margin = m_options.Margins()->ValueAt(M::Right);
    const QRect column(RightEdge(rect) - margin, rect.y(), margin, rect.height());
    const TBitmap& triangle = *m_options.Skin()->ValueAt(T_AM2000_Skin::Triangle);
    if (!triangle.Empty()) {
        PaintMarkImage(canvas, column, Transparent(triangle), !(state & dsDisabled));
        return;
    }
    const int x = column.x() + (column.width() - ArrowColumns) / 2;
    const int middle = column.y() + column.height() / 2;
    canvas.Brush()->SetColor(TextColor(state));
    for (int i = 0; i < ArrowColumns; ++i)
        canvas.FillRect(
            Rect(x + i, middle - ArrowHalfHeight + i, x + i + 1, middle + ArrowHalfHeight - i + 1));
}
