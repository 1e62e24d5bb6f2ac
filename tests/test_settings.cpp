// The two-byte settings file beside the executable.
#include <gtest/gtest.h>

#include "core/state.h"
#include "save/settings.h"
#include "tests/harness.h"

TEST(Settings, LoadingHandlesAnyFile)
{
    struct Case {
        const char* name;
        bool present;
        std::vector<uint8_t> bytes;
        uint8_t ram, lang;
    };
    const Case cases[] = {
        {"no file: defaults", false, {}, 0, 1},
        {"empty file: defaults", true, {}, 0, 1},
        {"one byte: defaults", true, {3}, 0, 1},
        {"3 and 3", true, {3, 3}, 2, 0},
        {"6 and 2", true, {6, 2}, 0, 1},
        {"5 and 1", true, {5, 1}, 4, 0},
        {"zero bytes wrap to 255", true, {0, 0}, 0, 0},
        {"longer file: first two bytes", true, {2, 2, 9, 9}, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        headless::Reset();
        headless::SetExeDir(dir.Path());
        if (c.present) dir.Write("Settings.data", c.bytes);
        RAM = 0;
        Lang = 1;
        EXPECT_EQ(LoadOptions(), 0);
        EXPECT_EQ(RAM, c.ram);
        EXPECT_EQ(Lang, c.lang);
    }
}

TEST(Settings, SavingWritesRamAndLangPlusOne)
{
    TempDir dir;
    headless::Reset();
    headless::SetExeDir(dir.Path());
    RAM = 4;
    Lang = 2;
    EXPECT_EQ(SaveOptions(), 0);
    EXPECT_EQ(dir.Read("Settings.data"), (std::vector<uint8_t>{5, 3}));
    // Lang 2 comes back as 0: English all the same.
    RAM = 0;
    Lang = 1;
    LoadOptions();
    EXPECT_EQ(RAM, 4);
    EXPECT_EQ(Lang, 0);
}

TEST(Settings, AnUnwritableFolderIsIgnored)
{
    headless::Reset();
    headless::SetExeDir("/nonexistent/folder");
    EXPECT_EQ(SaveOptions(), 0);
    EXPECT_EQ(LoadOptions(), 0);
}
