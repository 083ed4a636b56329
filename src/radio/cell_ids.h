#pragma once
// The cell categories and cell identifiers that every sheet cell, menu item and tree
// node links to, with the CT_ and CL_ names definition texts use for them. A code is the
// position of its name in the table below; the codes are the selectors of the cell
// dispatch and of the popup commands, so the order is fixed.

#include <array>
#include <cstdint>
#include <string_view>

#include "sheet/cell_link.h"

namespace orvane {

using CellCategory = std::int32_t;
using CellId = std::int32_t;

// Indexed by code; the code after the last (CellLink::kNoCategory) names no category.
inline constexpr std::array<std::string_view, CellLink::kNoCategory> kCategoryNames = {
    "CT_Null", "CT_PopupMenu", "CT_Conv", "CT_BankOp", "CT_Home"};

// Indexed by code; the code after the last (CellLink::kNoCell) names no cell.
inline constexpr std::array<std::string_view, CellLink::kNoCell> kCellNames = {
    // 0: no binding; free and reserved cells
    "CL_Null",
    "Flex0",
    "FlexSpace",
    "FlexKeyOpt",
    "CL_FlexMarking",

    // 5: File, Edit, View, port, clone, model and Help menus
    "CL_Menu_File_New",
    "CL_Menu_File_Open",
    "CL_Menu_File_Save",
    "CL_Menu_File_SaveAs",
    "CL_Menu_File_Print_Current",
    "CL_Menu_File_Print_All",
    "CL_Menu_File_Recent",
    "CL_Menu_File_Exit",
    "CL_Menu_Edit_Top",
    "CL_Menu_View_FontSize",
    "CL_Menu_View_ToolBar",
    "CL_Menu_Port_Com",
    "CL_Menu_Port_Usb",
    "CL_Menu_Com_Speed",
    "CL_Menu_Clone_Read",
    "CL_Menu_Clone_Write",
    "CL_Menu_Clone_Info",
    "CL_Menu_Clone_Adj",
    "CL_Model",
    "CL_Help_About",
    "CL_Help_Contents",

    // 26: reserved debug commands and raw byte view
    "CL_Menu_Debug_Compare",
    "CL_Menu_Debug_CorrectComp",
    "CL_Menu_Debug_CautionCorrectComp",
    "CL_Menu_Debug_Window",
    "CL_Menu_Debug_EeWindow",
    "CL_Menu_Debug_CorrectCloneRead",
    "CL_Menu_Debug_CorrectCloneWrite",
    "CL_EeDebugWin_Adr",
    "CL_EeDebugWin_0",
    "CL_EeDebugWin_1",
    "CL_EeDebugWin_2",
    "CL_EeDebugWin_3",
    "CL_EeDebugWin_4",
    "CL_EeDebugWin_5",
    "CL_EeDebugWin_6",
    "CL_EeDebugWin_7",
    "CL_EeDebugWin_8",
    "CL_EeDebugWin_9",
    "CL_EeDebugWin_A",
    "CL_EeDebugWin_B",
    "CL_EeDebugWin_C",
    "CL_EeDebugWin_D",
    "CL_EeDebugWin_E",
    "CL_EeDebugWin_F",

    // 50: tree items and warning checks
    "CallSheet",
    "CL_Check_BankOp",
    "CL_Check_MemoryCH",
    "CL_Check_MemoryCH0",
    "CL_Check_MemoryCH1",
    "CL_Check_MemoryCH2",
    "CL_Check_MemoryCH3",
    "CL_Check_MemoryCH4",
    "CL_Check_MemoryCH5",
    "CL_Check_MemoryCH6",
    "CL_Check_MemoryCH7",
    "CL_Check_MemoryCH8",
    "CL_Check_MemoryCH9",
    "CL_Check_Home",
    "CL_Check_Common",

    // 65: clone information sheet
    "CL_CloneInfo_Model",
    "CL_CloneInfo_Comment",
    "CL_CloneInfo_WxInh",
    "CL_CloneInfo_VorInh",

    // 69: reserved debug items
    "CL_Debug_Info_Expert",
    "CL_Debug_Info_Name",
    "CL_Debug_Info_Dup",
    "CL_Debug_Info_Expand",
    "CL_Debug_Info_TOT",
    "CL_Debug_Info_TS",
    "CL_Debug_Info_TS833",
    "CL_Debug_Info_Ret",
    "CL_Debug_Info_Vfo",
    "CL_Debug_Info_Cus",
    "CL_Debug_ZCS_LOAD",

    // 80: popup menu commands: the code is the command number
    "CL_PMenu_NoItem",
    "CL_PMenu_Edit",
    "CL_PMenu_Help",
    "CL_PMenu_Copy",
    "CL_PMenu_Paste",
    "CL_PMenu_CarryUp",
    "CL_PMenu_CarryDown",
    "CL_PMenu_Clear",
    "CL_PMenu_Delete",
    "CL_PMenu_Insert",

    // 90: row numbers and separators
    "CL_FBits",
    "CL_Misc_ChNo_0Base",
    "CL_Misc_ChNo_1Base",
    "CL_Misc_ChNo_8264Only",
    "CL_Misc_QuarterPillar",
    "CL_Misc_QuarterPillarSpecial",
    "CL_Misc_SeparatorPillar_RX",
    "CL_Misc_SeparatorPillar_RT",
    "CL_Misc_SeparatorPillar_DUP",
    "CL_Misc_SeparatorPillar_Name",
    "CL_Misc_QuarterPillar_TX",

    // 101: bank table and memory channels
    "CL_Mch_Bank",
    "CL_Mch_UsedCHs",
    "CL_Bank_Name",
    "CL_Mch_No",
    "CL_Mch_CH_Inh",
    "CL_Mch_Freq",
    "CL_Mch_FreqT",
    "CL_Mch_FreqRT",
    "CL_Mch_Dup",
    "CL_Mch_Tx_Inhibit",
    "CL_Mch_Name",
    "CL_Mch_WxCh",
    "CL_Mch_Tag",

    // 114: WX channels and home settings
    "CL_WxCh_Tag",
    "CL_Home_Mode",
    "CL_Home_Bank",
    "CL_Home_Ch",
    "CL_Home_WX",
    "CL_Home_Freq",
    "CL_Home_FreqT",
    "CL_Home_FreqRT",
    "CL_Home_Tx_Inhibit",
    "CL_Home_LIGHT_Key",
    "CL_Home_VOX_Level",
    "CL_Home_VOX_Delay",
    "CL_Home_Dup",
    "CL_Home_ANL",
    "CL_Home_Beep_Level",
    "CL_Home_Sql_Level",
    "CL_Home_Side_Level",
    "CL_Home_Battery_Pack",
    "CL_Home_Mic_Sens",
    "CL_Home_Int_Mic",
    "CL_Home_Alert",
    "CL_Home_Tot",

    // 136: common and expert settings
    "CL_Common_Beep_Level",
    "CL_Common_ANL",
    "CL_Common_COMMENT",
    "CL_Common_Scan_VFO",
    "CL_Common_Scan_MR",
    "CL_Common_ABSS",
    "CL_Common_Indication_Mode",
    "CL_Common_Opening_Text",
    "CL_Common_Adjust_Mode",
    "CL_Common_VFO_Mode",
    "CL_Common_VFO_Tx",
    "CL_Common_Memory_Write",
    "CL_Common_Duplex",
    "CL_Common_Battery_Select",
    "CL_Common_Battery_Pack",
    "CL_Common_Set_Mode",
    "CL_Common_Home",
    "CL_Common_Scan",
    "CL_Common_EMR",
    "CL_Common_LIGHT_Lock",
    "CL_Common_PTT_Lock",
    "CL_Common_SQL_Lock",
    "CL_Common_VOL_Lock",
    "CL_Common_Mic_Sens",
    "CL_Common_Int_Mic",
    "CL_Common_LIGHT_Key",
    "CL_Common_VOX_Level",
    "CL_Common_VOX_Delay",
    "CL_Common_Tot",
    "CL_Common_Display_Mode",
    "CL_Common_Ch_Spacing",
    "CL_Common_BATT_Check",
    "CL_Common_BankName_Disp",
    "CL_Common_BankName_Write",
    "CL_Common_Alert",

    // 171: the Edit menu's history commands
    "CL_Menu_Edit_Undo",
    "CL_Menu_Edit_Redo",

    // 173: the channel exchange commands
    "CL_Menu_File_Exchange",
};

inline constexpr CellId kCellCount = static_cast<CellId>(kCellNames.size());

// The code of a name in `names`; a name the table lacks does not compile.
consteval std::int32_t CodeOfName(const auto& names, std::string_view name) {
    for (std::size_t code = 0; code < names.size(); ++code) {
        if (names[code] == name) {
            return static_cast<std::int32_t>(code);
        }
    }
    throw "not a name of the table";
}
consteval CellCategory CategoryCode(std::string_view name) {
    return CodeOfName(kCategoryNames, name);
}
consteval CellId CellCode(std::string_view name) { return CodeOfName(kCellNames, name); }

namespace category {
inline constexpr CellCategory kNull = CategoryCode("CT_Null");
inline constexpr CellCategory kPopupMenu = CategoryCode("CT_PopupMenu");
inline constexpr CellCategory kConv = CategoryCode("CT_Conv");      // memory-channel sheets
inline constexpr CellCategory kBankOp = CategoryCode("CT_BankOp");  // bank operation sheet
inline constexpr CellCategory kHome = CategoryCode("CT_Home");      // common and expert sheets
inline constexpr CellCategory kNone = CellLink::kNoCategory;        // a reference that names none
}  // namespace category

// The kind of list a category's cells work on.
enum class ListKind : std::int32_t { None = 0, Channels = 1, Banks = 2 };

// Codes that other code compares against. Ranges (such as the sixteen raw-byte cells)
// are given by their first code.
namespace cell {
inline constexpr CellId kNull = CellCode("CL_Null");
inline constexpr CellId kFlex0 = CellCode("Flex0");
inline constexpr CellId kFlexSpace = CellCode("FlexSpace");
inline constexpr CellId kFlexKeyOpt = CellCode("FlexKeyOpt");
inline constexpr CellId kFlexMarking = CellCode("CL_FlexMarking");
inline constexpr CellId kMenuFileNew = CellCode("CL_Menu_File_New");
inline constexpr CellId kMenuFileOpen = CellCode("CL_Menu_File_Open");
inline constexpr CellId kMenuFileSave = CellCode("CL_Menu_File_Save");
inline constexpr CellId kMenuFileSaveAs = CellCode("CL_Menu_File_SaveAs");
inline constexpr CellId kMenuFilePrintCurrent = CellCode("CL_Menu_File_Print_Current");
inline constexpr CellId kMenuFilePrintAll = CellCode("CL_Menu_File_Print_All");
inline constexpr CellId kMenuFileRecent = CellCode("CL_Menu_File_Recent");
inline constexpr CellId kMenuFileExit = CellCode("CL_Menu_File_Exit");
inline constexpr CellId kMenuFileExchange = CellCode("CL_Menu_File_Exchange");
inline constexpr CellId kMenuEditTop = CellCode("CL_Menu_Edit_Top");
inline constexpr CellId kMenuEditUndo = CellCode("CL_Menu_Edit_Undo");
inline constexpr CellId kMenuEditRedo = CellCode("CL_Menu_Edit_Redo");
inline constexpr CellId kMenuViewFontSize = CellCode("CL_Menu_View_FontSize");
inline constexpr CellId kMenuViewToolBar = CellCode("CL_Menu_View_ToolBar");
inline constexpr CellId kMenuPortCom = CellCode("CL_Menu_Port_Com");
inline constexpr CellId kMenuPortUsb = CellCode("CL_Menu_Port_Usb");
inline constexpr CellId kMenuComSpeed = CellCode("CL_Menu_Com_Speed");
inline constexpr CellId kMenuCloneRead = CellCode("CL_Menu_Clone_Read");
inline constexpr CellId kMenuCloneWrite = CellCode("CL_Menu_Clone_Write");
inline constexpr CellId kMenuCloneInfo = CellCode("CL_Menu_Clone_Info");
inline constexpr CellId kMenuCloneAdj = CellCode("CL_Menu_Clone_Adj");
inline constexpr CellId kModel = CellCode("CL_Model");
inline constexpr CellId kHelpAbout = CellCode("CL_Help_About");
inline constexpr CellId kHelpContents = CellCode("CL_Help_Contents");
inline constexpr CellId kMenuDebugCompare = CellCode("CL_Menu_Debug_Compare");
inline constexpr CellId kEeDebugWinAdr = CellCode("CL_EeDebugWin_Adr");
inline constexpr CellId kEeDebugWin0 = CellCode("CL_EeDebugWin_0");
inline constexpr CellId kCallSheet = CellCode("CallSheet");
inline constexpr CellId kCheckBankOp = CellCode("CL_Check_BankOp");
inline constexpr CellId kCheckMemoryCH = CellCode("CL_Check_MemoryCH");
inline constexpr CellId kCheckMemoryCH0 = CellCode("CL_Check_MemoryCH0");
inline constexpr CellId kCheckHome = CellCode("CL_Check_Home");
inline constexpr CellId kCheckCommon = CellCode("CL_Check_Common");
inline constexpr CellId kCloneInfoModel = CellCode("CL_CloneInfo_Model");
inline constexpr CellId kCloneInfoComment = CellCode("CL_CloneInfo_Comment");
inline constexpr CellId kCloneInfoWxInh = CellCode("CL_CloneInfo_WxInh");
inline constexpr CellId kCloneInfoVorInh = CellCode("CL_CloneInfo_VorInh");
inline constexpr CellId kDebugInfoExpert = CellCode("CL_Debug_Info_Expert");
inline constexpr CellId kDebugZcsLoad = CellCode("CL_Debug_ZCS_LOAD");
inline constexpr CellId kPMenuNoItem = CellCode("CL_PMenu_NoItem");
inline constexpr CellId kPMenuEdit = CellCode("CL_PMenu_Edit");
inline constexpr CellId kPMenuHelp = CellCode("CL_PMenu_Help");
inline constexpr CellId kPMenuCopy = CellCode("CL_PMenu_Copy");
inline constexpr CellId kPMenuPaste = CellCode("CL_PMenu_Paste");
inline constexpr CellId kPMenuCarryUp = CellCode("CL_PMenu_CarryUp");
inline constexpr CellId kPMenuCarryDown = CellCode("CL_PMenu_CarryDown");
inline constexpr CellId kPMenuClear = CellCode("CL_PMenu_Clear");
inline constexpr CellId kPMenuDelete = CellCode("CL_PMenu_Delete");
inline constexpr CellId kPMenuInsert = CellCode("CL_PMenu_Insert");
inline constexpr CellId kFBits = CellCode("CL_FBits");
inline constexpr CellId kMiscChNo0Base = CellCode("CL_Misc_ChNo_0Base");
inline constexpr CellId kMiscChNo1Base = CellCode("CL_Misc_ChNo_1Base");
inline constexpr CellId kMiscChNo8264Only = CellCode("CL_Misc_ChNo_8264Only");
inline constexpr CellId kMiscQuarterPillar = CellCode("CL_Misc_QuarterPillar");
inline constexpr CellId kMiscQuarterPillarSpecial = CellCode("CL_Misc_QuarterPillarSpecial");
inline constexpr CellId kMiscSeparatorPillarRX = CellCode("CL_Misc_SeparatorPillar_RX");
inline constexpr CellId kMiscSeparatorPillarRT = CellCode("CL_Misc_SeparatorPillar_RT");
inline constexpr CellId kMiscSeparatorPillarDUP = CellCode("CL_Misc_SeparatorPillar_DUP");
inline constexpr CellId kMiscSeparatorPillarName = CellCode("CL_Misc_SeparatorPillar_Name");
inline constexpr CellId kMiscQuarterPillarTX = CellCode("CL_Misc_QuarterPillar_TX");
inline constexpr CellId kMchBank = CellCode("CL_Mch_Bank");
inline constexpr CellId kMchUsedCHs = CellCode("CL_Mch_UsedCHs");
inline constexpr CellId kBankName = CellCode("CL_Bank_Name");
inline constexpr CellId kMchNo = CellCode("CL_Mch_No");
inline constexpr CellId kMchCHInh = CellCode("CL_Mch_CH_Inh");
inline constexpr CellId kMchFreq = CellCode("CL_Mch_Freq");
inline constexpr CellId kMchFreqT = CellCode("CL_Mch_FreqT");
inline constexpr CellId kMchFreqRT = CellCode("CL_Mch_FreqRT");
inline constexpr CellId kMchDup = CellCode("CL_Mch_Dup");
inline constexpr CellId kMchTxInhibit = CellCode("CL_Mch_Tx_Inhibit");
inline constexpr CellId kMchName = CellCode("CL_Mch_Name");
inline constexpr CellId kMchWxCh = CellCode("CL_Mch_WxCh");
inline constexpr CellId kMchTag = CellCode("CL_Mch_Tag");
inline constexpr CellId kWxChTag = CellCode("CL_WxCh_Tag");
inline constexpr CellId kHomeMode = CellCode("CL_Home_Mode");
inline constexpr CellId kHomeBank = CellCode("CL_Home_Bank");
inline constexpr CellId kHomeCh = CellCode("CL_Home_Ch");
inline constexpr CellId kHomeWX = CellCode("CL_Home_WX");
inline constexpr CellId kHomeFreq = CellCode("CL_Home_Freq");
inline constexpr CellId kHomeFreqT = CellCode("CL_Home_FreqT");
inline constexpr CellId kHomeFreqRT = CellCode("CL_Home_FreqRT");
inline constexpr CellId kHomeTxInhibit = CellCode("CL_Home_Tx_Inhibit");
inline constexpr CellId kHomeLIGHTKey = CellCode("CL_Home_LIGHT_Key");
inline constexpr CellId kHomeVOXLevel = CellCode("CL_Home_VOX_Level");
inline constexpr CellId kHomeVOXDelay = CellCode("CL_Home_VOX_Delay");
inline constexpr CellId kHomeDup = CellCode("CL_Home_Dup");
inline constexpr CellId kHomeANL = CellCode("CL_Home_ANL");
inline constexpr CellId kHomeBeepLevel = CellCode("CL_Home_Beep_Level");
inline constexpr CellId kHomeSqlLevel = CellCode("CL_Home_Sql_Level");
inline constexpr CellId kHomeSideLevel = CellCode("CL_Home_Side_Level");
inline constexpr CellId kHomeBatteryPack = CellCode("CL_Home_Battery_Pack");
inline constexpr CellId kHomeMicSens = CellCode("CL_Home_Mic_Sens");
inline constexpr CellId kHomeIntMic = CellCode("CL_Home_Int_Mic");
inline constexpr CellId kHomeAlert = CellCode("CL_Home_Alert");
inline constexpr CellId kHomeTot = CellCode("CL_Home_Tot");
inline constexpr CellId kCommonBeepLevel = CellCode("CL_Common_Beep_Level");
inline constexpr CellId kCommonANL = CellCode("CL_Common_ANL");
inline constexpr CellId kCommonCOMMENT = CellCode("CL_Common_COMMENT");
inline constexpr CellId kCommonScanVFO = CellCode("CL_Common_Scan_VFO");
inline constexpr CellId kCommonScanMR = CellCode("CL_Common_Scan_MR");
inline constexpr CellId kCommonABSS = CellCode("CL_Common_ABSS");
inline constexpr CellId kCommonIndicationMode = CellCode("CL_Common_Indication_Mode");
inline constexpr CellId kCommonOpeningText = CellCode("CL_Common_Opening_Text");
inline constexpr CellId kCommonAdjustMode = CellCode("CL_Common_Adjust_Mode");
inline constexpr CellId kCommonVFOMode = CellCode("CL_Common_VFO_Mode");
inline constexpr CellId kCommonVFOTx = CellCode("CL_Common_VFO_Tx");
inline constexpr CellId kCommonMemoryWrite = CellCode("CL_Common_Memory_Write");
inline constexpr CellId kCommonDuplex = CellCode("CL_Common_Duplex");
inline constexpr CellId kCommonBatterySelect = CellCode("CL_Common_Battery_Select");
inline constexpr CellId kCommonBatteryPack = CellCode("CL_Common_Battery_Pack");
inline constexpr CellId kCommonSetMode = CellCode("CL_Common_Set_Mode");
inline constexpr CellId kCommonHome = CellCode("CL_Common_Home");
inline constexpr CellId kCommonScan = CellCode("CL_Common_Scan");
inline constexpr CellId kCommonEMR = CellCode("CL_Common_EMR");
inline constexpr CellId kCommonLIGHTLock = CellCode("CL_Common_LIGHT_Lock");
inline constexpr CellId kCommonPTTLock = CellCode("CL_Common_PTT_Lock");
inline constexpr CellId kCommonSQLLock = CellCode("CL_Common_SQL_Lock");
inline constexpr CellId kCommonVOLLock = CellCode("CL_Common_VOL_Lock");
inline constexpr CellId kCommonMicSens = CellCode("CL_Common_Mic_Sens");
inline constexpr CellId kCommonIntMic = CellCode("CL_Common_Int_Mic");
inline constexpr CellId kCommonLIGHTKey = CellCode("CL_Common_LIGHT_Key");
inline constexpr CellId kCommonVOXLevel = CellCode("CL_Common_VOX_Level");
inline constexpr CellId kCommonVOXDelay = CellCode("CL_Common_VOX_Delay");
inline constexpr CellId kCommonTot = CellCode("CL_Common_Tot");
inline constexpr CellId kCommonDisplayMode = CellCode("CL_Common_Display_Mode");
inline constexpr CellId kCommonChSpacing = CellCode("CL_Common_Ch_Spacing");
inline constexpr CellId kCommonBATTCheck = CellCode("CL_Common_BATT_Check");
inline constexpr CellId kCommonBankNameDisp = CellCode("CL_Common_BankName_Disp");
inline constexpr CellId kCommonBankNameWrite = CellCode("CL_Common_BankName_Write");
inline constexpr CellId kCommonAlert = CellCode("CL_Common_Alert");
}  // namespace cell

}  // namespace orvane
