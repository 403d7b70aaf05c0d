#pragma once

#include <QImage>
#include <QWidget>

class TFont;
class TImageList;
class TMenuItem2000;
class T_AM2000_DropShadow;
class T_AM2000_MenuOptions;

// The menu-bar item raised above its open drop-down (mfRaiseMenuBarItem): a window over
// the item that never takes the focus nor the mouse, showing the item in the drop-down's
// colours, with a drop shadow of its own.
class T_AM2000_RaisedItemForm : public QWidget {
public:
    T_AM2000_RaisedItemForm();

    // Shows item drawn with options at screenRect (screen pixels), above other windows;
    // underlines: its accelerator is underlined, as on the bar.
    void ShowOver(TMenuItem2000& item, const T_AM2000_MenuOptions& options, const TFont& font,
                  const TImageList* images, const QRect& screenRect, bool underlines);
    // What the window shows.
    const QImage& Image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    T_AM2000_DropShadow* m_shadow = nullptr; // a child of this window
};
