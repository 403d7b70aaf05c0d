#include "T_AM2000_MenuItemCache.h"

#include "StockRows.h"
#include "TKeyCodes.h"
#include "TShortCut.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

const std::array<T_AM2000_GlyphStripResource, 2> GlyphStrips{{
    {QStringLiteral("BMP_AM2000_MENUITEMCACHE0"), 111},
    {QStringLiteral("BMP_AM2000_MENUITEMCACHE1"), 110},
}};

// The platform's name of a modifier: its text of the modifier with A, up to the "+".
QString ModifierName(TShift modifier)
{
    return ShortCutToText(ShortCut('A', {modifier})).section(QLatin1Char('+'), 0, 0);
}

using Placeholders = std::array<std::pair<QString, QString>, 6>;

// A shortcut pattern of the stock rows with the platform's names put in.
QString ExpandShortCut(const char* pattern)
{
    static const Placeholders names{{{QStringLiteral("{Ctrl}"), ModifierName(TShift::ssCtrl)},
                                     {QStringLiteral("{Shift}"), ModifierName(TShift::ssShift)},
                                     {QStringLiteral("{Alt}"), ModifierName(TShift::ssAlt)},
                                     {QStringLiteral("{Ins}"), KeyNameText(vkInsert)},
                                     {QStringLiteral("{Del}"), KeyNameText(vkDelete)},
                                     {QStringLiteral("{BkSp}"), KeyNameText(vkBack)}}};
    QString text = QString::fromUtf8(pattern);
    for (const auto& [placeholder, name] : names)
        text.replace(placeholder, name);
    return text;
}

bool HasKey(const T_AM2000_MenuItemCacheItem& row, const QString& key)
{
    return row.Key().compare(key, Qt::CaseInsensitive) == 0;
}

// The first row whose key is not below key, in rows sorted by key.
template <typename Rows> auto LowerBound(Rows& rows, const QString& key)
{
    return std::lower_bound(rows.begin(), rows.end(), key,
                            [](const T_AM2000_MenuItemCacheItem& row, const QString& key) {
                                return row.Key().compare(key, Qt::CaseInsensitive) < 0;
                            });
}

} // namespace

const QString T_AM2000_MenuItemCache::NoneText = QString(QChar(1));

std::span<const T_AM2000_GlyphStripResource> T_AM2000_MenuItemCache::StockGlyphStrips()
{
    return GlyphStrips;
}

T_AM2000_MenuItemCache::T_AM2000_MenuItemCache(std::span<const T_AM2000_GlyphStripResource> strips)
    : m_strips(strips)
{
    for (const T_AM2000_StockRow& row : StockRows())
        Add(row);
    NumberRows();
}

T_AM2000_MenuItemCache& T_AM2000_MenuItemCache::Instance()
{
    static T_AM2000_MenuItemCache cache;
    return cache;
}

// Inserts the row in key order. A row of a key that is there already takes the new
// texts and keeps its glyph number; it gets a number when it had none and now has a
// glyph.
void T_AM2000_MenuItemCache::Add(const T_AM2000_StockRow& row)
{
    const QString caption = QString::fromUtf8(row.caption);
    const QString key = T_AM2000_MenuItemCacheItem::KeyOf(caption);
    const auto place = LowerBound(m_rows, key);
    const bool exists = place != m_rows.end() && HasKey(*place, key);
    int glyphNumber = exists ? place->GlyphNumber() : -1;
    if (glyphNumber < 0 && row.hasGlyph)
        glyphNumber = m_addedGlyphs++;
    T_AM2000_MenuItemCacheItem item(caption, ExpandShortCut(row.shortCut),
                                    QString::fromUtf8(row.hint), glyphNumber);
    if (exists)
        *place = std::move(item);
    else
        m_rows.insert(place, std::move(item));
}

// Gives every row its key position and every glyph number its cell.
void T_AM2000_MenuItemCache::NumberRows()
{
    m_glyphCells.assign(m_addedGlyphs, -1);
    for (int index = 0; index < Count(); ++index) {
        m_rows[index].SetKeyIndex(index);
        if (m_rows[index].HasGlyph())
            m_glyphCells[m_rows[index].GlyphNumber()] = index;
    }
}

const T_AM2000_MenuItemCacheItem* T_AM2000_MenuItemCache::Find(const QString& caption) const
{
    const QString key = T_AM2000_MenuItemCacheItem::KeyOf(caption);
    const auto place = LowerBound(m_rows, key);
    if (key.isEmpty() || place == m_rows.end() || !HasKey(*place, key))
        return nullptr;
    return &*place;
}

bool T_AM2000_MenuItemCache::HasGlyph(const QString& caption) const
{
    const T_AM2000_MenuItemCacheItem* row = Find(caption);
    return row && row->HasGlyph();
}

int T_AM2000_MenuItemCache::GlyphNumber(const QString& caption) const
{
    const T_AM2000_MenuItemCacheItem* row = Find(caption);
    return row ? row->GlyphNumber() : -1;
}

QImage T_AM2000_MenuItemCache::Glyph(int number) const
{
    if (number < 0 || number >= GlyphCount())
        return QImage();
    return m_strips.Cell(m_glyphCells[number]);
}

void T_AM2000_MenuItemCache::DrawByCaption(TCanvas& canvas, int x, int y, const QString& caption,
                                           bool enabled, TColor disabledText,
                                           TColor disabledShadow) const
{
    DrawByNumber(canvas, x, y, GlyphNumber(caption), enabled, disabledText, disabledShadow);
}

void T_AM2000_MenuItemCache::DrawByNumber(TCanvas& canvas, int x, int y, int number, bool enabled,
                                          TColor disabledText, TColor disabledShadow) const
{
    if (number < 0 || number >= GlyphCount())
        return;
    m_strips.Draw(canvas, x, y, m_glyphCells[number], enabled, disabledText, disabledShadow);
}

QString T_AM2000_MenuItemCache::ItemHint(const QString& hint, const QString& caption) const
{
    if (hint == NoneText)
        return QString();
    if (!hint.isEmpty())
        return hint;
    const T_AM2000_MenuItemCacheItem* row = Find(caption);
    return row ? row->Hint() : QString();
}

QString T_AM2000_MenuItemCache::ItemShortCutText(const QString& keyCodeText,
                                                 const QString& shortCutText,
                                                 const QString& caption) const
{
    if (!keyCodeText.isEmpty())
        return keyCodeText;
    if (shortCutText == NoneText)
        return QString();
    if (!shortCutText.isEmpty())
        return shortCutText;
    const T_AM2000_MenuItemCacheItem* row = Find(caption);
    return row ? row->ShortCutText() : QString();
}
