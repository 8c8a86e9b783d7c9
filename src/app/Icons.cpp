// The program's icons, compiled in from GIF pictures and created once.
#include "app/Ordinax.h"
#include "icons.h"

void Ordinax::createIcons() {
    FXApp* app = getApp();
    openIcon = new FXGIFIcon(app, icon_open);
    pasteIcon = new FXGIFIcon(app, icon_paste);
    aboutIcon = new FXGIFIcon(app, icon_about);
    undoIcon = new FXGIFIcon(app, icon_undo);
    rotateCcw90Icon = new FXGIFIcon(app, icon_rotate_ccw90);
    rotateCw90Icon = new FXGIFIcon(app, icon_rotate_cw90);
    rotateCcwFineIcon = new FXGIFIcon(app, icon_rotate_ccw_fine);
    rotateCwFineIcon = new FXGIFIcon(app, icon_rotate_cw_fine);
    rotateCcwIcon = new FXGIFIcon(app, icon_rotate_ccw);
    rotateCwIcon = new FXGIFIcon(app, icon_rotate_cw);
    saveIcon = new FXGIFIcon(app, icon_save);
    clearIcon = new FXGIFIcon(app, icon_clear);
    copyIcon = new FXGIFIcon(app, icon_copy);
    orderIcon = new FXGIFIcon(app, icon_order);
    blankIcon = new FXGIFIcon(app, icon_blank);
    applicationIcon = new FXGIFIcon(app, icon_application);
}

void Ordinax::deleteIcons() {
    FXGIFIcon* icons[] = {openIcon,     pasteIcon,         aboutIcon,        undoIcon,      rotateCcw90Icon,
                          rotateCw90Icon, rotateCcwFineIcon, rotateCwFineIcon, rotateCcwIcon, rotateCwIcon,
                          saveIcon,     clearIcon,         copyIcon,         orderIcon,     blankIcon,
                          applicationIcon};
    for (FXGIFIcon* icon : icons) delete icon;
}
