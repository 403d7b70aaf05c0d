#include "ERegistryException.h"
#include "TRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

const QString AppKey = QStringLiteral("\\Software\\Zentuvio\\Menus\\MenuOrder\\zentuvio");

class Registry : public ::testing::Test {
protected:
    QString FileName() const { return folder.filePath(QStringLiteral("Zentuvio/registry.ini")); }

    QByteArray FileBytes() const
    {
        QFile file(FileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void WriteFile(const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(FileName()).absolutePath());
        QFile file(FileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(Registry, KeysAndValuesKeepTheirRegistryNamesInTheFile)
{
    {
        TRegistry registry(FileName());
        ASSERT_TRUE(registry.OpenKey(AppKey, true));
        registry.WriteDWord(QStringLiteral("ElapsedTime"), 42);
        ASSERT_TRUE(registry.OpenKey(QStringLiteral("MainMenu1\\New Menu Items\\File1"), true));
        registry.WriteInteger(QStringLiteral("Count"), 2);
        registry.WriteString(QStringLiteral("0"), QStringLiteral("Caption=\"Open; \"now\"\""));
        EXPECT_EQ(registry.CurrentPath(),
                  QStringLiteral("Software\\Zentuvio\\Menus\\MenuOrder\\zentuvio\\MainMenu1\\"
                                 "New Menu Items\\File1"));
        registry.Flush();
    }
    QSettings raw(FileName(), QSettings::IniFormat);
    const QString app = QStringLiteral("Software/Zentuvio/Menus/MenuOrder/zentuvio/");
    EXPECT_EQ(raw.value(app + QStringLiteral("ElapsedTime")).toString(), QStringLiteral("42"));
    EXPECT_EQ(raw.value(app + QStringLiteral("MainMenu1/New Menu Items/File1/Count")).toString(),
              QStringLiteral("2"));

    TRegistry reread(FileName());
    ASSERT_TRUE(
        reread.OpenKey(AppKey + QStringLiteral("\\MainMenu1\\New Menu Items\\File1"), false));
    EXPECT_EQ(reread.ReadString(QStringLiteral("0")), QStringLiteral("Caption=\"Open; \"now\"\""));
    EXPECT_EQ(reread.ReadInteger(QStringLiteral("Count")), 2);
    EXPECT_EQ(reread.GetValueNames(), (QStringList{QStringLiteral("0"), QStringLiteral("Count")}));
}

TEST_F(Registry, AKeyOpensWithoutCreatingOnlyWhenItExists)
{
    TRegistry registry(FileName());
    EXPECT_FALSE(registry.OpenKey(AppKey, false));
    EXPECT_FALSE(registry.KeyExists(AppKey));
    EXPECT_THROW(registry.WriteString(QStringLiteral("x"), QStringLiteral("y")),
                 ERegistryException);

    ASSERT_TRUE(registry.OpenKey(AppKey, true));
    // Relative to the current key; a failed open leaves the current key as it was.
    EXPECT_FALSE(registry.OpenKey(QStringLiteral("Options"), false));
    EXPECT_EQ(registry.CurrentPath(), AppKey.mid(1));
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("MainMenu1"), true));
    registry.Flush();

    // A created key exists in the file while it holds nothing.
    TRegistry reread(FileName());
    ASSERT_TRUE(reread.OpenKey(AppKey, false));
    EXPECT_TRUE(reread.GetValueNames().isEmpty());
    EXPECT_EQ(reread.GetKeyNames(), QStringList{QStringLiteral("MainMenu1")});
    ASSERT_TRUE(reread.OpenKey(QStringLiteral("MainMenu1"), false));
    EXPECT_TRUE(reread.GetValueNames().isEmpty());
    EXPECT_TRUE(reread.GetKeyNames().isEmpty());
    EXPECT_TRUE(reread.KeyExists(AppKey + QStringLiteral("\\MainMenu1")));
}

TEST_F(Registry, NumbersAreReadOnlyWhenTheTextIsANumberOfTheirRange)
{
    WriteFile("[Software]\n"
              "Zentuvio\\Menus\\MenuOrder\\zentuvio\\Big=4294967295\n"
              "Zentuvio\\Menus\\MenuOrder\\zentuvio\\Minus=-3\n"
              "Zentuvio\\Menus\\MenuOrder\\zentuvio\\Word=twelve\n"
              "Zentuvio\\Menus\\MenuOrder\\zentuvio\\Empty=\n"
              "Zentuvio\\Menus\\MenuOrder\\zentuvio\\Listed=a, b\n");
    TRegistry registry(FileName());
    ASSERT_FALSE(registry.Damaged());
    ASSERT_TRUE(registry.OpenKey(AppKey, false));
    EXPECT_EQ(registry.ReadDWord(QStringLiteral("Big")), 4294967295u);
    EXPECT_THROW(registry.ReadInteger(QStringLiteral("Big")), ERegistryException);
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("Minus")), -3);
    EXPECT_TRUE(registry.ReadBool(QStringLiteral("Minus")));
    EXPECT_THROW(registry.ReadDWord(QStringLiteral("Minus")), ERegistryException);
    try {
        registry.ReadInteger(QStringLiteral("Word"));
        ADD_FAILURE() << "a word read as a number";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Invalid data type for 'Word'"));
    }
    EXPECT_THROW(registry.ReadInteger(QStringLiteral("Absent")), ERegistryException);

    EXPECT_TRUE(registry.ValueExists(QStringLiteral("Empty")));
    EXPECT_FALSE(registry.ValueHasData(QStringLiteral("Empty")));
    EXPECT_FALSE(registry.ValueExists(QStringLiteral("Absent")));
    EXPECT_EQ(registry.ReadString(QStringLiteral("Absent")), QString());
    EXPECT_EQ(registry.ReadString(QStringLiteral("Listed")), QStringLiteral("a,b"));
}

TEST_F(Registry, ADamagedFileOpensNoKeyAndIsNeverRewritten)
{
    const QByteArray broken("[Software\nZentuvio\\Menus\\MenuOrder\\zentuvio\\ElapsedTime=5\n");
    WriteFile(broken);
    {
        TRegistry registry(FileName());
        EXPECT_TRUE(registry.Damaged());
        EXPECT_FALSE(registry.OpenKey(AppKey, false));
        EXPECT_FALSE(registry.OpenKey(AppKey, true));
        EXPECT_THROW(registry.WriteDWord(QStringLiteral("ElapsedTime"), 1), ERegistryException);
    }
    EXPECT_THROW(TRegistry::Update(FileName(), [](TRegistry&) {}), ERegistryException);
    EXPECT_EQ(FileBytes(), broken);

    // A file that cannot be read at all is damaged in the same way.
    QDir().mkpath(folder.filePath(QStringLiteral("folder.ini")));
    EXPECT_TRUE(TRegistry(folder.filePath(QStringLiteral("folder.ini"))).Damaged());
}

TEST_F(Registry, NamesThatTheFileCannotHoldAreRefused)
{
    TRegistry registry(FileName());
    EXPECT_THROW(registry.OpenKey(QStringLiteral("Soft/ware"), true), ERegistryException);
    ASSERT_TRUE(registry.OpenKey(AppKey, true));
    EXPECT_THROW(registry.WriteString(QStringLiteral("a/b"), QString()), ERegistryException);
}

TEST_F(Registry, UpdatesOfManyWritersAllArrive)
{
    const auto addOne = [this] {
        TRegistry::Update(FileName(), [](TRegistry& registry) {
            ASSERT_TRUE(registry.OpenKey(AppKey, true));
            const QString name = QStringLiteral("ElapsedTime");
            registry.WriteDWord(name,
                                registry.ValueHasData(name) ? registry.ReadDWord(name) + 1 : 1);
        });
    };
    std::vector<std::thread> writers;
    for (int i = 0; i < 4; ++i)
        writers.emplace_back([&] {
            for (int j = 0; j < 5; ++j)
                addOne();
        });
    for (std::thread& writer : writers)
        writer.join();

    TRegistry registry(FileName());
    ASSERT_TRUE(registry.OpenKey(AppKey, false));
    EXPECT_EQ(registry.ReadDWord(QStringLiteral("ElapsedTime")), 20u);
    // The working copies are gone: only the file itself is left.
    EXPECT_EQ(QDir(QFileInfo(FileName()).absolutePath()).entryList(QDir::Files),
              QStringList{QStringLiteral("registry.ini")});
}
