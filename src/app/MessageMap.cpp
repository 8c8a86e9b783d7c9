// The main window's message map, in id order.
#include "app/Ordinax.h"

using namespace CommandId;

// clang-format off
FXDEFMAP(Ordinax) OrdinaxMap[] = {
    FXMAPFUNC(SEL_COMMAND, ID_ABOUT, Ordinax::onAbout),
    FXMAPFUNC(SEL_COMMAND, ID_PASTE, Ordinax::onPaste),
    FXMAPFUNC(SEL_TIMEOUT, ID_RESTORE_GEOMETRY, Ordinax::onRestoreGeometry),
    FXMAPFUNC(SEL_COMMAND, ID_MAIN_TABS, Ordinax::onPageChange),
    FXMAPFUNC(SEL_COMMAND, ID_WEB_SITE, Ordinax::openWebSite),
    FXMAPFUNC(SEL_TIMEOUT, ID_MEASURE_LAYOUT, Ordinax::onMeasureLayout),
    FXMAPFUNC(SEL_COMMAND, CommandId::ID_QUIT, Ordinax::onQuit),
};
// clang-format on

FXIMPLEMENT(Ordinax, FXMainWindow, OrdinaxMap, ARRAYNUMBER(OrdinaxMap))
