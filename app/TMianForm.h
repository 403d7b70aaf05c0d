#pragma once

#include "TAppearanceSet.h"
#include "TMyForm.h"
#include "TSpeedButton.h"
#include "TWebBrowser.h"
#include "TabcButtonBar.h"

#include <QStringList>
#include <memory>
#include <vector>

class TADOConnection;
class TADOQuery;
class TBzDBImage;
class TDBCtrlGrid;
class TDataSource;
class TMenuBar2000;
class TPictureFind;
class TSavePictureDialog;

// The gallery's main window: a menu strip, a strip of sub-category buttons above the
// working area, the category buttons at the left, a working area showing a picture
// grid or the help page, and a status strip. Its handlers bring a category strip or a
// working-area panel to front; the main window's close picture asks before it ends
// the program.
class TMianForm : public TMyForm {
    T_CLASS_INFO
public:
    explicit TMianForm(TComponent* owner);
    ~TMianForm() override;

    void FormCreate(TObject* sender);
    // Ctrl+F opens the find box (TPictureFind).
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void SpeedButton3Click(TObject* sender);
    void SpeedButton4Click(TObject* sender);
    void SpeedButton5Click(TObject* sender);
    void SpeedButton7Click(TObject* sender);
    void SpeedButton10Click(TObject* sender);
    // Sub-category handlers: a category query, or a grid brought to front.
    void SpeedButton16Click(TObject* sender);
    void SpeedButton6Click(TObject* sender);
    void EmptyCategoryClick(TObject* sender);
    void SpeedButton27Click(TObject* sender);
    void SpeedButton9Click(TObject* sender);
    // The "保存" items of the two grids' context menus.
    void MenuItem1Click(TObject* sender);
    void N4Click(TObject* sender);
    // Exit with confirmation; replaces the frame's close handler.
    void imgCloseButtonClick(TObject* sender);
    // Moves the category buttons to the other side of the working area.
    void imgCaptionDblClick(TObject* sender);
    // "更换主界面": shows the alternative appearance while the bar's buttons are black,
    // the default one otherwise.
    void SpeedButton36Click(TObject* sender);
    // Apply the alternative and the default appearance.
    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    // Replaces the frame pictures row by row, then sets the bar's button colour. A
    // missing or undecodable picture stops at its row with the error: the rows before
    // keep their new pictures and the colour stays, so the next toggle tries the same
    // set again.
    void ApplyAppearance(const TAppearanceSet& set);

    // Adds picture files and folders dropped onto a category's grid to that category, as
    // the catalogue tool imports them (folders recursively, names kept), in one
    // transaction under the wait box; the grid and the count label show them at once and
    // the first of them becomes current. Files that are not pictures are named in one box
    // afterwards. A catalogue that cannot be written is never written: the user is asked
    // whether to start their own catalogue, a copy of it (TUserCatalogue), which then
    // takes the pictures and is opened from then on. Errors go to the standard report.
    void AddPictures(TDBCtrlGrid* grid, const QStringList& paths);
    // Whether grid shows the category that the count label names, so that pictures
    // dropped onto it have a category to go to.
    bool TakesPictures(const TDBCtrlGrid* grid) const;
    // Brings the picture panel to front, then the grid; a find's kept result is let go.
    void FrontGrid(TDBCtrlGrid& grid);
    // The count label: caption + "共:" + count + unit.
    void SetCount(const QString& caption, int count, const QString& unit);
    // Finding pictures by name.
    TPictureFind& PictureFind() const { return *m_find; }

    // The database connection string for the picture catalogue (see TDataFiles).
    static QString ConnectionString();
    // The help page's path, help/question.htm beside the program or in its data folder.
    static QString HelpPagePath();

    TPanel* Panel3 = nullptr;
    TPanel* Panel11 = nullptr;
    TPanel* Panel13 = nullptr;
    TPanel* Panel14 = nullptr;
    TPanel* Panel18 = nullptr;
    TPanel* Panel16 = nullptr;
    TPanel* Panel21 = nullptr;
    TPanel* Client = nullptr;
    TabcButtonBar* abcButtonBar1 = nullptr;
    // The menu strip's border pieces, which always match the frame's left and right.
    TImage* Image8 = nullptr;
    TImage* Image9 = nullptr;
    TWebBrowser* WebBrowser1 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* label7 = nullptr;
    TSpeedButton* SpeedButton16 = nullptr;
    TSpeedButton* SpeedButton6 = nullptr;
    TADOConnection* Myado = nullptr;
    TADOQuery* ADOQuery1 = nullptr;
    TADOQuery* ADOQuery2 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TDBCtrlGrid* DBCtrlGrid1 = nullptr;
    TDBCtrlGrid* DBCtrlGrid2 = nullptr;
    TBzDBImage* BzDBImage1 = nullptr;
    TBzDBImage* BzDBImage2 = nullptr;
    TSavePictureDialog* SavePictureDialog1 = nullptr;
    TMenuBar2000* MenuBar20001 = nullptr;

private:
    // A category that a query shows in a grid, with the words of its count label.
    struct TCategory {
        TADOQuery* query;
        int parent; // category code
        TDBCtrlGrid* grid;
        TSpeedButton* button; // whose caption the count label shows
        QString unit;
    };
    TCategory Icons() const;
    TCategory Templates() const;
    void RunCategory(const TCategory& category);
    void AddToCategory(const TCategory& category, const QStringList& paths);
    bool OpenWritableCatalogue();
    void SwitchCatalogue(const QString& path);
    static QString PicturesFolder();
    void SavePicture(const TBzDBImage& image);
    std::vector<TImage*> AppearanceTargets(TAppearanceSet::Row row) const;

    // The grid whose category the count label names; none after a label of another
    // sub-category.
    const TDBCtrlGrid* m_countedGrid = nullptr;
    std::unique_ptr<TPictureFind> m_find;
};

// The main window for the whole life of the program.
extern TMianForm* MianForm;
