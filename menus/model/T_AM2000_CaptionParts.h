#pragma once

#include <QString>
#include <QStringList>

// The parts of an item caption as drop-down windows show them: the left text, split into
// lines, and the right-aligned text. The first tab splits left from right text, and a
// carriage return starts a new line; with escapes on (the default), the two characters
// backslash and "a" stand for a tab and backslash and "n" for a new line.
class T_AM2000_CaptionParts {
public:
    explicit T_AM2000_CaptionParts(const QString& caption, bool escapes = true);

    // At least one line (an empty caption gives one empty line).
    const QStringList& Lines() const { return m_lines; }
    const QString& RightText() const { return m_rightText; }

private:
    QStringList m_lines;
    QString m_rightText;
};
