#include "MenuGlyphRecipes.h"

using namespace TangoColors;

namespace {

using Canvas = GlyphCanvas;

GlyphRecipe Tango(const char* name)
{
    return [name](Canvas& g) { g.Icon(QString::fromLatin1(name)); };
}

// A theme icon with a smaller one over its bottom-right corner.
GlyphRecipe TangoWith(const char* name, const char* badge)
{
    return [name, badge](Canvas& g) {
        g.Icon(QString::fromLatin1(name));
        g.Icon(QString::fromLatin1(badge), QRect(7, 7, 9, 9));
    };
}

// Vertical alignment of content inside a cell: the cell outline and a text block at the
// top (0), middle (1) or bottom (2).
void CellAlign(Canvas& g, int place)
{
    g.Box(QRect(1, 1, 14, 14), White, Aluminium4);
    const int top = place == 0 ? 3 : place == 1 ? 6 : 9;
    g.HLine(4, 11, top, Sky3);
    g.HLine(4, 11, top + 2, Sky3);
    g.HLine(4, 9, top + 4, Sky3);
}

void Table(Canvas& g)
{
    g.Grid(QRect(1, 2, 14, 12), 3, 3);
    g.Fill(QRect(2, 3, 12, 3), Sky1);
}

void Columns(Canvas& g, int highlight)
{
    g.Grid(QRect(1, 2, 14, 12), 3, 3);
    if (highlight >= 0)
        g.Fill(QRect(2 + highlight * 4 + (highlight > 1 ? 1 : 0), 3, 4, 10), Butter1);
}

void Rows(Canvas& g, int highlight)
{
    g.Grid(QRect(1, 1, 14, 13), 2, 3);
    g.Fill(QRect(2, 2 + highlight * 4, 12, 3), Butter1);
}

void Bullets(Canvas& g, bool numbers)
{
    for (int row = 0; row < 3; ++row) {
        const int y = 2 + row * 5;
        if (numbers)
            g.Text(QRect(0, y - 2, 6, 7), QString::number(row + 1), 7, true, Sky3);
        else
            g.Ellipse(QRectF(1, y, 3, 3), Sky3, Sky3);
        g.HLine(6, 14, y + 1, Aluminium5);
    }
}

void Document(Canvas& g)
{
    g.Page(QRect(2, 0, 12, 16));
    g.TextLines(QRect(4, 4, 7, 10));
}

void Distribute(Canvas& g, bool horizontal)
{
    for (int i = 0; i < 3; ++i) {
        const QRect box = horizontal ? QRect(1 + i * 5, 4, 4, 8) : QRect(4, 1 + i * 5, 8, 4);
        g.Box(box, Sky1, Sky3);
    }
}

void DistributeEvenly(Canvas& g, bool columns)
{
    g.Grid(QRect(1, 3, 14, 10), columns ? 3 : 1, columns ? 1 : 3);
    if (columns)
        g.Line(QPointF(2, 1.5), QPointF(14, 1.5), Scarlet2);
    else
        g.Line(QPointF(0.5, 3), QPointF(0.5, 13), Scarlet2);
}

void Arrows(Canvas& g, bool dependents, bool remove)
{
    g.Box(QRect(0, 5, 5, 5), Butter1, Aluminium5);
    g.Box(QRect(11, 5, 5, 5), White, Aluminium5);
    const QColor colour = dependents ? Sky2 : Chameleon3;
    if (dependents)
        g.Arrow(QPointF(4, 7.5), QPointF(11, 7.5), colour, 1.5);
    else
        g.Arrow(QPointF(11, 7.5), QPointF(4, 7.5), colour, 1.5);
    if (remove) {
        g.Line(QPointF(5, 11), QPointF(10, 15), Scarlet2, 1.5);
        g.Line(QPointF(10, 11), QPointF(5, 15), Scarlet2, 1.5);
    }
}

void MoveArrow(Canvas& g, QPointF from, QPointF to)
{
    g.Box(QRect(5, 5, 6, 6), Aluminium2, Aluminium4);
    g.Arrow(from, to, Sky2, 2.0);
}

void Envelope(Canvas& g, bool open)
{
    g.Envelope(QRect(0, 3, 16, 11), open);
}

void SystemWindow(Canvas& g, const QRect& rect)
{
    g.Window(rect, Sky3);
}

} // namespace

const std::map<QString, GlyphRecipe>& MenuGlyphRecipes()
{
    static const std::map<QString, GlyphRecipe> recipes{
        {"Address Book", Tango("mimetypes/x-office-address-book")},
        {"Align Bottom", [](Canvas& g) { CellAlign(g, 2); }},
        {"Align Center", Tango("actions/format-justify-center")},
        {"Align Justify", Tango("actions/format-justify-fill")},
        {"Align Left", Tango("actions/format-justify-left")},
        {"Align Middle", [](Canvas& g) { CellAlign(g, 1); }},
        {"Align Right", Tango("actions/format-justify-right")},
        {"Align Top", [](Canvas& g) { CellAlign(g, 0); }},
        {"AutoFit to Contents",
         [](Canvas& g) {
             g.Grid(QRect(3, 3, 10, 10), 2, 2);
             g.Arrow(QPointF(0.5, 8), QPointF(3, 8), Scarlet2, 1.0);
             g.Arrow(QPointF(15.5, 8), QPointF(13, 8), Scarlet2, 1.0);
         }},
        {"AutoFit to Window",
         [](Canvas& g) {
             g.Grid(QRect(1, 3, 14, 10), 2, 2);
             g.Arrow(QPointF(6, 8), QPointF(1.5, 8), Scarlet2, 1.0);
             g.Arrow(QPointF(10, 8), QPointF(14.5, 8), Scarlet2, 1.0);
         }},
        {"Auto Format",
         [](Canvas& g) {
             Table(g);
             g.Line(QPointF(7, 15), QPointF(15, 7), Aluminium6, 1.5);
             g.Ellipse(QRectF(12, 4, 4, 4), Butter1, Butter3);
         }},
        {"Auto Preview",
         [](Canvas& g) {
             Envelope(g, false);
             g.TextLines(QRect(3, 10, 10, 12), Sky2);
         }},
        {"Auto Shapes",
         [](Canvas& g) {
             g.Ellipse(QRectF(0, 0, 9, 9), Butter1, Butter3);
             g.Box(QRect(6, 6, 9, 9), Sky1, Sky3);
         }},
        {"Auto Summarize",
         [](Canvas& g) {
             Document(g);
             g.Fill(QRect(4, 6, 7, 1), Butter2);
             g.Fill(QRect(4, 10, 7, 1), Butter2);
         }},
        {"Auto Text",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 16, 16), QStringLiteral("a"), 13, true, Sky3);
             g.Pencil(QPointF(9, 15), 6);
         }},
        {"Back", Tango("actions/go-previous")},
        {"Background", Tango("apps/preferences-desktop-wallpaper")},
        {"Backward", Tango("actions/media-seek-backward")},
        {"Best of the Web", TangoWith("apps/internet-web-browser", "emblems/emblem-favorite")},
        {"Bold", Tango("actions/format-text-bold")},
        {"Bookmarks", Tango("actions/bookmark-new")},
        {"Bullets", [](Canvas& g) { Bullets(g, false); }},
        {"Bullets And Numbering",
         [](Canvas& g) {
             g.Ellipse(QRectF(1, 2, 3, 3), Sky3, Sky3);
             g.HLine(6, 14, 3, Aluminium5);
             g.Text(QRect(0, 6, 6, 8), QStringLiteral("1"), 7, true, Sky3);
             g.HLine(6, 14, 10, Aluminium5);
             g.HLine(6, 14, 13, Aluminium5);
         }},
        {"Cascade",
         [](Canvas& g) {
             g.Window(QRect(0, 0, 10, 9));
             g.Window(QRect(3, 3, 10, 9));
             g.Window(QRect(6, 6, 10, 10));
         }},
        {"Center", Tango("actions/format-justify-center")},
        {"Chart",
         [](Canvas& g) {
             g.HLine(0, 15, 15, Aluminium6);
             g.Box(QRect(1, 8, 4, 7), Sky1, Sky3);
             g.Box(QRect(6, 3, 4, 12), Scarlet1, Scarlet3);
             g.Box(QRect(11, 6, 4, 9), Chameleon1, Chameleon3);
         }},
        {"Check Spelling",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 16, 9), QStringLiteral("abc"), 7, true, Sky3);
             g.Check(QRect(4, 9, 9, 6), Chameleon3);
         }},
        {"Clip Art", Tango("mimetypes/image-x-generic")},
        {"Columns",
         [](Canvas& g) {
             g.Page(QRect(1, 0, 14, 16));
             g.TextLines(QRect(3, 4, 4, 13));
             g.TextLines(QRect(9, 4, 4, 13));
         }},
        {"Columns to the Left", [](Canvas& g) { Columns(g, 0); }},
        {"Columns to the Right", [](Canvas& g) { Columns(g, 2); }},
        {"Comment", Tango("apps/internet-group-chat")},
        {"Comments",
         [](Canvas& g) {
             g.Polygon(QPolygonF({{1.5, 1.5},
                                  {14.5, 1.5},
                                  {14.5, 10.5},
                                  {7.5, 10.5},
                                  {3.5, 14.5},
                                  {4.5, 10.5},
                                  {1.5, 10.5}}),
                       Butter1, Butter3);
             g.TextLines(QRect(4, 4, 8, 8), Butter3, 2);
         }},
        {"Contents",
         [](Canvas& g) {
             g.Box(QRect(2, 1, 12, 14), Sky1, Sky3);
             g.Fill(QRect(4, 1, 1, 14), Sky3);
             g.Box(QRect(6, 4, 6, 3), White, Sky3);
         }},
        {"Contents And Index",
         [](Canvas& g) {
             g.Box(QRect(1, 1, 11, 14), Sky1, Sky3);
             g.Fill(QRect(3, 1, 1, 14), Sky3);
             g.Box(QRect(12, 3, 3, 4), Butter1, Butter3);
             g.Box(QRect(12, 8, 3, 4), Scarlet1, Scarlet3);
         }},
        {"Copy", Tango("actions/edit-copy")},
        {"Create", Tango("actions/document-new")},
        {"Create II", Tango("actions/tab-new")},
        {"Create New Query",
         [](Canvas& g) {
             Table(g);
             g.Icon(QStringLiteral("actions/document-new"), QRect(7, 7, 9, 9));
         }},
        {"Cut", Tango("actions/edit-cut")},
        {"Data Range Properties",
         [](Canvas& g) {
             Table(g);
             g.Icon(QStringLiteral("actions/document-properties"), QRect(7, 7, 9, 9));
         }},
        {"Date", Tango("mimetypes/x-office-calendar")},
        {"Date And Time",
         [](Canvas& g) {
             g.Calendar(QRect(0, 0, 12, 12));
             g.Clock(QRect(7, 7, 9, 9));
         }},
        {"Date Time",
         [](Canvas& g) {
             g.Clock(QRect(0, 0, 10, 10));
             g.Calendar(QRect(6, 6, 10, 10));
         }},
        {"Decrease Indent", Tango("actions/format-indent-less")},
        {"Delete", Tango("actions/edit-delete")},
        {"Delete II", Tango("places/user-trash")},
        {"Distribute Columns Evenly", [](Canvas& g) { DistributeEvenly(g, true); }},
        {"Distribute Horizontally", [](Canvas& g) { Distribute(g, true); }},
        {"Distribute Rows Evenly", [](Canvas& g) { DistributeEvenly(g, false); }},
        {"Distribute Vertically", [](Canvas& g) { Distribute(g, false); }},
        {"Document Map",
         [](Canvas& g) {
             g.Box(QRect(0, 1, 16, 14), White, Aluminium5);
             g.Fill(QRect(1, 2, 5, 12), Aluminium2);
             g.TextLines(QRect(2, 4, 3, 11), Sky2, 3);
             g.TextLines(QRect(8, 4, 6, 12));
         }},
        {"Down", Tango("actions/go-down")},
        {"Draw Table",
         [](Canvas& g) {
             g.Grid(QRect(0, 4, 12, 12), 2, 2);
             g.Pencil(QPointF(8, 9), 7);
         }},
        {"Edit Query",
         [](Canvas& g) {
             Table(g);
             g.Pencil(QPointF(7, 15), 8);
         }},
        {"Envelopes And Labels",
         [](Canvas& g) {
             Envelope(g, false);
             g.Fill(QRect(9, 5, 4, 3), Scarlet1);
         }},
        {"Exchange Folder", Tango("places/folder-remote")},
        {"Fax Recipient",
         [](Canvas& g) {
             g.Box(QRect(3, 0, 9, 8), White, Aluminium4);
             g.TextLines(QRect(5, 2, 5, 6));
             g.Box(QRect(0, 7, 16, 8), Aluminium2, Aluminium5);
             g.Fill(QRect(2, 9, 5, 2), Aluminium5);
             g.Fill(QRect(9, 9, 5, 4), Sky1);
         }},
        {"Find", Tango("actions/edit-find")},
        {"Find Next",
         [](Canvas& g) {
             g.Magnifier(QRect(0, 0, 12, 12));
             g.Arrow(QPointF(9, 13), QPointF(15.5, 13), Chameleon3, 2.0);
         }},
        {"Fixed Column Width",
         [](Canvas& g) {
             g.Grid(QRect(1, 3, 14, 12), 3, 2);
             g.HLine(1, 15, 1, Scarlet2);
             g.VLine(1, 0, 2, Scarlet2);
             g.VLine(15, 0, 2, Scarlet2);
         }},
        {"Font", Tango("apps/preferences-desktop-font")},
        {"Font Size",
         [](Canvas& g) {
             g.Text(QRect(0, 4, 7, 12), QStringLiteral("A"), 8, true, Sky3);
             g.Text(QRect(5, 0, 11, 16), QStringLiteral("A"), 14, true, Aluminium6);
         }},
        {"Font Style",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 16, 16), QStringLiteral("S"), 15, true, Plum2);
             g.HLine(2, 13, 14, Plum3);
         }},
        {"Forward", Tango("actions/go-next")},
        {"Free Stuff", Tango("emblems/emblem-favorite")},
        {"Frequently Asked Questions",
         [](Canvas& g) {
             g.Ellipse(QRectF(0, 0, 16, 16), Sky1, Sky3);
             g.Text(QRect(0, 0, 16, 16), QStringLiteral("?"), 12, true, White);
         }},
        {"From File",
         [](Canvas& g) {
             g.Icon(QStringLiteral("places/folder"));
             g.Icon(QStringLiteral("mimetypes/image-x-generic"), QRect(7, 7, 9, 9));
         }},
        {"From Scanner or Camera", Tango("devices/camera-photo")},
        {"Full Screen", Tango("actions/view-fullscreen")},
        {"Function",
         [](Canvas& g) { g.Text(QRect(0, 0, 16, 16), QStringLiteral("fx"), 11, true, Sky3); }},
        {"Go To Bookmark", Tango("actions/go-jump")},
        {"Group",
         [](Canvas& g) {
             g.Box(QRect(0, 0, 16, 16), Aluminium1, Aluminium4);
             g.Box(QRect(2, 2, 7, 6), Sky1, Sky3);
             g.Ellipse(QRectF(6, 6, 8, 8), Butter1, Butter3);
         }},
        {"Height",
         [](Canvas& g) {
             g.Box(QRect(6, 2, 9, 12), White, Aluminium4);
             g.Arrow(QPointF(2.5, 8), QPointF(2.5, 0.5), Scarlet2, 1.0);
             g.Arrow(QPointF(2.5, 8), QPointF(2.5, 15.5), Scarlet2, 1.0);
         }},
        {"Help On Help", Tango("apps/help-browser")},
        {"Help Topics",
         [](Canvas& g) {
             g.Box(QRect(1, 1, 12, 14), Sky1, Sky3);
             g.Fill(QRect(3, 1, 1, 14), Sky3);
             g.Text(QRect(4, 1, 9, 14), QStringLiteral("?"), 10, true, White);
         }},
        {"Hide Detail", [](Canvas& g) { g.Sign(QRect(3, 3, 10, 10), false); }},
        {"Hide Gridlines",
         [](Canvas& g) {
             g.Grid(QRect(1, 1, 14, 14), 3, 3, White, Aluminium3);
             g.Line(QPointF(2, 14), QPointF(14, 2), Scarlet2, 1.5);
         }},
        {"Highlight Changes",
         [](Canvas& g) {
             Document(g);
             g.Fill(QRect(4, 6, 7, 3), Butter1);
             g.Pencil(QPointF(8, 15), 7);
         }},
        {"Home", Tango("actions/go-home")},
        {"Hyperlink",
         [](Canvas& g) {
             g.Icon(QStringLiteral("categories/applications-internet"));
             g.Ellipse(QRectF(7, 9, 6, 5), Qt::transparent, Aluminium6);
             g.Ellipse(QRectF(10, 9, 6, 5), Qt::transparent, Aluminium6);
         }},
        {"Increase Indent", Tango("actions/format-indent-more")},
        {"Indent", Tango("actions/format-indent-more")},
        {"Insert Object",
         [](Canvas& g) {
             g.Box(QRect(0, 2, 16, 12), White, Aluminium5);
             g.Ellipse(QRectF(2, 4, 7, 7), Scarlet1, Scarlet3);
             g.Box(QRect(7, 7, 7, 5), Sky1, Sky3);
         }},
        {"Italic", Tango("actions/format-text-italic")},
        {"Justify", Tango("actions/format-justify-fill")},
        {"Left", Tango("actions/format-justify-left")},
        {"Macros", Tango("actions/media-playback-start")},
        {"Mail", Tango("apps/internet-mail")},
        {"Mail Recipient", Tango("actions/mail-message-new")},
        {"Mail Recipient (as Attachement)", Tango("status/mail-attachment")},
        {"Map", Tango("categories/applications-internet")},
        {"Mark As Read", [](Canvas& g) { Envelope(g, true); }},
        {"Mark As Unread",
         [](Canvas& g) {
             Envelope(g, false);
             g.Ellipse(QRectF(10, 0, 6, 6), Butter1, Butter3);
         }},
        {"Master Document",
         [](Canvas& g) {
             g.Page(QRect(0, 0, 10, 13));
             g.Page(QRect(5, 3, 11, 13));
             g.TextLines(QRect(7, 7, 6, 13));
         }},
        {"Meet Now", Tango("apps/system-users")},
        {"Merge Cells",
         [](Canvas& g) {
             g.Grid(QRect(0, 2, 16, 12), 1, 2);
             g.Arrow(QPointF(1.5, 5), QPointF(6.5, 5), Sky2, 1.0);
             g.Arrow(QPointF(14.5, 5), QPointF(9.5, 5), Sky2, 1.0);
         }},
        {"Microsoft Excel Help", TangoWith("mimetypes/x-office-spreadsheet", "apps/help-browser")},
        {"Microsoft Home Page", TangoWith("apps/internet-web-browser", "actions/go-home")},
        {"Microsoft Office Home Page",
         TangoWith("apps/internet-web-browser", "mimetypes/x-office-document")},
        {"Microsoft Script Debugger", Tango("mimetypes/text-x-script")},
        {"Microsoft Word Help", TangoWith("mimetypes/x-office-document", "apps/help-browser")},
        {"Move Down", [](Canvas& g) { MoveArrow(g, QPointF(8, 1), QPointF(8, 15.5)); }},
        {"Move Left", [](Canvas& g) { MoveArrow(g, QPointF(15, 8), QPointF(0.5, 8)); }},
        {"Move Right", [](Canvas& g) { MoveArrow(g, QPointF(1, 8), QPointF(15.5, 8)); }},
        {"Move To Folder", Tango("status/folder-drag-accept")},
        {"Move Up", [](Canvas& g) { MoveArrow(g, QPointF(8, 15), QPointF(8, 0.5)); }},
        {"New", Tango("actions/document-new")},
        {"New Folder", Tango("actions/folder-new")},
        {"New Folder II", Tango("places/folder")},
        {"New Mail", Tango("apps/internet-mail")},
        {"New Mail Message", Tango("actions/mail-message-new")},
        {"New Note",
         [](Canvas& g) {
             g.Box(QRect(1, 1, 14, 14), Butter1, Butter3);
             g.TextLines(QRect(3, 5, 10, 12), Butter3, 3);
             g.Fill(QRect(1, 1, 14, 3), Butter2);
         }},
        {"New Task",
         [](Canvas& g) {
             g.Box(QRect(1, 0, 13, 16), White, Aluminium4);
             g.Check(QRect(3, 3, 4, 3), Chameleon3);
             g.HLine(8, 12, 4, Aluminium5);
             g.Box(QRect(3, 8, 3, 3), White, Aluminium5);
             g.HLine(8, 12, 9, Aluminium5);
         }},
        {"Normal", Document},
        {"Note",
         [](Canvas& g) {
             g.Polygon(
                 QPolygonF({{1.5, 1.5}, {14.5, 1.5}, {14.5, 10.5}, {10.5, 14.5}, {1.5, 14.5}}),
                 Butter1, Butter3);
             g.TextLines(QRect(3, 4, 9, 9), Butter3, 3);
         }},
        {"NUMBERING", [](Canvas& g) { Bullets(g, true); }},
        {"Object",
         [](Canvas& g) {
             g.Ellipse(QRectF(1, 1, 9, 9), Scarlet1, Scarlet3);
             g.Polygon(QPolygonF({{8.5, 15.5}, {12.5, 6.5}, {15.5, 15.5}}), Chameleon1, Chameleon3);
         }},
        {"Online Layout",
         [](Canvas& g) {
             g.Window(QRect(0, 1, 16, 14));
             g.TextLines(QRect(2, 6, 12, 12), Sky2, 3);
         }},
        {"Online Support", TangoWith("categories/applications-internet", "apps/help-browser")},
        {"Open", Tango("actions/document-open")},
        {"Organization Chart",
         [](Canvas& g) {
             g.Box(QRect(5, 0, 6, 5), Sky1, Sky3);
             g.VLine(8, 5, 7, Aluminium5);
             g.HLine(2, 13, 7, Aluminium5);
             g.VLine(2, 7, 9, Aluminium5);
             g.VLine(13, 7, 9, Aluminium5);
             g.Box(QRect(0, 10, 6, 5), Butter1, Butter3);
             g.Box(QRect(10, 10, 6, 5), Butter1, Butter3);
         }},
        {"Outline",
         [](Canvas& g) {
             g.HLine(1, 10, 2, Aluminium6);
             g.HLine(4, 13, 5, Aluminium5);
             g.HLine(4, 12, 8, Aluminium5);
             g.HLine(1, 9, 11, Aluminium6);
             g.HLine(4, 14, 14, Aluminium5);
         }},
        {"Page Break Preview",
         [](Canvas& g) {
             g.Page(QRect(2, 0, 12, 16));
             for (int x = 2; x < 15; x += 3)
                 g.HLine(x, x + 1, 8, Sky2);
         }},
        {"Page Layout",
         [](Canvas& g) {
             g.Page(QRect(2, 0, 12, 16));
             g.Fill(QRect(4, 3, 8, 4), Sky1);
             g.TextLines(QRect(4, 9, 8, 13));
         }},
        {"Paragraph",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 16, 16), QString(QChar(0x00B6)), 14, true, Aluminium6);
         }},
        {"Parameters", Tango("categories/preferences-system")},
        {"Paste", Tango("actions/edit-paste")},
        {"Pivot Table Report",
         [](Canvas& g) {
             g.Grid(QRect(0, 0, 16, 16), 3, 3);
             g.Fill(QRect(1, 1, 4, 4), Butter1);
             g.Fill(QRect(6, 1, 9, 4), Sky1);
             g.Fill(QRect(1, 6, 4, 9), Sky1);
         }},
        {"Print", Tango("actions/document-print")},
        {"Print Layout",
         [](Canvas& g) {
             g.Page(QRect(1, 0, 11, 14));
             g.TextLines(QRect(3, 3, 6, 9));
             g.Icon(QStringLiteral("actions/document-print"), QRect(7, 7, 9, 9));
         }},
        {"Print Preview", Tango("actions/document-print-preview")},
        {"Product News", Tango("apps/internet-news-reader")},
        {"Properties", Tango("actions/document-properties")},
        {"Record New Macro", Tango("actions/media-record")},
        {"Redo", Tango("actions/edit-redo")},
        {"Refresh", Tango("actions/view-refresh")},
        {"Refresh Data",
         [](Canvas& g) {
             Table(g);
             g.Icon(QStringLiteral("actions/view-refresh"), QRect(7, 7, 9, 9));
         }},
        {"Regroup",
         [](Canvas& g) {
             g.Box(QRect(0, 0, 16, 16), Aluminium1, Aluminium4);
             g.Box(QRect(2, 2, 7, 6), Sky1, Sky3);
             g.Ellipse(QRectF(6, 6, 8, 8), Butter1, Butter3);
             g.Arrow(QPointF(14, 1.5), QPointF(10, 1.5), Chameleon3, 1.0);
         }},
        {"Reload", Tango("actions/view-refresh")},
        {"Remove All Arrows",
         [](Canvas& g) {
             Arrows(g, true, true);
             g.Arrow(QPointF(11, 3), QPointF(4, 3), Chameleon3, 1.0);
         }},
        {"Remove Dependent Arrows", [](Canvas& g) { Arrows(g, true, true); }},
        {"Remove Precedent Arrows", [](Canvas& g) { Arrows(g, false, true); }},
        {"Repeat",
         [](Canvas& g) {
             g.Ellipse(QRectF(1, 2, 12, 12), Qt::transparent, Chameleon3);
             g.Polygon(QPolygonF({{10.5, 0.5}, {15.5, 4.5}, {10.5, 7.5}}), Chameleon3, Chameleon3);
         }},
        {"Replace", Tango("actions/edit-find-replace")},
        {"Right", Tango("actions/format-justify-right")},
        {"Routing Recipient",
         [](Canvas& g) {
             Envelope(g, false);
             g.Arrow(QPointF(4, 15), QPointF(15.5, 15), Orange2, 1.5);
         }},
        {"Rows Above", [](Canvas& g) { Rows(g, 0); }},
        {"Rows Below", [](Canvas& g) { Rows(g, 2); }},
        {"Ruler",
         [](Canvas& g) {
             g.Box(QRect(0, 4, 16, 8), Butter1, Chocolate3);
             for (int x = 2; x < 15; x += 2)
                 g.VLine(x, 5, x % 4 == 0 ? 8 : 6, Chocolate3);
         }},
        {"Run Database Query",
         [](Canvas& g) {
             Table(g);
             g.Polygon(QPolygonF({{8.5, 7.5}, {15.5, 11.5}, {8.5, 15.5}}), Chameleon2, Chameleon3);
         }},
        {"Run Web Query",
         [](Canvas& g) {
             g.Icon(QStringLiteral("categories/applications-internet"));
             g.Polygon(QPolygonF({{8.5, 7.5}, {15.5, 11.5}, {8.5, 15.5}}), Chameleon2, Chameleon3);
         }},
        {"Save", Tango("actions/document-save")},
        {"Save All",
         [](Canvas& g) {
             g.Icon(QStringLiteral("actions/document-save"), QRect(0, 0, 11, 11));
             g.Icon(QStringLiteral("actions/document-save"), QRect(5, 5, 11, 11));
         }},
        {"Save As Web Page", TangoWith("actions/document-save", "apps/internet-web-browser")},
        {"Search the Web",
         [](Canvas& g) {
             g.Icon(QStringLiteral("categories/applications-internet"), QRect(0, 0, 12, 12));
             g.Magnifier(QRect(6, 6, 10, 10));
         }},
        {"Send Feedback",
         [](Canvas& g) {
             g.Icon(QStringLiteral("apps/internet-group-chat"));
             g.Arrow(QPointF(6, 13), QPointF(15.5, 13), Orange2, 1.5);
         }},
        {"Send Mail", Tango("actions/mail-forward")},
        {"Set Bookmark",
         [](Canvas& g) {
             Document(g);
             g.Polygon(QPolygonF({{9.5, 0.5}, {13.5, 0.5}, {13.5, 8.5}, {11.5, 6.5}, {9.5, 8.5}}),
                       Scarlet1, Scarlet3);
         }},
        {"Set Date", [](Canvas& g) { g.Calendar(QRect(1, 1, 14, 14)); }},
        {"Set Font",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 16, 16), QStringLiteral("F"), 14, true, Aluminium6);
             g.Pencil(QPointF(8, 15), 7);
         }},
        {"Set Language", Tango("apps/preferences-desktop-locale")},
        {"Set Time", [](Canvas& g) { g.Clock(QRect(1, 1, 14, 14)); }},
        {"Show Detail", [](Canvas& g) { g.Sign(QRect(3, 3, 10, 10), true); }},
        {"Sort",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 9, 8), QStringLiteral("A"), 8, true, Sky3);
             g.Text(QRect(0, 8, 9, 8), QStringLiteral("Z"), 8, true, Scarlet3);
             g.Arrow(QPointF(12, 1), QPointF(12, 15.5), Aluminium6, 1.5);
         }},
        {"Spell Check",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 16, 9), QStringLiteral("abc"), 7, true, Scarlet3);
             g.Check(QRect(4, 9, 9, 6), Chameleon3);
         }},
        {"Split Cells",
         [](Canvas& g) {
             g.Grid(QRect(0, 2, 16, 12), 2, 1);
             g.Arrow(QPointF(6.5, 8), QPointF(1.5, 8), Sky2, 1.0);
             g.Arrow(QPointF(9.5, 8), QPointF(14.5, 8), Sky2, 1.0);
         }},
        {"Split Window",
         [](Canvas& g) {
             g.Window(QRect(0, 1, 16, 14));
             g.HLine(1, 14, 8, Aluminium5);
             g.TextLines(QRect(2, 5, 12, 6));
             g.TextLines(QRect(2, 10, 12, 13));
         }},
        {"SYSTEMCLOSE",
         [](Canvas& g) {
             g.Line(QPointF(4, 4), QPointF(12, 12), Aluminium6, 2.0);
             g.Line(QPointF(12, 4), QPointF(4, 12), Aluminium6, 2.0);
         }},
        {"SYSTEMMAXIMIZE", [](Canvas& g) { SystemWindow(g, QRect(3, 3, 10, 10)); }},
        {"SYSTEMMINIMIZE", [](Canvas& g) { g.Fill(QRect(4, 11, 7, 2), Aluminium6); }},
        {"SYSTEMMOVE",
         [](Canvas& g) {
             g.Arrow(QPointF(8, 8), QPointF(8, 0.5), Aluminium6, 1.0);
             g.Arrow(QPointF(8, 8), QPointF(8, 15.5), Aluminium6, 1.0);
             g.Arrow(QPointF(8, 8), QPointF(0.5, 8), Aluminium6, 1.0);
             g.Arrow(QPointF(8, 8), QPointF(15.5, 8), Aluminium6, 1.0);
         }},
        {"SYSTEMRESTORE",
         [](Canvas& g) {
             SystemWindow(g, QRect(5, 2, 9, 8));
             SystemWindow(g, QRect(2, 6, 9, 8));
         }},
        {"SYSTEMSIZE",
         [](Canvas& g) {
             g.Arrow(QPointF(8, 8), QPointF(1.5, 1.5), Aluminium6, 1.0);
             g.Arrow(QPointF(8, 8), QPointF(14.5, 14.5), Aluminium6, 1.0);
         }},
        {"Table of Contents in Frame",
         [](Canvas& g) {
             g.Window(QRect(0, 1, 16, 14));
             g.VLine(6, 4, 13, Aluminium5);
             g.TextLines(QRect(2, 5, 3, 12), Sky2, 2);
             g.TextLines(QRect(8, 5, 6, 12));
         }},
        {"Task",
         [](Canvas& g) {
             g.Box(QRect(1, 1, 14, 14), White, Aluminium5);
             g.Check(QRect(3, 4, 10, 8), Chameleon3);
         }},
        {"Text Box",
         [](Canvas& g) {
             g.Box(QRect(0, 1, 16, 14), White, Aluminium5);
             g.Text(QRect(1, 1, 14, 14), QStringLiteral("A"), 11, true, Sky3);
         }},
        {"Text Directions",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 10, 10), QStringLiteral("A"), 10, true, Sky3);
             g.Arrow(QPointF(13, 1), QPointF(13, 15.5), Scarlet2, 1.5);
             g.Arrow(QPointF(1, 13), QPointF(10.5, 13), Scarlet2, 1.5);
         }},
        {"Theme", Tango("apps/preferences-desktop-theme")},
        {"Tile",
         [](Canvas& g) {
             g.Window(QRect(0, 0, 8, 16));
             g.Window(QRect(8, 0, 8, 16));
         }},
        {"Time", [](Canvas& g) { g.Clock(QRect(0, 0, 16, 16)); }},
        {"Toolbox",
         [](Canvas& g) {
             g.Box(QRect(0, 5, 16, 10), Scarlet1, Scarlet3);
             g.Box(QRect(5, 2, 6, 4), Qt::transparent, Aluminium5);
             g.HLine(1, 14, 9, Scarlet3);
             g.Fill(QRect(7, 8, 2, 3), Aluminium2);
         }},
        {"Trace Dependents", [](Canvas& g) { Arrows(g, true, false); }},
        {"Trace Error",
         [](Canvas& g) {
             g.Box(QRect(0, 5, 5, 5), Scarlet1, Scarlet3);
             g.Box(QRect(11, 5, 5, 5), White, Aluminium5);
             g.Arrow(QPointF(4, 7.5), QPointF(11, 7.5), Scarlet2, 1.5);
             g.Text(QRect(0, 9, 6, 7), QStringLiteral("!"), 7, true, Scarlet3);
         }},
        {"Trace Precedents", [](Canvas& g) { Arrows(g, false, false); }},
        {"Underline", Tango("actions/format-text-underline")},
        {"Undo", Tango("actions/edit-undo")},
        {"Ungroup",
         [](Canvas& g) {
             g.Box(QRect(0, 0, 8, 7), Sky1, Sky3);
             g.Ellipse(QRectF(8, 8, 8, 8), Butter1, Butter3);
             g.Arrow(QPointF(4, 12), QPointF(1, 15), Aluminium6, 1.0);
         }},
        {"Unindent", Tango("actions/format-indent-less")},
        {"Up", Tango("actions/go-up")},
        {"Up One Level",
         [](Canvas& g) {
             g.Icon(QStringLiteral("places/folder"));
             g.Arrow(QPointF(11, 15), QPointF(11, 6.5), Chameleon3, 2.0);
         }},
        {"Visual Basic Editor", Tango("apps/accessories-text-editor")},
        {"Web Discussions", TangoWith("apps/internet-web-browser", "apps/internet-group-chat")},
        {"Web Layout",
         [](Canvas& g) {
             g.Page(QRect(2, 0, 12, 16));
             g.Icon(QStringLiteral("categories/applications-internet"), QRect(4, 3, 8, 8));
             g.TextLines(QRect(4, 12, 7, 14));
         }},
        {"Web Tutorial",
         [](Canvas& g) {
             g.Icon(QStringLiteral("categories/applications-internet"), QRect(0, 0, 12, 12));
             g.Box(QRect(7, 8, 9, 8), Sky1, Sky3);
             g.Fill(QRect(11, 8, 1, 8), Sky3);
         }},
        {"What's This?",
         [](Canvas& g) {
             g.Polygon(QPolygonF({{0.5, 0.5},
                                  {0.5, 11.5},
                                  {3.5, 8.5},
                                  {5.5, 12.5},
                                  {7, 11.5},
                                  {5.2, 7.7},
                                  {9, 7.5}}),
                       White, Aluminium6);
             g.Text(QRect(8, 4, 8, 12), QStringLiteral("?"), 11, true, Sky3);
         }},
        {"Width",
         [](Canvas& g) {
             g.Box(QRect(2, 6, 12, 9), White, Aluminium4);
             g.Arrow(QPointF(8, 2.5), QPointF(0.5, 2.5), Scarlet2, 1.0);
             g.Arrow(QPointF(8, 2.5), QPointF(15.5, 2.5), Scarlet2, 1.0);
         }},
        {"Word Art",
         [](Canvas& g) {
             g.Text(QRect(0, 0, 16, 16), QStringLiteral("A"), 15, true, Orange2);
             g.Text(QRect(1, 1, 16, 16), QStringLiteral("A"), 15, true, Sky2);
         }},
    };
    return recipes;
}

void DrawCheckMark(GlyphCanvas& canvas)
{
    canvas.Pixels(QPoint(4, 4),
                  {"......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X...."},
                  Qt::black);
}

void DrawRadioMark(GlyphCanvas& canvas)
{
    canvas.Pixels(QPoint(5, 5), {".XXXX.", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", ".XXXX."},
                  Qt::black);
}
