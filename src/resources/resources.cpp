#include "resources/resources.h"

#include "platform/window.h"
#include "resources/resource_ids.h"
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kAboutControls[] = {
    {-1, kIcon, u"", 14, 14, 21, 20},
    {-1, kStatic, u"Velorin, Version 3.0", 42, 14, 114, 8, kStyleNoPrefix},
    {-1, kStatic, u"中学・高校数学の学習ソフト", 42, 26, 114, 8},
    {1, kButton, u"OK", 113, 41, 50, 14, kStyleDefault},
};
constexpr DialogTemplate kAbout{
    kIddAbout, u"バージョン情報 Velorin", 170, 62, u"MS UI Gothic", 9, kAboutControls};

// U+001E and U+001F stand where a mnemonic marker would; they are part of the texts.
constexpr MenuItemTemplate kMenuItems[] = {
    {0, 0, u"ファイル(&F)", kMenuPopup},
    {1, kCmdWorksheet, u"プリント作成…"},
    {1, 0, u"", kMenuSeparator},
    {1, kCmdAppExit, u"アプリケーションの終了(&X)", kMenuEnd},
    {0, 0, u"学習選択(\u001EG)", kMenuPopup},
    {1, 0, u"***集  合      (\u001ES)", kMenuPopup},
    {2, 2776, u"-**集合の基礎(\u001EB)"},
    {2, 2787, u"***元の個数   (\u001EK)", kMenuEnd},
    {1, 2778, u"-**推   論     (\u001EI)"},
    {1, 2779, u"-**証   明     (\u001EF)"},
    {1, 0, u"-**場合の数  (\u001EB)", kMenuPopup},
    {2, 2769, u"-**場合の数１(\u001EO)"},
    {2, 2770, u"-**場合の数２(\u001EW)", kMenuEnd},
    {1, 2782, u"***発想の転換(\u001EH)"},
    {1, 2771, u"--*順   列     (\u001EJ)"},
    {1, 2772, u"--*組合せ     (\u001EK)"},
    {1, 2775, u"--*重複組合せ(\u001EZ)"},
    {1, 2777, u"--*順列(順路) (\u001ER)"},
    {1, 2773, u"-**確率の意味(\u001EP)"},
    {1, 2781, u"-**確   率     (\u001EQ)"},
    {1, 2780, u"-**資料の整理(\u001EA)"},
    {1, 2774, u"-**統   計     (\u001ET)"},
    {1, 32789, u"-**相関図     (\u001EC)"},
    {1, 0, u"--*確率分布  (\u001ED)", kMenuPopup},
    {2, 2783, u"--*２項分布  (\u001EB)"},
    {2, 2784, u"--*正規分布  (\u001EN)", kMenuEnd},
    {1, 0, u"--*母集団の推定(\u001EG)", kMenuPopup},
    {2, 2786, u"--*平均の推定(\u001EM)"},
    {2, 2785, u"--*比率の推定(\u001EP)", kMenuEnd},
    {1, 0, u"", kMenuSeparator},
    {1, kCmdRecord, u"学習記録(\u001EL)", kMenuEnd},
    {0, kCmdPuzzle, u"パズル(\u001EP)"},
    {0, 0, u"ﾍﾙﾌﾟ(\u001EH\u001Fﾍ)", kMenuPopup},
    {1, kCmdAppAbout, u"バージョン情報(\u001EA\u001Fﾊ)..."},
    {1, kCmdGlossary, u"数学用語    (\u001EV\u001Fﾋ)", kMenuEnd},
    {0, 0, u"難易度(\u001ED)", kMenuPopup | kMenuEnd},
    {1, kCmdLevelJunior, u"中学程度(\u001EJ)"},
    {1, kCmdLevelSenior, u"高校程度(\u001EH)", kMenuChecked | kMenuEnd},
};
constexpr MenuTemplate kMenu{kMenuMain, kMenuItems};

constexpr AccelTemplate kAccelEntries[] = {
    {'N', kAccelCtrl, kCmdFileNew},        {'O', kAccelCtrl, kCmdFileOpen},
    {'S', kAccelCtrl, kCmdFileSave},       {'P', kAccelCtrl, kCmdFilePrint},
    {'Z', kAccelCtrl, kCmdEditUndo},       {'X', kAccelCtrl, kCmdEditCut},
    {'C', kAccelCtrl, kCmdEditCopy},       {'V', kAccelCtrl, kCmdEditPaste},
    {kVkBack, kAccelAlt, kCmdEditUndo},    {kVkDelete, kAccelShift, kCmdEditCut},
    {kVkInsert, kAccelCtrl, kCmdEditCopy}, {kVkInsert, kAccelShift, kCmdEditPaste},
    {kVkF6, kAccelNone, kCmdNextPane},     {kVkF6, kAccelShift, kCmdPrevPane},
};
constexpr AccelTableTemplate kAccel{kAccelMain, kAccelEntries};
}  // namespace

const MenuTemplate& MainMenu() { return kMenu; }
const AccelTableTemplate& MainAccelerators() { return kAccel; }
const DialogTemplate& AboutTemplate() { return kAbout; }

void RegisterTemplates() {
  for (const DialogTemplate* t :
       {&kAbout,     &kDialog101, &kDialog102, &kDialog103, &kDialog104, &kDialog105, &kDialog106,
        &kDialog107, &kDialog108, &kDialog109, &kDialog110, &kDialog111, &kDialog112, &kDialog113,
        &kDialog114, &kDialog115, &kDialog116, &kDialog117, &kDialog118, &kDialog119,
        &kDialog125})
    RegisterDialogTemplate(*t);
}

}  // namespace vl::res
