#pragma once

#include "TCanvas.h"
#include "TControl.h"

// A control without a window of its own: it draws itself on its canvas in Paint()
// and lets its parent show through wherever it draws nothing.
class TGraphicControl : public TControl {
    T_CLASS_INFO
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return m_canvas.get(); }

protected:
    virtual void Paint() {}
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<TCanvas> m_canvas;
};
