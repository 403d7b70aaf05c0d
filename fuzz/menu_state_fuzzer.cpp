// Feeds arbitrary per-user menu state to a loading main menu: each input line
// "PATH=TEXT" becomes a string value under the menu's key (PATH is the value's name,
// after the subkeys it stands in: "Save1", "Options\Animation",
// "New Menu Items\File1\Count"). Applying it must keep the item tree whole and within
// bounds whatever the values say; nothing may crash.
#include "Exception.h"
#include "MenuClasses.h"
#include "PlatformClasses.h"
#include "TApplication.h"
#include "TLayoutLoader.h"
#include "TMainMenu2000.h"
#include "TMenuItem.h"
#include "TMenuStateLoader.h"
#include "TMenuStorage.h"
#include "TRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

TApplication* application = nullptr;
QTemporaryDir* profile = nullptr;

constexpr char menuLayout[] = R"(object Form1: TComponent
  object MainMenu1: TMainMenu2000
    object File1: TMenuItem2000
      Caption = 'File'
      object Open1: TMenuItem2000
        Caption = 'Open'
      end
      object Save1: TMenuItem2000
        Caption = 'Save'
      end
    end
    object Edit1: TMenuItem2000
      Caption = 'Edit'
      object Copy1: TMenuItem2000
        Caption = 'Copy'
      end
    end
  end
end
)";

void StoreLines(const QString& text)
{
    QFile::remove(TRegistry::UserFileName());
    TRegistry registry;
    const QString menuKey = TMenuStorage::Instance().MenuKey(QStringLiteral("MainMenu1"));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString path = line.left(equals);
        const qsizetype slash = path.lastIndexOf(QLatin1Char('\\'));
        try {
            registry.OpenKey(menuKey + QLatin1Char('\\') + path.left(std::max<qsizetype>(slash, 0)),
                             true);
            registry.WriteString(path.mid(slash + 1), line.mid(equals + 1));
        } catch (const Exception&) {
            // A name the file cannot hold is no state.
        }
    }
    registry.Flush();
}

// Every item sits in its parent's list, and no more items exist than the stored counts
// allow.
int CheckedItemCount(const TMenuItem* item)
{
    int count = 0;
    for (int i = 0; i < item->Count(); ++i) {
        const TMenuItem* child = item->Items(i);
        if (child->Parent() != item || item->IndexOf(child) != i)
            std::abort();
        count += 1 + CheckedItemCount(child);
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new TApplication(*argc, *argv);
    profile = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(profile->path()));
    RegisterPlatformClasses();
    RegisterMenuClasses();
    TMenuStorage::Instance().Start(QStringLiteral("zentuvio"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StoreLines(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    TComponent form(nullptr);
    TLayoutLoader(&form, QStringLiteral("Form1")).Apply(QString::fromUtf8(menuLayout));
    auto* menu = dynamic_cast<TMainMenu2000*>(form.FindComponent(QStringLiteral("MainMenu1")));
    TMenuStateLoader::Apply(*menu);
    // Six items of the layout and at most MaxAddedItems under each of them.
    if (CheckedItemCount(menu->Items()) > 6 * (1 + TMenuStateLoader::MaxAddedItems))
        std::abort();
    return 0;
}
