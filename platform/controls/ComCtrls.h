#pragma once
// The up-down control of the class library's common controls: two arrow
// buttons that step a whole number between Min and Max, shown in the text
// of its associate (an edit, usually). A press steps once and repeats while
// held; Up and Down in the associate step too.
//
//     auto* updown = new TUpDown(Form);
//     updown->SetAssociate(Edit);   // the edit shows the position
//     updown->SetPosition(15);      // Edit's text becomes "15", its OnChange fires

#include "platform/controls/ExtCtrls.h"

class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;
    TWinControl* GetAssociate() const { return associate_; }
    void SetAssociate(TWinControl* Value);
    int GetMin() const { return min_; }
    void SetMin(int Value);
    int GetMax() const { return max_; }
    void SetMax(int Value);
    int GetIncrement() const { return increment_; }
    void SetIncrement(int Value) { increment_ = Value; }
    // Read from the associate's text when it holds a whole number (clamped
    // to Min..Max); otherwise the last position. Setting clamps and writes
    // the associate's text.
    int GetPosition();
    void SetPosition(int Value);

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    enum TArrow { udNone, udUp, udDown };
    TArrow ArrowAt(int X, int Y) const;
    void Step(TArrow Arrow);
    void Repeat(TObject* Sender);
    void AssociateMessage(TMessage& Message);
    void Unhook();

    TWinControl* associate_ = nullptr;
    TWndMethod associateProc_;  // the associate's own message entry
    int min_ = 0, max_ = 100, increment_ = 1, position_ = 0;
    TTimer* repeat_;
    TArrow pressed_ = udNone;
    bool mouseInside_ = false;
};
