#include "TImage.h"

#include "TClassInfo.h"

const TClassInfo& TImage::StaticClassInfo()
{
    static const TClassInfo info("TImage", &TGraphicControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TImage>();
        c.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false);
        c.Property("Center", &TImage::Center, &TImage::SetCenter, false);
        c.Resource("Picture", &TImage::Picture);
        c.Property("Proportional", &TImage::Proportional, &TImage::SetProportional, false);
        c.Property("Stretch", &TImage::Stretch, &TImage::SetStretch, false);
        c.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
    });
    return info;
}

TImage::TImage(TComponent* owner)
    : TGraphicControl(owner)
    , m_picture(std::make_unique<TPicture>())
{
    SetBounds(0, 0, 105, 105);
    m_picture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage()
{
    m_picture->OnChange.Clear();
}

void TImage::SetStretch(bool value)
{
    if (value == m_stretch)
        return;
    m_stretch = value;
    update();
}

void TImage::SetCenter(bool value)
{
    if (value == m_center)
        return;
    m_center = value;
    update();
}

void TImage::SetAutoSize(bool value)
{
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    ApplyAutoSize();
}

void TImage::SetTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    PictureChanged();
}

void TImage::SetProportional(bool value)
{
    if (value == m_proportional)
        return;
    m_proportional = value;
    update();
}

QRect TImage::DestRect() const
{
    const int pictureWidth = m_picture->Width();
    const int pictureHeight = m_picture->Height();
    int width = pictureWidth;
    int height = pictureHeight;
    if (m_stretch || (m_proportional && (width > Width() || height > Height()))) {
        width = Width();
        height = Height();
        if (m_proportional && pictureWidth > 0 && pictureHeight > 0) {
            const double scale =
                std::min(double(Width()) / pictureWidth, double(Height()) / pictureHeight);
            width = int(pictureWidth * scale);
            height = int(pictureHeight * scale);
        }
    }
    QRect rect(0, 0, width, height);
    if (m_center)
        rect.translate((Width() - width) / 2, (Height() - height) / 2);
    return rect;
}

void TImage::Paint()
{
    TGraphic* graphic = m_picture->Graphic();
    if (!graphic || graphic->Empty())
        return;
    Canvas()->StretchDraw(DestRect(), graphic);
}

void TImage::PictureChanged()
{
    if (TGraphic* graphic = m_picture->Graphic();
        graphic && m_transparent != graphic->Transparent())
        graphic->SetTransparent(m_transparent);
    ApplyAutoSize();
    update();
}

void TImage::ApplyAutoSize()
{
    if (m_autoSize && m_picture->Width() > 0 && m_picture->Height() > 0)
        SetBounds(Left(), Top(), m_picture->Width(), m_picture->Height());
}
