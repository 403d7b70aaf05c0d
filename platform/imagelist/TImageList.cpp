#include "TImageList.h"

#include "TCanvas.h"
#include "TClassInfo.h"

const TClassInfo& TImageList::StaticClassInfo()
{
    static const TClassInfo info("TImageList", &TComponent::StaticClassInfo(),
                                 [](TClassInfo& c) { c.Creatable<TImageList>(); });
    return info;
}

TImageList::TImageList(TComponent* owner)
    : TComponent(owner)
{}

void TImageList::SetSize(int width, int height)
{
    if (width == m_width && height == m_height)
        return;
    m_width = std::max(1, width);
    m_height = std::max(1, height);
    m_images.clear();
    Changed();
}

int TImageList::Add(const QImage& image)
{
    m_images.push_back(Fitted(image));
    Changed();
    return Count() - 1;
}

void TImageList::Replace(int index, const QImage& image)
{
    if (!HasImage(index))
        return;
    m_images[size_t(index)] = Fitted(image);
    Changed();
}

void TImageList::Clear()
{
    if (m_images.empty())
        return;
    m_images.clear();
    Changed();
}

QImage TImageList::Image(int index) const
{
    return HasImage(index) ? m_images[size_t(index)] : QImage();
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const
{
    if (!HasImage(index))
        return;
    const QImage& image = m_images[size_t(index)];
    canvas.DrawImage(QRect(x, y, m_width, m_height), image, image.rect());
}

void TImageList::AddChangeListener(const void* key, std::function<void()> listener)
{
    m_listeners[key] = std::move(listener);
}

void TImageList::RemoveChangeListener(const void* key)
{
    m_listeners.erase(key);
}

QImage TImageList::Fitted(const QImage& image) const
{
    const QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (converted.size() == QSize(m_width, m_height))
        return converted;
    return converted.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void TImageList::Changed()
{
    // A listener may remove itself (or others) while being told.
    const auto listeners = m_listeners;
    for (const auto& [key, listener] : listeners)
        listener();
}
