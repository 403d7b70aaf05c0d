#pragma once

#include <QString>
#include <QStringList>

class TMenuItem2000;

// The texts an item shows in a drop-down window: the lines of its left text and the
// right text (its shortcut text, own or stock, else the caption's part after the tab),
// with accelerator markers as written.
class T_AM2000_ItemTexts {
public:
    explicit T_AM2000_ItemTexts(const TMenuItem2000& item);

    const QStringList& Lines() const { return m_lines; }
    const QString& RightText() const { return m_rightText; }

    // The text without accelerator markers: "&&" is "&", a single "&" is left out.
    static QString WithoutAccelerators(const QString& text);

private:
    QStringList m_lines;
    QString m_rightText;
};
