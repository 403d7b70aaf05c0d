#include "TCustomControl.h"

#include "TClassInfo.h"
#include "TErrorReport.h"

const TClassInfo& TCustomControl::StaticClassInfo()
{
    static const TClassInfo info("TCustomControl", &TWinControl::StaticClassInfo());
    return info;
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner)
    , m_canvas(std::make_unique<TCanvas>())
{}

TCustomControl::~TCustomControl() = default;

void TCustomControl::paintEvent(QPaintEvent* event)
{
    TWinControl::paintEvent(event);
    TCanvas::PaintScope scope(*m_canvas, this);
    m_canvas->SetFont(Font());
    TErrorReport::Guard([this] { Paint(); });
}
