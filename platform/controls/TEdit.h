#pragma once

#include "TWinControl.h"

class QPlainTextEdit;

// An edit box for text, one or more lines, on a platform text editor that fills the
// control. Keys reach KeyDown and KeyPress (and their events), the form's first when it
// previews keys, before the editor: a handler that sets the key to 0 keeps it from the
// text. Losing the focus runs DoExit; any change of the text runs Change (OnChange).
class TEdit : public TWinControl {
    T_CLASS_INFO
public:
    explicit TEdit(TComponent* owner);
    ~TEdit() override;

    QString Text() const;
    void SetText(const QString& text);
    void SelectAll();
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    // bsSingle draws a one-pixel frame; bsNone none.
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    // A sunken 3-D frame instead of the flat one (with bsSingle).
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool value);

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void FontChanged() override;
    void ColorChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyFrame();
    void ApplyColors();
    bool FilterKey(QKeyEvent* event);

    QPlainTextEdit* m_editor = nullptr;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    bool m_ctl3D = true;
};
