// The main window's message map, in id order.
#include "app/Ordinax.h"

using namespace CommandId;

// clang-format off
FXDEFMAP(Ordinax) OrdinaxMap[] = {
    FXMAPFUNC(SEL_COMMAND, ID_ABOUT, Ordinax::onAbout),
    FXMAPFUNC(SEL_COMMAND, ID_PASTE, Ordinax::onPaste),
    FXMAPFUNC(SEL_SELECTED, ID_AXIS_TABLE, Ordinax::onAxisTableEvent),
    FXMAPFUNC(SEL_KEYPRESS, ID_AXIS_TABLE, Ordinax::onAxisTableEvent),
    FXMAPFUNC(SEL_COMMAND, ID_AXIS_SCALE_TYPE, Ordinax::onAxisScaleType),
    FXMAPFUNC(SEL_COMMAND, ID_RECAL_DATA, Ordinax::onRecalData),
    FXMAPFUNC(SEL_TIMEOUT, ID_RESTORE_GEOMETRY, Ordinax::onRestoreGeometry),
    FXMAPFUNC(SEL_COMMAND, ID_SWITCH_AXES, Ordinax::onSwitchAxes),
    FXMAPFUNC(SEL_COMMAND, ID_NUMERIC_FORMAT_BY_SCALE, Ordinax::onNumericFormatByScale),
    FXMAPFUNC(SEL_COMMAND, ID_ARRHENIUS, Ordinax::onArrhenius),
    FXMAPFUNC(SEL_COMMAND, ID_ROUND_X_VALUE, Ordinax::onRoundXValue),
    FXMAPFUNC(SEL_COMMAND, ID_MAIN_TABS, Ordinax::onPageChange),
    FXMAPFUNC(SEL_COMMAND, ID_WEB_SITE, Ordinax::openWebSite),
    FXMAPFUNC(SEL_COMMAND, ID_NUMBER_FORMAT, Ordinax::onNumberFormat),
    FXMAPFUNC(SEL_TIMEOUT, ID_MEASURE_LAYOUT, Ordinax::onMeasureLayout),
    FXMAPFUNC(SEL_COMMAND, CommandId::ID_QUIT, Ordinax::onQuit),
};
// clang-format on

FXIMPLEMENT(Ordinax, FXMainWindow, OrdinaxMap, ARRAYNUMBER(OrdinaxMap))
