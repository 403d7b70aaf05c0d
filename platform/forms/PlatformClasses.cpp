#include "PlatformClasses.h"

#include "TButton.h"
#include "TDBCtrlGrid.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TWebBrowser.h"

void RegisterPlatformClasses()
{
    TButton::StaticClassInfo();
    TDBCtrlGrid::StaticClassInfo();
    TForm::StaticClassInfo();
    TImage::StaticClassInfo();
    TLabel::StaticClassInfo();
    TPanel::StaticClassInfo();
    TSpeedButton::StaticClassInfo();
    TWebBrowser::StaticClassInfo();
}
