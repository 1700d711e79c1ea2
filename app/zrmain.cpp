#include "app/zrmain.h"

TOriginalForm1* OriginalForm1 = nullptr;

TOriginalForm1::TOriginalForm1(TComponent* AOwner) : TForm(AOwner) {
    SetName("OriginalForm1");
    SetCaption("Velmora");
    SetPosition(poScreenCenter);
    SetClientWidth(787);
    SetClientHeight(536);
}
