#pragma once

#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TNewimage.h"
#include "TPanel.h"

// The skinned window from which every window of the program derives: no system
// border; a frame of panels carrying pictures; its own caption bar with minimise, size
// and close picture buttons that change their picture under the pointer; moving by the
// caption and sizing by the frame pictures. It ignores the system Close command, so it
// closes only through its own controls, and frees itself once closed.
class TMyForm : public TForm {
    T_CLASS_INFO
public:
    // Margin in pixels along the window's edges within which a press sizes.
    static constexpr int SizingMargin = 10;

    explicit TMyForm(TComponent* owner);

    // Handlers bound by the layout.
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void imgCloseButtonClick(TObject* sender);
    void imgSizeButtonClick(TObject* sender);
    void imgMinButtonClick(TObject* sender);
    void imgCloseButtonMouseEnter(TObject* sender);
    void imgCloseButtonMouseLeave(TObject* sender);
    void imgSizeButtonMouseEnter(TObject* sender);
    void imgSizeButtonMouseLeave(TObject* sender);
    void imgMinButtonMouseEnter(TObject* sender);
    void imgMinButtonMouseLeave(TObject* sender);
    void imgCaptionMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void imgLeftUpMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void Image1MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void imgLeftMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void imgRightMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);

    // Classifies a press at (x, y) in the window's coordinates by the edge or corner it
    // is on, sets the window's cursor to match, and with the left button alone starts
    // sizing by that edge, or moving when the press is on no edge.
    void SizeByEdge(TShiftState shift, int x, int y);
    // The system command SizeByEdge sends for a press at (x, y), and its cursor.
    struct SizingChoice {
        unsigned command;
        TCursor cursor;
    };
    SizingChoice ClassifyPress(int x, int y) const;

    TPanel* palUp = nullptr;
    TPanel* palLeftUp = nullptr;
    TImage* imgLeftUp = nullptr;
    TPanel* palRightUp = nullptr;
    TPanel* palUpMid = nullptr;
    TPanel* palLeft = nullptr;
    TPanel* palRight = nullptr;
    TImage* imgRight = nullptr;
    TPanel* palClient = nullptr;
    TImage* imgLeft = nullptr;
    TImage* imgCaption = nullptr;
    TImage* Image1 = nullptr;
    TPanel* palDown = nullptr;
    TImage* imgLeftDown = nullptr;
    TImage* imgDownMin = nullptr;
    TNewimage* imgCloseButton = nullptr;
    TNewimage* imgSizeButton = nullptr;
    TNewimage* imgMinButton = nullptr;
    TNewimage* imgSizeButton2 = nullptr;
    TNewimage* imgCloseButton2 = nullptr;
    TNewimage* imgMinButton2 = nullptr;
    TNewimage* imgMaxButton = nullptr;
    TImage* imgRestoreButton = nullptr;
    TNewimage* imgMinButton1 = nullptr;
    TImage* imgSizeButton1 = nullptr;
    TImage* imgCloseButton1 = nullptr;
    TPanel* Panel1 = nullptr;
    TImage* imgRightDown = nullptr;
    TLabel* Label1 = nullptr;

protected:
    // Drops the system Close command (Alt+F4, the window manager's close); every
    // other command goes on to the default handling.
    void WMSysCommand(TWMSysCommand& message) override;

private:
    void SizeByEdgeOf(TObject* sender, TShiftState shift, int x, int y);
    // Starts moving the window as a press on the caption does.
    void MoveByCaption();
};
