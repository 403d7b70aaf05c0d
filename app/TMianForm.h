#pragma once

#include "TMyForm.h"
#include "TSpeedButton.h"
#include "TWebBrowser.h"

// The gallery's main window: a menu strip, a strip of sub-category buttons above the
// working area, the category buttons at the left, a working area showing a picture
// grid or the help page, and a status strip. Its handlers bring a category strip or a
// working-area panel to front; the main window's close picture asks before it ends
// the program.
class TMianForm : public TMyForm {
    T_CLASS_INFO
public:
    explicit TMianForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void SpeedButton3Click(TObject* sender);
    void SpeedButton4Click(TObject* sender);
    void SpeedButton5Click(TObject* sender);
    void SpeedButton7Click(TObject* sender);
    void SpeedButton10Click(TObject* sender);
    // Exit with confirmation; replaces the frame's close handler.
    void imgCloseButtonClick(TObject* sender);
    // Moves the category buttons to the other side of the working area.
    void imgCaptionDblClick(TObject* sender);

    // The help page's path: the program's folder followed by help/question.htm.
    static QString HelpPagePath();

    TPanel* Panel3 = nullptr;
    TPanel* Panel11 = nullptr;
    TPanel* Panel13 = nullptr;
    TPanel* Panel14 = nullptr;
    TPanel* Panel18 = nullptr;
    TPanel* Panel16 = nullptr;
    TPanel* Panel21 = nullptr;
    TPanel* Client = nullptr;
    TPanel* abcButtonBar1 = nullptr;
    TWebBrowser* WebBrowser1 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* label7 = nullptr;
};

// The main window for the whole life of the program.
extern TMianForm* MianForm;
