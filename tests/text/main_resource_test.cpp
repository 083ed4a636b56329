// Checks the shipped text resources through the real store: every key the program and
// its definitions rely on is present exactly once, the bodies read by line number keep
// their line structure, and every key a body refers to resolves.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "resource_lines.h"
#include "text/text_resource.h"
#include "text/text_store.h"

namespace orvane {
namespace {

using Lines = std::vector<std::string>;
using testing::AllBodyLines;
using testing::AttributeGroups;
using testing::Body;
using testing::EndsBody;
using testing::IsKeyLine;
using testing::Link;
using testing::Links;
using testing::ParseLink;

// ---------------------------------------------------------------------------------------
// Keys of the main resource, by group.

const Lines kSystemKeys = {
    "GI_Sys_AppTitle",
    "GI_Sys_AppTitleRev",
    "GI_Sys_Maker",
    "GI_Sys_MyHelpFile",
    "GI_Sys_Dialog_FOpen",
    "GI_Sys_TreeChangeDelay",
    "GI_Sys_Printer_PrintingDialog",
    "GI_Sys_Printer_NoPrinter",
    "GI_Sys_Printer_FontPoints",
    "GI_Sys_Printer_Margins",
    "GI_Sys_Printer_FrameFont",
    "GI_Sys_Printer_Preview",
    "GI_Sys_Printer_Setting",
    "GI_Sys_Printer_Pdf",
    "GI_Sys_HtmlHelp_Popup_Width",
    "GI_Sys_HtmlHelp_Popup_Height",
    "GI_Sys_HtmlHelp_Window",
    "GI_Sys_HtmlHelp_Error",
    "GI_Sys_PrintingMissing",
};

const Lines kAppKeys = {
    "GI_App_InitialFile",
    "GI_App_About_Caption",
    "GI_App_About_Label_Reg",
    "GI_App_About_Button",
};

const Lines kMessageKeys = {
    "GI_Mess_Confirm_WriteFile",
    "GI_Mess_Confirm_WriteAnother",
    "GI_Mess_FileErr_Headline",
    "GI_Mess_FileErr_FileOpen",
    "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_Model",
    "GI_Mess_FileErr_Extra",
    "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Format",
    "GI_Mess_FileErr_Coverage",
    "GI_Mess_FileErr_Data",
    "GI_Mess_FileErr_Newer",
    "GI_Mess_GotoAdj",
    "GI_Mess_DataError",
    "GI_Mess_DataWarn",
    "GI_Mess_Confirm_CloneWrite",
    "GI_Mess_Confirm_CloneRead",
    "GI_Mess_CloneWrite_Succeeded",
    "GI_Mess_CloneErr_Head",
    "GI_Mess_CloneErr_Check",
    "GI_Mess_ModelError",
    "GI_Mess_Maker_Caution",
};

const Lines kStatusPanelKeys = {"GI_StatusPanel_Expert", "GI_StatusPanel_Maker"};

const Lines kEditMessageKeys = {
    "GI_AppMess_Conv_Delete",
    "GI_AppMess_Conv_Clear",
    "GI_AppMess_Conv_Overwrite",
    "GI_AppMess_Conv_Overflow",
    "GI_AppMess_Conv_Overflow_Paste",
    "GI_AppMess_ChErr_DelPrio",
    "GI_AppMess_ChErr_Overflow",
    "GI_AppMess_ChErr_NoCh",
    "GI_AppMess_ChErr_NotBlank",
    "GI_AppMess_S_Copy",
    "GI_AppMess_S_Paste",
    "GI_AppMess_S_Delete",
    "GI_AppMess_S_Clear",
    "GI_AppMess_S_Insert",
    "GI_AppMess_ChangeModel",
    "GI_AppMess_ChangeModel_2",
    "GI_AppMess_ChangeModel_3",
    "GI_Edit_Undone",
    "GI_Edit_Redone",
    "GI_Edit_ReadStep",
};

const Lines kIndicationKeys = {
    "GI_AppInd_CommonTitle",
    "GI_AppInd_MchFuncTitle",
    "GI_AppInd_Model",
    "GI_AppInd_Opt_ComSel_Caption",
    "GI_AppInd_Opt_ComSel_Notice",
    "GI_AppInd_Opt_ComSel_Buttons",
    "GI_AppInd_Opt_ComSel_SizeOfButtons",
    "GI_AppInd_Opt_ComSel_OutofRange",
    "GI_AppInd_OutofCh",
    "GI_AppInd_CharacterEditorCaption",
    "GI_AppInd_Button_OkCancel",
    "GI_AppInd_TimerOff",
    "GI_AppInd_TimerOff2",
};

const Lines kWindowKeys = {
    "GI_Form_Main_BasicCell",  "GI_Menu_Main_BasicCell",
    "GI_Menu_Main_Body",       "GI_ToolBar_Main_BasicCell",
    "GI_ToolBar_Main_Body",    "GI_ToolBar_CEdit_BasicCell",
    "GI_ToolBar_CEdit_Body",   "GI_Tree_Main_BasicCell",
    "GI_Tree_Main_Body",       "GI_Tree_Branch_Mch_BankOperation",
    "GI_Tree_Branch_Mch_Bank",
};

// Popup menus: each name gives GI_PMenu_<name>_BasicCell and GI_PMenu_<name>_Body.
const Lines kPopupMenuNames = {
    "NoItem",       "Edit",      "UpDn",          "Delete",       "Clear",
    "InsertDelete", "CopyPaste", "Channel_NO_TX", "fAnotherCopy", "CopyOnly",
};

// Sheet definitions: each name gives GI_Sheet_<name>_Style, _BasicCell and _Cells.
const Lines kSheetNames = {
    "TopPage",  "TreeTop",    "CloneInfo", "BankOp", "WxCH",
    "MemoryCH", "MemoryCH_S", "Common",    "Home",   "Expert",
};

// Choice lists (sheet definitions as well): GI_Sheet_Sel_<name>.
const Lines kChoiceListNames = {
    "Mch_Dup",
    "Mch_Tx_Inhibit",
    "Mch_WxCH",
    "Mch_Tag",
    "Mode",
    "Sql_Level",
    "Side_Level",
    "Misc_OnOff",
    "Common_Mic",
    "Common_Vox",
    "Common_Vox_Delay",
    "Common_Tot_Off",
    "Common_Tot",
    "Misc_Scan_VFO",
    "Misc_Scan_MR",
    "Misc_Indication_Mode",
    "Misc_Enable",
    "Misc_Enable_I",
    "Common_Battery_Select",
    "Common_Battery_Save",
    "Common_Lock",
    "Common_Light",
    "Misc_DispMode",
    "Common_ChSp",
    "Common_Wxalt",
};

// Cell presets and the two bare font descriptions: CellModel_<name>.
const Lines kCellModelNames = {
    "Basic", "BasicTree", "i0",    "iCR",    "iCG",         "iER",           "iChG",
    "iChI",  "iChN",      "eWh",   "iSp",    "iSpL",        "iQp",           "iQpS",
    "iQpTx", "iSpRx",     "iSpRT", "iSpDup", "iSpName",     "tipsS",         "tipsM",
    "bMn",   "ciInd",     "ciDat", "cbInd",  "BasicDialog", "InitialDialog",
};

const Lines kOtherKeys = {
    "GI_WarningCheckList",       "GI_CellWidthRegList", "GI_NewChTitle",
    "GI_Botttom_EditRestrected", "GI_Exchange_Summary", "GI_Exchange_Refusal",
    "GI_Exchange_FileError",     "GI_Exchange_Dialog",  "GI_Exchange_AirportDialog",
    "GI_Exchange_Differences",   "End_Of_Ovl",
};

// The 54 cells that have a help topic, in topic order (topic IDH1001 first).
const Lines kHelpCells = {
    "CL_Bank_Name",
    "CL_Mch_Bank",
    "CL_Mch_WxCh",
    "CL_Mch_Freq",
    "CL_Mch_FreqT",
    "CL_Mch_FreqRT",
    "CL_Mch_Tx_Inhibit",
    "CL_Mch_Dup",
    "CL_Mch_Name",
    "CL_Mch_Tag",
    "CL_WxCh_Tag",
    "CL_Home_Mode",
    "CL_Home_Bank",
    "CL_Home_Ch",
    "CL_Home_WX",
    "CL_Home_Freq",
    "CL_Home_FreqT",
    "CL_Home_FreqRT",
    "CL_Home_Dup",
    "CL_Home_ANL",
    "CL_Home_Beep_Level",
    "CL_Home_Sql_Level",
    "CL_Home_Side_Level",
    "CL_Home_Mic_Sens",
    "CL_Home_Int_Mic",
    "CL_Home_VOX_Level",
    "CL_Home_VOX_Delay",
    "CL_Home_Tot",
    "CL_Common_VFO_Mode",
    "CL_Common_Scan_VFO",
    "CL_Common_VFO_Tx",
    "CL_Common_Scan_MR",
    "CL_Common_Memory_Write",
    "CL_Common_BankName_Write",
    "CL_Common_Indication_Mode",
    "CL_Common_Display_Mode",
    "CL_Common_Ch_Spacing",
    "CL_Common_BATT_Check",
    "CL_Common_Opening_Text",
    "CL_Common_Duplex",
    "CL_Common_Battery_Select",
    "CL_Common_Battery_Pack",
    "CL_Common_Set_Mode",
    "CL_Common_Home",
    "CL_Common_Scan",
    "CL_Common_Alert",
    "CL_Common_EMR",
    "CL_Common_LIGHT_Key",
    "CL_Common_Adjust_Mode",
    "CL_Common_LIGHT_Lock",
    "CL_Common_PTT_Lock",
    "CL_Common_SQL_Lock",
    "CL_Common_VOL_Lock",
    "CL_Common_COMMENT",
};

Lines AllSheetNames() {
    Lines names = kSheetNames;
    for (const std::string& name : kChoiceListNames) {
        names.push_back("Sel_" + name);
    }
    return names;
}

Lines AllMainKeys() {
    Lines keys;
    for (const Lines* group : {&kSystemKeys, &kAppKeys, &kMessageKeys, &kStatusPanelKeys,
                               &kEditMessageKeys, &kIndicationKeys, &kWindowKeys}) {
        keys.insert(keys.end(), group->begin(), group->end());
    }
    for (const std::string& name : kPopupMenuNames) {
        keys.push_back("GI_PMenu_" + name + "_BasicCell");
        keys.push_back("GI_PMenu_" + name + "_Body");
    }
    for (const std::string& name : AllSheetNames()) {
        keys.push_back("GI_Sheet_" + name + "_Style");
        keys.push_back("GI_Sheet_" + name + "_BasicCell");
        keys.push_back("GI_Sheet_" + name + "_Cells");
    }
    for (const std::string& name : kCellModelNames) {
        keys.push_back("CellModel_" + name);
    }
    keys.insert(keys.end(), kOtherKeys.begin(), kOtherKeys.end());
    return keys;
}

// ---------------------------------------------------------------------------------------
// Helpers.

// Keys of a resource in resource order, as the store indexes them (up to "#End_Of_Ovl").
Lines ResourceKeys(const TextResource& resource) {
    Lines keys;
    for (std::size_t i = 0; i < resource.LineCount(); ++i) {
        const std::string_view line = resource.Line(i);
        if (IsKeyLine(line)) {
            keys.emplace_back(line.substr(1));
            if (keys.back() == "End_Of_Ovl") {
                break;
            }
        }
    }
    return keys;
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

class MainResourceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store_.SetSource(MainResource())); }

    void ExpectSheetExists(const std::string& sheetCall, const std::string& where) {
        // "[tag]name,parameter"
        std::string_view call = sheetCall;
        std::string tag;
        if (!call.empty() && call.front() == '[') {
            const std::size_t close = call.find(']');
            ASSERT_NE(close, std::string_view::npos) << where << ": " << sheetCall;
            tag = std::string(call.substr(1, close - 1));
            call.remove_prefix(close + 1);
        }
        const std::string name(call.substr(0, call.find(',')));
        EXPECT_TRUE(tag.empty() || tag == "St_Common" || tag == "St_ColCut" || tag == "St_S_ColCut")
            << where << ": unknown sheet class tag in " << sheetCall;
        for (const char* suffix : {"_Style", "_BasicCell", "_Cells"}) {
            EXPECT_TRUE(store_.HasKey(name + suffix)) << where << " calls " << sheetCall;
        }
    }

    TextStore store_;
};

// ---------------------------------------------------------------------------------------
// Keys.

TEST(MainResourceKeyTable, GroupSizes) {
    EXPECT_EQ(kSystemKeys.size(), 19u);
    EXPECT_EQ(kAppKeys.size(), 4u);
    EXPECT_EQ(kMessageKeys.size(), 22u);
    EXPECT_EQ(kStatusPanelKeys.size(), 2u);
    EXPECT_EQ(kEditMessageKeys.size(), 20u);
    EXPECT_EQ(kIndicationKeys.size(), 13u);
    EXPECT_EQ(kWindowKeys.size(), 11u);
    EXPECT_EQ(kPopupMenuNames.size() * 2, 20u);
    EXPECT_EQ(kCellModelNames.size(), 27u);
    EXPECT_EQ(kOtherKeys.size(), 11u);
    // Ten sheets of the tree and its dialogs, and the 25 choice lists of the value cells.
    EXPECT_EQ(kSheetNames.size(), 10u);
    EXPECT_EQ(kChoiceListNames.size(), 25u);
    EXPECT_EQ(kHelpCells.size(), 54u);
    const Lines keys = AllMainKeys();
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size())
        << "a key is listed twice in the test data";
}

TEST_F(MainResourceTest, EveryKeyOfEveryGroupExists) {
    for (const std::string& key : AllMainKeys()) {
        EXPECT_TRUE(store_.HasKey(key)) << key;
    }
}

TEST_F(MainResourceTest, HoldsNoKeyOutsideTheGroups) {
    const Lines expected = AllMainKeys();
    const std::set<std::string> known(expected.begin(), expected.end());
    const Lines keys = ResourceKeys(MainResource());
    for (const std::string& key : keys) {
        EXPECT_TRUE(known.count(key) == 1) << "unexpected key " << key;
    }
    EXPECT_EQ(keys.size(), expected.size());
}

TEST_F(MainResourceTest, NoKeyAppearsTwice) {
    std::map<std::string, int> seen;
    const TextResource& resource = MainResource();
    for (std::size_t i = 0; i < resource.LineCount(); ++i) {
        if (IsKeyLine(resource.Line(i))) {
            ++seen[std::string(resource.Line(i).substr(1))];
        }
    }
    for (const auto& [key, count] : seen) {
        EXPECT_EQ(count, 1) << key;
    }
}

TEST_F(MainResourceTest, EndsWithTheEndKey) {
    const TextResource& resource = MainResource();
    ASSERT_GT(resource.LineCount(), 0u);
    EXPECT_EQ(resource.Line(resource.LineCount() - 1), "#End_Of_Ovl");
    // A key after the end key could never be found.
    const Lines keys = ResourceKeys(resource);
    std::size_t keyLines = 0;
    for (std::size_t i = 0; i < resource.LineCount(); ++i) {
        keyLines += IsKeyLine(resource.Line(i)) ? 1 : 0;
    }
    EXPECT_EQ(keyLines, keys.size());
    EXPECT_TRUE(store_.HasKey("End_Of_Ovl"));
    EXPECT_FALSE(store_.HasKey("GI_No_Such_Key"));
}

TEST_F(MainResourceTest, LinesArePlainTextWithRealTabs) {
    const TextResource& resource = MainResource();
    for (std::size_t i = 0; i < resource.LineCount(); ++i) {
        const std::string_view line = resource.Line(i);
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(byte == '\t' || (byte >= 0x20 && byte < 0x7F))
                << "line " << i << " holds byte " << static_cast<int>(byte);
        }
        // A tab written as backslash + "t" would reach the sheets as text.
        EXPECT_EQ(line.find("\\t"), std::string_view::npos) << "line " << i << ": " << line;
    }
}

// Comments and blank separators stand only after a block's "#" end mark, so that no
// body read by line number picks them up.
TEST_F(MainResourceTest, CommentsStandOnlyBetweenBlocks) {
    const TextResource& resource = MainResource();
    bool inBody = false;
    std::string key;
    for (std::size_t i = 0; i < resource.LineCount(); ++i) {
        const std::string_view line = resource.Line(i);
        if (IsKeyLine(line)) {
            inBody = true;
            key = std::string(line.substr(1));
        } else if (EndsBody(line)) {
            inBody = false;
        } else if (inBody) {
            EXPECT_NE(line.substr(0, 2), "//") << "comment inside the body of " << key;
        } else {
            EXPECT_TRUE(line.empty() || line.substr(0, 2) == "//")
                << "line " << i << " stands outside any block: " << line;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Bodies, line for line.

TEST_F(MainResourceTest, MainMenuBody) {
    const Lines expected = {
        "+&File\t\t\t\t{(%CL_Null)}",
        " +&New\t\t\t\t{(%CL_Menu_File_New:Ctrl+N)}",
        " +&Open...\t\t\t\t{(%CL_Menu_File_Open:Ctrl+O)}",
        " +&Save\t\t\t\t{(%CL_Menu_File_Save:Ctrl+S)}",
        " +Save &As...\t\t\t{(%CL_Menu_File_SaveAs)}",
        " +-",
        " +Export C&hannels...\t\t{(%CL_Menu_File_Exchange[0])}",
        " +&Import Channels...\t\t{(%CL_Menu_File_Exchange[1])}",
        " +Import &Airport Frequencies...\t{(%CL_Menu_File_Exchange[2])}",
        " +Co&mpare With...\t\t\t{(%CL_Menu_File_Exchange[3])}",
        " +-",
        " +&Print\t\t\t\t{(%CL_Null)}",
        "  +&Current Sheet...\t\t\t{(%CL_Menu_File_Print_Current)}",
        "  +&All...\t\t\t\t{(%CL_Menu_File_Print_All)}",
        "  +-",
        "  +Export &PDF\t\t\t{(%CL_Null)}",
        "   +&Current Sheet...\t\t{(%CL_Menu_File_Print_Current[1])}",
        "   +&All...\t\t\t{(%CL_Menu_File_Print_All[1])}",
        " +-",
        " +Recent File\t\t\t{(%CL_Menu_File_Recent[0])}",
        " +Recent File\t\t\t{(%CL_Menu_File_Recent[1])}",
        " +Recent File\t\t\t{(%CL_Menu_File_Recent[2])}",
        " +Recent File\t\t\t{(%CL_Menu_File_Recent[3])}",
        " +-",
        " +E&xit\t\t\t\t{(%CL_Menu_File_Exit:Alt+F4)}",
        "+&Edit\t\t\t\t{(%CL_Null)}",
        " +&Undo\t\t\t\t{(%CL_Menu_Edit_Undo:Ctrl+Z)}",
        " +&Redo\t\t\t\t{(%CL_Menu_Edit_Redo:Ctrl+Y)}",
        "+&View\t\t\t\t{(%CL_Null)}",
        " +Font &Size",
        "  +&1   60% (Small)\t\t\t{(%CL_Menu_View_FontSize[60])}",
        "  +&2   80%\t\t\t\t{(%CL_Menu_View_FontSize[80])}",
        "  +&3  100% (Standard)\t\t{(%CL_Menu_View_FontSize[100])}",
        "  +&4  120%\t\t\t\t{(%CL_Menu_View_FontSize[120])}",
        "  +&5  150% (Big)\t\t\t{(%CL_Menu_View_FontSize[150])}",
        " +-",
        " +&Toolbar\t\t\t\t{(%CL_Menu_View_ToolBar)}",
        "+COM &Port\t\t\t\t{(%CL_Null)}",
        " +COM &1\t\t\t\t{(%CL_Menu_Port_Com[1])}",
        " +COM &2\t\t\t\t{(%CL_Menu_Port_Com[2])}",
        " +COM &3\t\t\t\t{(%CL_Menu_Port_Com[3])}",
        " +COM &4\t\t\t\t{(%CL_Menu_Port_Com[4])}",
        " +&More...\t\t\t\t{(%CL_Menu_Port_Usb)}",
        " +-",
        " +&Normal Speed\t\t\t{(%CL_Menu_Com_Speed[0])}",
        " +&High Speed\t\t\t{(%CL_Menu_Com_Speed[1])}",
        "+&Clone\t\t\t\t{(%CL_Null)}",
        " +&Read <- TR\t\t\t{(%CL_Menu_Clone_Read)}",
        " +&Write -> TR\t\t\t{(%CL_Menu_Clone_Write)}",
        " +-",
        " +&Information\t\t\t{(%CL_Menu_Clone_Info)}",
        " +&Go Adjust Mode\t\t\t{(%CL_Menu_Clone_Adj:F12)}",
        "+&Model\t\t\t\t{(%CL_Null)}",
        " +&1 HT-Lk1\t\t\t\t{(%CL_Model[3])}",
        " +&2 HT-Lk2\t\t\t\t{(%CL_Model[0])}",
        " +&3 HT-Lk1S/Lk2S\t \t\t{(%CL_Model[4])}",
        "+&Help\t\t\t\t{(%CL_Null)}",
        " +&Contents\t\t\t\t{(%CL_Help_Contents:F1)}",
        " +-",
        " +&About Orvane\t\t\t{(%CL_Help_About)}",
    };
    ASSERT_EQ(expected.size(), 60u);
    EXPECT_EQ(Body(store_, "GI_Menu_Main_Body"), expected);
    EXPECT_EQ(store_.GetText("GI_Menu_Main_BasicCell", 0), "{($Basic)}");
}

TEST_F(MainResourceTest, ToolbarAndTreeBodies) {
    const Lines toolbar = Body(store_, "GI_ToolBar_Main_Body");
    ASSERT_EQ(toolbar.size(), 17u);
    EXPECT_EQ(toolbar[0], "New\t\t{(ImageIndex=0)(%CL_Menu_File_New)}");
    EXPECT_EQ(toolbar[4], "Clone Read\t{(ImageIndex=7)(%CL_Menu_Clone_Read)}");
    EXPECT_EQ(toolbar[6], "Clone Info.\t{(ImageIndex=9)(%CL_Menu_Clone_Info)}");
    for (std::size_t i = 7; i < toolbar.size(); ++i) {
        EXPECT_EQ(toolbar[i], "-") << i;
    }
    const Lines tree = {
        "+HT-Lk1\t\t\t{(ImageIndex=0)(%CallSheet:GI_Sheet_TopPage)}",
        " +Memory CH\t\t\t{(ImageIndex=1)(%CallSheet:GI_Sheet_TreeTop)}\t\t\t\t\t{(Flag3=1)}",
        " +Memory "
        "CH\t\t\t{(ImageIndex=2)(%CallSheet:[St_S_ColCut]GI_Sheet_MemoryCH_S,0)}\t\t\t{(Flag2=1)}",
        " +WX CH\t\t\t{(ImageIndex=2)(%CallSheet:GI_Sheet_WxCH)}\t\t\t{(Flag1=1)}",
        " +Common Setting\t\t{(ImageIndex=2)(%CallSheet:[St_Common]GI_Sheet_Home,1)}",
        " +Clone Comment\t\t{(ImageIndex=2)(%CallSheet:[St_Common]GI_Sheet_Common,0)}",
        " +EXPERT\t\t\t{(ImageIndex=2)(%CallSheet:[St_Common]GI_Sheet_Expert,2)}\t{(Flag0=1)}",
    };
    EXPECT_EQ(Body(store_, "GI_Tree_Main_Body"), tree);
    EXPECT_EQ(store_.GetText("GI_Tree_Main_BasicCell", 0), "{($BasicTree)}");
    EXPECT_EQ(store_.GetText("GI_Tree_Branch_Mch_Bank", 0),
              "+\t\t\t{(ImageIndex=2)(%%CallSheet:[St_ColCut]GI_Sheet_MemoryCH,Bank %d)}");
    EXPECT_EQ(store_.GetText("GI_Tree_Branch_Mch_BankOperation", 0),
              "+Bank Operation \t{(ImageIndex=2)(%CallSheet:GI_Sheet_BankOp)}");
}

TEST_F(MainResourceTest, ChannelPopupMenu) {
    const Lines expected = {
        "+Edit...\t{(%CL_PMenu_Edit:Enter)}",
        "+-",
        "+Copy\t{(%CL_PMenu_Copy:Ctrl+C)}",
        "+Paste\t{(%CL_PMenu_Paste:Ctrl+V)}",
        "+-",
        "+Up\t\t{(%CL_PMenu_CarryUp:Ctrl+Up)}",
        "+Down\t{(%CL_PMenu_CarryDown:Ctrl+Down)}",
        "+-",
        "+Clear\t{(%CL_PMenu_Clear)}",
        "+Delete\t{(%CL_PMenu_Delete:Del)}",
        "+Insert\t{(%CL_PMenu_Insert:Ins)}",
        "+-",
        "+Help\t{(%CL_PMenu_Help)}",
    };
    ASSERT_EQ(expected.size(), 13u);
    EXPECT_EQ(Body(store_, "GI_PMenu_Channel_NO_TX_Body"), expected);
    for (const std::string& name : kPopupMenuNames) {
        EXPECT_EQ(store_.GetText("GI_PMenu_" + name + "_BasicCell", 0),
                  "{($Basic)(%CT_PopupMenu.)}")
            << name;
    }
}

TEST_F(MainResourceTest, HomeSheetConditionalLines) {
    const Lines home = Body(store_, "GI_Sheet_Home_Cells");
    ASSERT_EQ(home.size(), 103u);
    EXPECT_EQ(home[0], "");
    EXPECT_EQ(home[3], ":(Only_DUP_VOR_Lk1 42)");
    EXPECT_EQ(home[4], ":(Only_En_Vfo 21)");
    EXPECT_EQ(home[25], ":(Non_Condition 57)");
    EXPECT_EQ(home[26], ":(Only_Ds_Vfo 18)");
    EXPECT_EQ(home[45], ":(Non_Condition 37)");
    EXPECT_EQ(home[46], ":(Only_Lk1 20)");
    EXPECT_EQ(home[82],
              "|{H(Font=,,,%100,,,)}\\_\t\t||\t\t\t\t\t|{WH<-}with the transceiver operation.");
    EXPECT_EQ(home[83], "|{($iCG)}Set Mode Items|{+}|{+}");
    EXPECT_EQ(home[97], ":(Only_VOX_Disable 4)");
    EXPECT_EQ(home[102], "|{($iCR)}TOT\t\t\t\t||{($eWh)(%CL_Home_Tot)}WWWWWWWWWW");
    // Direct reads by line number through the store give the same lines.
    EXPECT_EQ(store_.GetText("GI_Sheet_Home_Cells", 46), ":(Only_Lk1 20)");
    EXPECT_EQ(store_.GetText("GI_Sheet_Home_Cells", 3), ":(Only_DUP_VOR_Lk1 42)");
    EXPECT_EQ(store_.GetText("GI_Sheet_Home_BasicCell", 0), "{($Basic)(%CT_Home.)}");
    EXPECT_EQ(Body(store_, "GI_Sheet_Expert_Cells").size(), 70u);
    EXPECT_EQ(
        Body(store_, "GI_Sheet_Common_Cells"),
        (Lines{"", "|{($iCR)}Clone Comment\t\t||{($eWh)(%CL_Common_COMMENT)}WWWWWWWWWWWWWWWW"}));
}

TEST_F(MainResourceTest, MemoryChannelSheets) {
    const Lines bank = Body(store_, "GI_Sheet_MemoryCH_Cells");
    // Rows added to a bank sheet copy its last row, so the loop row must be the last line.
    ASSERT_EQ(bank.size(), 8u);
    EXPECT_EQ(bank[5], ":(LoopFrom)");
    EXPECT_EQ(bank[7], ":(LoopTo)");
    EXPECT_NE(bank[6].find("(%CL_Misc_ChNo_8264Only)}99-999\t|"), std::string::npos);
    const Lines list = Body(store_, "GI_Sheet_MemoryCH_S_Cells");
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[5], ":(LoopFrom 100)");
    EXPECT_EQ(list[7], ":(LoopTo)");
    EXPECT_EQ(list[8], "");
    EXPECT_EQ(list[9], "");
    EXPECT_EQ(
        list[3],
        "|{($iChN)^!B(@ch0=0)}CH\t\t\t||{($iChI)X}WX\\nCH\t\t\t|{($iChI)X}RX\t\t\t\t\t\t|{($iChI)X}"
        "TX\t\t\t\t\t\t|{($iChI)X}RX/TX\t\t\t\t\t|{($iChI)X}TX\\nInh\t\t\t|{($iChI)X}DUP\t\t\t\t|{("
        "$iChI)X}Name\t\t\t\t\t\t|{($iChI)}TAG");
    for (const char* key : {"GI_Sheet_MemoryCH", "GI_Sheet_MemoryCH_S"}) {
        EXPECT_EQ(store_.GetText(std::string(key) + "_BasicCell", 0),
                  "{($Basic)(%CT_Conv.)(PopupMenu=GI_PMenu_Channel_NO_TX)}");
        EXPECT_EQ(store_.GetText(std::string(key) + "_Style", 0),
                  "(TitleColor=clNavy)(TitleFont=DEFAULT_CHARSET,,clYellow,16,,fsBold,)"
                  "(TitleString= Memory Channel)(S_FixedCols=3)(FixedRows=5)(MultiSelect=Line)"
                  "(ColSizing)(ColorSelectLine)");
    }
}

TEST_F(MainResourceTest, StartPage) {
    const Lines top = Body(store_, "GI_Sheet_TopPage_Cells");
    ASSERT_EQ(top.size(), 11u);
    EXPECT_EQ(top[0], "|{H(Font=,,,%50,,,)}\\_");
    EXPECT_EQ(top[1], "|{WH^-(Font=,,clGreen,%200,,fsBold,)}Orvane");
    EXPECT_EQ(top[2].rfind("|{WH^-(Font=,,clBlue,%80,,fsBold,)}Revision 1.0\t{(`@#Ver", 0), 0u);
    // The remark after "{(`" must stay one unterminated attribute: no closing bracket and
    // no cell separator.
    const std::string remark = top[2].substr(top[2].find("{(`"));
    EXPECT_EQ(remark.find_first_of(")}|\\"), std::string::npos) << remark;
    EXPECT_EQ(top[6], "|{WH^-(Font=,,,%120,,fsBold,)}\\_    Cloning Software for HT-Lk1    \\_");
    EXPECT_EQ(top[10].rfind("|{WH>-}", 0), 0u);
    EXPECT_EQ(top[10].find('|', 1), std::string::npos);
    EXPECT_EQ(store_.GetText("GI_Sheet_TopPage_Style", 0), "(FixedCols=1)(FixedRows=1)(NoPrint)");
}

TEST_F(MainResourceTest, CloneWriteSucceededMessage) {
    EXPECT_EQ(store_.GetMultiLineText("GI_Mess_CloneWrite_Succeeded"),
              "Cloning is succeeded.\n\nTurn the transceiver power off and on to use\n"
              "the transceiver under its new conditions.");
}

TEST_F(MainResourceTest, MultiLineMessages) {
    EXPECT_EQ(store_.GetMultiLineText("GI_Mess_DataError"),
              "Setting error is found.\nCheck the items that 'x' mark is displayed.");
    EXPECT_EQ(store_.GetMultiLineText("GI_Mess_DataWarn"),
              "Setting warning is found.\nWrite to transceiver. Are you sure?");
    EXPECT_EQ(store_.GetMultiLineText("GI_Mess_ModelError"),
              "The wrong transceiver version is connected.\nConfirm the transceiver version.");
    EXPECT_EQ(store_.GetMultiLineText("GI_Mess_Confirm_CloneWrite"),
              "Write to transceiver. Are you sure?");
    EXPECT_EQ(store_.GetMultiLineText("GI_Sys_Printer_NoPrinter"),
              "No printer is found.\nInstall a printer or check the connection, etc.");
    EXPECT_EQ(store_.GetMultiLineText("GI_AppMess_Conv_Overflow"),
              "CH overflow.\nThe channel contents at the bottom line in this sheet will be "
              "deleted.\nAre you sure?");
    EXPECT_EQ(store_.GetMultiLineText("GI_AppMess_Conv_Overflow_Paste"),
              "CH overflow.\nSome of the copied channel contents won't be pasted in the "
              "list.\nAre you sure?");
    // Error boxes whose text ends with an empty line.
    EXPECT_EQ(store_.GetMultiLineText("GI_AppMess_ChErr_Overflow"),
              "The number of channels exceed.\n");
    EXPECT_EQ(store_.GetMultiLineText("GI_AppMess_ChErr_NoCh"), "No CH left.\n");
    EXPECT_EQ(store_.GetMultiLineText("GI_AppMess_ChErr_NotBlank"),
              "Some CHs are not blank CH !\n");
    EXPECT_EQ(store_.GetMultiLineText("GI_Botttom_EditRestrected"), " Edit is restricted.\n");
    EXPECT_EQ(store_.GetMultiLineText("GI_AppMess_Conv_Delete"), "Deleting. Are you sure?");
    EXPECT_EQ(store_.GetMultiLineText("GI_AppMess_Conv_Clear"), "Clearing. Are you sure?");
    EXPECT_EQ(store_.GetMultiLineText("GI_AppMess_Conv_Overwrite"), "Overwriting. Are you sure?");
    EXPECT_EQ(store_.GetText("GI_AppMess_ChangeModel_3", 0), "Change model.");
}

TEST_F(MainResourceTest, ModelNamesByModelType) {
    EXPECT_EQ(store_.GetText("GI_AppInd_Model", 0), "HT-Lk2");
    EXPECT_EQ(store_.GetText("GI_AppInd_Model", 1), " ");
    EXPECT_EQ(store_.GetText("GI_AppInd_Model", 2), " ");
    EXPECT_EQ(store_.GetText("GI_AppInd_Model", 3), "HT-Lk1");
    EXPECT_EQ(store_.GetText("GI_AppInd_Model", 4), "HT-Lk1S/Lk2S");
    EXPECT_EQ(store_.GetText("GI_AppInd_Model", 5), "#");
    // The stored tree caption is the HT-Lk1 name.
    EXPECT_EQ(store_.GetText("GI_Tree_Main_Body", 0).rfind("+HT-Lk1\t", 0), 0u);
}

TEST_F(MainResourceTest, CloneErrorListsByLineNumber) {
    const Lines head = {
        "OK.",
        "Cannot Clone.",
        "Cannot access COM %d.",
        "COM buffer overflow.",
        "Cannot access COM port.",
        "No answer from transceiver.",
        "Illegal data.",
        "Data counter error.",
        "There is not enough data.",
        "Data overflow.",
        "Cannot write cloning data.",
        "Illegal information.",
        "Illegal information.",
        "Transceiver version does not match.",
        "Connected transceiver is not compatible model.",
        "Illegal data.",
        "Please update to the latest version.",
        "Cannot Clone.",
    };
    for (std::size_t code = 0; code < head.size(); ++code) {
        EXPECT_EQ(store_.GetText("GI_Mess_CloneErr_Head", static_cast<int>(code)), head[code])
            << "code " << code;
    }
    EXPECT_EQ(store_.GetText("GI_Mess_CloneErr_Head", 18), "#");
    const Lines check = {
        "Check the following:",
        " - The COM port settings.",
        " - Cloning cable connections.",
        " - transceiver power is ON.",
        " - Appropriate cloning software for the transceiver is being used.",
        " - The revision number of the transceiver.",
        "The transceiver cannot be programmed with the current setting.",
        "Please run the 'Initial Setup' again.",
    };
    EXPECT_EQ(Body(store_, "GI_Mess_CloneErr_Check"), check);
    // The message of code 5, composed as the clone manager composes it.
    std::string message = store_.GetText("GI_Mess_CloneErr_Head", 5) + "\n\n";
    for (int line = 0; line <= 3; ++line) {
        message += (line > 0 ? "\n" : "") + store_.GetText("GI_Mess_CloneErr_Check", line);
    }
    EXPECT_EQ(message,
              "No answer from transceiver.\n\nCheck the following:\n - The COM port settings.\n"
              " - Cloning cable connections.\n - transceiver power is ON.");
}

TEST_F(MainResourceTest, FileErrorTexts) {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"GI_Mess_FileErr_Headline", "File error."},
        {"GI_Mess_FileErr_FileOpen", "Cannot open the file."},
        {"GI_Mess_FileErr_FileAccess", "Cannot access the file."},
        {"GI_Mess_FileErr_Model", "Illegal data."},
        {"GI_Mess_FileErr_Extra", "Illegal data."},
        {"GI_Mess_FileErr_MapRev", "Incompatible data."},
        {"GI_Mess_FileErr_Format", "Illegal data."},
        {"GI_Mess_FileErr_Coverage", "There is not enough data."},
        {"GI_Mess_FileErr_Data", "Illegal data."},
        {"GI_Mess_FileErr_Newer", "Please update to the latest version."},
        {"GI_Mess_Confirm_WriteFile", "Save changes to %s?"},
        {"GI_Mess_Confirm_WriteAnother", "Save changes ?"},
    };
    for (const auto& [key, text] : texts) {
        EXPECT_EQ(store_.GetText(key, 0), text) << key;
    }
}

TEST_F(MainResourceTest, SingleLineTexts) {
    const std::vector<std::tuple<std::string, int, std::string>> texts = {
        {"GI_Sys_AppTitle", 0, "Orvane"},
        {"GI_Sys_MyHelpFile", 0, "orvane.qch"},
        {"GI_Sys_TreeChangeDelay", 0, "200"},
        {"GI_Sys_Dialog_FOpen", 0, "zcf"},
        {"GI_Sys_Dialog_FOpen", 1, "Data files (*.zcf)|*.zcf|All files (*.*)|*.*"},
        {"GI_Sys_Printer_PrintingDialog", 0, "Print"},
        {"GI_Sys_Printer_PrintingDialog", 1, "Now Printing"},
        {"GI_Sys_Printer_PrintingDialog", 2, "Cancel"},
        {"GI_Sys_Printer_Margins", 0, "15,10,5,5"},
        {"GI_Sys_Printer_FrameFont", 0, "14"},
        {"GI_Sys_HtmlHelp_Popup_Width", 0, "300"},
        {"GI_Sys_HtmlHelp_Popup_Height", 0, "300"},
        {"GI_Sys_HtmlHelp_Error", 0, "Cannot find the %s file."},
        {"GI_Sys_HtmlHelp_Error", 1, "No Help topic is associated with this item."},
        {"GI_Sys_PrintingMissing", 0, "Printing is not available in this version."},
        {"GI_App_About_Caption", 0, "About Orvane"},
        {"GI_App_About_Label_Reg", 0, "Orvane Revision 1.0"},
        {"GI_App_About_Button", 0, "OK"},
        {"GI_StatusPanel_Expert", 0, "[ EXPERT ]"},
        {"GI_AppInd_CommonTitle", 0, " Clone Comment"},
        {"GI_AppInd_CommonTitle", 1, " Common Setting"},
        {"GI_AppInd_CommonTitle", 2, " EXPERT"},
        {"GI_AppInd_Opt_ComSel_Caption", 0, "COM Port"},
        {"GI_AppInd_Opt_ComSel_Notice", 0, "Enter COM Port number. (1 - 256)"},
        {"GI_AppInd_Opt_ComSel_Buttons", 0, "OK"},
        {"GI_AppInd_Opt_ComSel_Buttons", 1, "Cancel"},
        {"GI_AppInd_Opt_ComSel_SizeOfButtons", 0, "Cancel+++"},
        {"GI_AppInd_Opt_ComSel_OutofRange", 0, "The numerical value is outside the range."},
        {"GI_AppInd_Button_OkCancel", 0, "OK"},
        {"GI_AppInd_Button_OkCancel", 1, "Cancel"},
        {"GI_AppMess_S_Copy", 0, " Copied"},
        {"GI_AppMess_S_Paste", 0, " Pasted"},
        {"GI_AppMess_S_Delete", 0, " Deleted"},
        {"GI_AppMess_S_Clear", 0, " Cleared"},
        {"GI_AppMess_S_Insert", 0, " Inserted"},
        {"GI_NewChTitle", 0, "New"},
        {"GI_CellWidthRegList", 0, "GI_Sheet_MemoryCH:memch"},
        {"GI_Form_Main_BasicCell", 0, "{($Basic)}"},
        {"GI_ToolBar_Main_BasicCell", 0, "{($Basic)}"},
    };
    for (const auto& [key, line, text] : texts) {
        EXPECT_EQ(store_.GetText(key, line), text) << key << " line " << line;
    }
    // The title and the help file name are what the rest of the program shows and opens.
    EXPECT_FALSE(store_.GetText("GI_Sys_AppTitleRev", 0).empty());
    EXPECT_FALSE(store_.GetText("GI_Sys_Maker", 0).empty());
    EXPECT_TRUE(EndsBody(store_.GetText("GI_AppInd_CommonTitle", 3)));
}

TEST_F(MainResourceTest, CellPresets) {
    const std::vector<std::pair<std::string, std::string>> presets = {
        {"Basic",
         "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)"},
        {"BasicTree", "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-12,,,)"},
        {"i0", "WH(Color=clGray)(Font=,,clWhite,,,,)"},
        {"iCR", ">_WH(Color=clGray)(Font=,,clWhite,,,fsBold,)"},
        {"iCG", "<_H(Color=clGreen)(Font=,,clWhite,,,fsBold,)"},
        {"iER", ">_WH(Color=clOlive)(Font=,,clWhite,,,fsBold,)"},
        {"iChG", "<_H(Color=clGreen)(Font=,,clWhite,,,fsBold,)"},
        {"iChI", "^-WH(Color=clGray)(Font=,,clWhite,,,fsBold,)"},
        {"iChN", ">-WHB(Color=clOlive)(Font=,,clWhite,,,fsBold,)"},
        {"eWh", "S<_WHB"},
        {"iSp", "(Color=clGray)"},
        {"iSpL", "(Color=clLtGray)"},
        {"iQp", "(%CT_Null.CL_Misc_QuarterPillar)"},
        {"iQpS", "(%CT_Null.CL_Misc_QuarterPillarSpecial)"},
        {"iQpTx", "(%CT_Null.CL_Misc_QuarterPillar_TX)"},
        {"iSpRx", "(%CT_Null.CL_Misc_SeparatorPillar_RX)"},
        {"iSpRT", "(%CT_Null.CL_Misc_SeparatorPillar_RT)"},
        {"iSpDup", "(%CT_Null.CL_Misc_SeparatorPillar_DUP)"},
        {"iSpName", "(%CT_Null.CL_Misc_SeparatorPillar_Name)"},
        {"tipsS", "_!SWHB(Font=,,clGray,,,,)"},
        {"tipsM", "-!SWHT(Font=,,clMaroon,,,,)"},
        {"bMn", "<~WH(Color=clMenu)(PopupMenu=)"},
        {"ciInd", ">~WHB(Font=,,clTeal,16,,fsBold,)"},
        {"ciDat", "<~WHB(Font=,,,16,,,)"},
        {"cbInd", "^-WH(Font=,,clTeal,,,,)"},
        {"BasicDialog", "DEFAULT_CHARSET,,,-12,,,"},
        {"InitialDialog", "ANSI_CHARSET,Arial,,-12,,,"},
    };
    ASSERT_EQ(presets.size(), kCellModelNames.size());
    for (const auto& [name, text] : presets) {
        EXPECT_EQ(store_.GetText("CellModel_" + name, 0), text) << name;
    }
}

TEST_F(MainResourceTest, WarningCheckList) {
    Lines expected = {
        "{(%CL_Check_BankOp:GI_Sheet_BankOp)}",
        "{(%CL_Check_MemoryCH:[St_S_ColCut]GI_Sheet_MemoryCH_S,0)}",
    };
    for (int bank = 0; bank < 10; ++bank) {
        expected.push_back("{(%CL_Check_MemoryCH" + std::to_string(bank) +
                           ":[St_ColCut]GI_Sheet_MemoryCH,Bank " + std::to_string(bank) + ")}");
    }
    expected.push_back("{(%CL_Check_Home:[St_Common]GI_Sheet_Home,1)}");
    expected.push_back("{(%CL_Check_Common:[St_Common]GI_Sheet_Expert,1)}");
    EXPECT_EQ(Body(store_, "GI_WarningCheckList"), expected);
}

// ---------------------------------------------------------------------------------------
// Sheets as the sheet engine expands them.

// The conditions of the setting sheets, evaluated as the common-setting sheet does.
struct Conditions {
    int modelType = 3;
    bool duplexEnabled = false;
    bool vfoEnabled = true;
    bool spacing833Allowed = false;
    int lightKey = 0;
    int parameter = 1;
};

bool ConditionHolds(const std::string& name, const Conditions& c) {
    const bool vor = (c.modelType & 1) != 0;
    const bool wx = (c.modelType & 2) != 0;
    const bool lk1 = c.modelType >= 0 && c.modelType <= 3;
    const bool dupVorLk1 = vor && lk1 && c.duplexEnabled;
    if (name == "Only_Current") return c.parameter != 0;
    if (name == "Only_TS") return c.spacing833Allowed;
    if (name == "Only_WX") return wx;
    if (name == "Only_Key_WX") return wx && lk1;
    if (name == "Only_VOR") return vor;
    if (name == "Only_VOR_Lk1") return vor && lk1;
    if (name == "Only_DUP_VOR_Lk1") return dupVorLk1;
    if (name == "Except_DUP_VOR_Lk1") return !dupVorLk1;
    if (name == "Only_Lk1") return lk1;
    if (name == "Only_S_Lk1") return !lk1;
    if (name == "Only_En_Vfo") return c.vfoEnabled;
    if (name == "Only_Ds_Vfo") return !c.vfoEnabled;
    if (name == "Only_VOX_Disable") return c.lightKey == 2;
    return false;  // Non_Condition
}

// The row lines a setting sheet shows under the given conditions, after the skips.
Lines ShownLines(TextStore& store, const std::string& key, const Conditions& c) {
    static const Lines kConditionNames = {
        "Only_Current",     "Only_TS",       "Only_WX",          "Only_Key_WX",
        "Only_VOR",         "Only_VOR_Lk1",  "Only_DUP_VOR_Lk1", "Except_DUP_VOR_Lk1",
        "Only_Lk1",         "Only_S_Lk1",    "Only_En_Vfo",      "Only_Ds_Vfo",
        "Only_VOX_Disable", "Non_Condition",
    };
    Lines shown;
    int skip = 0;
    for (const std::string& line : Body(store, key)) {
        if (skip > 0) {
            --skip;
            continue;
        }
        if (line.empty() || line.front() != ':') {
            shown.push_back(line);
            continue;
        }
        for (const std::string& directive : AttributeGroups(line)) {
            bool holds = true;
            bool known = false;
            for (const std::string& name : kConditionNames) {
                if (directive.rfind(name, 0) == 0) {
                    known = true;
                    holds = holds && ConditionHolds(name, c);
                }
            }
            EXPECT_TRUE(known) << key << ": unknown directive " << directive;
            const std::size_t blank = directive.find(' ');
            if (!holds && blank != std::string::npos) {
                skip = std::stoi(directive.substr(blank + 1));
            }
        }
    }
    return shown;
}

// The cell identifiers of the shown rows. A skip that ends inside a row group shows as an
// editable row without its separator line, or as two separator lines in a row.
Lines ShownCells(TextStore& store, const std::string& key, const Conditions& c,
                 const std::string& where) {
    const Lines shown = ShownLines(store, key, c);
    Lines cells;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const bool last = i + 1 == shown.size();
        if (shown[i].empty()) {
            EXPECT_TRUE(last || !shown[i + 1].empty()) << where << ": two empty lines";
        }
        if (shown[i].find("($eWh)") != std::string::npos) {
            EXPECT_TRUE(last || shown[i + 1].empty())
                << where << ": no separator after " << shown[i];
        }
        for (const Link& link : Links(shown[i])) {
            cells.push_back(link.cell);
        }
    }
    return cells;
}

bool Contains(const Lines& lines, const std::string& item) {
    return std::find(lines.begin(), lines.end(), item) != lines.end();
}

TEST_F(MainResourceTest, HomeSheetShowsEachSettingOnceUnderEveryCondition) {
    for (const int model : {0, 3, 4}) {
        for (const bool duplex : {false, true}) {
            for (const bool vfo : {false, true}) {
                for (const int light : {0, 2}) {
                    Conditions c;
                    c.modelType = model;
                    c.duplexEnabled = duplex;
                    c.vfoEnabled = vfo;
                    c.lightKey = light;
                    const std::string where =
                        "model " + std::to_string(model) + " duplex " + std::to_string(duplex) +
                        " vfo " + std::to_string(vfo) + " light " + std::to_string(light);
                    const Lines cells = ShownCells(store_, "GI_Sheet_Home_Cells", c, where);
                    EXPECT_EQ(std::set<std::string>(cells.begin(), cells.end()).size(),
                              cells.size())
                        << where;
                    const bool dupVor = model == 3 && duplex;
                    EXPECT_EQ(Contains(cells, "CL_Home_Mode"), vfo) << where;
                    EXPECT_EQ(Contains(cells, "CL_Home_Bank"), model != 4) << where;
                    EXPECT_TRUE(Contains(cells, "CL_Home_Ch")) << where;
                    EXPECT_EQ(Contains(cells, "CL_Home_Freq"), dupVor) << where;
                    EXPECT_EQ(Contains(cells, "CL_Home_FreqT"), dupVor) << where;
                    EXPECT_EQ(Contains(cells, "CL_Home_Dup"), dupVor) << where;
                    EXPECT_EQ(Contains(cells, "CL_Home_FreqRT"), !dupVor) << where;
                    if ((model & 2) == 0) {
                        EXPECT_FALSE(Contains(cells, "CL_Home_WX")) << where;
                    }
                    EXPECT_EQ(Contains(cells, "CL_Home_VOX_Level"), light == 2) << where;
                    EXPECT_EQ(Contains(cells, "CL_Home_VOX_Delay"), light == 2) << where;
                    for (const char* always :
                         {"CL_Home_ANL", "CL_Home_Beep_Level", "CL_Home_Sql_Level",
                          "CL_Home_Side_Level", "CL_Home_Mic_Sens", "CL_Home_Int_Mic",
                          "CL_Home_Tot"}) {
                        EXPECT_TRUE(Contains(cells, always)) << where << " " << always;
                    }
                }
            }
        }
    }
}

TEST_F(MainResourceTest, ExpertSheetShowsEachSettingOnceUnderEveryCondition) {
    for (const int model : {0, 3, 4}) {
        for (const bool spacing : {false, true}) {
            Conditions c;
            c.modelType = model;
            c.spacing833Allowed = spacing;
            c.parameter = 2;
            const std::string where =
                "model " + std::to_string(model) + " 8.33 " + std::to_string(spacing);
            const Lines cells = ShownCells(store_, "GI_Sheet_Expert_Cells", c, where);
            EXPECT_EQ(std::set<std::string>(cells.begin(), cells.end()).size(), cells.size())
                << where;
            const bool lk1 = model <= 3;
            EXPECT_EQ(Contains(cells, "CL_Common_Scan_VFO"), model == 3) << where;
            EXPECT_EQ(Contains(cells, "CL_Common_Scan_MR"), lk1) << where;
            EXPECT_EQ(Contains(cells, "CL_Common_BankName_Write"), lk1) << where;
            EXPECT_EQ(Contains(cells, "CL_Common_Ch_Spacing"), spacing) << where;
            EXPECT_EQ(Contains(cells, "CL_Common_Duplex"), model == 3) << where;
            EXPECT_EQ(Contains(cells, "CL_Common_Alert"), model == 3) << where;
            EXPECT_EQ(cells.size(), 19u + (model == 3 ? 2u : 0u) + (lk1 ? 2u : 0u) +
                                        (model == 3 ? 1u : 0u) + (spacing ? 1u : 0u))
                << where;
        }
    }
}

// Counter values as the sheet engine assigns them: (@ch0=v) sets, (@ch0++) adds one,
// [@ch0] reads; returns every linked cell with the index it gets.
std::vector<std::pair<std::string, int>> CounterLinks(const Lines& body) {
    std::vector<std::pair<std::string, int>> links;
    int counter = 0;
    for (const std::string& line : body) {
        if (!line.empty() && line.front() == ':') {
            continue;
        }
        for (const std::string& group : AttributeGroups(line)) {
            if (group.rfind("@ch0=", 0) == 0) {
                counter = std::stoi(group.substr(5));
            } else if (group == "@ch0++") {
                ++counter;
            } else if (!group.empty() && group.front() == '%') {
                const Link link = ParseLink(std::string_view(group).substr(1));
                if (link.index == "@ch0") {
                    links.emplace_back(link.cell, counter);
                }
            }
        }
    }
    return links;
}

TEST_F(MainResourceTest, BankOperationSheetLinksTenBanksThenTotalAndRemain) {
    const Lines body = Body(store_, "GI_Sheet_BankOp_Cells");
    EXPECT_EQ(body.size(), 21u);
    std::map<std::string, Lines> indexes;
    for (const auto& [cell, index] : CounterLinks(body)) {
        indexes[cell].push_back(std::to_string(index));
    }
    const Lines banks = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    Lines banksAndTotals = banks;
    banksAndTotals.push_back("10");
    banksAndTotals.push_back("11");
    EXPECT_EQ(indexes["CL_Bank_Name"], banks);
    EXPECT_EQ(indexes["CL_Mch_Bank"], banksAndTotals);
    EXPECT_EQ(indexes["CL_Mch_UsedCHs"], banksAndTotals);
    EXPECT_EQ(body[3],
              "|{($iChN)^}0\t\t\t\t\t||{($eWh)<(%CL_Bank_Name[@ch0])}W.W.W.W.W.W.W.W.\t|{($iQp)}|{("
              "$eWh)>(%CL_Mch_Bank[@ch0])}256\t|{($cbInd)B}:|{($cbInd)>B(%CL_Mch_UsedCHs[@ch0])}"
              "256\t|{(@ch0++)}");
    EXPECT_EQ(body[13], "|{H(Font=,,,%10,,,)}\\_");
    EXPECT_EQ(store_.GetText("GI_Sheet_BankOp_BasicCell", 0),
              "{($Basic)(%CT_BankOp.)(PopupMenu=GI_PMenu_UpDn)}");
    const std::string style = store_.GetText("GI_Sheet_BankOp_Style", 0);
    EXPECT_NE(style.find("(TitleString= Bank Operation)"), std::string::npos);
    EXPECT_NE(style.find("(FixedRows=3)"), std::string::npos);
}

TEST_F(MainResourceTest, WxChannelSheet) {
    const Lines expected = {
        "",
        "|{($iChN)^!B(@ch0=0)}CH\t||{($iChI)}TAG",
        "",
        ":(LoopFrom 10)",
        "|{($iChN)^(%CL_Misc_ChNo_1Base)}99\t||{($eWh)^(%CL_WxCh_Tag)}TAG\t|{(@ch0++)}",
        ":(LoopTo)",
        "",
        "",
    };
    EXPECT_EQ(Body(store_, "GI_Sheet_WxCH_Cells"), expected);
    const std::string style = store_.GetText("GI_Sheet_WxCH_Style", 0);
    EXPECT_NE(style.find("(FixedCols=3)(FixedRows=3)"), std::string::npos);
    // The tag cells take their index from the basic cell and the row copies: the basic cell
    // must not make them channel-list cells.
    EXPECT_EQ(store_.GetText("GI_Sheet_WxCH_BasicCell", 0).find("CT_Conv"), std::string::npos);
}

// ---------------------------------------------------------------------------------------
// Choice lists: value and shown text of every row, in row order.

using Choices = std::vector<std::pair<int, std::string>>;

Choices ChoiceRows(TextStore& store, const std::string& list, const std::string& rowCell) {
    Choices rows;
    for (const std::string& line : Body(store, "GI_Sheet_" + list + "_Cells")) {
        std::string_view rest = line;
        while (!rest.empty()) {
            const std::size_t bar = rest.find('|');
            const std::string_view source = rest.substr(0, bar);
            rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
            std::string attributes;
            std::string text;
            bool inAttributes = false;
            for (const char c : source) {
                if (c == '{') {
                    inAttributes = true;
                } else if (c == '}') {
                    inAttributes = false;
                } else {
                    (inAttributes ? attributes : text) += c;
                }
            }
            for (const Link& link : Links(attributes)) {
                if (link.cell == rowCell) {
                    rows.emplace_back(std::stoi(link.index),
                                      link.hasLinkText ? link.linkText : Trim(text));
                }
            }
        }
    }
    return rows;
}

Choices Range(int first, int last, int scale, const std::string& prefix = "") {
    Choices rows;
    for (int value = first; value <= last; ++value) {
        rows.emplace_back(value, prefix + std::to_string(value * scale));
    }
    return rows;
}

TEST_F(MainResourceTest, SettingChoiceLists) {
    Choices sql = {{0, "SQL - OPEN"}};
    for (int level = 1; level <= 10; ++level) {
        sql.emplace_back(level, "SQL - " + std::to_string(level));
    }
    Choices vox;
    for (int value = 0; value <= 5; ++value) {
        vox.emplace_back(value, std::to_string(value + 1));
    }
    Choices totOff = {{0, "OFF"}};
    const Choices tot = Range(2, 18, 10);
    totOff.insert(totOff.end(), tot.begin(), tot.end());
    const std::vector<std::pair<std::string, Choices>> lists = {
        {"Mode", {{0, "VFO"}, {1, "Mch"}}},
        {"Sql_Level", sql},
        {"Side_Level", Range(0, 10, 1)},
        {"Misc_OnOff", {{0, "OFF"}, {1, "ON"}}},
        {"Common_Mic", {{0, "L"}, {1, "M"}, {2, "H"}}},
        {"Common_Vox", vox},
        {"Common_Vox_Delay",
         {{0, "0.5 sec"},
          {1, "1.0 sec"},
          {2, "1.5 sec"},
          {3, "2.0 sec"},
          {4, "2.5 sec"},
          {5, "3.0 sec"}}},
        {"Common_Tot_Off", totOff},
        {"Common_Tot", tot},
        {"Misc_Scan_VFO", {{0, "COM"}, {1, "COM & NAV"}}},
        {"Misc_Scan_MR", {{0, "Bank"}, {1, "All"}}},
        {"Misc_Indication_Mode", {{0, "Frequency"}, {1, "Memory Name"}}},
        {"Misc_Enable", {{0, "Disable"}, {1, "Enable"}}},
        {"Misc_Enable_I", {{1, "Disable"}, {0, "Enable"}}},
        {"Common_Battery_Select", {{0, "Auto"}, {1, "Manual"}}},
        {"Common_Battery_Save", {{0, "Li-Ion"}, {1, "Dry Battery"}}},
        {"Common_Lock", {{0, "Unlock"}, {1, "Lock"}}},
        {"Common_Light",
         {{0, "LIGHT"},
          {1, "BATT-Check"},
          {2, "VOX"},
          {3, "HOME"},
          {4, "121.5MHz Access"},
          {5, "SCAN"}}},
        {"Misc_DispMode", {{1, "5 digits"}, {0, "6 digits"}}},
        {"Common_ChSp", {{0, "25kHz"}, {1, "8.33kHz"}, {2, "25kHz + 8.33kHz"}}},
        {"Common_Wxalt", {{0, "Disable"}, {1, "OFF"}, {2, "ON"}}},
    };
    EXPECT_EQ(lists.size() + 4, kChoiceListNames.size());
    for (const auto& [name, expected] : lists) {
        EXPECT_EQ(ChoiceRows(store_, "Sel_" + name, "Flex0"), expected) << name;
    }
    EXPECT_EQ(store_.GetText("GI_Sheet_Sel_Misc_Enable_Cells", 0), "{S(%Flex0[0])}Disable");
}

TEST_F(MainResourceTest, ChannelChoiceLists) {
    EXPECT_EQ(ChoiceRows(store_, "Sel_Mch_Dup", "CL_FlexMarking"), (Choices{{0, ""}, {1, "DUP"}}));
    EXPECT_EQ(ChoiceRows(store_, "Sel_Mch_Tx_Inhibit", "Flex0"), (Choices{{0, ""}, {1, "i"}}));
    EXPECT_EQ(ChoiceRows(store_, "Sel_Mch_Tag", "Flex0"), (Choices{{0, ""}, {1, "TAG"}}));
    Choices wx = {{255, ""}};
    for (int channel = 0; channel <= 9; ++channel) {
        wx.emplace_back(channel, std::to_string(channel + 1));
    }
    EXPECT_EQ(ChoiceRows(store_, "Sel_Mch_WxCH", "Flex0"), wx);
    EXPECT_EQ(store_.GetText("GI_Sheet_Sel_Mch_Dup_Cells", 1),
              "{S(%CL_FlexMarking[1]:DUP)}DUP\t|{($tipsM)}: Duplex");
    EXPECT_EQ(store_.GetText("GI_Sheet_Sel_Mch_WxCH_Cells", 1), "{S(%Flex0[0 ]:1)}1");
}

// ---------------------------------------------------------------------------------------
// Names the bodies refer to.

TEST_F(MainResourceTest, EveryPopupMenuNamedExists) {
    int references = 0;
    for (const auto& [key, line] : AllBodyLines()) {
        for (const std::string& group : AttributeGroups(line)) {
            if (group.rfind("PopupMenu=", 0) != 0 || group.size() == 10) {
                continue;
            }
            const std::string name = group.substr(10);
            ++references;
            EXPECT_TRUE(store_.HasKey(name + "_BasicCell")) << key << " names " << name;
            EXPECT_TRUE(store_.HasKey(name + "_Body")) << key << " names " << name;
        }
    }
    EXPECT_GE(references, 3);
}

TEST_F(MainResourceTest, EveryPresetUsedExists) {
    int references = 0;
    for (const auto& [key, line] : AllBodyLines()) {
        for (const std::string& group : AttributeGroups(line)) {
            if (group.empty() || group.front() != '$') {
                continue;
            }
            ++references;
            EXPECT_TRUE(store_.HasKey("CellModel_" + group.substr(1)))
                << key << " uses preset " << group;
        }
    }
    EXPECT_GT(references, 100);
}

TEST_F(MainResourceTest, EverySheetCalledExists) {
    int references = 0;
    for (const auto& [key, line] : AllBodyLines()) {
        for (const Link& link : Links(line)) {
            if (link.cell == "CallSheet" || link.cell.rfind("CL_Check_", 0) == 0) {
                ++references;
                ExpectSheetExists(link.linkText, key);
            }
        }
    }
    EXPECT_EQ(references, 7 + 1 + 1 + 14);  // tree, two branches, warning check list
    for (int n = 0;; ++n) {
        const std::string entry = store_.GetText("GI_CellWidthRegList", n);
        if (EndsBody(entry)) {
            break;
        }
        ExpectSheetExists(entry.substr(0, entry.find(':')), "GI_CellWidthRegList");
    }
}

// The names the links give are checked against the data model's vocabulary by the radio
// tests; here only their indexes.
TEST_F(MainResourceTest, EveryLinkIndexIsANumberOrACounter) {
    int links = 0;
    for (const auto& [key, line] : AllBodyLines()) {
        for (const Link& link : Links(line)) {
            ++links;
            if (!link.index.empty() && link.index.front() == '@') {
                EXPECT_EQ(link.index.size(), 4u) << key << ": counter " << link.index;
            } else if (!link.index.empty()) {
                EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(link.index.front())))
                    << key << ": index " << link.index;
            }
        }
    }
    EXPECT_GT(links, 200);
}

// ---------------------------------------------------------------------------------------
// Help topic resource.

class HelpTopicResourceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store_.SetSource(HelpTopicResource())); }

    // The context number of a cell, looked up through both tables.
    int ContextOf(const std::string& cell) {
        std::string topic;
        for (const std::string& line : Body(store_, "GI_AppItem_Topic_ID")) {
            const std::size_t tab = line.find('\t');
            if (line.substr(0, tab) == cell) {
                topic = line.substr(tab + 1);
                break;
            }
        }
        for (const std::string& line : Body(store_, "GI_AppItem_Context_ID")) {
            const std::size_t tab = line.find('\t');
            if (!topic.empty() && line.substr(0, tab) == topic) {
                return std::stoi(line.substr(tab + 1));
            }
        }
        return 0;
    }

    TextStore store_;
};

TEST_F(HelpTopicResourceTest, LayoutAndKeys) {
    const TextResource& resource = HelpTopicResource();
    ASSERT_EQ(resource.LineCount(), 115u);
    EXPECT_EQ(resource.Line(0), "#GI_AppItem_Topic_ID");
    EXPECT_EQ(resource.Line(114), "#End_Of_Ovl");
    EXPECT_EQ(ResourceKeys(resource),
              (Lines{"GI_AppItem_Topic_ID", "GI_AppItem_Context_ID", "End_Of_Ovl"}));
}

TEST_F(HelpTopicResourceTest, FirstAndLastLines) {
    EXPECT_EQ(store_.GetText("GI_AppItem_Topic_ID", 0), "CL_Bank_Name\tIDH1001");
    EXPECT_EQ(store_.GetText("GI_AppItem_Topic_ID", 53), "CL_Common_COMMENT\tIDH1054");
    EXPECT_TRUE(EndsBody(store_.GetText("GI_AppItem_Topic_ID", 54)));
    EXPECT_EQ(store_.GetText("GI_AppItem_Context_ID", 0), "IDH1001\t1");
    EXPECT_EQ(store_.GetText("GI_AppItem_Context_ID", 53), "IDH1054\t54");
    EXPECT_TRUE(EndsBody(store_.GetText("GI_AppItem_Context_ID", 54)));
}

TEST_F(HelpTopicResourceTest, EveryTopicLine) {
    const Lines topics = Body(store_, "GI_AppItem_Topic_ID");
    const Lines contexts = Body(store_, "GI_AppItem_Context_ID");
    ASSERT_EQ(topics.size(), 54u);
    ASSERT_EQ(contexts.size(), 54u);
    for (int n = 1; n <= 54; ++n) {
        const std::string topic = "IDH" + std::to_string(1000 + n);
        EXPECT_EQ(topics[n - 1], kHelpCells[n - 1] + "\t" + topic);
        EXPECT_EQ(contexts[n - 1], topic + "\t" + std::to_string(n));
    }
}

TEST_F(HelpTopicResourceTest, CellToContextLookup) {
    EXPECT_EQ(ContextOf("CL_Bank_Name"), 1);
    EXPECT_EQ(ContextOf("CL_Mch_Freq"), 4);
    EXPECT_EQ(ContextOf("CL_Home_Tot"), 28);
    EXPECT_EQ(ContextOf("CL_Common_Alert"), 46);
    EXPECT_EQ(ContextOf("CL_Common_COMMENT"), 54);
    EXPECT_EQ(ContextOf("CL_Null"), 0);
    EXPECT_EQ(ContextOf("CL_Menu_File_New"), 0);
}

}  // namespace
}  // namespace orvane
