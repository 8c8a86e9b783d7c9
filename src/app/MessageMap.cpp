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
    FXMAPFUNC(SEL_COMMAND, ID_CLEAR_DATA, Ordinax::onClearData),
    FXMAPFUNC(SEL_COMMAND, ID_RESTORE_DATA, Ordinax::onRestoreData),
    FXMAPFUNC(SEL_COMMAND, ID_RESET_IMAGE, Ordinax::onResetImage),
    FXMAPFUNC(SEL_COMMAND, ID_CURSOR_STYLE, Ordinax::onCursorStyle),
    FXMAPFUNC(SEL_COMMAND, ID_DATA_POINT_COLOR, Ordinax::onDataPointColor),
    FXMAPFUNC(SEL_COMMAND, ID_REFERENCE_POINT_COLOR, Ordinax::onReferencePointColor),
    FXMAPFUNC(SEL_COMMAND, ID_MAGNIFIER_OPTIONS, Ordinax::onMagnifierOptions),
    FXMAPFUNCS(SEL_COMMAND, ID_MAGNIFIER_RIGHT, ID_MAGNIFIER_BOTTOM, Ordinax::onMagnifierPosition),
    FXMAPFUNC(SEL_COMMAND, ID_ORDER_WHEN_COPYING, Ordinax::onOrderWhenCopying),
    FXMAPFUNC(SEL_KEYPRESS, ID_XY_VALUES, Ordinax::onXyValuesKey),
    FXMAPFUNC(SEL_COMMAND, ID_CLEAR_XY_TABLE, Ordinax::onClearXyTable),
    FXMAPFUNC(SEL_COMMAND, ID_ORDER_XY_BY_X, Ordinax::onOrderXyTable),
    FXMAPFUNCS(SEL_COMMAND, ID_COPY_IMAGE_XY, ID_APPEND_IMAGE_XY, Ordinax::onCopyImagePointsToXy),
    FXMAPFUNC(SEL_COMMAND, ID_ORDER_POINTS_BY_DIFF, Ordinax::onOrderPointsByDiff),
    FXMAPFUNC(SEL_COMMAND, ID_ORDER_XY_BY_DIFF, Ordinax::onOrderXyTable),
    FXMAPFUNC(SEL_TIMEOUT, ID_RESTORE_GEOMETRY, Ordinax::onRestoreGeometry),
    FXMAPFUNC(SEL_COMMAND, ID_SWITCH_AXES, Ordinax::onSwitchAxes),
    FXMAPFUNC(SEL_COMMAND, ID_SAME_POINT_COLORS, Ordinax::onSamePointColors),
    FXMAPFUNC(SEL_COMMAND, ID_NUMERIC_FORMAT_BY_SCALE, Ordinax::onNumericFormatByScale),
    FXMAPFUNC(SEL_COMMAND, ID_ARRHENIUS, Ordinax::onArrhenius),
    FXMAPFUNC(SEL_COMMAND, ID_ROUND_X_VALUE, Ordinax::onRoundXValue),
    FXMAPFUNC(SEL_COMMAND, ID_XY_ROW_COUNT, Ordinax::onXyRowCount),
    FXMAPFUNCS(SEL_COMMAND, ID_COPY_TABLE, ID_COPY_XY_TABLE, Ordinax::onCopyColumns),
    FXMAPFUNCS(SEL_COMMAND, ID_DELETE_POINT_ROWS, ID_DELETE_XY_ROWS, Ordinax::onDeleteRows),
    FXMAPFUNC(SEL_COMMAND, ID_FIT_DATA, Ordinax::onFitCommand),
    FXMAPFUNC(SEL_COMMAND, ID_ORDER_POINTS_X, Ordinax::onOrderPointsByX),
    FXMAPFUNC(SEL_COMMAND, ID_UNHIGHLIGHT, Ordinax::onUnhighlight),
    FXMAPFUNC(SEL_COMMAND, ID_MAIN_TABS, Ordinax::onPageChange),
    FXMAPFUNC(SEL_KEYPRESS, ID_CURVE_POINTS, Ordinax::onCurvePointsKey),
    FXMAPFUNC(SEL_LEFTBUTTONRELEASE, ID_CURVE_POINTS, Ordinax::onCurvePointsRelease),
    FXMAPFUNC(SEL_COMMAND, ID_WEB_SITE, Ordinax::openWebSite),
    FXMAPFUNC(SEL_COMMAND, ID_NUMBER_FORMAT, Ordinax::onNumberFormat),
    FXMAPFUNC(SEL_TIMEOUT, ID_MEASURE_LAYOUT, Ordinax::onMeasureLayout),
    FXMAPFUNC(SEL_COMMAND, ID_COPY_RESULTS_TABLE, Ordinax::onCopyColumns),
    FXMAPFUNC(SEL_COMMAND, CommandId::ID_QUIT, Ordinax::onQuit),
};
// clang-format on

FXIMPLEMENT(Ordinax, FXMainWindow, OrdinaxMap, ARRAYNUMBER(OrdinaxMap))
