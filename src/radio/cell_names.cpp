#include "radio/cell_names.h"

#include <array>

#include "base/fatal.h"

namespace orvane {
namespace {

// Indexed by code.
constexpr std::array<std::string_view, 5> kCategoryNames = {"CT_Null", "CT_PopupMenu", "CT_Conv",
                                                            "CT_BankOp", "CT_Home"};

constexpr std::array<ListKind, 6> kListKinds = {ListKind::None,  ListKind::None, ListKind::Channels,
                                                ListKind::Banks, ListKind::None, ListKind::None};

// Indexed by code.
constexpr std::array<std::string_view, kCellCount> kCellNames = {
    "CL_Null",                           // 0
    "Flex0",                             // 1
    "FlexSpace",                         // 2
    "FlexKeyOpt",                        // 3
    "CL_FlexMarking",                    // 4
    "CL_Menu_File_New",                  // 5
    "CL_Menu_File_Open",                 // 6
    "CL_Menu_File_Save",                 // 7
    "CL_Menu_File_SaveAs",               // 8
    "CL_Menu_File_Print_Current",        // 9
    "CL_Menu_File_Print_All",            // 10
    "CL_Menu_File_Recent",               // 11
    "CL_Menu_File_Exit",                 // 12
    "CL_Menu_Edit_Top",                  // 13
    "CL_Menu_View_FontSize",             // 14
    "CL_Menu_View_ToolBar",              // 15
    "CL_Menu_Port_Com",                  // 16
    "CL_Menu_Port_Usb",                  // 17
    "CL_Menu_Com_Speed",                 // 18
    "CL_Menu_Clone_Read",                // 19
    "CL_Menu_Clone_Write",               // 20
    "CL_Menu_Clone_Info",                // 21
    "CL_Menu_Clone_Adj",                 // 22
    "CL_Model",                          // 23
    "CL_Help_About",                     // 24
    "CL_Help_Contents",                  // 25
    "CL_Menu_Debug_Compare",             // 26
    "CL_Menu_Debug_CorrectComp",         // 27
    "CL_Menu_Debug_CautionCorrectComp",  // 28
    "CL_Menu_Debug_Window",              // 29
    "CL_Menu_Debug_EeWindow",            // 30
    "CL_Menu_Debug_CorrectCloneRead",    // 31
    "CL_Menu_Debug_CorrectCloneWrite",   // 32
    "CL_EeDebugWin_Adr",                 // 33
    "CL_EeDebugWin_0",                   // 34
    "CL_EeDebugWin_1",                   // 35
    "CL_EeDebugWin_2",                   // 36
    "CL_EeDebugWin_3",                   // 37
    "CL_EeDebugWin_4",                   // 38
    "CL_EeDebugWin_5",                   // 39
    "CL_EeDebugWin_6",                   // 40
    "CL_EeDebugWin_7",                   // 41
    "CL_EeDebugWin_8",                   // 42
    "CL_EeDebugWin_9",                   // 43
    "CL_EeDebugWin_A",                   // 44
    "CL_EeDebugWin_B",                   // 45
    "CL_EeDebugWin_C",                   // 46
    "CL_EeDebugWin_D",                   // 47
    "CL_EeDebugWin_E",                   // 48
    "CL_EeDebugWin_F",                   // 49
    "CallSheet",                         // 50
    "CL_Check_BankOp",                   // 51
    "CL_Check_MemoryCH",                 // 52
    "CL_Check_MemoryCH0",                // 53
    "CL_Check_MemoryCH1",                // 54
    "CL_Check_MemoryCH2",                // 55
    "CL_Check_MemoryCH3",                // 56
    "CL_Check_MemoryCH4",                // 57
    "CL_Check_MemoryCH5",                // 58
    "CL_Check_MemoryCH6",                // 59
    "CL_Check_MemoryCH7",                // 60
    "CL_Check_MemoryCH8",                // 61
    "CL_Check_MemoryCH9",                // 62
    "CL_Check_Home",                     // 63
    "CL_Check_Common",                   // 64
    "CL_CloneInfo_Model",                // 65
    "CL_CloneInfo_Comment",              // 66
    "CL_CloneInfo_WxInh",                // 67
    "CL_CloneInfo_VorInh",               // 68
    "CL_Debug_Info_Expert",              // 69
    "CL_Debug_Info_Name",                // 70
    "CL_Debug_Info_Dup",                 // 71
    "CL_Debug_Info_Expand",              // 72
    "CL_Debug_Info_TOT",                 // 73
    "CL_Debug_Info_TS",                  // 74
    "CL_Debug_Info_TS833",               // 75
    "CL_Debug_Info_Ret",                 // 76
    "CL_Debug_Info_Vfo",                 // 77
    "CL_Debug_Info_Cus",                 // 78
    "CL_Debug_ZCS_LOAD",                 // 79
    "CL_PMenu_NoItem",                   // 80
    "CL_PMenu_Edit",                     // 81
    "CL_PMenu_Help",                     // 82
    "CL_PMenu_Copy",                     // 83
    "CL_PMenu_Paste",                    // 84
    "CL_PMenu_CarryUp",                  // 85
    "CL_PMenu_CarryDown",                // 86
    "CL_PMenu_Clear",                    // 87
    "CL_PMenu_Delete",                   // 88
    "CL_PMenu_Insert",                   // 89
    "CL_FBits",                          // 90
    "CL_Misc_ChNo_0Base",                // 91
    "CL_Misc_ChNo_1Base",                // 92
    "CL_Misc_ChNo_8264Only",             // 93
    "CL_Misc_QuarterPillar",             // 94
    "CL_Misc_QuarterPillarSpecial",      // 95
    "CL_Misc_SeparatorPillar_RX",        // 96
    "CL_Misc_SeparatorPillar_RT",        // 97
    "CL_Misc_SeparatorPillar_DUP",       // 98
    "CL_Misc_SeparatorPillar_Name",      // 99
    "CL_Misc_QuarterPillar_TX",          // 100
    "CL_Mch_Bank",                       // 101
    "CL_Mch_UsedCHs",                    // 102
    "CL_Bank_Name",                      // 103
    "CL_Mch_No",                         // 104
    "CL_Mch_CH_Inh",                     // 105
    "CL_Mch_Freq",                       // 106
    "CL_Mch_FreqT",                      // 107
    "CL_Mch_FreqRT",                     // 108
    "CL_Mch_Dup",                        // 109
    "CL_Mch_Tx_Inhibit",                 // 110
    "CL_Mch_Name",                       // 111
    "CL_Mch_WxCh",                       // 112
    "CL_Mch_Tag",                        // 113
    "CL_WxCh_Tag",                       // 114
    "CL_Home_Mode",                      // 115
    "CL_Home_Bank",                      // 116
    "CL_Home_Ch",                        // 117
    "CL_Home_WX",                        // 118
    "CL_Home_Freq",                      // 119
    "CL_Home_FreqT",                     // 120
    "CL_Home_FreqRT",                    // 121
    "CL_Home_Tx_Inhibit",                // 122
    "CL_Home_LIGHT_Key",                 // 123
    "CL_Home_VOX_Level",                 // 124
    "CL_Home_VOX_Delay",                 // 125
    "CL_Home_Dup",                       // 126
    "CL_Home_ANL",                       // 127
    "CL_Home_Beep_Level",                // 128
    "CL_Home_Sql_Level",                 // 129
    "CL_Home_Side_Level",                // 130
    "CL_Home_Battery_Pack",              // 131
    "CL_Home_Mic_Sens",                  // 132
    "CL_Home_Int_Mic",                   // 133
    "CL_Home_Alert",                     // 134
    "CL_Home_Tot",                       // 135
    "CL_Common_Beep_Level",              // 136
    "CL_Common_ANL",                     // 137
    "CL_Common_COMMENT",                 // 138
    "CL_Common_Scan_VFO",                // 139
    "CL_Common_Scan_MR",                 // 140
    "CL_Common_ABSS",                    // 141
    "CL_Common_Indication_Mode",         // 142
    "CL_Common_Opening_Text",            // 143
    "CL_Common_Adjust_Mode",             // 144
    "CL_Common_VFO_Mode",                // 145
    "CL_Common_VFO_Tx",                  // 146
    "CL_Common_Memory_Write",            // 147
    "CL_Common_Duplex",                  // 148
    "CL_Common_Battery_Select",          // 149
    "CL_Common_Battery_Pack",            // 150
    "CL_Common_Set_Mode",                // 151
    "CL_Common_Home",                    // 152
    "CL_Common_Scan",                    // 153
    "CL_Common_EMR",                     // 154
    "CL_Common_LIGHT_Lock",              // 155
    "CL_Common_PTT_Lock",                // 156
    "CL_Common_SQL_Lock",                // 157
    "CL_Common_VOL_Lock",                // 158
    "CL_Common_Mic_Sens",                // 159
    "CL_Common_Int_Mic",                 // 160
    "CL_Common_LIGHT_Key",               // 161
    "CL_Common_VOX_Level",               // 162
    "CL_Common_VOX_Delay",               // 163
    "CL_Common_Tot",                     // 164
    "CL_Common_Display_Mode",            // 165
    "CL_Common_Ch_Spacing",              // 166
    "CL_Common_BATT_Check",              // 167
    "CL_Common_BankName_Disp",           // 168
    "CL_Common_BankName_Write",          // 169
    "CL_Common_Alert",                   // 170
};

}  // namespace

CellCategory CellNames::CategoryFromName(std::string_view name) {
    if (name.empty()) {
        return category::kNone;
    }
    if (!categoriesRegistered_) {
        for (std::size_t code = 0; code < kCategoryNames.size(); ++code) {
            table_.Insert(kCategoryNames[code], static_cast<std::int32_t>(code));
        }
        categoriesRegistered_ = true;
    }
    if (auto code = table_.Find(name)) {
        return *code;
    }
    Fatal("Cannot use the specified category.\n'" + std::string(name) + "'");
}

CellId CellNames::CellIdFromName(std::string_view name) {
    if (name.empty()) {
        return kNoCell;
    }
    if (!cellsRegistered_) {
        for (std::size_t code = 0; code < kCellNames.size(); ++code) {
            table_.Insert(kCellNames[code], static_cast<std::int32_t>(code));
        }
        cellsRegistered_ = true;
    }
    if (auto code = table_.Find(name)) {
        return *code;
    }
    Fatal("Cannot use the specified cell.\n'" + std::string(name) + "'");
}

std::string CellNames::CellIdName(CellId code) {
    if (code < 0 || code >= kCellCount) {
        return {};
    }
    return std::string(kCellNames[static_cast<std::size_t>(code)]);
}

ListKind CellNames::ListKindOfCategory(CellCategory category) {
    if (category < 0 || category > category::kNone) {
        Fatal("Unknown Cell Category.");
    }
    return kListKinds[static_cast<std::size_t>(category)];
}

}  // namespace orvane
