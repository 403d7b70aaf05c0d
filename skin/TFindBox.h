#pragma once

#include "TTempmodal2.h"

class TEdit;

// The find box "查找图片": one edit field for a part of the names of the pictures sought.
// Every change of the text is handed on at once (OnFind), so that the gallery shows the
// matches while the user types. Enter or "确定" keeps what is shown (modal result 1);
// Esc, "取消" or the close picture gives it up (2). A line under the field says what the
// box cannot do. It places itself over the main window's working area and frees itself
// once closed.
class TFindBox : public TTempmodal2 {
    T_CLASS_INFO
public:
    explicit TFindBox(TComponent* owner);

    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    // Enter and Esc end the box; they are swallowed, so that the field never sees them.
    void FormKeyPress(TObject* sender, QChar& key);
    void Edit1Change(TObject* sender);
    void Mybutton1Click(TObject* sender);
    void Mybutton2Click(TObject* sender);
    void CloseButtomClick(TObject* sender);

    // Nothing can be sought: the field is disabled and the line says why.
    void Refuse(const QString& reason);

    std::function<void(const QString& text)> OnFind;

    TLabel* Label2 = nullptr; // the field's caption
    TEdit* Edit1 = nullptr;   // the text sought
    TLabel* Label4 = nullptr; // what the box cannot do
};

// The box while one exists.
extern TFindBox* FindBox;
