#pragma once

#include <QPalette>
#include <QString>
#include <vector>

// A colour scheme in which the templates are rendered: a name for the file and a full
// palette built from a few base colours.
class TTemplateScheme {
public:
    TTemplateScheme(QString name, const QColor& window, const QColor& base, const QColor& text,
                    const QColor& highlight);

    const QString& Name() const { return m_name; }
    const QPalette& Palette() const { return m_palette; }

    static const std::vector<TTemplateScheme>& All();

private:
    QString m_name;
    QPalette m_palette;
};
