#include "TTemplateScheme.h"

namespace {

QColor Mixed(const QColor& a, const QColor& b, qreal share)
{
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

// Text that stays readable on colour: white on dark, near black on light.
QColor TextOn(const QColor& colour)
{
    return colour.lightnessF() < 0.6 ? QColor(Qt::white) : QColor(0x20, 0x20, 0x20);
}

} // namespace

TTemplateScheme::TTemplateScheme(QString name, const QColor& window, const QColor& base,
                                 const QColor& text, const QColor& highlight)
    : m_name(std::move(name))
{
    m_palette = QPalette(window);
    m_palette.setColor(QPalette::Window, window);
    m_palette.setColor(QPalette::WindowText, text);
    m_palette.setColor(QPalette::Base, base);
    m_palette.setColor(QPalette::AlternateBase, Mixed(base, highlight, 0.08));
    m_palette.setColor(QPalette::Text, text);
    m_palette.setColor(QPalette::Button, Mixed(window, base, 0.5));
    m_palette.setColor(QPalette::ButtonText, text);
    m_palette.setColor(QPalette::Highlight, highlight);
    m_palette.setColor(QPalette::HighlightedText, TextOn(highlight));
    m_palette.setColor(QPalette::ToolTipBase, base);
    m_palette.setColor(QPalette::ToolTipText, text);
    m_palette.setColor(QPalette::PlaceholderText, Mixed(text, base, 0.5));
    m_palette.setColor(QPalette::Light, Mixed(window, Qt::white, 0.5));
    m_palette.setColor(QPalette::Midlight, Mixed(window, Qt::white, 0.25));
    m_palette.setColor(QPalette::Mid, Mixed(window, Qt::black, 0.25));
    m_palette.setColor(QPalette::Dark, Mixed(window, Qt::black, 0.45));
    m_palette.setColor(QPalette::Shadow, Mixed(window, Qt::black, 0.7));
    m_palette.setColor(QPalette::Link, highlight);
}

const std::vector<TTemplateScheme>& TTemplateScheme::All()
{
    static const std::vector<TTemplateScheme> schemes = {
        {QStringLiteral("daylight"), QColor(0xef, 0xf0, 0xf1), QColor(Qt::white),
         QColor(0x23, 0x26, 0x29), QColor(0x3d, 0xae, 0xe9)},
        {QStringLiteral("ocean"), QColor(0xdc, 0xe8, 0xf4), QColor(0xf7, 0xfb, 0xff),
         QColor(0x10, 0x2a, 0x43), QColor(0x1f, 0x5f, 0xa8)},
        {QStringLiteral("graphite"), QColor(0x31, 0x36, 0x3b), QColor(0x23, 0x26, 0x29),
         QColor(0xe6, 0xe8, 0xea), QColor(0xf6, 0x74, 0x00)},
        {QStringLiteral("meadow"), QColor(0xe9, 0xef, 0xe2), QColor(0xfb, 0xfd, 0xf8),
         QColor(0x26, 0x33, 0x1c), QColor(0x4e, 0x8a, 0x3e)},
    };
    return schemes;
}
