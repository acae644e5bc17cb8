#include "RegistryFixture.h"

#include "registry/Registry.h"
#include "rtl/Exceptions.h"

#include "QtPrint.h"

#include <QFile>
#include <climits>

TEST_F(RegistryTest, KeysOpenWithOrWithoutCreatingFromTheRootOrTheOpenKey)
{
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.OpenKey("Software\\Kelmar\\OrmelSW", false));
    EXPECT_FALSE(reg.KeyExists("\\Software"));
    EXPECT_FALSE(QFile::exists(dir.File("registry.txt")));

    ASSERT_TRUE(reg.OpenKey("Software\\Kelmar\\OrmelSW", true));
    EXPECT_TRUE(reg.KeyExists("\\Software\\Kelmar"));
    EXPECT_TRUE(reg.KeyExists("\\SOFTWARE\\kelmar\\ormelsw\\"));
    ASSERT_TRUE(reg.OpenKey("LUMBRA\\ColorSettings", true));
    EXPECT_TRUE(TRegistry().KeyExists("Software\\Kelmar\\OrmelSW\\LUMBRA\\ColorSettings"));

    ASSERT_TRUE(reg.OpenKey("\\Software", false));
    EXPECT_FALSE(reg.OpenKey("ColorSettings", false));
    reg.WriteInteger("StillSoftware", 1); // a failed open keeps the open key
    TRegistry check;
    ASSERT_TRUE(check.OpenKey("\\Software", false));
    EXPECT_TRUE(check.ValueExists("StillSoftware"));
    EXPECT_TRUE(reg.OpenKey("kelmar", false));
    EXPECT_TRUE(reg.KeyExists("OrmelSW\\LUMBRA"));
    reg.CloseKey();
    EXPECT_FALSE(reg.OpenKey("Kelmar", false));
    EXPECT_TRUE(reg.OpenKey("\\", false));

    for (const char *invalid : {"Software\\\\Kelmar", "Soft\nware", "Tab\tKey"}) {
        EXPECT_FALSE(reg.OpenKey(invalid, true)) << invalid;
        EXPECT_FALSE(reg.KeyExists(invalid)) << invalid;
    }
    EXPECT_FALSE(StoreText().contains("Tab"));
}

TEST_F(RegistryTest, ValuesAreTypedAndNamedWithoutRegardToCase)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Kelmar\\OrmelSW", true));
    reg.WriteString("DataFile", "C:\\data\\ormeldata.txt");
    reg.WriteInteger("Language", 2);
    reg.WriteInteger("Color0", INT_MIN);
    reg.WriteInteger("Color1", -2147483643);
    reg.WriteInteger("Level7", INT_MAX);
    reg.WriteBool("DoWarnings", false);
    reg.WriteString("Number", "5");

    TRegistry other;
    ASSERT_TRUE(other.OpenKey("software\\KELMAR\\ormelsw", false));
    EXPECT_EQ(other.ReadString("datafile"), "C:\\data\\ormeldata.txt");
    EXPECT_EQ(other.ReadInteger("LANGUAGE"), 2);
    EXPECT_EQ(other.ReadInteger("color0"), INT_MIN);
    EXPECT_EQ(other.ReadInteger("Color1"), -2147483643);
    EXPECT_EQ(other.ReadInteger("Level7"), INT_MAX);
    EXPECT_FALSE(other.ReadBool("DoWarnings"));
    EXPECT_EQ(other.ReadInteger("DoWarnings"), 0);
    EXPECT_TRUE(other.ReadBool("Language"));
    EXPECT_TRUE(other.ValueExists("NUMBER"));
    EXPECT_FALSE(other.ValueExists("Missing"));

    EXPECT_EQ(other.ReadString("Missing"), "");
    EXPECT_THROW(other.ReadInteger("Missing"), ERegistryException);
    EXPECT_THROW(other.ReadBool("Missing"), ERegistryException);
    EXPECT_THROW(other.ReadInteger("Number"), ERegistryException);
    EXPECT_THROW(other.ReadBool("Number"), ERegistryException);
    EXPECT_THROW(other.ReadString("Language"), ERegistryException);

    other.WriteInteger("number", 5); // a write may change the type; the name keeps its first spelling
    EXPECT_EQ(reg.ReadInteger("Number"), 5);
    other.WriteBool("doWarnings", true);
    EXPECT_EQ(reg.ReadInteger("DoWarnings"), 1);
    EXPECT_TRUE(StoreText().contains("\"Number\"=dword:00000005\n"));
    EXPECT_TRUE(StoreText().contains("\"DoWarnings\"=dword:00000001\n"));
}

TEST_F(RegistryTest, AKeyOpenedReadOnlyCannotBeChanged)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Kelmar", true));
    reg.WriteString("State", "Normal");
    EXPECT_FALSE(reg.OpenKeyReadOnly("\\Software\\Missing"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Missing"));

    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Kelmar"));
    EXPECT_EQ(reg.ReadString("State"), "Normal");
    const QByteArray before = dir.Read("registry.txt");
    EXPECT_THROW(reg.WriteString("State", "Maximized"), ERegistryException);
    EXPECT_THROW(reg.WriteInteger("Top", 1), ERegistryException);
    EXPECT_THROW(reg.WriteBool("DoWarnings", true), ERegistryException);
    EXPECT_FALSE(reg.DeleteValue("State"));
    EXPECT_FALSE(reg.DeleteKey("\\Software\\Kelmar"));
    EXPECT_EQ(dir.Read("registry.txt"), before);

    ASSERT_TRUE(reg.OpenKey("\\Software\\Kelmar", false));
    reg.WriteString("State", "Maximized");
    EXPECT_EQ(reg.ReadString("State"), "Maximized");
}

TEST_F(RegistryTest, DeletingValuesAndKeysWithEverythingBelowThem)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Kelmar\\OrmelSW\\LUMBRA\\FieldsSettings\\Tunings", true));
    reg.WriteString("IsVisible0", "1");
    ASSERT_TRUE(reg.OpenKey("\\Software\\Kelmar\\OrmelSW", false));
    reg.WriteInteger("Language", 1);
    reg.WriteString("DataFile", "x");

    EXPECT_TRUE(reg.DeleteValue("LANGUAGE"));
    EXPECT_FALSE(reg.DeleteValue("Language"));
    EXPECT_FALSE(reg.ValueExists("Language"));
    EXPECT_EQ(reg.ReadString("DataFile"), "x");

    EXPECT_TRUE(reg.DeleteKey("lumbra"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Kelmar\\OrmelSW\\LUMBRA\\FieldsSettings"));
    EXPECT_FALSE(reg.DeleteKey("LUMBRA"));
    EXPECT_FALSE(reg.DeleteKey("\\"));
    EXPECT_FALSE(StoreText().contains("Tunings"));

    // Another object deletes the key this one has open: its values are gone and writing to it fails.
    ASSERT_TRUE(TRegistry().DeleteKey("\\Software\\Kelmar"));
    EXPECT_FALSE(reg.ValueExists("DataFile"));
    EXPECT_EQ(reg.ReadString("DataFile"), "");
    EXPECT_THROW(reg.WriteString("DataFile", "y"), ERegistryException);
    EXPECT_TRUE(reg.KeyExists("\\Software"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Kelmar"));
}

TEST_F(RegistryTest, EveryRootKeyHoldsATreeOfItsOwn)
{
    TRegistry user, machine;
    machine.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(user.OpenKey("\\Software\\Kelmar", true));
    user.WriteInteger("Language", 2);
    EXPECT_FALSE(machine.KeyExists("\\Software\\Kelmar"));
    ASSERT_TRUE(machine.OpenKey("\\Software\\Kelmar", true));
    machine.WriteInteger("Language", 1);
    EXPECT_EQ(user.ReadInteger("Language"), 2);
    EXPECT_EQ(machine.ReadInteger("Language"), 1);
    EXPECT_TRUE(StoreText().contains("[HKEY_LOCAL_MACHINE\\Software\\Kelmar]\n\"Language\"=dword:00000001"));

    machine.SetRootKey(HKEY_CURRENT_USER); // the open key belonged to the old root
    EXPECT_THROW(machine.ReadInteger("Language"), ERegistryException);
    ASSERT_TRUE(machine.OpenKey("Software\\Kelmar", false));
    EXPECT_EQ(machine.ReadInteger("Language"), 2);

    TRegistry config;
    config.SetRootKey(HKEY_CURRENT_CONFIG);
    EXPECT_FALSE(config.KeyExists("Software\\Kelmar"));

    TRegistry nowhere;
    nowhere.SetRootKey(0x12345);
    EXPECT_FALSE(nowhere.OpenKey("\\Software", true));
    EXPECT_FALSE(nowhere.KeyExists("\\"));
    EXPECT_FALSE(nowhere.ValueExists("Root"));
    EXPECT_THROW(nowhere.ReadString("Root"), ERegistryException);
    EXPECT_THROW(nowhere.WriteString("Root", "x"), ERegistryException);
}
