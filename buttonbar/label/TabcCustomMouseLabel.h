#pragma once

#include "TLabel.h"
#include "TabcLabelMouseEffect.h"

class TabcCustomWaveList;

// A label that changes its look while the mouse is over it and while a mouse button
// is down on it: underlined, recoloured or with a coloured halo, and with a sound from
// a sound list. The pressed look wins over the hover look. A disabled label draws
// embossed text and shows no effect.
class TabcCustomMouseLabel : public TLabel {
    T_CLASS_INFO
public:
    explicit TabcCustomMouseLabel(TComponent* owner);
    ~TabcCustomMouseLabel() override;

    // almColor and almColorShadow exclude each other: the one a new set adds wins.
    TabcLabelMouseEffects MouseDownEffects() const { return m_downEffects; }
    void SetMouseDownEffects(TabcLabelMouseEffects effects);
    TabcLabelMouseEffects MouseOverEffects() const { return m_overEffects; }
    void SetMouseOverEffects(TabcLabelMouseEffects effects);
    TColor MouseDownColor() const { return m_downColor; }
    void SetMouseDownColor(TColor color);
    TColor MouseOverColor() const { return m_overColor; }
    void SetMouseOverColor(TColor color);

    TabcCustomWaveList* SoundList() const { return m_soundList; }
    void SetSoundList(TabcCustomWaveList* list);
    // Sound numbers in SoundList, 0 to 65535; others raise EInvalidOperation.
    int SoundDown() const { return m_soundDown; }
    void SetSoundDown(int number);
    int SoundOver() const { return m_soundOver; }
    void SetSoundOver(int number);

    bool IsPressed() const { return m_pressed; }
    bool IsHot() const { return m_hot; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // The values a layout need not store because this class starts with them.
    struct TMouseDefaults {
        TColor downColor;
        TabcLabelMouseEffects downEffects;
        TColor overColor;
        TabcLabelMouseEffects overEffects;
    };
    const TMouseDefaults& MouseDefaults() const { return m_defaults; }

protected:
    // A derived class that starts with other values sets them through this.
    void SetMouseDefaults(const TMouseDefaults& defaults);

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter() override;
    void CMMouseLeave() override;
    void changeEvent(QEvent* event) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    static TabcLabelMouseEffects Exclusive(TabcLabelMouseEffects old, TabcLabelMouseEffects set);
    static int CheckedSoundNumber(int number, const char* property);
    // Whether the down or the over effects show now.
    bool ShowsDownEffects() const;
    bool ShowsOverEffects() const;
    TTextFormats TextFlags() const;
    QRect TextArea();
    // Draws (or with tfCalcRect measures into rect) the caption with the current look.
    void DoDrawText(QRect& rect, TTextFormats flags);
    void DrawEnabledText(QRect& rect, QString& text, TTextFormats flags);
    void DrawDisabledText(QRect& rect, QString& text, TTextFormats flags);
    void ApplyEffects(TabcLabelMouseEffects effects, TColor color, QRect rect, QString text,
                      TTextFormats flags);
    void DrawTextInColor(QRect rect, QString text, TTextFormats flags, TColor color);
    void PlaySound(TabcLabelMouseEffects effects, int number) const;
    // Brings the flags in line with where the cursor is now.
    void RecheckHotState();

    TMouseDefaults m_defaults;
    bool m_pressed = false;
    bool m_hot = false;
    TColor m_downColor;
    TabcLabelMouseEffects m_downEffects;
    TColor m_overColor;
    TabcLabelMouseEffects m_overEffects;
    TabcCustomWaveList* m_soundList = nullptr;
    int m_soundDown = 0;
    int m_soundOver = 0;
};
