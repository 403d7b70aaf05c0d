#pragma once

#include <QString>

// One row of the stock item table: a common menu command with its stock shortcut text,
// long hint and glyph. Rows are made and numbered by T_AM2000_MenuItemCache.
class T_AM2000_MenuItemCacheItem {
public:
    T_AM2000_MenuItemCacheItem(QString caption, QString shortCutText, QString hint,
                               int glyphNumber);

    // The caption as the table writes it ("Save As").
    const QString& Caption() const { return m_caption; }
    // The stock shortcuts separated by ";" (the first is an item's shortcut), or empty.
    const QString& ShortCutText() const { return m_shortCutText; }
    // The long hint, or empty.
    const QString& Hint() const { return m_hint; }
    bool HasGlyph() const { return m_glyphNumber >= 0; }
    // The row's position in key order, which is also the cell of its glyph.
    int KeyIndex() const { return m_keyIndex; }
    // The number by which an item picks this row's glyph (DefaultIndex), or -1.
    int GlyphNumber() const { return m_glyphNumber; }
    const QString& Key() const { return m_key; }

    // The key under which a caption is looked up: the caption up to the first tab,
    // upper-cased, with every character that is not a letter removed ("&Save As..."
    // gives "SAVEAS").
    static QString KeyOf(const QString& caption);

    void SetKeyIndex(int index) { m_keyIndex = index; }

private:
    QString m_caption;
    QString m_shortCutText;
    QString m_hint;
    QString m_key;
    int m_keyIndex = -1;
    int m_glyphNumber;
};
