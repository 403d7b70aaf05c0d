#include "TGraphicControl.h"

#include "TClassInfo.h"
#include "TErrorReport.h"

const TClassInfo& TGraphicControl::StaticClassInfo()
{
    static const TClassInfo info("TGraphicControl", &TControl::StaticClassInfo());
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner)
    , m_canvas(std::make_unique<TCanvas>())
{}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::paintEvent(QPaintEvent*)
{
    TCanvas::PaintScope scope(*m_canvas, this);
    m_canvas->SetFont(Font());
    TErrorReport::Guard([this] { Paint(); });
}
