#include "T_AM2000_RaisedItemForm.h"

#include "TBitmap.h"
#include "TCanvas.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_ItemPainter.h"
#include "T_AM2000_SystemSettings.h"

#include <QPaintEvent>
#include <QPainter>

T_AM2000_RaisedItemForm::T_AM2000_RaisedItemForm()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void T_AM2000_RaisedItemForm::ShowOver(TMenuItem2000& item, const T_AM2000_MenuOptions& options,
                                       const TFont& font, const TImageList* images,
                                       const QRect& screenRect, bool underlines)
{
    TBitmap canvas(screenRect.width(), screenRect.height(), TPixelFormat::pf24bit);
    T_AM2000_ItemPainter painter(options, font, images);
    painter.SetShowUnderlines(underlines);
    painter.Paint(*canvas.Canvas(), QRect(QPoint(0, 0), screenRect.size()), item, dsGlyphLeft);
    m_image = canvas.Image().copy();
    setGeometry(screenRect);
    if (!m_shadow) {
        const bool composed = T_AM2000_SystemSettings::Current().layeredWindows;
        m_shadow = new T_AM2000_DropShadow(this, T_AM2000_Desktop::Instance(), composed);
    }
    m_shadow->ShowBehind();
    show();
    raise();
    update();
}

void T_AM2000_RaisedItemForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}
