// The program's numeric text field.
#include "tables/TextField_qvx1.h"

#include "tables/NumberText.h"

FXDEFMAP(TextField_qvx1)
TextField_qvx1Map[] = {
    FXMAPTYPE(SEL_VERIFY, TextField_qvx1::onVerify),
};
FXIMPLEMENT(TextField_qvx1, FXTextField, TextField_qvx1Map, ARRAYNUMBER(TextField_qvx1Map))

TextField_qvx1::TextField_qvx1(FXComposite *p, FXint columns, FXObject *tgt, FXSelector sel, FXuint opts,
                               FXbool sign)
    : FXTextField(p, columns, tgt, sel, opts, 0, 0, 0, 0, 2, 2, 2, 2), allowSign(sign) {}

void TextField_qvx1::setFieldText(const FXString &text, FXbool notify) {
    FXString stored = (options & TEXTFIELD_REAL) ? FXString(commasToPeriods(text.text()).c_str()) : text;
    killSelection();
    setText(stored);
    setCursorPos(stored.length());
    setAnchorPos(stored.length());
    if (id())
        layout();
    if (notify && target)
        target->tryHandle(this, FXSEL(SEL_COMMAND, message), (void *)stored.text());
}

double TextField_qvx1::getFieldDouble() const {
    if (!(options & (TEXTFIELD_INTEGER | TEXTFIELD_REAL)))
        return 0;
    return parseNumber(getText().text());
}

long TextField_qvx1::onVerify(FXObject *, FXSelector, void *ptr) {
    const char *text = static_cast<const char *>(ptr);
    FieldFilter filter = (options & TEXTFIELD_INTEGER) ? FieldFilter::Integer
                         : (options & TEXTFIELD_REAL)  ? FieldFilter::Real
                                                       : FieldFilter::None;
    int limit = (options & TEXTFIELD_LIMITED) ? getNumColumns() : -1;
    if (!fieldTextAccepted(text ? text : "", filter, allowSign, limit))
        return 1;
    return target && target->tryHandle(this, FXSEL(SEL_VERIFY, message), ptr);
}
