#pragma once

#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_DropDownPictures.h"
#include "T_AM2000_Types.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TBitmap;
class TCustomPopupMenu2000;
class TMenuViewers;
class TMenuItem2000;
class T_AM2000_EntryWatch;
class T_AM2000_ItemPainter;
class T_AM2000_MenuOptions;
class T_AM2000_ScrollView;

// A drop-down window: a borderless top-level window that never takes the focus, made
// for the submenu of one item and run by a TCustomPopupMenu2000. It measures its
// entries, sizes itself, and paints everything into a canvas bitmap of its full size,
// which it copies to the screen; a window laid out with nothing selected takes the
// layout and picture its menu kept from an earlier opening when nothing they were made
// from has changed. A selection change repaints only the two entries concerned.
class TCustomPopupMenu2000Form : public QWidget {
public:
    // Selected codes of the zones that are no entry.
    static constexpr int NoEntry = -1;
    static constexpr int DragStrip = -2;
    static constexpr int ExpandButton = -3;

    // What a window lists: the submenu of its item, or the entries of the item's context
    // menu (its PopupMenu) that are animated menu items.
    enum class Contents { Submenu, ContextMenu };

    // Lays the window out for item's submenu or context menu (parentWindow: the window of
    // the menu that holds item, for a submenu or context window).
    TCustomPopupMenu2000Form(TCustomPopupMenu2000& menu, TMenuItem2000& item,
                             TCustomPopupMenu2000Form* parentWindow = nullptr,
                             Contents contents = Contents::Submenu);
    ~TCustomPopupMenu2000Form() override;

    TCustomPopupMenu2000& Menu() const { return m_menu; }
    // Gone once ItemFreed().
    TMenuItem2000& Item() const { return m_item; }
    Contents ListedContents() const { return m_contents; }
    // Who tells of changes of the listed items: the viewers of the item's own menu, of
    // the menu attached to it, or of the context menu listed; nullptr for the items of
    // a free-standing submenu, which tell nobody.
    TMenuViewers* ListedViewers() const;
    TCustomPopupMenu2000Form* ParentWindow() const { return m_parentWindow; }
    TCustomPopupMenu2000Form* ChildWindow() const { return m_childWindow; }
    void SetChildWindow(TCustomPopupMenu2000Form* child) { m_childWindow = child; }
    const T_AM2000_MenuOptions& Options() const { return *m_options; }
    const T_AM2000_DropDownLayout& Layout() const { return *m_layout; }

    // The visible entries in order: visible items, hidden ones only while expanded, no
    // trailing separator.
    const std::vector<TMenuItem2000*>& Entries() const { return m_entries; }
    // The item of an entry; nullptr for a zone code or an index out of range.
    TMenuItem2000* EntryAt(int index) const;
    // Where item is listed, comparing addresses only (item may be gone); NoEntry when
    // it is not.
    int IndexOf(const TMenuItem2000* item) const;
    // The entry has visible items to show in a submenu.
    bool HasSubmenuAt(int index) const;
    // The open child window shows the submenu of the selected entry.
    bool ChildShowsSelected() const;
    QRect EntryRect(int index) const;
    // Hidden items were left out (the window shows an expand button).
    bool HiddenItemsPresent() const { return m_hiddenPresent; }
    bool Expanded() const { return m_expanded; }
    // Shows the hidden items: measures again and repaints everything.
    void SetExpanded(bool expanded);

    int Selected() const { return m_selected; }
    int PreviousSelected() const { return m_previousSelected; }
    // Selects an entry (or a zone code); repaints the previous and the new entry.
    void SetSelected(int index);
    // The mouse button is held on the selected entry.
    bool Pressed() const { return m_pressed; }
    void SetPressed(bool pressed);

    // With mfRaiseMenuBarItem the frame is left open where the raised menu-bar item
    // touches the window: over width pixels from left (window coordinates) of the top
    // side, or of the bottom side for a window that opens upward. A width of 0 closes it.
    void SetOpenBorder(int left, int width, bool bottomSide = false);

    // Captions underline their accelerator characters (the mode a menu bar sets while it
    // shows its own underlines). A top window starts in its menu's mode, a submenu window
    // in its parent's, and an open one follows it. Changing the mode repaints the window.
    bool ShowUnderlines() const { return m_showUnderlines; }
    void SetShowUnderlines(bool show);

    // The draw state bits of an entry as it is now.
    int EntryState(int index) const;

    // Takes the options again, lays out and repaints everything.
    void Relayout();
    // The same once control returns to the event loop; several requests give one
    // layout. An options change tells its owner before the group stops inheriting, so
    // the window takes the options only after the change is complete.
    void ScheduleRelayout();
    // Runs at once when an item that the window lists is freed, before anything reads
    // the entries again, so that whoever runs the window takes in the change; without
    // a handler the window lays itself out again.
    void SetEntryFreedHandler(std::function<void()> handler) { m_entryFreed = std::move(handler); }
    // A window that outlives its item hides, lists nothing and never lays out again;
    // then the handler runs.
    void SetItemFreedHandler(std::function<void()> handler) { m_itemFreed = std::move(handler); }
    bool ItemFreed() const;
    // Shows the window with its top-left corner at a screen position, at full size.
    void ShowAt(QPoint screenPosition);
    // Where the window is on the screen: its own bounds, or those of the kept native
    // window lent to it, which it fills.
    QRect ScreenRect() const;

    // Where the window opened from its anchor; its submenus follow the side.
    bool OpensLeft() const { return m_opensLeft; }
    bool OpensUpward() const { return m_opensUpward; }
    void SetOpening(bool toLeft, bool upward);
    // How the submenus that this window opens animate, once it opened animated.
    std::optional<T_AM2000_Animation> SubmenuAnimation() const { return m_submenuAnimation; }
    void SetSubmenuAnimation(T_AM2000_Animation kind) { m_submenuAnimation = kind; }

    // A window taller than the screen shows part of its entries at a time, with a
    // scroll bar, at that height on the screen; 0 shows them all again.
    void SetScrollHeight(int height);
    bool Scrolling() const { return m_scroll != nullptr; }
    // While scrolling; nullptr otherwise.
    const T_AM2000_ScrollView* ScrollView() const { return m_scroll.get(); }
    int FirstShown() const;
    int LastShown() const;
    // Scroll steps (zone codes of T_AM2000_ScrollView) and scrolling to entries; each
    // returns whether the shown entries changed.
    bool Scroll(int zone);
    bool ScrollTo(int firstShown);
    bool ScrollToShow(int index);
    // Where an entry and the expand button are on the window; an entry scrolled out of
    // sight has an empty rectangle.
    QRect ShownEntryRect(int index) const;
    // Where an entry's embedded control is painted on the window.
    QRect ShownControlArea(int index) const;
    QRect ShownExpandButtonRect() const;

    // The canvas bitmap as painted last.
    const QImage& CanvasImage() const;
    // What the window shows: the canvas, or while scrolling its shown part with the bar.
    QImage ShownImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CollectEntries();
    void EntryFreed();
    void Orphan();
    bool ShowsNoState() const;
    T_AM2000_DropDownLayout::Frame LayoutFrame() const;
    T_AM2000_DropDownPictures::Source
    PictureSource(const T_AM2000_DropDownLayout::Frame& frame) const;
    bool TakeKeptPicture(const T_AM2000_DropDownPictures::Source& source);
    void KeepPicture(T_AM2000_DropDownPictures::Source source);
    void Measure(const T_AM2000_DropDownLayout::Frame& frame);
    void FitToLayout();
    void PrepareCanvas();
    void PaintAll();
    void PaintBackground();
    void PaintFrame();
    void PaintOpenBorder();
    void PaintTitle();
    void PaintDragStrip();
    void PaintEntry(int index, bool restoreBackground);
    void PaintExpandButton();
    void RestoreBackground(const QRect& rect);
    void RepaintEntry(int index);
    bool IsShownHidden(int index) const;
    void MakeScrollView(int height, int firstShown);
    bool ShownChanged(bool changed);

    TCustomPopupMenu2000& m_menu;
    TMenuItem2000& m_item;
    TCustomPopupMenu2000Form* m_parentWindow;
    Contents m_contents;
    TCustomPopupMenu2000Form* m_childWindow = nullptr;
    // Shared with the menu's kept picture, whose layout refers to its options.
    std::shared_ptr<const T_AM2000_MenuOptions> m_options;
    std::shared_ptr<const T_AM2000_DropDownLayout> m_layout;
    std::unique_ptr<T_AM2000_ItemPainter> m_painter;
    std::unique_ptr<TBitmap> m_canvas;
    std::unique_ptr<T_AM2000_ScrollView> m_scroll;
    QImage m_background; // the skin background laid out to the window's size
    std::vector<TMenuItem2000*> m_entries;
    std::unique_ptr<T_AM2000_EntryWatch> m_entryWatch;
    std::function<void()> m_entryFreed;
    std::function<void()> m_itemFreed;
    int m_selected = NoEntry;
    int m_previousSelected = NoEntry;
    bool m_pressed = false;
    bool m_relayoutPending = false;
    int m_openBorderLeft = 0;
    int m_openBorderWidth = 0; // pixels; 0: the frame is closed
    bool m_openBorderBottom = false;
    bool m_hiddenPresent = false;
    bool m_expanded = false;
    bool m_opensLeft = false;
    bool m_opensUpward = false;
    bool m_showUnderlines;
    std::optional<T_AM2000_Animation> m_submenuAnimation;
};
