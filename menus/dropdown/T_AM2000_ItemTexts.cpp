#include "T_AM2000_ItemTexts.h"

#include "TMenuItem2000.h"
#include "TShortCut.h"
#include "T_AM2000_CaptionParts.h"
#include "T_AM2000_MenuItemCache.h"

T_AM2000_ItemTexts::T_AM2000_ItemTexts(const TMenuItem2000& item)
{
    const T_AM2000_CaptionParts parts(item.Caption());
    m_lines = parts.Lines();
    const QString keyText = item.ShortCut() == scNone ? QString() : ShortCutToText(item.ShortCut());
    m_rightText = T_AM2000_MenuItemCache::Instance().ItemShortCutText(keyText, item.ShortCutText(),
                                                                      item.Caption());
    if (m_rightText.isEmpty())
        m_rightText = parts.RightText();
}

QString T_AM2000_ItemTexts::WithoutAccelerators(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        else if (text[i] == QLatin1Char('&'))
            continue;
        result += text[i];
    }
    return result;
}
