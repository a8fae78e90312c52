// Registry of the text ids that the program looks up in the language files.
//
// Message texts are the entries "S01nnnnn", label texts the entries "S02nnnnn" (captions of
// windows and dialogs, control labels, menu and tree item texts, and the option lists of
// combo boxes, list boxes and range edits). Every id named here, and every caption and list
// of the schema's fields, must exist in every shipped language file;
// tests/lib/workflow/language_files_test.cpp checks that, together with the option lists
// against the fields they are stored in and the format texts against the arguments their
// callers pass.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vex::text {

// ---- message texts (S01) -----------------------------------------------------------
inline constexpr int kMsgReplaceWithDefaults = 800;
inline constexpr int kMsgRecentFileUnreadable = 802;
inline constexpr int kMsgFileNotWritten = 803;
inline constexpr int kMsgModelNotSupported = 810;
inline constexpr int kMsgFileInvalid = 811;
inline constexpr int kMsgDataInvalid = 814;
inline constexpr int kMsgSaveBeforeClosing = 816;
inline constexpr int kMsgReadDone = 1136;
inline constexpr int kMsgWriteDone = 1137;
inline constexpr int kMsgReadFailedAt = 1138;
inline constexpr int kMsgWriteFailedAt = 1139;
inline constexpr int kMsgFirmwareTooNew = 1140;
inline constexpr int kMsgBandMismatch = 1142;
inline constexpr int kMsgNoRadio = 1143;
inline constexpr int kMsgIdentityFailed = 1146;
inline constexpr int kMsgOutOfMemory = 1147;
inline constexpr int kMsgMenuUpdateFailed = 1152;
inline constexpr int kMsgTuneDataWritten = 1153;
inline constexpr int kMsgTuneWriteFailed = 1155;
inline constexpr int kMsgTuneReadFailed = 1156;
inline constexpr int kMsgFrequencyClamped = 1164;
inline constexpr int kMsgNothingToTune = 1167;
inline constexpr int kMsgNoTuningPoints = 1168;
inline constexpr int kMsgModelMismatch = 1172;
inline constexpr int kMsgPrintCaption = 1173;
inline constexpr int kMsgOff = 1174;
inline constexpr int kMsgWrongPassword = 1176;
inline constexpr int kMsgNoSoundOutput = 1260;
inline constexpr int kMsgFileExtension = 1211;
inline constexpr int kMsgFileFilter = 1212;
inline constexpr int kMsgPrintCancelled = 1228;
inline constexpr int kMsgSelectSomethingToPrint = 1229;
inline constexpr int kMsgFileTooNew = 1230;
inline constexpr int kMsgRangeNotAdded = 1250;
inline constexpr int kMsgRangeUnknown = 1251;
inline constexpr int kMsgPdfNotWritten = 1350;
inline constexpr int kMsgReportNotPrinted = 1351;
inline constexpr int kMsgCdcssInvalid = 1252;
inline constexpr int kMsgPortMissing = 1310;
inline constexpr int kMsgPortPermission = 1311;
inline constexpr int kMsgPortBusy = 1312;
inline constexpr int kMsgPortNotSerial = 1313;
inline constexpr int kMsgPortOpenFailed = 1314;
inline constexpr int kMsgNoSerialPorts = 1315;
inline constexpr int kMsgWritePartial = 1316;
inline constexpr int kMsgModeRefused = 1317;
inline constexpr int kMsgDataInvalidListed = 1318;
inline constexpr int kMsgCsvUnreadable = 1330;
inline constexpr int kMsgCsvMissingColumn = 1331;
inline constexpr int kMsgCsvBadNumber = 1332;
inline constexpr int kMsgCsvOutOfBand = 1333;
inline constexpr int kMsgCsvOffRaster = 1334;
inline constexpr int kMsgCsvUnknownTone = 1335;
inline constexpr int kMsgCsvUnknownToneMode = 1336;
inline constexpr int kMsgCsvReverseSquelch = 1337;
inline constexpr int kMsgCsvUnknownDuplex = 1338;
inline constexpr int kMsgCsvUnknownMode = 1339;
inline constexpr int kMsgCsvUnknownPower = 1340;
inline constexpr int kMsgCsvDuplicateLocation = 1341;
inline constexpr int kMsgCsvTooManyChannels = 1342;
inline constexpr int kMsgCsvNoChannels = 1343;
inline constexpr int kMsgCsvNameDropped = 1344;
inline constexpr int kMsgCsvNotImported = 1345;
inline constexpr int kMsgCsvLinesSkipped = 1346;
inline constexpr int kMsgCsvLinesPrompt = 1347;
inline constexpr int kMsgCsvSkipInvalid = 1348;
inline constexpr int kMsgTextNotApplied = 1349;
inline constexpr int kMsgReferencesChanged = 1352;
inline constexpr int kMsgTextOtherModel = 1353;
inline constexpr int kMsgTextUnreadable = 1354;
inline constexpr int kMsgPortPane = 2231;
inline constexpr int kMsgWriteModel = 2301;
inline constexpr int kMsgWriteBand = 2302;
inline constexpr int kMsgWritePort = 2303;
inline constexpr int kMsgWriteOriginFile = 2304;
inline constexpr int kMsgWriteOriginRadio = 2305;
inline constexpr int kMsgWriteOriginDefaults = 2306;
inline constexpr int kMsgWriteDefaultsQuestion = 2307;
inline constexpr int kMsgReadStatus = 2308;
inline constexpr int kMsgChannelCount = 2309;
inline constexpr int kMsgPasteRowsLeftOut = 2410;
inline constexpr int kMsgReadPort = 2411;
inline constexpr int kMsgPageFooter = 2412;
inline constexpr int kMsgBackupBeforeWrite = 2370;
inline constexpr int kMsgBackupKept = 2371;
inline constexpr int kMsgBackupMissing = 2372;
inline constexpr int kMsgBackupNotSaved = 2373;
inline constexpr int kMsgCommandUnavailable = 2380;
inline constexpr int kMsgDataVersion = 2381;
// Programming station
inline constexpr int kMsgStationWaiting = 2460;
inline constexpr int kMsgStationPlugged = 2461;
inline constexpr int kMsgStationStopping = 2462;
inline constexpr int kMsgStationEnded = 2463;
inline constexpr int kMsgStationPlanUnfit = 2464;
inline constexpr int kMsgStationNoBackups = 2465;
inline constexpr int kMsgStationLogFailed = 2466;
inline constexpr int kMsgStationEveryRadio = 2467;
inline constexpr int kMsgStationOpenData = 2468;
inline constexpr int kMsgStationBaseAsItIs = 2469;

// ---- the standard buttons of every dialog (S02; the button's control id) ----------
inline constexpr int kButtonOk = 1;
inline constexpr int kButtonCancel = 2;
inline constexpr int kButtonHelp = 9;

// About box
inline constexpr int kAboutDescription = 1001;

// ---- captions of windows and dialogs (S02; the id is also the template id) --------
inline constexpr int kCaptionAbout = 100;
inline constexpr int kCaptionMainTitle = 128;
inline constexpr int kCaptionRadioPassword = 141;
inline constexpr int kCaptionComPort = 150;
inline constexpr int kCaptionRecordBar = 153;
inline constexpr int kCaptionLogBar = 910;
inline constexpr int kCaptionLanguage = 1037;
inline constexpr int kCaptionModelInfo = 1070;
inline constexpr int kCaptionRadioInfo = 1109;
inline constexpr int kCaptionPasswordNotice = 1137;
inline constexpr int kCaptionMisc = 1400;
inline constexpr int kCaptionReadTransfer = 1601;
inline constexpr int kCaptionWriteTransfer = 1602;
inline constexpr int kCaptionBackupTransfer = 2374;
inline constexpr int kCaptionPttId = 1655;
inline constexpr int kCaptionPersonality = 2310;
inline constexpr int kCaptionPersonalityRxTx = 2311;
inline constexpr int kCaptionPersonalitySquelch = 2312;
inline constexpr int kCaptionDataWatch = 3509;
inline constexpr int kCaptionChannel = 3655;
inline constexpr int kCaptionChannelBasic = 3656;
inline constexpr int kCaptionChannelOptions = 3657;
inline constexpr int kCaptionChannelList = 3770;
inline constexpr int kCaptionScanConfig = 3800;
inline constexpr int kCaptionScan = 3801;
inline constexpr int kCaptionScanMembers = 3803;
inline constexpr int kCaptionTestFreq = 4000;
inline constexpr int kCaptionAtis = 4590;
inline constexpr int kCaptionDos = 4660;
inline constexpr int kCaptionEmbedded = 4701;
inline constexpr int kCaptionFactoryMode = 4805;
inline constexpr int kCaptionAlertTone = 5002;
inline constexpr int kCaptionPasswords = 6351;
inline constexpr int kCaptionPasswordDialog = 6359;
inline constexpr int kCaptionKeys = 6601;
inline constexpr int kCaptionTuning = 7002;
inline constexpr int kCaptionTuneSubItem = 7004;
inline constexpr int kCaptionPrintSelection = 7210;
inline constexpr int kCaptionStation = 2460;

// ---- controls: labels, buttons, check boxes and option lists (S02) ----------------

// General words
inline constexpr int kWordOn = 20;
inline constexpr int kWordOff = 21;
inline constexpr int kLabelFrequencyClamped = 1164;

// Log bars
inline constexpr int kLogColumnItem = 900;
inline constexpr int kLogColumnDescription = 901;

// Transfer dialog and password notice
inline constexpr int kTransferStatus = 1603;
inline constexpr int kTransferReadProgress = 1604;
inline constexpr int kTransferWriteProgress = 1605;
inline constexpr int kTransferReadNote = 1607;
inline constexpr int kTransferWriteNote = 1608;
inline constexpr int kNoticeDontShowAgain = 1136;
inline constexpr int kNoticeReadPassword = 6740;
inline constexpr int kNoticeWritePassword = 6741;
inline constexpr int kNoticePowerOnPassword = 6742;
inline constexpr int kNoticeClosing = 6743;
inline constexpr int kRadioPasswordLabel = 1131;

// Communication port dialog
inline constexpr int kPortGroup = 1020;
inline constexpr int kPortButton1 = 1021;
inline constexpr int kPortButton2 = 1022;
inline constexpr int kPortButton3 = 1023;
inline constexpr int kPortButton4 = 1024;
inline constexpr int kPortButton5 = 1025;
inline constexpr int kPortButton6 = 1026;
inline constexpr int kPortButton7 = 1027;
inline constexpr int kPortButton8 = 1028;
inline constexpr int kPortButton9 = 1029;
inline constexpr int kPortButton10 = 1030;
inline constexpr int kPortButton11 = 1031;
inline constexpr int kPortButton12 = 1032;
inline constexpr int kPortButton13 = 1033;
inline constexpr int kPortButton14 = 1034;
inline constexpr int kPortButton15 = 1035;
inline constexpr int kPortButton16 = 1036;
inline constexpr int kPortColumns = 2420;
inline constexpr int kPortStates = 2421;
inline constexpr int kPortDeviceLabel = 2422;
inline constexpr int kPortRefresh = 2423;

// Record navigation bar
inline constexpr int kNavButtonNames = 2424;

// Language dialog
inline constexpr int kLanguageLabel = 1038;
inline constexpr int kLanguageList = 1039;

// File information panel
inline constexpr int kFileInfoModelName = 1045;
inline constexpr int kFileInfoRange = 1046;
inline constexpr int kFileInfoFirmware = 1047;
inline constexpr int kFileInfoComment = 1048;

// Record-navigation bar
inline constexpr int kNavClose = 1050;
inline constexpr int kNavPrint = 1051;
inline constexpr int kNavHelp = 1052;

// Model information dialog
inline constexpr int kModelNameLabel = 1071;
inline constexpr int kModelRangeLabel = 1073;
inline constexpr int kModelSignalingLabel = 1075;
inline constexpr int kModelSignalingList = 1076;

// Radio information view
inline constexpr int kRadioRange = 1112;
inline constexpr int kRadioFirmware = 1116;
inline constexpr int kRadioSignaling = 1118;

// Miscellaneous view
inline constexpr int kMiscVoxGroup = 1415;
inline constexpr int kMiscSquelchGroup = 1416;
inline constexpr int kMiscBatteryGroup = 1417;

// PTT ID view
inline constexpr int kPttGroupIdLabel = 1662;
inline constexpr int kPttFixedNote = 1672;

// The captions and option lists of the schema's fields are the schema's
// (core/schema/schema_table.h); those named below are named for the hand-made
// forms of the desktop program until the forms are built from the schema.

// Data watch
inline constexpr int kWatchCorner = 3510;
inline constexpr int kWatchClear = 3548;
// Names of the grid, the change list and the detail box for screen readers.
inline constexpr int kWatchGrid = 3547;
inline constexpr int kWatchChanges = 3549;
inline constexpr int kWatchDetail = 3546;

// Channel basic page and channel grid headers
inline constexpr int kChanReceiveGroup = 3664;
inline constexpr int kChanTransmitGroup = 3673;
inline constexpr int kChanCopyRxToTx = 3682;
inline constexpr int kChanNoFrequency = 3686;

// Channel options page
inline constexpr int kChanScanGroup = 3704;

// Scan configuration page
inline constexpr int kScanPriorityModeLabel = 3833;
inline constexpr int kScanPriorityModeList = 3834;
inline constexpr int kScanPriorityChannelLabel = 3835;
inline constexpr int kScanPriorityDeleteAdd = 3837;
inline constexpr int kScanSweepTimeLabel = 3843;
inline constexpr int kScanSweepTimeList = 3844;
inline constexpr int kScanTxModeLabel = 3845;
inline constexpr int kScanTxModeList = 3846;
inline constexpr int kScanHangTimeLabel = 3847;
inline constexpr int kScanHangTimeList = 3848;
inline constexpr int kScanDesignatedLabel = 3849;
inline constexpr int kScanNuisanceReset = 3853;
inline constexpr int kScanNuisanceDelete = 3854;
inline constexpr int kScanStartAlert = 3855;
inline constexpr int kScanEndAlert = 3856;
inline constexpr int kScanIncludeCurrent = 3857;
inline constexpr int kScanPriorityAlert = 3860;
inline constexpr int kScanTalkback = 3861;
inline constexpr int kScanTxGroup = 3863;
inline constexpr int kScanPriorityGroup = 3864;

// Scan members page
inline constexpr int kScanCountLabel = 3940;
inline constexpr int kScanCountList = 3943;
inline constexpr int kScanSlot1Label = 3905;

// Test frequency view
inline constexpr int kTestFreqLabel = 4012;
inline constexpr int kFivePointLabel = 4013;
inline constexpr int kTestFreqColumns = 4014;

// DOS view
inline constexpr int kDosPostMuteLabel = 4667;
inline constexpr int kDosPostMuteList = 4668;

// Embedded data view
inline constexpr int kEmbeddedMessage1 = 4702;
inline constexpr int kEmbeddedMessage2 = 4704;
inline constexpr int kEmbeddedMessage3 = 4706;
inline constexpr int kEmbeddedMessage4 = 4708;
inline constexpr int kEmbeddedWrite = 4710;

// Factory mode dialog
inline constexpr int kFactoryModelNameLabel = 4810;
inline constexpr int kFactoryOpenChannelsLabel = 4812;
inline constexpr int kFactoryOpenChannelsList = 4813;
inline constexpr int kFactorySerialLabel = 4814;
inline constexpr int kFactoryLowerEdgeLabel = 4818;
inline constexpr int kFactoryLowerEdgeRange = 4819;
inline constexpr int kFactoryUpperEdgeLabel = 4820;
inline constexpr int kFactoryUpperEdgeRange = 4821;
inline constexpr int kFactoryOscillatorLabel = 4822;
inline constexpr int kFactoryOscillatorRange = 4823;
inline constexpr int kFactoryMiddleFreqLabel = 4824;
inline constexpr int kFactoryMiddleFreqRange = 4825;
inline constexpr int kFactoryWrite = 4840;
inline constexpr int kFactoryRead = 4841;
inline constexpr int kFactoryClose = 4842;
inline constexpr int kFactoryTuneSwitchGroup = 4843;
inline constexpr int kFactoryTuneOpen = 4844;
inline constexpr int kFactoryTuneClose = 4845;
inline constexpr int kFactoryWriteTuneSwitch = 4846;
inline constexpr int kFactorySignalingLabel = 4847;
inline constexpr int kFactorySignalingList = 4848;
inline constexpr int kFactoryBandLabel = 4849;
inline constexpr int kFactoryBandList = 4850;
inline constexpr int kFactoryRangeIdLabel = 4851;
inline constexpr int kFactoryFirmwareLabel = 4853;

// Alert tone view
inline constexpr int kAlertFrequencyColumn = 5014;
inline constexpr int kAlertPlay = 5083;
inline constexpr int kAlertStop = 5084;

// Passwords view and password dialog
inline constexpr int kPasswordChange = 6358;
inline constexpr int kPasswordPrompt = 6360;
inline constexpr int kPasswordAgainPrompt = 6362;
inline constexpr int kPasswordsDiffer = 6364;

// Tuning dialogs
inline constexpr int kTuneItemList = 7053;
inline constexpr int kTuneItemFlags = 7054;
inline constexpr int kTuneRxFreqLabel = 7060;
inline constexpr int kTuneTxFreqLabel = 7062;
inline constexpr int kTunePointNames = 7067;
inline constexpr int kTuneTxOn = 7071;
inline constexpr int kTuneNarrow = 7073;
inline constexpr int kTuneWide = 7074;
inline constexpr int kTuneOk = 7075;
inline constexpr int kTuneVolumeLabel = 7076;
inline constexpr int kTuneValuePrefix = 7080;
inline constexpr int kTuneVolumeMin = 7082;
inline constexpr int kTuneVolumeMax = 7083;
inline constexpr int kTuneVolumePrefix = 7084;
inline constexpr int kTuneMiddle = 7085;
inline constexpr int kTuneOutputAOn = 7091;
inline constexpr int kTuneOutputAOff = 7092;
inline constexpr int kTuneOutputBOn = 7093;
inline constexpr int kTuneOutputBOff = 7094;

// Programming station window
inline constexpr int kStationColumns = 2461;
inline constexpr int kStationStates = 2462;
inline constexpr int kStationDataGroup = 2463;
inline constexpr int kStationOpenData = 2464;
inline constexpr int kStationPlan = 2465;
inline constexpr int kStationCountLabel = 2466;
inline constexpr int kStationCheck = 2467;
inline constexpr int kStationOptionsGroup = 2468;
inline constexpr int kStationVerify = 2469;
inline constexpr int kStationBackupLabel = 2470;
inline constexpr int kStationLogLabel = 2471;
inline constexpr int kStationWatchLabel = 2472;
inline constexpr int kStationBrowse = 2473;
inline constexpr int kStationStart = 2474;
inline constexpr int kStationStop = 2475;
inline constexpr int kStationClose = 2476;
inline constexpr int kStationValuesGroup = 2477;
inline constexpr int kStationValueColumns = 2478;
inline constexpr int kStationLogGroup = 2479;
inline constexpr int kStationRadiosGroup = 2480;

// Print selection dialog
inline constexpr int kPrintSetupButton = 7212;
inline constexpr int kPrintSelectAll = 7213;
inline constexpr int kPrintClearAll = 7214;

// ---- menus, commands and navigation tree items (S02) ------------------------------

// Top-level menus: label text kMenuFirst + position
inline constexpr int kMenuFile = 32790;
inline constexpr int kMenuEdit = 32791;
inline constexpr int kMenuView = 32792;
inline constexpr int kMenuProgram = 32793;
inline constexpr int kMenuSetting = 32794;
inline constexpr int kMenuWindow = 32795;
inline constexpr int kMenuHelp = 32796;

// Framework commands
inline constexpr int kCmdIdleMessage = 57345;
inline constexpr int kCmdFileNew = 57600;
inline constexpr int kCmdFileOpen = 57601;
inline constexpr int kCmdFileSave = 57603;
inline constexpr int kCmdFileSaveAs = 57604;
inline constexpr int kCmdPrintSetup = 57606;
inline constexpr int kCmdPrint = 57607;
inline constexpr int kCmdPrintPreview = 57609;
inline constexpr int kCmdExportPdf = 32960;
inline constexpr int kCmdRecentFile = 57616;
inline constexpr int kCmdWindowArrange = 57648;
inline constexpr int kCmdWindowCascade = 57650;
inline constexpr int kCmdWindowTile = 57651;
inline constexpr int kCmdAbout = 57664;
inline constexpr int kCmdExit = 57665;
inline constexpr int kCmdUndo = 57643;
inline constexpr int kCmdRedo = 57644;
inline constexpr int kCmdHelpTopics = 57667;
inline constexpr int kCmdToolbar = 59392;
inline constexpr int kCmdStatusBar = 59393;

// Program commands
inline constexpr int kCmdAdjustment = 32697;
inline constexpr int kCmdFactoryMode = 32698;
inline constexpr int kCmdWriteTuneData = 32699;
inline constexpr int kCmdTabBar = 32700;
inline constexpr int kCmdModelInfo = 32771;
inline constexpr int kCmdComPort = 32772;
inline constexpr int kCmdReadFromRadio = 32773;
inline constexpr int kCmdWriteToRadio = 32774;
inline constexpr int kCmdMemoryUpdate = 32776;
inline constexpr int kCmdLanguage = 32777;
inline constexpr int kCmdTreeBar = 32778;
inline constexpr int kCmdCloseAllWindows = 32779;
inline constexpr int kCmdFrameMinimize = 32900;
inline constexpr int kCmdFrameRestore = 32901;
inline constexpr int kCmdFrameMaximize = 32902;
inline constexpr int kCmdFrameClose = 32903;
inline constexpr int kCmdCloseAllButThis = 32904;
inline constexpr int kCmdLogBar = 32905;
inline constexpr int kCmdInvalidView = 32906;
inline constexpr int kCmdImportChannels = 32907;
inline constexpr int kCmdExportChannels = 32908;
inline constexpr int kCmdBackupBeforeWrite = 32909;
inline constexpr int kCmdExportText = 32910;
inline constexpr int kCmdImportText = 32911;
inline constexpr int kCmdStation = 32961;

// Navigation tree and Edit menu items (view commands)
inline constexpr int kViewRadioInfo = 32800;
inline constexpr int kTreeRadioSettings = 32801;
inline constexpr int kViewKeys = 32802;
inline constexpr int kViewMisc = 32803;
inline constexpr int kTreeAlertTones = 32806;
inline constexpr int kViewAlertTone = 32889;
inline constexpr int kViewPasswords = 32813;
inline constexpr int kViewAtis = 32807;
inline constexpr int kViewPttId = 32808;
inline constexpr int kViewDos = 32809;
inline constexpr int kTreeChannels = 32821;
inline constexpr int kViewChannel = 32822;
inline constexpr int kTreePersonalities = 32823;
inline constexpr int kViewPersonality = 32824;
inline constexpr int kTreeScans = 32883;
inline constexpr int kViewScan = 32884;
inline constexpr int kViewEmbedded = 32886;
inline constexpr int kViewTestFreq = 32887;
inline constexpr int kViewDataWatch = 32888;
inline constexpr int kViewChannelList = 32895;
inline constexpr int kMenuFirst = kMenuFile;
inline constexpr int kPortButtonFirst = kPortButton1;

// Model text 610 names the model ID that a language file supports.
inline constexpr int kModelTextSupportedModel = 610;

// Every message text the program looks up.
inline constexpr auto kMessageIds = std::to_array<int>({
    kMsgReplaceWithDefaults,
    kMsgRecentFileUnreadable,
    kMsgFileNotWritten,
    kMsgModelNotSupported,
    kMsgFileInvalid,
    kMsgDataInvalid,
    kMsgSaveBeforeClosing,
    kMsgReadDone,
    kMsgWriteDone,
    kMsgReadFailedAt,
    kMsgWriteFailedAt,
    kMsgFirmwareTooNew,
    kMsgBandMismatch,
    kMsgNoRadio,
    kMsgIdentityFailed,
    kMsgOutOfMemory,
    kMsgMenuUpdateFailed,
    kMsgTuneDataWritten,
    kMsgTuneWriteFailed,
    kMsgTuneReadFailed,
    kMsgFrequencyClamped,
    kMsgNothingToTune,
    kMsgNoTuningPoints,
    kMsgModelMismatch,
    kMsgPrintCaption,
    kMsgOff,
    kMsgWrongPassword,
    kMsgNoSoundOutput,
    kMsgFileExtension,
    kMsgFileFilter,
    kMsgPrintCancelled,
    kMsgSelectSomethingToPrint,
    kMsgFileTooNew,
    kMsgPdfNotWritten,
    kMsgReportNotPrinted,
    kMsgRangeNotAdded,
    kMsgRangeUnknown,
    kMsgCdcssInvalid,
    kMsgPortMissing,
    kMsgPortPermission,
    kMsgPortBusy,
    kMsgPortNotSerial,
    kMsgPortOpenFailed,
    kMsgNoSerialPorts,
    kMsgWritePartial,
    kMsgModeRefused,
    kMsgDataInvalidListed,
    kMsgCsvUnreadable,
    kMsgCsvMissingColumn,
    kMsgCsvBadNumber,
    kMsgCsvOutOfBand,
    kMsgCsvOffRaster,
    kMsgCsvUnknownTone,
    kMsgCsvUnknownToneMode,
    kMsgCsvReverseSquelch,
    kMsgCsvUnknownDuplex,
    kMsgCsvUnknownMode,
    kMsgCsvUnknownPower,
    kMsgCsvDuplicateLocation,
    kMsgCsvTooManyChannels,
    kMsgCsvNoChannels,
    kMsgCsvNameDropped,
    kMsgCsvNotImported,
    kMsgCsvLinesSkipped,
    kMsgCsvLinesPrompt,
    kMsgCsvSkipInvalid,
    kMsgTextNotApplied,
    kMsgReferencesChanged,
    kMsgTextOtherModel,
    kMsgTextUnreadable,
    kMsgPortPane,
    kMsgWriteModel,
    kMsgWriteBand,
    kMsgWritePort,
    kMsgWriteOriginFile,
    kMsgWriteOriginRadio,
    kMsgWriteOriginDefaults,
    kMsgWriteDefaultsQuestion,
    kMsgReadStatus,
    kMsgChannelCount,
    kMsgPasteRowsLeftOut,
    kMsgReadPort,
    kMsgPageFooter,
    kMsgBackupBeforeWrite,
    kMsgBackupKept,
    kMsgBackupMissing,
    kMsgBackupNotSaved,
    kMsgCommandUnavailable,
    kMsgDataVersion,
    kMsgStationWaiting,
    kMsgStationPlugged,
    kMsgStationStopping,
    kMsgStationEnded,
    kMsgStationPlanUnfit,
    kMsgStationNoBackups,
    kMsgStationLogFailed,
    kMsgStationEveryRadio,
    kMsgStationOpenData,
    kMsgStationBaseAsItIs,
});

// Every label text the program looks up besides the captions and lists of the schema.
inline constexpr auto kLabelIds = std::to_array<int>({
    kButtonOk,
    kButtonCancel,
    kButtonHelp,
    kAboutDescription,
    kWordOn,
    kWordOff,
    kCaptionAbout,
    kCaptionMainTitle,
    kCaptionRadioPassword,
    kCaptionComPort,
    kCaptionRecordBar,
    kLogColumnItem,
    kLogColumnDescription,
    kCaptionLogBar,
    kPortGroup,
    kPortButton1,
    kPortButton2,
    kPortButton3,
    kPortButton4,
    kPortButton5,
    kPortButton6,
    kPortButton7,
    kPortButton8,
    kPortButton9,
    kPortButton10,
    kPortButton11,
    kPortButton12,
    kPortButton13,
    kPortButton14,
    kPortButton15,
    kPortButton16,
    kPortColumns,
    kPortStates,
    kPortDeviceLabel,
    kPortRefresh,
    kNavButtonNames,
    kCaptionLanguage,
    kLanguageLabel,
    kLanguageList,
    kFileInfoModelName,
    kFileInfoRange,
    kFileInfoFirmware,
    kFileInfoComment,
    kNavClose,
    kNavPrint,
    kNavHelp,
    kCaptionModelInfo,
    kModelNameLabel,
    kModelRangeLabel,
    kModelSignalingLabel,
    kModelSignalingList,
    kCaptionRadioInfo,
    kRadioRange,
    kRadioFirmware,
    kRadioSignaling,
    kRadioPasswordLabel,
    kNoticeDontShowAgain,
    kCaptionPasswordNotice,
    kLabelFrequencyClamped,
    kCaptionMisc,
    kMiscVoxGroup,
    kMiscSquelchGroup,
    kMiscBatteryGroup,
    kCaptionReadTransfer,
    kCaptionWriteTransfer,
    kCaptionBackupTransfer,
    kTransferStatus,
    kTransferReadProgress,
    kTransferWriteProgress,
    kTransferReadNote,
    kTransferWriteNote,
    kCaptionPttId,
    kPttGroupIdLabel,
    kPttFixedNote,
    kCaptionPersonality,
    kCaptionPersonalityRxTx,
    kCaptionPersonalitySquelch,
    kCaptionDataWatch,
    kWatchCorner,
    kWatchClear,
    kWatchGrid,
    kWatchChanges,
    kWatchDetail,
    kCaptionChannel,
    kCaptionChannelBasic,
    kCaptionChannelOptions,
    kChanReceiveGroup,
    kChanTransmitGroup,
    kChanCopyRxToTx,
    kChanNoFrequency,
    kChanScanGroup,
    kCaptionChannelList,
    kCaptionScanConfig,
    kCaptionScan,
    kCaptionScanMembers,
    kScanTxGroup,
    kScanPriorityGroup,
    kCaptionTestFreq,
    kTestFreqColumns,
    kCaptionAtis,
    kCaptionDos,
    kDosPostMuteLabel,
    kDosPostMuteList,
    kCaptionEmbedded,
    kEmbeddedWrite,
    kCaptionFactoryMode,
    kFactoryModelNameLabel,
    kFactoryOpenChannelsList,
    kFactorySerialLabel,
    kFactoryLowerEdgeRange,
    kFactoryUpperEdgeRange,
    kFactoryOscillatorRange,
    kFactoryMiddleFreqRange,
    kFactoryWrite,
    kFactoryRead,
    kFactoryClose,
    kFactoryTuneOpen,
    kFactoryTuneClose,
    kFactoryWriteTuneSwitch,
    kFactorySignalingList,
    kFactoryBandList,
    kFactoryFirmwareLabel,
    kCaptionAlertTone,
    kAlertFrequencyColumn,
    kAlertPlay,
    kAlertStop,
    kCaptionPasswords,
    kPasswordChange,
    kCaptionPasswordDialog,
    kPasswordPrompt,
    kPasswordAgainPrompt,
    kPasswordsDiffer,
    kCaptionKeys,
    kNoticeReadPassword,
    kNoticeWritePassword,
    kNoticePowerOnPassword,
    kNoticeClosing,
    kCaptionTuning,
    kCaptionTuneSubItem,
    kTuneItemList,
    kTuneItemFlags,
    kTuneRxFreqLabel,
    kTuneTxFreqLabel,
    kTunePointNames,
    kTuneTxOn,
    kTuneNarrow,
    kTuneWide,
    kTuneOk,
    kTuneVolumeLabel,
    kTuneValuePrefix,
    kTuneVolumeMin,
    kTuneVolumeMax,
    kTuneVolumePrefix,
    kTuneMiddle,
    kTuneOutputAOn,
    kTuneOutputAOff,
    kTuneOutputBOn,
    kTuneOutputBOff,
    kCaptionPrintSelection,
    kPrintSetupButton,
    kPrintSelectAll,
    kPrintClearAll,
    kCaptionStation,
    kStationColumns,
    kStationStates,
    kStationDataGroup,
    kStationOpenData,
    kStationPlan,
    kStationCountLabel,
    kStationCheck,
    kStationOptionsGroup,
    kStationVerify,
    kStationBackupLabel,
    kStationLogLabel,
    kStationWatchLabel,
    kStationBrowse,
    kStationStart,
    kStationStop,
    kStationClose,
    kStationValuesGroup,
    kStationValueColumns,
    kStationLogGroup,
    kStationRadiosGroup,
    kCmdAdjustment,
    kCmdFactoryMode,
    kCmdWriteTuneData,
    kCmdTabBar,
    kCmdModelInfo,
    kCmdComPort,
    kCmdReadFromRadio,
    kCmdWriteToRadio,
    kCmdMemoryUpdate,
    kCmdLanguage,
    kCmdTreeBar,
    kCmdCloseAllWindows,
    kMenuFile,
    kMenuEdit,
    kMenuView,
    kMenuProgram,
    kMenuSetting,
    kMenuWindow,
    kMenuHelp,
    kViewRadioInfo,
    kTreeRadioSettings,
    kViewKeys,
    kViewMisc,
    kTreeAlertTones,
    kViewPasswords,
    kTreeChannels,
    kViewChannel,
    kTreePersonalities,
    kViewPersonality,
    kTreeScans,
    kViewScan,
    kViewEmbedded,
    kViewTestFreq,
    kViewDataWatch,
    kViewAlertTone,
    kViewChannelList,
    kViewAtis,
    kViewPttId,
    kViewDos,
    kCmdFrameMinimize,
    kCmdFrameRestore,
    kCmdFrameMaximize,
    kCmdFrameClose,
    kCmdCloseAllButThis,
    kCmdLogBar,
    kCmdInvalidView,
    kCmdImportChannels,
    kCmdExportChannels,
    kCmdBackupBeforeWrite,
    kCmdExportText,
    kCmdImportText,
    kCmdStation,
    kCmdIdleMessage,
    kCmdFileNew,
    kCmdFileOpen,
    kCmdFileSave,
    kCmdFileSaveAs,
    kCmdPrintSetup,
    kCmdPrint,
    kCmdPrintPreview,
    kCmdExportPdf,
    kCmdRecentFile,
    kCmdWindowArrange,
    kCmdWindowCascade,
    kCmdWindowTile,
    kCmdAbout,
    kCmdExit,
    kCmdUndo,
    kCmdRedo,
    kCmdHelpTopics,
    kCmdToolbar,
    kCmdStatusBar,
});

enum class Family { Message, Label };

struct TextId {
  Family family;
  int id;
};

// Messages first, then labels; message and label ids may share a number.
inline constexpr auto kAllTextIds = [] {
  std::array<TextId, kMessageIds.size() + kLabelIds.size()> all{};
  std::size_t n = 0;
  for (int id : kMessageIds) all[n++] = TextId{Family::Message, id};
  for (int id : kLabelIds) all[n++] = TextId{Family::Label, id};
  return all;
}();

// How the program uses an option list's raw values.
enum class ListKind {
  Values,     // the item value is stored as the raw value
  Positions,  // the entry's position is stored; item values equal their positions
  RangeEdit,  // one range rule "first:step:last:divisor:rawbase:rawstep:decimals"
};

// An option list and the width in bits of the field its raw values are stored in.
struct OptionListField {
  int id;
  int bits;
  ListKind kind;
};

// The option lists of no schema field (the schema's fields carry their own).
inline constexpr auto kOptionLists = std::to_array<OptionListField>({
    // signalling
    OptionListField{kDosPostMuteList, 8, ListKind::Values},
    OptionListField{kModelSignalingList, 8, ListKind::Values},
    // factory and tuning
    OptionListField{kFactoryOpenChannelsList, 8, ListKind::Values},
    OptionListField{kFactoryLowerEdgeRange, 16, ListKind::RangeEdit},
    OptionListField{kFactoryUpperEdgeRange, 16, ListKind::RangeEdit},
    OptionListField{kFactoryOscillatorRange, 8, ListKind::RangeEdit},
    OptionListField{kFactoryMiddleFreqRange, 8, ListKind::RangeEdit},
    OptionListField{kFactorySignalingList, 8, ListKind::Values},
    OptionListField{kFactoryBandList, 1, ListKind::Values},
    OptionListField{kTuneItemList, 16, ListKind::Values},
    OptionListField{kTunePointNames, 8, ListKind::Positions},
});

// Texts that are used as formats, each with exactly one conversion of the kind the caller
// passes: an integer (d, i, u, x, X) or a text (s).
enum class Conversion { Integer, String, TwoIntegers };

struct FormatText {
  Family family;
  int id;
  Conversion argument;
};

inline constexpr auto kFormatTexts = std::to_array<FormatText>({
    FormatText{Family::Message, kMsgReadFailedAt, Conversion::Integer},
    FormatText{Family::Message, kMsgWriteFailedAt, Conversion::Integer},
    FormatText{Family::Message, kMsgBandMismatch, Conversion::String},
    FormatText{Family::Message, kMsgPortPane, Conversion::Integer},
    FormatText{Family::Message, kMsgCsvMissingColumn, Conversion::String},
    FormatText{Family::Message, kMsgCsvBadNumber, Conversion::String},
    FormatText{Family::Message, kMsgCsvOutOfBand, Conversion::String},
    FormatText{Family::Message, kMsgCsvOffRaster, Conversion::String},
    FormatText{Family::Message, kMsgCsvUnknownTone, Conversion::String},
    FormatText{Family::Message, kMsgCsvUnknownToneMode, Conversion::String},
    FormatText{Family::Message, kMsgCsvReverseSquelch, Conversion::String},
    FormatText{Family::Message, kMsgCsvUnknownDuplex, Conversion::String},
    FormatText{Family::Message, kMsgCsvUnknownMode, Conversion::String},
    FormatText{Family::Message, kMsgCsvUnknownPower, Conversion::String},
    FormatText{Family::Message, kMsgCsvDuplicateLocation, Conversion::String},
    FormatText{Family::Message, kMsgCsvTooManyChannels, Conversion::String},
    FormatText{Family::Message, kMsgCsvNameDropped, Conversion::String},
    FormatText{Family::Message, kMsgCsvLinesSkipped, Conversion::String},
    FormatText{Family::Message, kMsgPortMissing, Conversion::String},
    FormatText{Family::Message, kMsgPortPermission, Conversion::String},
    FormatText{Family::Message, kMsgPortBusy, Conversion::String},
    FormatText{Family::Message, kMsgPortNotSerial, Conversion::String},
    FormatText{Family::Message, kMsgPortOpenFailed, Conversion::String},
    FormatText{Family::Message, kMsgWriteModel, Conversion::String},
    FormatText{Family::Message, kMsgWriteBand, Conversion::String},
    FormatText{Family::Message, kMsgWritePort, Conversion::String},
    FormatText{Family::Message, kMsgWriteOriginFile, Conversion::String},
    FormatText{Family::Message, kMsgWriteOriginRadio, Conversion::String},
    FormatText{Family::Message, kMsgReadStatus, Conversion::String},
    FormatText{Family::Message, kMsgChannelCount, Conversion::Integer},
    FormatText{Family::Message, kMsgPageFooter, Conversion::TwoIntegers},  // page, pages
    FormatText{Family::Message, kMsgPasteRowsLeftOut, Conversion::Integer},
    FormatText{Family::Message, kMsgReadPort, Conversion::String},
    FormatText{Family::Message, kMsgBackupBeforeWrite, Conversion::String},
    FormatText{Family::Message, kMsgBackupKept, Conversion::String},
    FormatText{Family::Message, kMsgBackupNotSaved, Conversion::String},
    FormatText{Family::Message, kMsgDataVersion, Conversion::String},
    FormatText{Family::Message, kMsgStationWaiting, Conversion::String},
    FormatText{Family::Message, kMsgStationPlugged, Conversion::String},
    FormatText{Family::Message, kMsgStationEnded, Conversion::TwoIntegers},  // programmed, attempts
    FormatText{Family::Message, kMsgStationPlanUnfit, Conversion::String},
    FormatText{Family::Message, kMsgStationNoBackups, Conversion::String},
    FormatText{Family::Message, kMsgStationLogFailed, Conversion::String},
    FormatText{Family::Message, kMsgStationEveryRadio, Conversion::String},
    FormatText{Family::Label, kTransferReadProgress, Conversion::Integer},
    FormatText{Family::Label, kTransferWriteProgress, Conversion::Integer},
});

// Plain lists: items separated by ";", of each item the part before its first ",".
inline constexpr auto kTextLists = std::to_array<int>({kLanguageList, kTestFreqColumns, kPortColumns, kPortStates, kNavButtonNames,
                                                       kStationColumns, kStationStates, kStationValueColumns});

// kTuneItemFlags is a ";"-separated list of "code,flags" pairs, one per item of kTuneItemList.

}  // namespace vex::text
