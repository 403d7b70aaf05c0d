#pragma once

#include "TGraphicControl.h"
#include "TabcButtonGlyph.h"
#include "TabcButtonTypes.h"

#include <memory>

class TAction;
class TBitmap;
class TImageList;
class TPicture;
class TabcCustomWaveList;
class TabcPicSpeedBtnActionLink;

// A windowless push button that draws its own face in one of nineteen frame styles,
// with an optional picture and a caption, five looks (up, disabled, down, exclusive,
// hot), grouping by GroupIndex so that one button of a group stays down, and sounds on
// hover and press from a sound list. All behaviour lives here; TabcPicSpeedBtn only
// publishes it.
class TabcCustomPicSpeedBtn : public TGraphicControl {
    T_CLASS_INFO
public:
    explicit TabcCustomPicSpeedBtn(TComponent* owner);
    ~TabcCustomPicSpeedBtn() override;

    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value);
    bool Down() const { return m_down; }
    void SetDown(bool value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    bool DisabledShadow() const { return m_disabledShadow; }
    void SetDisabledShadow(bool value);
    TabcButtonLayout Layout() const { return m_layout; }
    void SetLayout(TabcButtonLayout layout);
    // Pixels from the edge to the picture (or caption); -1 centres; below -1 ignored.
    int Margin() const { return m_margin; }
    void SetMargin(int value);
    // Pixels between picture and caption; -1 spreads them evenly.
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    TabcGlyphHighlight PictureHighlight() const { return m_glyph->Highlight(); }
    void SetPictureHighlight(TabcGlyphHighlight highlight);
    // A flat button shows no frame unless pressed or hot.
    bool Popup() const { return m_popup; }
    void SetPopup(bool value);
    TabcButtonStyle Style() const { return m_style; }
    void SetStyle(TabcButtonStyle style);
    TabcTextStyle TextStyle() const { return m_textStyle; }
    void SetTextStyle(TabcTextStyle style);
    TPicture* Picture() const { return m_glyph->Picture(); }
    int NumGlyphs() const { return m_glyph->NumGlyphs(); }
    void SetNumGlyphs(int value);
    TColor TransparentColor() const { return m_glyph->TransparentColor(); }
    void SetTransparentColor(TColor color);
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    TabcCustomWaveList* SoundList() const { return m_soundList; }
    void SetSoundList(TabcCustomWaveList* list);
    int SoundDown() const { return m_soundDown; }
    void SetSoundDown(int number) { m_soundDown = number; }
    int SoundOver() const { return m_soundOver; }
    void SetSoundOver(int number) { m_soundOver = number; }
    // The linked action (see TabcPicSpeedBtnActionLink); a click without OnClick
    // executes it.
    TAction* Action() const;
    void SetAction(TAction* action);
    // Draws a focus rectangle two pixels inside the button (the button bar sets it).
    bool ShowFocusRect() const { return m_showFocusRect; }
    void SetShowFocusRect(bool value);

    TabcButtonState State() const { return m_state; }
    bool MouseInControl() const { return m_hot; }
    // A left press and release at (0, 0), as the caption's accelerator key makes.
    void SimulateClick();
    // The system colours changed: the pattern and the state images are made again.
    void SysColorChanged();

    TabcCancelEvent BeforeClick;
    TabcMouseCancelEvent BeforeMouseDown;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    void Loaded() override;

protected:
    // Overridable steps of the button's behaviour.
    virtual void MouseEnter();
    virtual void MouseLeave();
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Click() override;
    void DblClick() override;
    void CMMouseEnter() override;
    void CMMouseLeave() override;
    void ColorChanged() override;
    void FontChanged() override;
    void TextChanged() override;
    void changeEvent(QEvent* event) override;
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Copying the button to an action gives it the button's caption, hint, states and
    // image index, and Down as its Checked state.
    void AssignTo(TPersistent* dest) const override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

    // Whether Alt with the caption's accelerator clicks the button (on by default).
    void SetTakesAccelerator(bool value);

private:
    bool AskBeforeMouseDown(QMouseEvent* event);
    void CancelMode();
    bool Inside(int x, int y) const;
    bool NeedsHotRepaint() const;
    void RecheckHot();
    void EnabledChanged();
    void TellGroup();
    void ButtonPressed(int groupIndex, TabcCustomPicSpeedBtn* sender);
    void PlaySound(int number) const;
    void UpdateImages();
    void UpdateAccelerator();
    void SyncStateWithEnabled();
    void FillFace(const QRect& rect);
    TabcButtonGlyph::Face GlyphFace() const;

    std::unique_ptr<TabcButtonGlyph> m_glyph;
    std::shared_ptr<TBitmap> m_pattern;
    std::unique_ptr<TabcPicSpeedBtnActionLink> m_actionLink;
    bool m_allowAllUp = false;
    bool m_down = false;
    int m_groupIndex = 0;
    bool m_disabledShadow = true;
    TabcButtonLayout m_layout = TabcButtonLayout::ablGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    bool m_popup = true;
    TabcButtonStyle m_style = TabcButtonStyle::absThin;
    TabcTextStyle m_textStyle = TabcTextStyle::tsNormal;
    TImageList* m_images = nullptr;
    int m_imageIndex = -1;
    TabcCustomWaveList* m_soundList = nullptr;
    int m_soundDown = -1;
    int m_soundOver = -1;
    bool m_showFocusRect = false;
    TabcButtonState m_state = TabcButtonState::bsUp;
    bool m_hot = false;
    bool m_tracking = false;
    bool m_cancelledPress = false;
    bool m_takesAccelerator = true;
    int m_acceleratorId = 0; // the window shortcut grabbed for the accelerator, 0 for none
};
