#include "T_AM2000_Title.h"

#include "SameBitmap.h"
#include "TClassInfo.h"
#include "T_AM2000_UpdatingScope.h"

const TClassInfo& T_AM2000_Title::StaticClassInfo()
{
    using T = T_AM2000_Title;
    static const TClassInfo info(
        "T_AM2000_Title", &T_AM2000_OptionGroup::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("Align", &T::Align, &T::SetAlign, T_AM2000_TitleAlign::atLeft);
            c.Property("Alignment", &T::Alignment, &T::SetAlignment, TAlignment::taLeftJustify);
            c.Property("Text", &T::Text, &T::SetText, QString());
            c.Object("Font", &T::Font).stored = [](const TPersistent* o) {
                return !static_cast<const T*>(o)->Font()->IsDefault();
            };
            c.Property("ColorBegin", &T::ColorBegin, &T::SetColorBegin, DefaultColorBegin);
            c.Property("ColorEnd", &T::ColorEnd, &T::SetColorEnd, DefaultColorEnd);
            c.Property("Width", &T::Width, &T::SetWidth, DefaultWidth);
            c.Property("TextDirection", &T::TextDirection, &T::SetTextDirection, true);
            c.Property("Visible", &T::Visible, &T::SetVisible, false);
            c.Resource("Bitmap", &T::Bitmap);
            c.Property("Gradient", &T::Gradient, &T::SetGradient, T_AM2000_Gradient::grTopToBottom);
        });
    return info;
}

T_AM2000_Title::T_AM2000_Title(T_AM2000_Options* options)
    : T_AM2000_OptionGroup(options, T_AM2000_GroupKind::Title)
    , m_font(std::make_unique<T_AM2000_TitleFont>())
    , m_bitmap(std::make_unique<TBitmap>())
{
    m_font->OnChange = [this] { TitleChanged(); };
    m_bitmap->OnChange = [this](TObject*) { TitleChanged(); };
}

T_AM2000_Title::~T_AM2000_Title() = default;

void T_AM2000_Title::SetAlign(T_AM2000_TitleAlign align)
{
    if (align == m_align)
        return;
    m_align = align;
    TitleChanged();
}

void T_AM2000_Title::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    TitleChanged();
}

void T_AM2000_Title::SetText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    TitleChanged();
}

void T_AM2000_Title::SetColorBegin(TColor color)
{
    if (color == m_colorBegin)
        return;
    m_colorBegin = color;
    TitleChanged();
}

void T_AM2000_Title::SetColorEnd(TColor color)
{
    if (color == m_colorEnd)
        return;
    m_colorEnd = color;
    TitleChanged();
}

void T_AM2000_Title::SetWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    TitleChanged();
}

void T_AM2000_Title::SetTextDirection(bool bottomToTop)
{
    if (bottomToTop == m_textDirection)
        return;
    m_textDirection = bottomToTop;
    TitleChanged();
}

void T_AM2000_Title::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    TitleChanged();
}

void T_AM2000_Title::SetBitmap(const TBitmap* bitmap)
{
    if (!SameBitmap(*m_bitmap, bitmap))
        m_bitmap->Assign(bitmap);
}

void T_AM2000_Title::SetGradient(T_AM2000_Gradient gradient)
{
    if (gradient == m_gradient)
        return;
    m_gradient = gradient;
    TitleChanged();
}

bool T_AM2000_Title::IsDefault() const
{
    return *this == T_AM2000_Title();
}

bool T_AM2000_Title::operator==(const T_AM2000_Title& other) const
{
    return m_align == other.m_align && m_alignment == other.m_alignment && m_text == other.m_text &&
           *m_font == *other.m_font && m_colorBegin == other.m_colorBegin &&
           m_colorEnd == other.m_colorEnd && m_width == other.m_width &&
           m_textDirection == other.m_textDirection && m_visible == other.m_visible &&
           SameBitmap(*m_bitmap, other.m_bitmap.get()) && m_gradient == other.m_gradient;
}

void T_AM2000_Title::Assign(const TPersistent* source)
{
    const auto* title = dynamic_cast<const T_AM2000_Title*>(source);
    if (!title) {
        TPersistent::Assign(source);
        return;
    }
    // The same title again (a menu bar hands its menu's title to every drop-down) keeps
    // the strip rendered for it.
    if (*title == *this)
        return;
    T_AM2000_UpdatingScope updating;
    m_align = title->m_align;
    m_alignment = title->m_alignment;
    m_text = title->m_text;
    m_font->Assign(title->m_font.get());
    m_colorBegin = title->m_colorBegin;
    m_colorEnd = title->m_colorEnd;
    m_width = title->m_width;
    m_textDirection = title->m_textDirection;
    m_visible = title->m_visible;
    m_bitmap->Assign(title->m_bitmap.get());
    m_gradient = title->m_gradient;
    m_strip.reset();
}

void T_AM2000_Title::TitleChanged()
{
    m_strip.reset();
    Changed();
}
