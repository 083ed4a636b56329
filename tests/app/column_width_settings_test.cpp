// Column widths kept in the per-user settings: the keys they live under, and the main
// controller restoring them when it opens a sheet and keeping them when it closes it.

#include <gtest/gtest.h>

#include <string>

#include "app/settings_column_width_store.h"
#include "controller_fixture.h"

namespace orvane {
namespace {

using testing::ControllerFixture;

constexpr const char* kMemchKey = "Software\\Zelk\\Orvane\\Display\\memch\\colwidth";
constexpr const char* kHomeSheet = "[St_Common]GI_Sheet_Home,1";
constexpr const char* kFirstBank = "[St_ColCut]GI_Sheet_MemoryCH,Bank 0";
// Columns of the memory channel sheet that the default model shows.
constexpr int kRxColumn = 4;
constexpr int kNameColumn = 9;

class ColumnWidthSettingsTest : public ControllerFixture {};

TEST_F(ColumnWidthSettingsTest, WidthsLiveUnderTheDisplayKeyOfTheirSheet) {
    SettingsColumnWidthStore widths(settings);
    EXPECT_EQ(widths.ReadWidth("memch", 3), std::nullopt);
    widths.WriteWidth("memch", 3, 64);
    widths.WriteWidth("other", 3, 70);
    EXPECT_EQ(store.ReadInt(kMemchKey, "3"), 64);
    EXPECT_EQ(widths.ReadWidth("memch", 3), 64);

    store.WriteInt("Software\\Zelk\\Orvane\\Global", "ComPort", 4);
    widths.ForgetWidths("memch");
    EXPECT_EQ(widths.ReadWidth("memch", 3), std::nullopt);
    EXPECT_EQ(widths.ReadWidth("other", 3), 70);
    EXPECT_EQ(store.ReadInt("Software\\Zelk\\Orvane\\Global", "ComPort"), 4);
}

TEST_F(ColumnWidthSettingsTest, TheControllerRestoresWidthsOnOpeningAndKeepsThemOnClosing) {
    store.WriteInt(kMemchKey, std::to_string(kRxColumn), 5);
    store.WriteInt(kMemchKey, std::to_string(kNameColumn), 900);
    Start();
    controller->OpenSheet(kFirstBank);
    Sheet& sheet = *controller->OpenedSheet();
    EXPECT_EQ(sheet.ColumnWidth(kRxColumn), 10);
    EXPECT_EQ(sheet.ColumnWidth(kNameColumn), 650);
    EXPECT_EQ(store.ReadInt(kMemchKey, std::to_string(kRxColumn)), 10) << "saved after loading";

    sheet.SetColumnWidth(kNameColumn, 200);
    controller->OpenSheet(kHomeSheet);
    EXPECT_EQ(store.ReadInt(kMemchKey, std::to_string(kNameColumn)), 200);

    controller->OpenSheet(kFirstBank);
    EXPECT_EQ(controller->OpenedSheet()->ColumnWidth(kNameColumn), 200);
    controller->OpenedSheet()->SetColumnWidth(kNameColumn, 300);
    controller.reset();
    EXPECT_EQ(store.ReadInt(kMemchKey, std::to_string(kNameColumn)), 300)
        << "kept when the program ends with the sheet open";
}

}  // namespace
}  // namespace orvane
