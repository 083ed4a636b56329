#pragma once
// The cell categories and cell identifiers that every sheet cell, menu item and tree
// node links to. The codes are the selectors of the cell dispatch and of the popup
// commands, so their order is fixed.

#include <cstdint>

namespace orvane {

using CellCategory = std::int32_t;
using CellId = std::int32_t;

namespace category {
inline constexpr CellCategory kNull = 0;       // CT_Null
inline constexpr CellCategory kPopupMenu = 1;  // CT_PopupMenu
inline constexpr CellCategory kConv = 2;       // CT_Conv: memory-channel sheets
inline constexpr CellCategory kBankOp = 3;     // CT_BankOp: bank operation sheet
inline constexpr CellCategory kHome = 4;       // CT_Home: common and expert sheets
inline constexpr CellCategory kNone = 5;       // a reference that names no category
}  // namespace category

// The kind of list a category's cells work on.
enum class ListKind : std::int32_t { None = 0, Channels = 1, Banks = 2 };

inline constexpr CellId kCellCount = 171;  // names 0..170
inline constexpr CellId kNoCell = 171;

// Codes that other code compares against. Ranges (such as the sixteen raw-byte cells)
// are given by their first code.
namespace cell {
inline constexpr CellId kNull = 0;
inline constexpr CellId kFlex0 = 1;
inline constexpr CellId kFlexSpace = 2;
inline constexpr CellId kFlexKeyOpt = 3;
inline constexpr CellId kFlexMarking = 4;
inline constexpr CellId kMenuFileNew = 5;
inline constexpr CellId kMenuFileOpen = 6;
inline constexpr CellId kMenuFileSave = 7;
inline constexpr CellId kMenuFileSaveAs = 8;
inline constexpr CellId kMenuFilePrintCurrent = 9;
inline constexpr CellId kMenuFilePrintAll = 10;
inline constexpr CellId kMenuFileRecent = 11;
inline constexpr CellId kMenuFileExit = 12;
inline constexpr CellId kMenuEditTop = 13;
inline constexpr CellId kMenuViewFontSize = 14;
inline constexpr CellId kMenuViewToolBar = 15;
inline constexpr CellId kMenuPortCom = 16;
inline constexpr CellId kMenuPortUsb = 17;
inline constexpr CellId kMenuComSpeed = 18;
inline constexpr CellId kMenuCloneRead = 19;
inline constexpr CellId kMenuCloneWrite = 20;
inline constexpr CellId kMenuCloneInfo = 21;
inline constexpr CellId kMenuCloneAdj = 22;
inline constexpr CellId kModel = 23;
inline constexpr CellId kHelpAbout = 24;
inline constexpr CellId kHelpContents = 25;
inline constexpr CellId kMenuDebugCompare = 26;
inline constexpr CellId kEeDebugWinAdr = 33;
inline constexpr CellId kEeDebugWin0 = 34;
inline constexpr CellId kCallSheet = 50;
inline constexpr CellId kCheckBankOp = 51;
inline constexpr CellId kCheckMemoryCH = 52;
inline constexpr CellId kCheckMemoryCH0 = 53;
inline constexpr CellId kCheckHome = 63;
inline constexpr CellId kCheckCommon = 64;
inline constexpr CellId kCloneInfoModel = 65;
inline constexpr CellId kCloneInfoComment = 66;
inline constexpr CellId kCloneInfoWxInh = 67;
inline constexpr CellId kCloneInfoVorInh = 68;
inline constexpr CellId kDebugInfoExpert = 69;
inline constexpr CellId kDebugZcsLoad = 79;
inline constexpr CellId kPMenuNoItem = 80;
inline constexpr CellId kPMenuEdit = 81;
inline constexpr CellId kPMenuHelp = 82;
inline constexpr CellId kPMenuCopy = 83;
inline constexpr CellId kPMenuPaste = 84;
inline constexpr CellId kPMenuCarryUp = 85;
inline constexpr CellId kPMenuCarryDown = 86;
inline constexpr CellId kPMenuClear = 87;
inline constexpr CellId kPMenuDelete = 88;
inline constexpr CellId kPMenuInsert = 89;
inline constexpr CellId kFBits = 90;
inline constexpr CellId kMiscChNo0Base = 91;
inline constexpr CellId kMiscChNo1Base = 92;
inline constexpr CellId kMiscChNo8264Only = 93;
inline constexpr CellId kMiscQuarterPillar = 94;
inline constexpr CellId kMiscQuarterPillarSpecial = 95;
inline constexpr CellId kMiscSeparatorPillarRX = 96;
inline constexpr CellId kMiscSeparatorPillarRT = 97;
inline constexpr CellId kMiscSeparatorPillarDUP = 98;
inline constexpr CellId kMiscSeparatorPillarName = 99;
inline constexpr CellId kMiscQuarterPillarTX = 100;
inline constexpr CellId kMchBank = 101;
inline constexpr CellId kMchUsedCHs = 102;
inline constexpr CellId kBankName = 103;
inline constexpr CellId kMchNo = 104;
inline constexpr CellId kMchCHInh = 105;
inline constexpr CellId kMchFreq = 106;
inline constexpr CellId kMchFreqT = 107;
inline constexpr CellId kMchFreqRT = 108;
inline constexpr CellId kMchDup = 109;
inline constexpr CellId kMchTxInhibit = 110;
inline constexpr CellId kMchName = 111;
inline constexpr CellId kMchWxCh = 112;
inline constexpr CellId kMchTag = 113;
inline constexpr CellId kWxChTag = 114;
inline constexpr CellId kHomeMode = 115;
inline constexpr CellId kHomeBank = 116;
inline constexpr CellId kHomeCh = 117;
inline constexpr CellId kHomeWX = 118;
inline constexpr CellId kHomeFreq = 119;
inline constexpr CellId kHomeFreqT = 120;
inline constexpr CellId kHomeFreqRT = 121;
inline constexpr CellId kHomeTxInhibit = 122;
inline constexpr CellId kHomeLIGHTKey = 123;
inline constexpr CellId kHomeVOXLevel = 124;
inline constexpr CellId kHomeVOXDelay = 125;
inline constexpr CellId kHomeDup = 126;
inline constexpr CellId kHomeANL = 127;
inline constexpr CellId kHomeBeepLevel = 128;
inline constexpr CellId kHomeSqlLevel = 129;
inline constexpr CellId kHomeSideLevel = 130;
inline constexpr CellId kHomeBatteryPack = 131;
inline constexpr CellId kHomeMicSens = 132;
inline constexpr CellId kHomeIntMic = 133;
inline constexpr CellId kHomeAlert = 134;
inline constexpr CellId kHomeTot = 135;
inline constexpr CellId kCommonBeepLevel = 136;
inline constexpr CellId kCommonANL = 137;
inline constexpr CellId kCommonCOMMENT = 138;
inline constexpr CellId kCommonScanVFO = 139;
inline constexpr CellId kCommonScanMR = 140;
inline constexpr CellId kCommonABSS = 141;
inline constexpr CellId kCommonIndicationMode = 142;
inline constexpr CellId kCommonOpeningText = 143;
inline constexpr CellId kCommonAdjustMode = 144;
inline constexpr CellId kCommonVFOMode = 145;
inline constexpr CellId kCommonVFOTx = 146;
inline constexpr CellId kCommonMemoryWrite = 147;
inline constexpr CellId kCommonDuplex = 148;
inline constexpr CellId kCommonBatterySelect = 149;
inline constexpr CellId kCommonBatteryPack = 150;
inline constexpr CellId kCommonSetMode = 151;
inline constexpr CellId kCommonHome = 152;
inline constexpr CellId kCommonScan = 153;
inline constexpr CellId kCommonEMR = 154;
inline constexpr CellId kCommonLIGHTLock = 155;
inline constexpr CellId kCommonPTTLock = 156;
inline constexpr CellId kCommonSQLLock = 157;
inline constexpr CellId kCommonVOLLock = 158;
inline constexpr CellId kCommonMicSens = 159;
inline constexpr CellId kCommonIntMic = 160;
inline constexpr CellId kCommonLIGHTKey = 161;
inline constexpr CellId kCommonVOXLevel = 162;
inline constexpr CellId kCommonVOXDelay = 163;
inline constexpr CellId kCommonTot = 164;
inline constexpr CellId kCommonDisplayMode = 165;
inline constexpr CellId kCommonChSpacing = 166;
inline constexpr CellId kCommonBATTCheck = 167;
inline constexpr CellId kCommonBankNameDisp = 168;
inline constexpr CellId kCommonBankNameWrite = 169;
inline constexpr CellId kCommonAlert = 170;
}  // namespace cell

}  // namespace orvane
