#include "PlatformClasses.h"

#include "TAction.h"
#include "TButton.h"
#include "TDBCtrlGrid.h"
#include "TEdit.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TMenuItem.h"
#include "TPanel.h"
#include "TPopupMenu.h"
#include "TSavePictureDialog.h"
#include "TSpeedButton.h"
#include "TWebBrowser.h"

void RegisterPlatformClasses()
{
    TAction::StaticClassInfo();
    TButton::StaticClassInfo();
    TDBCtrlGrid::StaticClassInfo();
    TEdit::StaticClassInfo();
    TForm::StaticClassInfo();
    TImage::StaticClassInfo();
    TLabel::StaticClassInfo();
    TMenuItem::StaticClassInfo();
    TPanel::StaticClassInfo();
    TPopupMenu::StaticClassInfo();
    TSavePictureDialog::StaticClassInfo();
    TSpeedButton::StaticClassInfo();
    TWebBrowser::StaticClassInfo();
}
