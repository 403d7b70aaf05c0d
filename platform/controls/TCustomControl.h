#pragma once

#include "TCanvas.h"
#include "TWinControl.h"

// A windowed control that draws itself on its canvas in Paint(), over a background
// filled with its colour.
class TCustomControl : public TWinControl {
    T_CLASS_INFO
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TCanvas* Canvas() const { return m_canvas.get(); }

protected:
    virtual void Paint() {}
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<TCanvas> m_canvas;
};
