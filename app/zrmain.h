#pragma once
// The main window: the hub that holds the application's shared state and
// every component the other modules work on. Built up command by command.

#include "platform/Forms.h"

class TOriginalForm1 : public TForm {
public:
    explicit TOriginalForm1(TComponent* AOwner);
};

extern TOriginalForm1* OriginalForm1;
