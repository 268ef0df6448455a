// Identifiers of the program's resources and commands.
#pragma once

namespace vl::res {

// Dialog templates.
inline constexpr int kIddAbout = 100;
inline constexpr int kIddRecord = 119;
inline constexpr int kIddWorksheet = 125;

// Menu and accelerator tables, application icon.
inline constexpr int kMenuMain = 128;
inline constexpr int kAccelMain = 128;
inline constexpr int kIconMain = 128;

// Framework commands.
inline constexpr int kCmdFileNew = 57600;
inline constexpr int kCmdFileOpen = 57601;
inline constexpr int kCmdFileSave = 57603;
inline constexpr int kCmdPrintSetup = 57606;
inline constexpr int kCmdFilePrint = 57607;
inline constexpr int kCmdFilePrintDirect = 57608;
inline constexpr int kCmdFilePrintPreview = 57609;
inline constexpr int kCmdEditCopy = 57634;
inline constexpr int kCmdEditCut = 57635;
inline constexpr int kCmdEditPaste = 57637;
inline constexpr int kCmdEditUndo = 57643;
inline constexpr int kCmdNextPane = 57680;
inline constexpr int kCmdPrevPane = 57681;
inline constexpr int kCmdAppAbout = 57664;
inline constexpr int kCmdAppExit = 57665;

// The frame's own commands.
inline constexpr int kCmdPuzzle = 2768;
inline constexpr int kCmdGlossary = 32771;
inline constexpr int kCmdLevelJunior = 32787;
inline constexpr int kCmdLevelSenior = 32788;
inline constexpr int kCmdRecord = 32790;  // 学習記録
inline constexpr int kCmdWorksheet = 32791;  // "プリント作成…"

// Strings.
inline constexpr char16_t kAppTitle[] = u"Velorin";
inline constexpr char16_t kUntitled[] = u"無題";

}  // namespace vl::res
