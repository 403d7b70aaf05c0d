#include "DataClasses.h"
#include "DbPictureClasses.h"
#include "DbPictureTestSupport.h"
#include "PlatformClasses.h"
#include "TDBCtrlGrid.h"
#include "TDBCtrlPanel.h"
#include "TJpegDataLink.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"
#include "TPicture.h"

using namespace dbpicturetest;

namespace {

// The icon grid of the main window with its picture control.
const char* iconGridLayout = R"(object Form1: TComponent
  object DataSource1: TDataSource
  end
  object DBCtrlGrid1: TDBCtrlGrid
    Width = 640
    Height = 398
    ColCount = 6
    DataSource = DataSource1
    PanelHeight = 66
    PanelWidth = 103
    RowCount = 6
    object BzDBImage1: TBzDBImage
      Align = alClient
      BorderStyle = bsNone
      DataField = 'Mirelvane'
      DataSource = DataSource1
    end
  end
end
)";

} // namespace

TEST(BzDBImageLayout, TheIconGridsControlLoadsOntoTheGridsPanelAndWritesBackStably)
{
    RegisterPlatformClasses();
    RegisterDataClasses();
    RegisterDbPictureClasses();
    TComponent form(nullptr);
    TLayoutLoader(&form, QStringLiteral("Form1")).Apply(QString::fromUtf8(iconGridLayout));

    auto* grid = dynamic_cast<TDBCtrlGrid*>(form.FindComponent(QStringLiteral("DBCtrlGrid1")));
    auto* image = dynamic_cast<TBzDBImage*>(form.FindComponent(QStringLiteral("BzDBImage1")));
    ASSERT_TRUE(grid && image);
    EXPECT_EQ(image->Parent(), grid->Panel());
    EXPECT_EQ(image->BoundsRect(), QRect(0, 0, 103, 66));
    EXPECT_EQ(image->DataSource(), grid->DataSource());
    EXPECT_TRUE(image->QueryDataLink()->DataSourceFixed());
    EXPECT_EQ(image->BorderStyle(), TBorderStyle::bsNone);
    EXPECT_TRUE(image->AutoDisplay());
    EXPECT_TRUE(image->Center());
    EXPECT_TRUE(image->QuickDraw());
    EXPECT_FALSE(image->Stretch());

    const QString written = TLayoutWriter::Write(&form);
    EXPECT_FALSE(written.contains(QStringLiteral("AutoDisplay")));
    EXPECT_FALSE(written.contains(QStringLiteral("Stretch")));
    TComponent again(nullptr);
    TLayoutLoader(&again, QStringLiteral("Form1")).Apply(written);
    EXPECT_EQ(TLayoutWriter::Write(&again).toStdString(), written.toStdString());
}

TEST(BzDBImageLayout, ANewControlHasTheDocumentedDefaults)
{
    TBzDBImage image(nullptr);
    EXPECT_EQ(image.BoundsRect(), QRect(0, 0, 105, 105));
    EXPECT_TRUE(image.TabStop());
    EXPECT_FALSE(image.ParentColor());
    EXPECT_EQ(image.Color(), clWindow);
    EXPECT_EQ(image.BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_FALSE(image.PictureFetched());
    EXPECT_EQ(image.Picture()->Graphic(), nullptr);
}
