#include "T_AM2000_MenuItemCacheItem.h"

#include <utility>

T_AM2000_MenuItemCacheItem::T_AM2000_MenuItemCacheItem(QString caption, QString shortCutText,
                                                       QString hint, int glyphNumber)
    : m_caption(std::move(caption))
    , m_shortCutText(std::move(shortCutText))
    , m_hint(std::move(hint))
    , m_key(KeyOf(m_caption))
    , m_glyphNumber(glyphNumber)
{}

QString T_AM2000_MenuItemCacheItem::KeyOf(const QString& caption)
{
    const QString text = caption.section(QLatin1Char('\t'), 0, 0).toUpper();
    QString key;
    key.reserve(text.size());
    for (QChar character : text) {
        if (character.isLetter())
            key += character;
    }
    return key;
}
