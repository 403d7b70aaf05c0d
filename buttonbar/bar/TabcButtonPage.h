#pragma once

#include "TWinControl.h"

#include <memory>

class TAction;
class TPicture;
class TabcButtonPageActionLink;
class TabcCustomButtonBar;
class TabcPageSite;

using TabcControlRenameEvent = TEvent<TObject*, QString&>;

// One page of a button bar: a plain container for the page's controls, with the
// settings of the caption button the bar keeps for it. A page lies only in a button bar
// (or in nothing); the bar sets its bounds.
class TabcButtonPage : public TWinControl {
    T_CLASS_INFO
public:
    explicit TabcButtonPage(TComponent* owner);
    ~TabcButtonPage() override;

    // The bar whose pages include this one, or nullptr.
    TabcCustomButtonBar* ButtonBar() const;
    // Leaves the old bar, takes the new one as parent and joins it.
    void SetButtonBar(TabcCustomButtonBar* bar);
    bool ButtonEnabled() const { return m_buttonEnabled; }
    void SetButtonEnabled(bool value);
    bool ButtonVisible() const { return m_buttonVisible; }
    void SetButtonVisible(bool value);
    TPicture* ButtonPicture() const { return m_buttonPicture.get(); }
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    // The linked action (see TabcButtonPageActionLink); the page's button shares it.
    TAction* Action() const;
    void SetAction(TAction* action);
    // The page's place in its bar (-1 without a bar); setting it moves the page.
    int PageIndex() const;
    void SetPageIndex(int index);

    // A parent other than a button bar is refused by a silent abort.
    void SetParent(TWinControl* parent) override;
    void SetParentComponent(TComponent* parent) override;
    bool HasParentComponent() const override { return ButtonBar() != nullptr; }

    TabcControlRenameEvent OnRename;

protected:
    void TextChanged() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    // What the page tells its bar; nullptr without a bar.
    TabcPageSite* Site() const;
    void ButtonContentsChanged();
    void PassFocusToButtonList();

    bool m_buttonEnabled = true;
    bool m_buttonVisible = true;
    std::unique_ptr<TPicture> m_buttonPicture;
    std::unique_ptr<TabcButtonPageActionLink> m_actionLink;
    int m_imageIndex = -1;
};
