// The program's numeric text field: period-only decimals and an input filter that can forbid signs.
#pragma once
#include <fx.h>

class TextField_qvx1 : public FXTextField {
    FXDECLARE(TextField_qvx1)
protected:
    TextField_qvx1() {}

public:
    TextField_qvx1(FXComposite* p, FXint columns, FXObject* tgt = nullptr, FXSelector sel = 0,
                   FXuint opts = TEXTFIELD_NORMAL, FXbool allowSign = FALSE);

    void setFieldText(const FXString& text, FXbool notify = FALSE);
    // 0 unless the field is an integer or real-number field; commas read as periods.
    double getFieldDouble() const;
    long onVerify(FXObject*, FXSelector, void*);

    FXuchar allowSign = 0;
};
