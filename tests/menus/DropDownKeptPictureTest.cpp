#include "DropDownPixels.h"
#include "MenuBarTestSupport.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TCustomPopupMenu2000.h"
#include "TImageList.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DropDownPictures.h"
#include "T_AM2000_ItemOptions.h"
#include "T_AM2000_MenuNavigator.h"
#include "T_AM2000_Skin.h"

using namespace dropdownpixels;

namespace {

using C = T_AM2000_Colors;
using Form = TCustomPopupMenu2000Form;

// A drop-down as it was shown, with where its entries were.
struct Shown {
    QImage image;
    std::vector<QRect> entries;

    // How many pixels of rect (the whole picture by default) have exactly that colour.
    int Count(QRgb colour, QRect rect = {}) const
    {
        if (rect.isNull())
            rect = image.rect();
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += dropdownpixels::Rgb(image, x, y) == colour;
        return count;
    }
    // The left part of an entry, where glyphs and check marks go.
    QRect GlyphColumn(int entry) const
    {
        const QRect rect = entries.at(std::size_t(entry));
        return QRect(rect.left(), rect.top(), 22, rect.height());
    }
    // How many pixels of rect differ from its top-left one.
    int Marked(const QRect& rect) const
    {
        return rect.width() * rect.height() -
               Count(dropdownpixels::Rgb(image, rect.x(), rect.y()), rect);
    }
    // A point of an entry's background, right of its texts.
    QRgb Background(int entry) const
    {
        const QRect rect = entries.at(std::size_t(entry));
        return dropdownpixels::Rgb(image, rect.right() - 3, rect.center().y());
    }
};

// A glyph of one colour; its bottom-left pixel, the transparent one, is black.
QImage Glyph(QRgb colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(0, 15, qRgb(0, 0, 0));
    return image;
}

// The bar's menu with a top item "Pictures" whose entries have no stock glyphs, texts in
// red on white, disabled texts in blue; drop-downs open without animation, and the bar
// underlines accelerators only in keyboard mode.
class KeptDropDownPictures : public MenuBarTest {
protected:
    void SetUp() override
    {
        previousCues = TCustomMenuBar2000::SetSystemUnderlinesSource([] { return false; });
        MenuBarTest::SetUp();
        pictures = AddTop(QStringLiteral("&Pictures"),
                          {QStringLiteral("&Alpha"), QStringLiteral("&Beta")});
        alpha = static_cast<TMenuItem2000*>(pictures->Items(0));
        beta = static_cast<TMenuItem2000*>(pictures->Items(1));
        C& colors = *menu.Options()->Colors();
        colors.SetValueAt(C::Menu, clWhite);
        colors.SetValueAt(C::MenuText, clRed);
        colors.SetValueAt(C::DisabledText, clBlue);
        colors.SetValueAt(C::DisabledShadow, clWhite);
        colors.SetValueAt(C::Highlight, clYellow);
    }
    void TearDown() override
    {
        MenuBarTest::TearDown();
        TCustomMenuBar2000::SetSystemUnderlinesSource(previousCues);
    }
    // Opens "Pictures" from the bar.
    Form* Open()
    {
        Click(3);
        return tracker.TopWindow();
    }
    void Close()
    {
        tracker.CloseAllMenus(true);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static Shown Grab(Form& window)
    {
        Shown shown{window.grab().toImage(), {}};
        for (int i = 0; i < int(window.Entries().size()); ++i)
            shown.entries.push_back(window.EntryRect(i));
        return shown;
    }
    // Opens "Pictures", takes its picture as shown and closes it again.
    Shown OpenAndGrab()
    {
        Form* window = Open();
        EXPECT_NE(window, nullptr);
        Shown shown = window ? Grab(*window) : Shown{};
        Close();
        return shown;
    }

    TMenuItem2000* pictures = nullptr;
    TMenuItem2000* alpha = nullptr;
    TMenuItem2000* beta = nullptr;
    TCustomMenuBar2000::UnderlinesSource previousCues;
};

} // namespace

TEST_F(KeptDropDownPictures, AnUnchangedSubmenuShowsThePictureKeptFromItsLastOpening)
{
    Form* window = Open();
    ASSERT_NE(window, nullptr);
    const qint64 kept = window->CanvasImage().cacheKey();
    // A selection is painted into the window's own copy only.
    tracker.Pointer().MouseMove(*window, window->EntryRect(0).center());
    EXPECT_GT(Grab(*window).Count(yellow), 0);
    Close();
    window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->CanvasImage().cacheKey(), kept);
    const Shown shown = Grab(*window);
    EXPECT_EQ(shown.Count(yellow), 0);
    EXPECT_GT(shown.Count(red, shown.entries[0]), 0);
    EXPECT_GT(shown.Count(red, shown.entries[1]), 0);
    Close();
    // Each submenu keeps its own.
    Click(0);
    Close();
    window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->CanvasImage().cacheKey(), kept);
}

TEST_F(KeptDropDownPictures, ChangedEntriesShowAtTheNextOpening)
{
    const Shown before = OpenAndGrab();
    ASSERT_EQ(before.entries.size(), 2u);

    beta->SetCaption(QStringLiteral("&Beta with a much longer caption"));
    const Shown longer = OpenAndGrab();
    ASSERT_GT(longer.image.width(), before.image.width());
    EXPECT_GT(longer.Count(red, QRect(before.image.width(), 0,
                                      longer.image.width() - before.image.width(),
                                      longer.image.height())),
              0);

    alpha->SetEnabled(false);
    const Shown disabled = OpenAndGrab();
    EXPECT_EQ(disabled.Count(red, disabled.entries[0]), 0);
    EXPECT_GT(disabled.Count(blue, disabled.entries[0]), 0);

    alpha->SetEnabled(true);
    const Shown enabled = OpenAndGrab();
    EXPECT_EQ(enabled.Count(red, enabled.entries[0]), disabled.Count(blue, disabled.entries[0]));
    alpha->SetChecked(true);
    EXPECT_GT(OpenAndGrab().Marked(enabled.GlyphColumn(0)), enabled.Marked(enabled.GlyphColumn(0)))
        << "the check mark";

    // An entry that gets a submenu shows the arrow at its right end.
    const QRect right = enabled.entries[1].adjusted(enabled.entries[1].width() - 20, 0, 0, 0);
    const int withoutArrow = enabled.Count(red, right);
    AddItem(QStringLiteral("Gamma"), beta);
    EXPECT_GT(OpenAndGrab().Count(red, right), withoutArrow);

    beta->SetVisible(false);
    const Shown hidden = OpenAndGrab();
    ASSERT_EQ(hidden.entries.size(), 1u);
    EXPECT_EQ(hidden.image.height(), enabled.image.height() - enabled.entries[1].height());
    beta->SetVisible(true);
    EXPECT_EQ(OpenAndGrab().entries.size(), 2u);
}

TEST_F(KeptDropDownPictures, ChangedGlyphsShowAtTheNextOpening)
{
    TBitmap limeGlyph;
    limeGlyph.SetImage(Glyph(lime));
    alpha->SetBitmap(&limeGlyph);
    const Shown lit = OpenAndGrab();
    EXPECT_GT(lit.Count(lime, lit.GlyphColumn(0)), 0);

    // Painted over where it is, without being set again.
    TCanvas& canvas = *alpha->Bitmap()->Canvas();
    canvas.Brush()->SetColor(clFuchsia);
    canvas.FillRect(QRect(0, 0, 16, 15));
    canvas.FillRect(QRect(1, 15, 15, 1));
    const Shown repainted = OpenAndGrab();
    EXPECT_EQ(repainted.Count(lime, repainted.GlyphColumn(0)), 0);
    EXPECT_GT(repainted.Count(fuchsia, repainted.GlyphColumn(0)), 0);

    // A picture of the menu's image list, replaced in the list.
    TImageList images(nullptr);
    images.Add(Glyph(aqua));
    TCustomPopupMenu2000 popup(nullptr);
    popup.SetImages(&images);
    beta->SetImageIndex(0);
    const auto betaGlyph = [&] {
        Form* window = tracker.Popup(popup, *pictures, QPoint(100, 100));
        const Shown shown = Grab(*window);
        Close();
        return shown;
    };
    EXPECT_GT(betaGlyph().Count(aqua), 0);
    images.Replace(0, Glyph(purple));
    const Shown replaced = betaGlyph();
    EXPECT_EQ(replaced.Count(aqua), 0);
    EXPECT_GT(replaced.Count(purple), 0);
}

TEST_F(KeptDropDownPictures, ChangedOptionsSkinAndFontShowAtTheNextOpening)
{
    EXPECT_EQ(OpenAndGrab().Background(0), white);
    menu.Options()->Colors()->SetValueAt(C::Menu, clYellow);
    EXPECT_EQ(OpenAndGrab().Background(0), yellow);

    // The item's own options reach its drop-down without the menu hearing of them.
    pictures->Options()->Colors()->SetValueAt(C::Menu, clAqua);
    EXPECT_EQ(OpenAndGrab().Background(0), aqua);
    pictures->Options()->SetParentColors(true);
    const int plainHeight = OpenAndGrab().image.height();
    pictures->Options()->SetDraggable(true);
    EXPECT_EQ(OpenAndGrab().image.height(), plainHeight + T_AM2000_DropDownLayout::DragStripHeight);
    pictures->Options()->SetDraggable(false);

    // The skin's submenu arrow, set and then painted over where it is.
    AddItem(QStringLiteral("Gamma"), beta);
    const auto arrowPixels = [&](QRgb colour) {
        const Shown shown = OpenAndGrab();
        return shown.Count(colour, shown.entries[1]);
    };
    TBitmap arrow;
    arrow.SetImage(Glyph(purple).copy(0, 8, 8, 8));
    menu.Options()->Skin()->SetValueAt(T_AM2000_Skin::Triangle, &arrow);
    EXPECT_GT(arrowPixels(purple), 0);
    TCanvas& canvas = *menu.Options()->Skin()->ValueAt(T_AM2000_Skin::Triangle)->Canvas();
    canvas.Brush()->SetColor(clLime);
    canvas.FillRect(QRect(1, 0, 7, 8));
    canvas.FillRect(QRect(0, 0, 1, 7));
    EXPECT_EQ(arrowPixels(purple), 0);
    EXPECT_GT(arrowPixels(lime), 0);

    const int height = OpenAndGrab().image.height();
    menu.SetSystemFont(false);
    menu.Font()->SetHeight(-30);
    EXPECT_GT(OpenAndGrab().image.height(), height + 20);
}

TEST_F(KeptDropDownPictures, OwnerDrawnEntriesArePaintedAtEveryOpening)
{
    int painted = 0;
    alpha->OnDrawItem = [&](TObject*, TCanvas* canvas, const QRect& rect, bool) {
        ++painted;
        canvas->Brush()->SetColor(clLime);
        canvas->FillRect(rect);
    };
    for (int opening = 1; opening <= 3; ++opening) {
        EXPECT_GT(OpenAndGrab().Count(lime), 0);
        EXPECT_EQ(painted, opening);
    }
}

// A submenu opened from a window that underlines accelerators underlines them from its
// first frame: the picture kept from a mouse opening, without underlines, does not do.
TEST_F(KeptDropDownPictures, ASubmenuShowsTheUnderlinesOfTheWindowItOpensFrom)
{
    AddItem(QStringLiteral("&One"), alpha);
    AddItem(QStringLiteral("&Two"), alpha);
    const auto twoInSubmenu = [&](bool keyboard) {
        if (keyboard) {
            // Away from the item that the mouse left hot.
            bar->ResetBar();
            Key(Qt::Key_Alt);
            for (int i = 0; i < 3; ++i)
                Key(Qt::Key_Right);
            Key(Qt::Key_Down);
            Key(Qt::Key_Right);
        } else {
            Form* window = Open();
            tracker.Pointer().MouseMove(*window, window->EntryRect(0).center());
            Advance(T_AM2000_MenuTimer::SubmenuDelay);
        }
        Form* child = tracker.TopWindow() ? tracker.TopWindow()->ChildWindow() : nullptr;
        EXPECT_NE(child, nullptr);
        const Shown shown = child ? Grab(*child) : Shown{};
        Close();
        return shown.entries.size() == 2 ? shown.Count(red, shown.entries[1]) : -1;
    };
    const int plain = twoInSubmenu(false);
    ASSERT_GT(plain, 0);
    EXPECT_GT(twoInSubmenu(true), plain);
    EXPECT_EQ(twoInSubmenu(false), plain);
}

TEST_F(KeptDropDownPictures, OnlyThePicturesOpenedLastAreKept)
{
    const int count = int(T_AM2000_DropDownPictures::Capacity) + 4;
    for (int i = 0; i < count; ++i)
        AddItem(QStringLiteral("Entry %1").arg(i), beta);
    TCustomPopupMenu2000 popup(nullptr);
    for (int i = 0; i < count; ++i) {
        auto* entry = static_cast<TMenuItem2000*>(beta->Items(i));
        AddItem(QStringLiteral("Below"), entry);
        tracker.Popup(popup, *entry, QPoint(100, 100));
        Close();
    }
    EXPECT_EQ(popup.Pictures().Count(), int(T_AM2000_DropDownPictures::Capacity));
    // The menu's own settings drop them all.
    popup.SetCtl3D(!popup.Ctl3D());
    EXPECT_EQ(popup.Pictures().Count(), 0);
}
